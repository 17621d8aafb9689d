#pragma once

#include "core/programming/CloudEvents.h"

#include <QObject>
#include <QString>
#include <QStringView>

namespace velmar {

class CommandChannel;
class ProgrammingState;
class Scheduler;
struct LinkState;

namespace panels {

// One operator order of a panel view's buttons: the word the module passes
// to the panel, the question asked first (none when empty), the text written
// to the cloud history and shown afterwards (none when empty), and whether
// it is a reset that a second press within 3 s must not repeat. quiet: a
// panel that is not live ignores the press without a message.
struct PanelOrder {
    const char *word;
    const char *question;
    const char *logged;
    bool resetGuard;
    bool quiet = false;
};

// The order a button sends; null when the button sends none. Zone buttons
// of the Detnov view ("SPZ1".."SPZ12", "LZ1".."LZ12") send "BotoZona" and
// their zone number.
const PanelOrder *orderFor(QStringView button);

// The panel is live: the module is linked and talks to its panel.
bool panelLive(const LinkState &link);

// Sends the panel orders of the status views: refusal while the panel is
// not live, the question, the order on the active link, the cloud record.
class PanelCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int kResetGuardMs = 3000;
    static constexpr const char *kEventId = "77000";

    PanelCommands(LinkState &link, CommandChannel &channel, Scheduler &clock, ProgrammingState &view,
                  QObject *parent = nullptr);
    void setCloudEvents(CloudEvents *cloud) { m_cloud = cloud ? cloud : &m_noCloud; }

    // A button of a panel view was pressed. sirensSilenced: the Cofem view's
    // sirens-silenced lamp is on (its sirens button then re-activates).
    // True when the order went out.
    bool press(const QString &button, bool sirensSilenced = false);

    // What goes on each link for an order word.
    static QString serialOrder(const QString &word) { return QStringLiteral("\rvm+ord=") + word + u'\r'; }
    static QString remoteOrder(const QString &word) { return QStringLiteral("{#") + word + u'}'; }

signals:
    // Over MQTT the order goes to the status topic.
    void publishStatus(const QString &payload);

private:
    LinkState &m_link;
    CommandChannel &m_channel;
    Scheduler &m_clock;
    ProgrammingState &m_view;
    NoCloudEvents m_noCloud;
    CloudEvents *m_cloud = &m_noCloud;
    qint64 m_tempsRearme = -1; // last reset request not cancelled, -1 none
};

} // namespace panels
} // namespace velmar
