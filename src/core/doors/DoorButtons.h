#pragma once

#include "core/link/ModuleStatus.h"

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>

namespace velmar {

class CloudDirectory;
class CommandChannel;
class MqttSession;
class ProgrammingState;
struct LinkState;

// The door view's pictures, in the order of the view's image list.
enum class DoorPicture { Closed = 0, Closing = 1, Open = 2, Opening = 3, Waiting = 4, Locked = 5 };

// One door button of the view as it is to be drawn.
struct DoorSlot {
    bool shown = false;
    DoorPicture picture = DoorPicture::Closed;
    DoorState state = DoorState::Tancat;
    QString name;
    QPoint picturePos; // top-left of the picture; the two panels follow below it
    QPoint namePos;
    QPoint statePos;
    bool operator==(const DoorSlot &) const = default;
};

// The door installation's view: which buttons the signed-in user sees and
// where, their names and states from the module's records, and the open and
// close orders of a click. The cloud reads are asynchronous; a click waits
// for its answer before it orders anything.
class DoorButtons : public QObject {
    Q_OBJECT
public:
    static constexpr int kButtons = 4;
    static constexpr int kPictureSize = 120;
    static constexpr int kPanelHeight = 30;
    static constexpr char kEventId[] = "77000";

    DoorButtons(LinkState &state, CloudDirectory &cloud, CommandChannel &channel, MqttSession &remote,
                ProgrammingState &view, QObject *parent = nullptr);

    // MostraPEstatPortes: lays the view out for its size, once after each
    // reset (nothing while a button is shown or a layout is on its way).
    void MostraPEstatPortes(const QSize &view);
    // The same buttons placed again for a new view size (no cloud read).
    void resize(const QSize &view);
    // Record "A1": names of buttons 1 to 4, "|" between them.
    void setNames(const QString &payload);
    // A door record of the module (the interpreter has found its button).
    void setDoor(int button, DoorState state);
    // IPBotoClick: a click on the picture of button n.
    void IPBotoClick(int n);
    // Every button hidden, closed and nameless (disconnected state, users saved).
    void reset();

    const DoorSlot &slot(int n) const { return m_slots[size_t(n - 1)]; }
    QStringList names() const;
    bool layingOut() const { return m_layingOut; }
    bool ordering() const { return m_ordering; }

    // Record "A1"'s payload as the names of buttons 1 to 4 (missing ones empty).
    static QStringList namesOf(const QString &payload);
    // The text a state shows ("Abriendo" ...), in the current language.
    static QString stateText(DoorState state);
    static DoorPicture pictureOf(DoorState state, bool mayOpen);
    // Step 3 of the layout for a view, N buttons and the four flags.
    static std::array<DoorSlot, kButtons> place(std::array<DoorSlot, kButtons> buttons, const QSize &view,
                                                int count, const QStringList &flags, bool mayOpen);

signals:
    // A button's picture, texts or place changed; the view draws again.
    void changed();

private:
    // The three reads of the user's rights, then the buttons placed.
    void readRights();
    void signedIn(bool ok);
    void order(int n);

    LinkState &m_state;
    CloudDirectory &m_cloud;
    CommandChannel &m_channel;
    MqttSession &m_remote;
    ProgrammingState &m_view;
    std::array<DoorSlot, kButtons> m_slots;
    int m_count = 1;
    QStringList m_flags;
    bool m_mayOpen = false;
    QSize m_size;
    bool m_layingOut = false;
    bool m_laidOut = false; // since the last reset
    bool m_ordering = false;
    // A reset drops the answers of reads started before it.
    int m_generation = 0;
};

} // namespace velmar
