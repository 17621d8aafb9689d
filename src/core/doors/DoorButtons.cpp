#include "core/doors/DoorButtons.h"

#include "core/cloud/CloudDirectory.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/programming/ProgrammingState.h"
#include "core/remote/MqttSession.h"

namespace velmar {

DoorButtons::DoorButtons(LinkState &state, CloudDirectory &cloud, CommandChannel &channel, MqttSession &remote,
                         ProgrammingState &view, QObject *parent)
    : QObject(parent), m_state(state), m_cloud(cloud), m_channel(channel), m_remote(remote), m_view(view)
{
    connect(&m_cloud, &CloudDirectory::signInFinished, this, &DoorButtons::signedIn);
}

QString DoorButtons::stateText(DoorState state)
{
    switch (state) {
    case DoorState::Obrint: return tr("Abriendo");
    case DoorState::Obert: return tr("Abierto");
    case DoorState::Tancant: return tr("Cerrando");
    case DoorState::Tancat: return tr("Cerrado");
    case DoorState::Esperant: return tr("Esperando ...");
    }
    return {};
}

DoorPicture DoorButtons::pictureOf(DoorState state, bool mayOpen)
{
    switch (state) {
    case DoorState::Obrint: return DoorPicture::Opening;
    case DoorState::Obert: return DoorPicture::Open;
    case DoorState::Tancant: return DoorPicture::Closing;
    case DoorState::Esperant: return DoorPicture::Waiting;
    case DoorState::Tancat: break;
    }
    return mayOpen ? DoorPicture::Closed : DoorPicture::Locked;
}

QStringList DoorButtons::names() const
{
    QStringList n;
    for (const DoorSlot &s : m_slots)
        n << s.name;
    return n;
}

std::array<DoorSlot, DoorButtons::kButtons> DoorButtons::place(std::array<DoorSlot, kButtons> buttons,
                                                               const QSize &view, int count,
                                                               const QStringList &flags, bool mayOpen)
{
    // The count only sets the slot width; the flags pick the buttons.
    const int width = view.width() / qMax(1, count);
    const int top = view.height() / 2 - kPictureSize / 2 - kPanelHeight / 2;
    int k = 0;
    for (int n = 0; n < kButtons; ++n) {
        DoorSlot &s = buttons[size_t(n)];
        if (flags.value(n) != QLatin1String("1")) {
            s.shown = false;
            continue;
        }
        s.shown = true;
        s.picture = pictureOf(s.state, mayOpen);
        s.picturePos = QPoint((width - kPictureSize) / 2 + width * k, top);
        s.namePos = QPoint(s.picturePos.x(), top + kPictureSize + kPanelHeight / 2);
        s.statePos = QPoint(s.picturePos.x(), s.namePos.y() + kPanelHeight);
        ++k;
    }
    return buttons;
}

void DoorButtons::MostraPEstatPortes(const QSize &view)
{
    if (m_layingOut)
        return;
    for (const DoorSlot &s : m_slots)
        if (s.shown)
            return;
    for (DoorSlot &s : m_slots) {
        s.name.clear();
        s.state = DoorState::Tancat;
    }
    m_size = view;
    readRights();
}

void DoorButtons::readRights()
{
    m_layingOut = true;
    const int generation = m_generation;
    m_cloud.AgafaNumBotons([this, generation](int count) {
        if (generation != m_generation)
            return;
        const auto withFlags = [this, generation](int n, const QString &flags) {
            if (generation != m_generation)
                return;
            m_count = n;
            m_flags = flags.split(u',');
            m_cloud.AgafaPotObrirPortes([this, generation](bool mayOpen) {
                if (generation != m_generation)
                    return;
                m_mayOpen = mayOpen;
                m_layingOut = false;
                m_laidOut = true;
                m_slots = place(m_slots, m_size, m_count, m_flags, m_mayOpen);
                emit changed();
            });
        };
        // Without a count from the cloud only the first button is offered.
        if (count == 0)
            withFlags(1, QStringLiteral("1,0,0,0"));
        else
            m_cloud.AgafaBotonsMarcats([withFlags, count](const QString &flags) { withFlags(count, flags); });
    });
}

void DoorButtons::signedIn(bool ok)
{
    // Laid out before the account was signed in: the user's own rights now.
    if (ok && m_laidOut && !m_layingOut)
        readRights();
}

void DoorButtons::resize(const QSize &view)
{
    m_size = view;
    if (!m_laidOut || m_layingOut)
        return;
    const auto placed = place(m_slots, view, m_count, m_flags, m_mayOpen);
    if (placed != m_slots) {
        m_slots = placed;
        emit changed();
    }
}

QStringList DoorButtons::namesOf(const QString &payload)
{
    const QStringList pieces = payload.split(u'|');
    QStringList names;
    for (int n = 0; n < kButtons; ++n)
        names << pieces.value(n);
    return names;
}

void DoorButtons::setNames(const QString &payload)
{
    const QStringList names = namesOf(payload);
    for (int n = 0; n < kButtons; ++n)
        m_slots[size_t(n)].name = names.at(n);
    emit changed();
}

void DoorButtons::setDoor(int button, DoorState state)
{
    if (button < 1 || button > kButtons)
        return;
    DoorSlot &s = m_slots[size_t(button - 1)];
    s.state = state;
    s.picture = pictureOf(state, m_mayOpen);
    emit changed();
    if (state != DoorState::Tancat)
        return;
    // Whether the closed door shows the padlock is asked again each time.
    const int generation = m_generation;
    m_cloud.AgafaPotObrirPortes([this, button, generation](bool mayOpen) {
        if (generation != m_generation)
            return;
        m_mayOpen = mayOpen;
        DoorSlot &s = m_slots[size_t(button - 1)];
        if (s.state != DoorState::Tancat)
            return;
        s.picture = pictureOf(DoorState::Tancat, mayOpen);
        emit changed();
    });
}

void DoorButtons::IPBotoClick(int n)
{
    // One order at a time: a click waits for its answers as the window did.
    if (n < 1 || n > kButtons || m_ordering)
        return;
    m_ordering = true;
    const int generation = m_generation;
    m_cloud.AgafaPotObrirPortes([this, n, generation](bool mayOpen) {
        if (generation != m_generation)
            return;
        if (!mayOpen) {
            m_ordering = false;
            const QString refused = tr("Usuario no habilitado");
            m_cloud.addEvent(QLatin1String(kEventId), refused);
            m_view.tellError(tr("¡ ATENCIÓN !"), refused, tr("    Aceptar   "));
            return;
        }
        order(n);
    });
}

void DoorButtons::order(int n)
{
    const QString digit = QString::number(n);
    if (!m_state.isRemote()) {
        m_ordering = false;
        // A module shown from its stored record has no cable to order on.
        if (!m_state.circuit)
            return;
        const DoorState st = m_slots[size_t(n - 1)].state;
        const bool open = st == DoorState::Tancat || st == DoorState::Tancant;
        m_channel.send((open ? QStringLiteral("vm+Obrir") : QStringLiteral("vm+Tancar")) + digit);
        const QString text = (open ? tr("Orden de abrir") : tr("Orden de cerrar")) + QStringLiteral("  ")
                             + m_slots[size_t(n - 1)].name;
        m_cloud.ConnexioInternet([this, text](bool reachable) {
            if (reachable)
                m_cloud.addEvent(QLatin1String(kEventId), text);
        });
        return;
    }
    // Over the broker the cloud's state decides, as the module last wrote it.
    const int generation = m_generation;
    m_cloud.AgafaEstatPortes(digit, [this, digit, generation](const QString &state) {
        if (generation != m_generation)
            return;
        m_ordering = false;
        const bool isOpen = state == QLatin1String("OPEN") || state == QLatin1String("OPENING");
        const QString word = isOpen ? QStringLiteral("{#Tancar") : QStringLiteral("{#Obrir");
        // The account's uid; the session's client id when nobody signed in.
        const QString account = m_cloud.CodiReg().isEmpty() ? m_remote.CodiReg : m_cloud.CodiReg();
        m_remote.Publica_MQTT(QStringLiteral("ssts/") + m_state.identConnectar + u'/' + account, word + digit + u'}');
    });
}

void DoorButtons::reset()
{
    ++m_generation;
    m_layingOut = false;
    m_laidOut = false;
    m_ordering = false;
    for (DoorSlot &s : m_slots) {
        s.shown = false;
        s.name.clear();
        s.state = DoorState::Tancat;
    }
    emit changed();
}

} // namespace velmar
