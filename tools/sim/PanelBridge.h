#pragma once

#include <QByteArray>
#include <QString>

namespace velmar::sim {

// The module's side of the telecontrol bridge: between "{#Ag=setBidi}" and
// "{#Ag=outBidi}" the raw bytes on the module's bridge topic go to the
// attached Aguilera panel, and what the panel sends goes back raw on the
// broker. The simulated panel answers every piece of bytes with one frame:
//   A5 5A, the length (two bytes, high first), the bytes, their sum mod 256.
class PanelBridge {
public:
    static constexpr char kHeader[] = "\xA5\x5A";

    // "{#Ag=setBidi}" came on the command topic `topic` (scfa: Ethernet).
    void open(const QString &topic) { m_open = true; m_adsl = topic.startsWith(QLatin1String("scfa/")); }
    void close() { m_open = false; }
    bool isOpen() const { return m_open; }
    // The topic prefix of the panel's bytes to the program: gcea over
    // Ethernet, gceg over GPRS.
    QString prefix() const { return QString::fromLatin1(m_adsl ? "gcea" : "gceg"); }

    // The panel's answer to bytes from the tool.
    static QByteArray answer(const QByteArray &bytes);

private:
    bool m_open = false;
    bool m_adsl = false;
};

} // namespace velmar::sim
