#include "core/programming/ModuleCommands.h"

#include "core/link/CommandChannel.h"
#include "core/link/EventLog.h"
#include "core/link/Identification.h"
#include "core/link/LinkState.h"
#include "core/link/Scheduler.h"
#include "core/panels/PanelCatalogue.h"
#include "core/params/FieldModel.h"
#include "core/programming/ProgrammingState.h"
#include "core/programming/ReadCycle.h"

namespace velmar {

namespace {

constexpr int kCheckingCodeMs = 1000;
constexpr int kShortCodeSeconds = 5;

bool has(const QString &text, const char *needle)
{
    return text.contains(QLatin1String(needle));
}

} // namespace

ModuleCommands::ModuleCommands(LinkState &state, CommandChannel &channel, Scheduler &scheduler,
                               FieldModel &fields, EventLog &eventLog,
                               Identification &identification, ProgrammingState &view,
                               ReadCycle &reader, QObject *parent)
    : QObject(parent),
      m_state(state),
      m_channel(channel),
      m_scheduler(scheduler),
      m_fields(fields),
      m_log(eventLog),
      m_ident(identification),
      m_view(view),
      m_reader(reader)
{
}

// --- orders -------------------------------------------------------------------

void ModuleCommands::BBResetClick()
{
    m_channel.send(QStringLiteral("vm+rst"));
}

void ModuleCommands::BBProvaTestClick()
{
    // The test goes the way the menu says, whatever link is open.
    if (m_view.localChosen)
        m_channel.serial().escriu_port(QStringLiteral("\rvm+TST\r"));
    else if (m_state.isRemote())
        m_channel.send(QStringLiteral("vm+TST"));
}

void ModuleCommands::BBCRAClick()
{
    m_channel.send(QStringLiteral("vm+cra"));
}

QString ModuleCommands::outputPattern(int output, bool active)
{
    QString p(4, u'.');
    if (output >= 1 && output <= 4)
        p[output - 1] = active ? u'0' : u'1';
    return p;
}

void ModuleCommands::ActivarSortidesClick(int output, const QString &caption, bool active)
{
    if (output < 1 || output > 4)
        return;
    const QString name = caption.isEmpty() ? QString::number(output) : caption;
    const Question q{tr("CONFIRMACION"),
                     tr(" Se cambiará el estado de la salida ") + name + QStringLiteral("      "),
                     tr(" Cambiar "), tr(" Cancelar ")};
    if (!m_view.ask(q))
        return;
    const QString pattern = outputPattern(output, active);
    const QString logText = (active ? tr("Salida restaurada: ") : tr("Salida disparada: ")) + name;
    if (m_state.isRemote())
        emit publishStatus(QStringLiteral("{#S") + pattern + u'}');
    else
        m_channel.send(QStringLiteral("vm+sor=") + pattern);
    m_cloud->addEvent(QStringLiteral("77000"), logText);
}

// --- access code --------------------------------------------------------------

void ModuleCommands::BBDesbloqueigAcceptarClick(const QString &code)
{
    if (code.size() < kMinimumCodeLength) {
        emit m_view.accessCodeRefused();
        m_view.tell(tr("¡ ATENCIÓN !"),
                    tr("\r\nCódigo de programación demasiado corto. Mínimo 4 caracteres\r\n"),
                    tr("    Cerrar   "), kShortCodeSeconds);
        return;
    }
    m_channel.send(QStringLiteral("vm+cdp=") + code);
    // The module answers "+Inf:" to a right code, ":Protect" to a wrong one.
    // Scheduled before the message, so that the second is counted from the
    // code however long the window keeps the message on screen.
    m_scheduler.after(kCheckingCodeMs, [this] { m_channel.send(QStringLiteral("vm+INf")); });
    m_view.tell(QString(), tr("\r\nComprobando el código de acceso ... \r\n"), QString(),
                kCheckingCodeMs / 1000);
    m_view.hideAccessPanel();
}

void ModuleCommands::BBDesbloqueigCancellarClick()
{
    m_state.protegit = true;
    m_view.hideAccessPanel();
}

bool ModuleCommands::ECodiProgExit(const QString &code)
{
    if (code.size() >= kMinimumCodeLength)
        return true;
    m_view.tell(tr("¡ ATENCIÓN !"),
                tr("\r\nCódigo de programación demasiado corto. Mínimo 4 caracteres\r\n"),
                tr("    Cerrar   "));
    return false;
}

// --- programming view ----------------------------------------------------------

ModuleCommands::PanelTab ModuleCommands::panelTabFor(const QString &c)
{
    // The panel catalogue decides the page, its caption and its title.
    const panels::PanelTab t = panels::panelTabFor(c);
    return {t.tab, t.caption, t.title};
}

QString ModuleCommands::panelTabForTemplates(const QString &c)
{
    if (has(c, "BC600") || has(c, "BC216"))
        return QStringLiteral("TSCentralBC600");
    if (has(c, "AE/SA") || has(c, "AGE") || has(c, "AE/C5"))
        return QStringLiteral("TSCentralAguilera");
    if (has(c, "Puertas"))
        return QStringLiteral("TSPortes");
    if (has(c, "Cofem") && !has(c, "Cofem-A"))
        return QStringLiteral("TSCentralCofem");
    if (has(c, "Urano"))
        return QStringLiteral("TSCentralUrano");
    if (has(c, "Syncro"))
        return QStringLiteral("TSCentralSyncro");
    if (has(c, "Bosch"))
        return QStringLiteral("TSCentralAvenarBosch");
    if (has(c, "AD300"))
        return QStringLiteral("TSCentralAD300");
    if (has(c, "Supra") || has(c, "Komttech"))
        return QStringLiteral("TSCentralSupra");
    if (has(c, "Cofem-A"))
        return QStringLiteral("TSCentralZafir");
    if (has(c, "ID3000") || has(c, "MA2000"))
        return QStringLiteral("TSCentralID3000");
    if (has(c, "AD600"))
        return QStringLiteral("TSCentralAD600");
    if (has(c, "C-TecXFP"))
        return QStringLiteral("TSCentralCtec");
    if (has(c, "PL-1000"))
        return QStringLiteral("TSCentralPL1000");
    return QString();
}

QString ModuleCommands::PCProgramacioDrawTab(int index, const QString &tabText,
                                             const QString &central, const QString &eCentral)
{
    if (index != 3)
        return tabText;
    const QString &m = central.isEmpty() ? eCentral : central;
    if (has(m, "BC600") || has(m, "BC216"))
        return QStringLiteral("BC600/BC216");
    if (has(m, "AE/SA") || has(m, "AGE") || has(m, "AE/C5"))
        return QStringLiteral("Aguilera");
    if (has(m, "Puertas"))
        return tr("Accesos");
    if (has(m, "Cofem") && !has(m, "Cofem-A"))
        return has(m, "CLVR") ? QStringLiteral("CLVR") : QStringLiteral("K-CONECTA");
    static const char *const models[] = {"Urano",  "Syncro", "Bosch",   "AD300",   "Supra",
                                         "Cofem-A", "Komttech", "ID3000", "CCD-100", "Detnov",
                                         "AD600",  "MA-2000", "JadeBird", "C-TecXFP", "PL-1000"};
    for (const char *model : models) {
        if (!has(m, model))
            continue;
        if (qstrcmp(model, "C-TecXFP") == 0)
            return QStringLiteral("C-Tec XFP");
        return QString::fromLatin1(model);
    }
    return QString();
}

void ModuleCommands::BBProgClick()
{
    if (m_state.tempsActu > 0)
        return;
    if (m_view.bidiCentral) {
        m_view.warnTelecontrol();
        return;
    }
    if (m_state.protegit) {
        m_view.showAccessPanel();
        return;
    }

    // Decided before the view comes to the front: the window reports the
    // programming view as shown as soon as it is.
    const bool wasShown = m_view.programmingShown();
    m_view.mostraestat = false;
    emit m_view.selectionCleared(QStringLiteral("SGOperadores"));
    emit m_view.pageReadButtonShown();
    const PanelTab t = m_state.circuittrobat ? panelTabFor(m_state.central) : PanelTab{};
    m_view.arrangeTabs(t.tab, t.caption, t.title);
    m_view.setVpnVisible(m_state.connex_remota.isEmpty());

    m_view.setCurrentTab(QStringLiteral("TSConfiguracio"));
    emit m_view.tabSelected(QStringLiteral("TSConfiguracio"));
    emit m_view.broughtToFront();
    if (!m_view.PRes.isEmpty()) {
        // An imported template is forgotten with the window's fields.
        m_view.PRes.clear();
        emit resetToDisconnected();
    }

    const bool linkChosen = (m_view.localChosen && m_state.connex_remota.isEmpty())
                            || (!m_view.localChosen && m_state.isRemote());
    if (linkChosen && !wasShown) {
        m_view.panelmostrat = ProgrammingState::programacio();
        emit m_view.viewChanged();
        if (m_view.localChosen)
            m_ident.start(m_ident.interval());
        const EditField *empresa = m_fields.edit(u"EProgEmpresa");
        if (!(m_view.progllegida && empresa && !empresa->text().isEmpty()))
            m_reader.BBLlegirClick();
        return;
    }
    emit m_view.viewChanged();
}

void ModuleCommands::PassarPanelProgramacio()
{
    if (m_view.programmingShown())
        return;
    m_view.panelmostrat = ProgrammingState::programacio();
    const QString tab = panelTabForTemplates(m_state.central);
    const PanelTab full = panelTabFor(m_state.central);
    if (full.tab == tab)
        m_view.arrangeTabs(tab, full.caption, full.title);
    else
        m_view.arrangeTabs(tab, QString(), QString());
    emit m_view.viewChanged();
    emit m_view.broughtToFront();
}

void ModuleCommands::PCProgramacioChange(const QString &tab)
{
    m_view.setCurrentTab(tab);
    m_view.setVpnVisible(m_state.connex_remota.isEmpty());
    if (tab == u"TSUsuari") {
        // "NO DISPONIBLE" lies over inputs and outputs when the module has
        // no inputs/outputs part.
        const QString &parts = m_state.PartsActives;
        const bool noInputsOutputs = m_state.circuittrobat && parts.size() == 4 && parts.at(3) == u'0';
        UserSections s;
        if (noInputsOutputs) {
            s.inputs = false;
            s.outputs = false;
            s.outputsByInputs = false;
            s.selected = QStringLiteral("system");
        }
        m_view.setUserSections(s);
    }
    emit m_view.selectionCleared(QString());
}

// --- event log --------------------------------------------------------------

void ModuleCommands::BTotClick()
{
    m_log.setBTot(!m_log.BTot());
}

int ModuleCommands::BTotImage() const
{
    return m_log.BTot() ? 9 : 10;
}

void ModuleCommands::BParaClick()
{
    m_follow = !m_follow;
    emit BParaChanged(m_follow);
}

void ModuleCommands::BEsborraClick()
{
    m_log.clear();
}

void ModuleCommands::REVelmarChange()
{
    if (m_follow)
        emit eventLogScrollToEnd();
}

} // namespace velmar
