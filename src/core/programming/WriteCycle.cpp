#include "core/programming/WriteCycle.h"

#include "core/diagnostics/Trace.h"
#include "core/link/CommandChannel.h"
#include "core/link/Identification.h"
#include "core/link/LinkState.h"
#include "core/link/ProtocolTimes.h"
#include "core/link/Scheduler.h"
#include "core/panels/PanelPages.h"
#include "core/params/FieldModel.h"
#include "core/params/ParamCatalogue.h"
#include "core/programming/GridRecords.h"
#include "core/programming/PageLayout.h"
#include "core/programming/ProgrammingState.h"
#include "core/base/Endpoints.h"

namespace velmar {

namespace {

constexpr int kMismatchesAllowed = 3;   // vegades_no_gravat
constexpr int kWriteStartMs = 100;
constexpr int kNextValueMs = 10;         // after an echo, the next value
constexpr int kVpnPairPauseMs = 1000;    // between 0301 and 0309 on the serial link
constexpr int kZoneErasePauseMs = 300;
constexpr int kAfterWriteMs = 2000;
constexpr int kAfterFailureMs = 1000;
constexpr int kWholeWriteEnd = 0x9FFF;   // camp_final of a whole write

const QString kComboBox = QStringLiteral("ComboBox");
const QString kCheckListBox = QStringLiteral("CheckListBox");
const QString kCheckBox = QStringLiteral("CheckBox");
const QString kStringGrid = QStringLiteral("StringGrid");
const QString kFinal = QStringLiteral("final");

bool refusedByModule(const QString &echo)
{
    return echo == u"errprg" || echo == u"NO_PAR";
}

// Grids whose changed cells may carry only the editor's marker (ticked
// flags keep their text in the field store).
bool markedByEditor(const GridModel &g)
{
    static const char16_t *const names[] = {u"SGEntrades", u"SGSortides", u"SGSortidesTemps",
                                            u"SGSortidesEnt", u"SGTamper", u"SGAlim",
                                            u"SGBoto1", u"SGBoto2", u"SGBoto3", u"SGBoto4"};
    for (const char16_t *n : names)
        if (g.name() == QStringView(n))
            return true;
    return isPanelEventGrid(g.name());
}

int recordsOf(const GridModel &g, const QString &central)
{
    return qMin(g.dataRows(), g.rowRange(central));
}

} // namespace

WriteCycle::WriteCycle(LinkState &state, CommandChannel &channel, Scheduler &scheduler, Trace &trace,
                       FieldModel &fields, Identification &identification, ProgrammingState &view,
                       const Endpoints &endpoints, QObject *parent)
    : QObject(parent),
      m_state(state),
      m_channel(channel),
      m_scheduler(scheduler),
      m_trace(trace),
      m_fields(fields),
      m_ident(identification),
      m_view(view),
      m_endpoints(endpoints)
{
    m_timer.setParent(this);
    m_timer.setObjectName(QStringLiteral("TimerGravar"));
    // A coarse timer may fire up to 5 % early: the module's echo would be
    // given up before its time.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &WriteCycle::TimerGravarTimer);
}

QString WriteCycle::vpnValue(bool vpnOn) const
{
    return vpnOn ? QString() : m_endpoints.publicMqttHost;
}

// --- starting -----------------------------------------------------------

bool WriteCycle::guards()
{
    if (m_state.tempsActu > 0 || m_view.busy())
        return false;
    if (m_view.bidiCentral) {
        m_view.warnTelecontrol();
        return false;
    }
    if (m_state.protegit) {
        m_view.showAccessPanel();
        return false;
    }
    return true;
}

void WriteCycle::BBGravarClick()
{
    if (!guards())
        return;
    if (!m_view.programmingShown()) {
        // Counted as shown first, so that showing it starts no read.
        m_view.panelmostrat = ProgrammingState::programacio();
        emit m_view.viewChanged();
        if (showProgrammingView)
            showProgrammingView();
    }
    begin(Scope::Whole);
}

void WriteCycle::BBGravarPagClick()
{
    if (!m_state.circuittrobat || !guards())
        return;
    begin(Scope::Page);
}

void WriteCycle::begin(Scope scope)
{
    m_ident.stop();
    m_state.espero.clear();
    m_state.StrCom.clear();
    m_state.vegades_espero = proto::kWaitRounds;
    m_vegadesNoGravat = kMismatchesAllowed;
    m_punteri = 0;
    m_punterfila = 1;
    m_scope = scope;
    m_state.puntercamp = stageEdit();
    m_campInici = 0;
    if (scope == Scope::Whole) {
        m_pagina.clear();
        m_state.camp_final = kWholeWriteEnd;
    } else {
        m_pagina = pageOfTab(m_view.currentTab());
        m_state.camp_final = 0;
        m_state.llegirpag = false;
        m_state.llegir = false;
    }
    m_fields.ncampsGravats = 0;
    m_unwritten.clear();
    m_channel.send(QStringLiteral("vm+inf"));
    m_esborraZones = false;
    m_erasesAwaited = 0;
    m_everyRecord = nullptr;
    m_running = true;
    const quint64 generation = ++m_generation;

    m_view.setBusy(true);
    m_view.setStatusText(tr("Programando"));
    m_view.startProgress();
    m_view.setCommandsEnabled(false);
    for (const char *name : {"ECentral", "EMAC"}) {
        if (EditField *e = m_fields.edit(QString::fromLatin1(name))) {
            e->setReadOnly(true);
            e->setEnabled(false);
        }
    }
    emit m_view.panelPollReset();

    const GridModel *zones = m_fields.grid(u"SGLlistatZonesAgui");
    if (scope == Scope::Page && m_pagina == u"PCentralAguilera" && zones
        && zones->colour() == FieldColour::Changed) {
        // A changed zone list replaces the module's: its four blocks go first.
        m_esborraZones = true;
        eraseZoneBlocks(generation).then([this, generation] {
            if (generation == m_generation)
                m_timer.start(kWriteStartMs);
        });
        return;
    }
    if (scope == Scope::Page && eraseChangedPanelBlock(generation))
        return;
    m_timer.start(kWriteStartMs);
}

void WriteCycle::writeGridRecords(const GridModel &grid, int first, int last, const QString &statusText)
{
    if (!guards())
        return;
    begin(Scope::Whole);
    m_everyRecord = &grid;
    m_campInici = first;
    m_state.camp_final = last;
    m_state.puntercamp = kStringGrid;
    m_view.setStatusText(statusText);
}

bool WriteCycle::eraseChangedPanelBlock(quint64 generation)
{
    // A panel's event grid changed as a whole (an imported list) replaces
    // the module's block: the block is emptied before the rows are written.
    const panels::PanelPageForm *form = panels::erasablePage(m_pagina);
    const GridModel *g = form ? m_fields.grid(QString::fromLatin1(form->grid)) : nullptr;
    if (!g || g->colour() != FieldColour::Changed)
        return false;
    const QStringList commands = panels::eventBlockErase(*g);
    // Their ":Erased" acknowledgements must not stop the write that sent them.
    m_erasesAwaited = int(commands.size());
    eraseBlocks(commands, generation).then([this, generation] {
        if (generation == m_generation)
            m_timer.start(kWriteStartMs);
    });
    return true;
}

void WriteCycle::MIIDefecteClick()
{
    if (!guards())
        return;
    if (passarPanelProgramacio)
        passarPanelProgramacio();
    const Question q{tr("CONFIRMACION"),
                     tr("Se borrarán los valores actuales y se restaurarán los valores de fábrica"
                        "\r\n\r\n¿Está  usted de acuerdo?"),
                     tr("     Sí    "), tr("    No    ")};
    if (!m_view.ask(q))
        return;
    GravarperDefecte();
}

void WriteCycle::GravarperDefecte()
{
    m_ident.stop();
    m_state.espero.clear();
    m_state.StrCom.clear();
    m_state.vegades_espero = proto::kWaitRounds;
    m_vegadesNoGravat = kMismatchesAllowed;
    m_punteri = 0;
    m_state.puntercamp = stageFactory();
    m_scope = Scope::Whole;
    m_pagina.clear();
    m_campInici = 0;
    m_state.camp_final = kWholeWriteEnd;
    m_channel.send(QStringLiteral("vm+inf"));
    m_running = true;
    ++m_generation;
    m_timer.start(kWriteStartMs);
    m_view.setBusy(true);
    m_view.setStatusText(tr("Restaurando"));
    m_view.startProgress();
}

// --- one step -------------------------------------------------------------

void WriteCycle::writeReply()
{
    m_timer.start(proto::kFireNowMs);
}

void WriteCycle::TimerGravarTimer()
{
    m_trace.write(QStringLiteral("TimerGravar  Strcom= ") + m_state.StrCom);
    m_timer.setInterval(proto::kWriteTimeoutMs);
    if (!m_running) {
        m_timer.stop();
        return;
    }

    QString &r = m_state.StrCom;
    if (!r.isEmpty() && !r.contains(QLatin1String("inf:"))) {
        const QString reply = r;
        r.clear();
        takeEcho(reply);
        if (m_running)
            m_timer.start(kNextValueMs);
        return;
    }

    const bool waiting = !m_state.espero.isEmpty();
    if (waiting && m_state.vegades_espero > 0)
        --m_state.vegades_espero;
    if (m_state.puntercamp == stageFactory() && waiting) {
        // Every round of the reset that passes without the module's
        // "Initialized" counts against it.
        if (--m_vegadesNoGravat <= 0) {
            factoryFailed();
            return;
        }
    }
    if (m_state.vegades_espero == 0) {
        if (m_state.puntercamp == stageFactory())
            factoryFailed();
        else
            abandon();
        return;
    }
    sendNext();
}

BoundField *WriteCycle::currentField() const
{
    const QString &stage = m_state.puntercamp;
    auto pick = [this](const auto &list) -> BoundField * {
        return m_punteri >= 0 && m_punteri < list.size() ? list.at(m_punteri) : nullptr;
    };
    if (stage == stageEdit())
        return pick(m_fields.PunterEdit());
    if (stage == kComboBox)
        return pick(m_fields.PunterComboBox());
    if (stage == kCheckListBox)
        return pick(m_fields.PunterCheckListBox());
    if (stage == kCheckBox)
        return pick(m_fields.PunterCheckBox());
    return nullptr;
}

GridModel *WriteCycle::currentGrid() const
{
    const auto &grids = m_fields.PunterStringGrid();
    if (m_state.puntercamp != kStringGrid || m_punteri < 0 || m_punteri >= grids.size())
        return nullptr;
    return grids.at(m_punteri);
}

QList<BoundField *> WriteCycle::targetsOf(BoundField *f) const
{
    const int n = f->Tag;
    if (f->kind() != ControlKind::Edit || n < 4040 || n > 4043)
        return {f};
    // The three time boxes of a door button are one parameter.
    QList<BoundField *> boxes;
    for (EditField *e : m_fields.PunterEdit())
        if (e->Tag == n)
            boxes << e;
    return boxes;
}

QString WriteCycle::fieldValue(BoundField *f) const
{
    const int n = f->Tag;
    if (f->kind() == ControlKind::Edit && n >= 4040 && n <= 4043) {
        // Opening, open and closing times of one door button.
        QStringList parts;
        for (const EditField *e : m_fields.PunterEdit())
            if (e->Tag == n)
                parts << e->text();
        return parts.join(u';');
    }
    return f->value();
}

void WriteCycle::takeEcho(const QString &reply)
{
    if (m_state.puntercamp == stageFactory()) {
        // Success is the module's "Initialized", which the router takes;
        // any other answer ends this round, and the next one asks again.
        m_state.espero.clear();
        mismatch();
        return;
    }
    GridModel *g = currentGrid();
    BoundField *f = g ? nullptr : currentField();
    if (!g && !f)
        return;
    const QString code = g ? g->recordCode(m_punterfila) : ParamCatalogue::codeFromNumber(f->Tag);
    const QString prefix = u'+' + code + u':';
    const qsizetype at = reply.indexOf(prefix);
    if (at < 0) {
        if (m_state.vegades_espero > 0)
            --m_state.vegades_espero;
        if (m_state.vegades_espero == 0)
            abandon();
        return;
    }
    QString echo = reply.mid(at + prefix.size());
    const qsizetype cr = echo.indexOf(u'\r');
    if (cr >= 0)
        echo.truncate(cr);

    if (refusedByModule(echo)) {
        refused();
        return;
    }
    if (g) {
        if (!Verifica_StringGrid(*g, echo, m_punterfila)) {
            mismatch();
            return;
        }
        const int number = g->Tag + m_punterfila - 1;
        if (const auto cols = decodeRecord(g->name(), g->hasFixedColumn(), g->columns(), echo, number))
            loadRecord(*g, m_punterfila, *cols, m_state.central);
        if (++m_punterfila > recordsOf(*g, m_state.central)) {
            g->setColour(FieldColour::Window);
            m_punterfila = 1;
            ++m_punteri;
        }
        accepted();
        return;
    }
    const bool vpn = f->name() == u"CBConfigVPN";
    const bool same = echo == fieldValue(f)
                      || (vpn && echo == vpnValue(static_cast<CheckBoxField *>(f)->checked()));
    if (!same) {
        mismatch();
        return;
    }
    const FieldColour rest = f->kind() == ControlKind::CheckBox || f->kind() == ControlKind::CheckList
                                 ? FieldColour::LightBlue
                                 : FieldColour::Window;
    for (BoundField *t : targetsOf(f)) {
        t->setColour(t->kind() == ControlKind::Edit ? static_cast<EditField *>(t)->normalColour() : rest);
        t->setStore(t->kind() == ControlKind::Edit ? static_cast<EditField *>(t)->text() : fieldValue(t));
    }
    accepted();
}

void WriteCycle::accepted()
{
    m_state.vegades_espero = proto::kWaitRounds;
    m_vegadesNoGravat = kMismatchesAllowed;
    m_state.espero.clear();
    advanceProgress();
}

void WriteCycle::advanceProgress()
{
    ++m_fields.ncampsGravats;
    const int marked = m_fields.ncampsModificats;
    m_view.setProgress(marked > 0 ? m_fields.ncampsGravats * 100 / marked : 0);
}

void WriteCycle::refused()
{
    if (GridModel *g = currentGrid()) {
        // The module does not know this block: the rest of the grid is skipped.
        g->setColour(FieldColour::Window);
        m_punterfila = 1;
        ++m_punteri;
        accepted();
        return;
    }
    BoundField *f = currentField();
    if (!f)
        return;
    // The module does not know the parameter: the field is put out of use.
    for (BoundField *t : targetsOf(f)) {
        if (t->kind() == ControlKind::Edit)
            static_cast<EditField *>(t)->setText(QString());
        t->setColour(FieldColour::ButtonFace);
        t->setEnabled(false);
    }
    accepted();
}

void WriteCycle::mismatch()
{
    if (--m_vegadesNoGravat > 0)
        return;
    if (m_state.puntercamp == stageFactory()) {
        factoryFailed();
        return;
    }
    // Three different echoes: the field or record is left as it is (still
    // red), the write goes on with the next one, and the end of the write
    // names it.
    m_vegadesNoGravat = kMismatchesAllowed;
    m_state.vegades_espero = proto::kWaitRounds;
    m_state.espero.clear();
    if (GridModel *g = currentGrid()) {
        m_unwritten << g->recordCode(m_punterfila);
        if (++m_punterfila <= recordsOf(*g, m_state.central))
            return; // the grid's next changed row
        m_punterfila = 1;
    } else if (BoundField *f = currentField()) {
        m_unwritten << ParamCatalogue::codeFromNumber(f->Tag);
    }
    ++m_punteri;
}

// --- sending ----------------------------------------------------------------

bool WriteCycle::inScope(const BoundField *f) const
{
    if (f->Tag <= 0)
        return false;
    if (m_scope == Scope::Page)
        return f->page() == m_pagina;
    return f->Tag > m_campInici && f->Tag < m_state.camp_final;
}

bool WriteCycle::inScope(const GridModel *g) const
{
    if (g->Tag <= 0)
        return false;
    if (m_scope == Scope::Page)
        return g->design().page == m_pagina;
    return g->Tag > m_campInici && g->Tag < m_state.camp_final;
}

Pacer WriteCycle::eraseZoneBlocks(quint64 generation)
{
    return eraseBlocks({QStringLiteral("vm+91xx=0"), QStringLiteral("vm+92xx=0"),
                        QStringLiteral("vm+93xx=0"), QStringLiteral("vm+94xx=0")},
                       generation);
}

Pacer WriteCycle::eraseBlocks(const QStringList &commands, quint64 generation)
{
    // Paced; a write abandoned meanwhile (another generation) sends nothing more.
    Pacer p(m_scheduler);
    for (const QString &command : commands) {
        p.then([this, generation, command] {
            if (generation == m_generation)
                m_channel.send(command);
        });
        p.pause(kZoneErasePauseMs);
    }
    return p;
}

void WriteCycle::sendValue(const QString &code, const QString &value)
{
    m_channel.send(QStringLiteral("vm+") + code + u'=' + value);
}

void WriteCycle::sendVpnPair(bool vpnOn)
{
    const QString v = vpnValue(vpnOn);
    m_fields.ConfigVPN = vpnOn;
    m_state.espero = QStringLiteral("+0309");
    sendValue(QStringLiteral("0301"), v);
    if (m_state.isRemote()) {
        sendValue(QStringLiteral("0309"), v);
        return;
    }
    const quint64 generation = m_generation;
    m_scheduler.after(kVpnPairPauseMs, [this, generation, v] {
        if (generation == m_generation && m_running)
            sendValue(QStringLiteral("0309"), v);
    });
}

void WriteCycle::nextStage(const QString &stage)
{
    m_punteri = 0;
    m_punterfila = 1;
    m_state.espero.clear();
    m_state.vegades_espero = proto::kWaitRounds;
    m_vegadesNoGravat = kMismatchesAllowed;
    m_state.puntercamp = stage;
    m_timer.start(proto::kFireNowMs);
}

void WriteCycle::sendNext()
{
    // Whatever a previous command left scheduled is superseded.
    const quint64 generation = ++m_generation;
    const QString stage = m_state.puntercamp;

    if (stage == stageFactory()) {
        m_state.espero = QStringLiteral("+xxxx");
        m_channel.send(QStringLiteral("vm+Xxxx=0"));
        return;
    }

    auto nextChanged = [this](const auto &list) -> BoundField * {
        for (int i = qMax(0, m_punteri); i < list.size(); ++i) {
            BoundField *f = list.at(i);
            if (f->isChangedMark() && inScope(f)) {
                m_punteri = i;
                return f;
            }
        }
        return nullptr;
    };
    BoundField *f = nullptr;
    QString following;
    if (stage == stageEdit()) {
        f = nextChanged(m_fields.PunterEdit());
        following = kComboBox;
    } else if (stage == kComboBox) {
        f = nextChanged(m_fields.PunterComboBox());
        following = kCheckListBox;
    } else if (stage == kCheckListBox) {
        f = nextChanged(m_fields.PunterCheckListBox());
        following = kCheckBox;
    } else if (stage == kCheckBox) {
        f = nextChanged(m_fields.PunterCheckBox());
        following = kStringGrid;
    } else if (stage == kStringGrid) {
        const Record rec = Grava_StringGrid();
        if (!rec.found) {
            m_punteri = 1;
            m_punterfila = 0;
            m_state.puntercamp = kFinal;
            m_timer.start(proto::kFireNowMs);
            return;
        }
        const GridModel *g = currentGrid();
        if (g && g->name() == u"SGLlistatZonesAgui" && g->colour() == FieldColour::Changed
            && !m_esborraZones) {
            // The zone list as a whole replaces the module's: erase first.
            m_esborraZones = true;
            m_timer.stop();
            m_state.espero = u'+' + rec.code;
            eraseZoneBlocks(generation).then([this, generation, rec] {
                if (generation != m_generation || !m_running)
                    return;
                sendValue(rec.code, rec.value);
                m_timer.start(proto::kWriteTimeoutMs);
            });
            return;
        }
        m_state.espero = u'+' + rec.code;
        sendValue(rec.code, rec.value);
        return;
    } else if (stage == kFinal) {
        finish();
        return;
    } else {
        abandon();
        return;
    }

    if (!f) {
        nextStage(following);
        return;
    }
    if (f->name() == u"CBConfigVPN") {
        sendVpnPair(static_cast<CheckBoxField *>(f)->checked());
        return;
    }
    const QString code = ParamCatalogue::codeFromNumber(f->Tag);
    m_state.espero = u'+' + code;
    sendValue(code, fieldValue(f));
    if (f->Tag == 1590)
        m_view.progllegida = false; // another panel type: its pages must be read again
}

bool WriteCycle::rowChanged(const GridModel &g, int row) const
{
    if (&g == m_everyRecord)
        return true;
    const bool marks = markedByEditor(g);
    for (int c = 0; c < g.columns(); ++c) {
        if (g.cellDiffers(c, row))
            return true;
        if (marks && (g.marker(c, row) == GridModel::kMarkerChanged || (g.flagWord(c, row) & 2)))
            return true;
    }
    return false;
}

WriteCycle::Record WriteCycle::Grava_StringGrid()
{
    const auto &grids = m_fields.PunterStringGrid();
    for (; m_punteri < grids.size(); ++m_punteri, m_punterfila = 1) {
        const GridModel *g = grids.at(m_punteri);
        if (!inScope(g) || g->firstCode.isEmpty())
            continue;
        const int rows = recordsOf(*g, m_state.central);
        for (m_punterfila = qMax(1, m_punterfila); m_punterfila <= rows; ++m_punterfila) {
            if (!rowChanged(*g, m_punterfila))
                continue;
            const QString code = g->recordCode(m_punterfila);
            if (code.isEmpty())
                break;
            return Record{true, code, serialiseRow(*g, m_punterfila)};
        }
    }
    return Record{};
}

// --- ending -----------------------------------------------------------------

void WriteCycle::restoreWindow()
{
    m_view.setBusy(false);
    m_view.clearProgress();
    m_view.setCommandsEnabled(true);
}

void WriteCycle::finish()
{
    restoreWindow();
    m_fields.ncampsModificats = 0;
    m_fields.ncampsGravats = 0;
    m_timer.stop();
    m_running = false;
    ++m_generation;
    m_state.espero = QStringLiteral("+ver");
    m_state.vegades_espero = proto::kWaitRounds;
    m_channel.send(QStringLiteral("vm+vEr"));
    m_ident.start(kAfterWriteMs);
    emit finished();
    if (!m_unwritten.isEmpty())
        m_view.tell(tr("¡ ATENCIÓN !"), tr("No se han podido programar los campos marcados en rojo:\r\n")
                                            + m_unwritten.join(QStringLiteral(", ")));
}

void WriteCycle::abandon()
{
    m_state.llegirpag = false;
    restoreWindow();
    m_timer.stop();
    m_running = false;
    ++m_generation;
    m_state.vegades_espero = proto::kWaitRounds;
    m_channel.send(QStringLiteral("vm+vEr"));
    m_ident.start(kAfterFailureMs);
    emit finished();
}

void WriteCycle::factoryFailed()
{
    m_view.tell(tr("¡ ATENCIÓN !"), tr("No se han podido restaurar los valores de fábrica"));
    abandon();
}

bool WriteCycle::halt()
{
    m_timer.stop();
    ++m_generation; // steps already scheduled by this write send nothing more
    const bool wasRunning = m_running;
    m_running = false;
    return wasRunning;
}

void WriteCycle::stopWrite()
{
    if (m_running && m_erasesAwaited > 0) {
        --m_erasesAwaited; // the echo of this write's own block erase
        return;
    }
    if (!halt())
        return;
    if (m_state.puntercamp == stageFactory())
        return; // the values are restored: the full read that follows takes over
    restoreWindow();
    m_ident.start(kAfterFailureMs);
    emit finished();
}

void WriteCycle::abort()
{
    if (halt())
        restoreWindow();
}

} // namespace velmar
