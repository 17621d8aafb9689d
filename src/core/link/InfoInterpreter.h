#pragma once

#include "core/link/LinkState.h"
#include "core/link/ReplyConsumers.h"

#include <QObject>
#include <QString>
#include <QStringView>

namespace velmar {

class EventLog;
class InfoTexts;
class ModuleStatus;

// Receives the attached panel's records of the information stream: "A"
// (panel status, door-button names) and "C" (panel events). kind is the
// record's second character, payload its text from the fourth character.
// The decoders choose the model by kind and LinkState::central.
class PanelRecordSink {
public:
    virtual ~PanelRecordSink() = default;
    virtual void panelRecord(QChar type, QChar kind, const QString &payload) = 0;
};

// Llegir_In: interprets one "{#...}" record of the module's information
// stream into the module status, the events pane, the link state and the
// panel records.
class InfoInterpreter : public QObject, public InfoSink {
    Q_OBJECT
public:
    InfoInterpreter(LinkState &link, const InfoTexts &texts, ModuleStatus &status, EventLog &log,
                    QObject *parent = nullptr);

    void setPanelSink(PanelRecordSink *sink) { m_panels = sink; }

    // Interprets the record held in StrCom.
    void Llegir_In();
    // InfoSink: the router hands a record over (StrCom already holds it).
    void infoRecord(const QString &record) override;
    // Interprets one record; does nothing unless it holds "{#" and "}".
    void interpret(const QString &record);

    // The warning shown when a remote module reports its own link down.
    static QString linkCutTitle();
    static QString linkCutText();

signals:
    // A message for the user, through the program's message dialogs.
    void warning(const QString &title, const QString &text);
    // The remote module lost its network link: end the MQTT session and the
    // telecontrol-bridge connection (after the warning).
    void closeRemoteSession();
    void closeBridge();
    // A command word for the module on the active transport ("vm+INf").
    void commandRequested(const QString &word);
    // The module-to-panel link state (connex_velmar_Agui) was set.
    void panelLinkChanged(int state);
    // Record "A1": the door-button names, "|" between them.
    void doorButtonNames(const QString &payload);

private:
    void doorState(const QString &record);
    // Returns false when the rest of the record must be dropped.
    bool segment(const QString &seg);
    void dateTime(const QString &seg);
    void identification(const QString &seg);
    bool linkCheck(const QString &seg);
    void liveStatus(const QString &seg);
    void inputAliases(const QString &seg);
    void outputAliases(const QString &seg);
    void gsm(const QString &seg);
    void eventMessage(const QString &seg);
    void bridgeEvent(const QString &code, const QString &text, const QString &value);
    void setPanelLink(int state);

    LinkState &m_link;
    const InfoTexts &m_texts;
    ModuleStatus &m_status;
    EventLog &m_log;
    PanelRecordSink *m_panels = nullptr;
};

} // namespace velmar
