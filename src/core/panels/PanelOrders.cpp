#include "core/panels/PanelOrders.h"

#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/Scheduler.h"
#include "core/programming/ProgrammingState.h"

#include <QCoreApplication>

namespace velmar::panels {

namespace {

const PanelOrder kRearme{"Rearme", QT_TRANSLATE_NOOP("PanelOrders", "¿Está seguro que quiere Rearmar la Central?"), QT_TRANSLATE_NOOP("PanelOrders", "Rearmando la Central desde PC"), true};
const PanelOrder kReset{"Rearme", QT_TRANSLATE_NOOP("PanelOrders", "¿Está seguro que quiere hacer Reset a la Central?"), QT_TRANSLATE_NOOP("PanelOrders", "Reset a la Central desde PC"), false};
const PanelOrder kRepos{"Repos", "", QT_TRANSLATE_NOOP("PanelOrders", "Reposición de la Central desde PC"), false};
const PanelOrder kSilenbuz{"Silenbuz", QT_TRANSLATE_NOOP("PanelOrders", "¿Está seguro que quiere silenciar el zumbador?"), QT_TRANSLATE_NOOP("PanelOrders", "Silenciar zumbador desde PC"), false};
const PanelOrder kEnterado{"Silenbuz", "", QT_TRANSLATE_NOOP("PanelOrders", "    Enterado    "), false};
const PanelOrder kSilensir{"Silensir", QT_TRANSLATE_NOOP("PanelOrders", "¿Está seguro que quiere silenciar la sirena?"), QT_TRANSLATE_NOOP("PanelOrders", "Silenciar sirena desde PC"), false};
// The Cofem sirens button toggles; its logged text follows the sirens lamp.
const PanelOrder kCofemSirens{"Silensir", QT_TRANSLATE_NOOP("PanelOrders", "¿Está seguri que quiere silenciar/activar la sirena?"), QT_TRANSLATE_NOOP("PanelOrders", "Silenciar sirena desde PC"), false};
const PanelOrder kActiveSir{"ActiveSir", "", QT_TRANSLATE_NOOP("PanelOrders", "Disparo sirena desde PC"), false};
const PanelOrder kActivesir{"Activesir", "", QT_TRANSLATE_NOOP("PanelOrders", "Activar sirenas desde PC"), false};
const PanelOrder kEvacuacio{"Evacuacio", "", QT_TRANSLATE_NOOP("PanelOrders", "Evacuación manual desde PC"), false};
// The Aguilera AE/C5 front's own orders.
const PanelOrder kConnex{"Connex", "", "", false};
const PanelOrder kTest{"Test", "", "", false, true};
const PanelOrder kResetAgui{"Reset", QT_TRANSLATE_NOOP("PanelOrders", "¿Está seguro que quiere hacer Reset a la Central?"), QT_TRANSLATE_NOOP("PanelOrders", "Reset a la Central desde PC"), false};
const PanelOrder kSirena{"Sirena", "", QT_TRANSLATE_NOOP("PanelOrders", "Disparo sirena desde PC"), false};
const PanelOrder kBotoZona{"BotoZona", "", QT_TRANSLATE_NOOP("PanelOrders", "Activar modo pruebas/anulado desde PC"), false};

// Buttons and their orders, one row per order; the names of the views'
// own buttons follow each view's naming.
const struct {
    const PanelOrder *order;
    QList<const char *> buttons;
} kButtons[] = {
    {&kRearme, {"SBRearme", "PBC600Rearme", "PBC216Rearme", "PSupraRearme", "PSyncroRepo", "PUranoRearme",
                "PKomttechRearme", "BBCofemReset", "PAD300Rearme", "PAD600Reset", "SRearmeID3000",
                "IJadeBirdReset", "IPL1000Rearme", "BMA2000Rearme", "IMA2000Rearme"}},
    {&kReset, {"PCofemZafirReset", "SCofemZafirReset", "PCtecReset", "SPSyncroRepo", "BDetnovReset"}},
    {&kRepos, {"SBReposicio"}},
    {&kSilenbuz, {"SBSilenci", "PBC600ResetZumb", "PBC216ResetZumb", "PSupraSilenZum", "PUranoSilenZum",
                  "PKomttechSilenZum", "PCofemSilenZum", "PDetnovSilenZum", "PAD300Botons", "PAD600Ok",
                  "PJadeBirdSilenZum", "PCtecSilenZum", "BDetnovSilenciarCentral", "SSilenZumID3000",
                  "IPL1000SilenBuz", "BMA2000SilenZum", "IMA2000SilenZum"}},
    {&kEnterado, {"PAD300SilenciarZum"}},
    {&kSilensir, {"PSirenes", "PSupraSilenSir", "PSyncroAlarma", "PKomttechSilenSir", "PAD300SilenSir",
                  "PAD600SilenciarSirenes", "PJadeBirdSilenSir", "PCtecSilenSir", "IBC600Equips",
                  "PBC216Reset", "IBC216Reset", "SCofemZafirSilenciar", "PCofemZafirSilenciar",
                  "SPSyncroAlarma", "SSilenciarID3000", "IPL1000SilenSir", "BMA2000SilenSir",
                  "IMA2000SilenSir", "BDetnovSilenciarSirenes"}},
    {&kCofemSirens, {"PCofemSilenciarSirenes"}},
    {&kActiveSir, {"PAD600DisparSirenes"}},
    {&kActivesir, {"BDetnovActivarSirenes"}},
    {&kEvacuacio, {"PAD600Evacuacio"}},
    {&kConnex, {"PConnectar"}},
    {&kTest, {"PProva"}},
    {&kResetAgui, {"PReset"}},
    {&kSirena, {"PDisparSirenes"}},
};

QString say(const char *text)
{
    return QCoreApplication::translate("PanelOrders", text);
}

// The zone number of a Detnov zone button, 0 when it is none.
int zoneButton(QStringView button)
{
    for (QLatin1StringView prefix : {QLatin1StringView("SPZ"), QLatin1StringView("LZ")}) {
        if (!button.startsWith(prefix))
            continue;
        bool ok = false;
        const int n = button.mid(prefix.size()).toInt(&ok);
        if (ok && n >= 1 && n <= 12 && !button.mid(prefix.size()).startsWith(u'0'))
            return n;
    }
    return 0;
}

} // namespace

const PanelOrder *orderFor(QStringView button)
{
    if (zoneButton(button) > 0)
        return &kBotoZona;
    for (const auto &row : kButtons)
        for (const char *b : row.buttons)
            if (button == QLatin1StringView(b))
                return row.order;
    return nullptr;
}

bool panelLive(const LinkState &link)
{
    return link.circuit && link.connex_velmar_Agui == 2;
}

PanelCommands::PanelCommands(LinkState &link, CommandChannel &channel, Scheduler &clock,
                             ProgrammingState &view, QObject *parent)
    : QObject(parent), m_link(link), m_channel(channel), m_clock(clock), m_view(view)
{
}

bool PanelCommands::press(const QString &button, bool sirensSilenced)
{
    const PanelOrder *order = orderFor(button);
    if (!order)
        return false;
    if (!panelLive(m_link)) {
        if (order->quiet)
            return false;
        m_view.tell(QStringLiteral("  ") + say("¡ ATENCIÓN !"), say("Central no conectada"));
        return false;
    }
    const qint64 now = m_clock.now();
    if (order->resetGuard && m_tempsRearme >= 0 && now - m_tempsRearme < kResetGuardMs)
        return false;
    if (*order->question
        && !m_view.ask({say("CONFIRMACION"), say(order->question), say("     Sí    "), say(" Cancelar ")}))
        return false;
    if (order->resetGuard)
        m_tempsRearme = now;

    QString word = QLatin1String(order->word);
    if (order == &kBotoZona)
        word += QString::number(zoneButton(button));
    if (m_link.isRemote())
        emit publishStatus(remoteOrder(word));
    else
        m_channel.serial().escriu_port(serialOrder(word));

    QString logged = say(order->logged);
    if (order == &kCofemSirens && sirensSilenced)
        logged = say("Activar sirenas desde PC");
    if (!logged.isEmpty()) {
        m_cloud->addEvent(QLatin1String(kEventId), logged);
        m_view.tell(QStringLiteral("  "), logged);
    }
    return true;
}

} // namespace velmar::panels
