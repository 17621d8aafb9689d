#include "core/programming/ReadCycle.h"

#include "core/diagnostics/Trace.h"
#include "core/link/CommandChannel.h"
#include "core/link/Hex.h"
#include "core/link/Identification.h"
#include "core/link/LinkState.h"
#include "core/link/ProtocolTimes.h"
#include "core/link/Scheduler.h"
#include "core/params/FieldModel.h"
#include "core/params/ParamCatalogue.h"
#include "core/programming/GridRecords.h"
#include "core/programming/ProgrammingState.h"

#include <QCoreApplication>

namespace velmar {

namespace {

const QString kDump = QStringLiteral("xxx");

// The stream stays off this long before the dump is asked for.
constexpr int kStreamOffPauseMs = 1000;
// After a rejected reply the step comes round again this soon.
constexpr int kRejectedRetryMs = 100;
constexpr int kPageReadStartMs = 10;
constexpr int kAfterReadMs = 1000;
constexpr int kAfterPageReadMs = 3000;

std::optional<int> readInteger(const QString &s)
{
    bool ok = false;
    const int v = s.trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

// The grids asked for as one block per request: their codes run through
// one leading character (9xxx) rather than two.
bool oneDigitBlock(const QString &grid)
{
    return grid == u"SGCentralAgui" || grid == u"SGEquipIndus";
}

} // namespace

ReadCycle::ReadCycle(LinkState &state, CommandChannel &channel, Scheduler &scheduler, Trace &trace,
                     FieldModel &fields, Identification &identification, ProgrammingState &view,
                     QObject *parent)
    : QObject(parent),
      m_state(state),
      m_channel(channel),
      m_scheduler(scheduler),
      m_trace(trace),
      m_fields(fields),
      m_ident(identification),
      m_view(view)
{
    m_timer.setParent(this);
    m_timer.setObjectName(QStringLiteral("TimerLlegir"));
    // A coarse timer may fire up to 5 % early: a page's reply would be given
    // up before its time.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReadCycle::TimerLlegirTimer);
}

FieldContext ReadCycle::context() const
{
    return FieldContext{m_state.central, m_view.shownPanelTab()};
}

// --- full read -----------------------------------------------------------

void ReadCycle::BBLlegirClick()
{
    if (m_state.tempsActu > 0)
        return; // a firmware update owns the link
    if (m_view.bidiCentral) {
        m_view.warnTelecontrol();
        return;
    }
    if (m_state.protegit) {
        m_view.showAccessPanel();
        return;
    }
    if (!m_view.programmingShown() && showProgrammingView) {
        // Showing the view starts a full read of its own when none was made.
        showProgrammingView();
        if (m_fullRead)
            return;
    }
    if (!m_state.circuittrobat || m_fullRead)
        return;

    m_fullRead = true;
    m_state.llegir = true;
    m_channel.send(QStringLiteral("vm+inf"));
    // Nothing else may talk to the module while its stream settles.
    m_ident.stop();
    m_view.setBusy(true);
    const quint64 generation = ++m_generation;
    m_scheduler.after(kStreamOffPauseMs, [this, generation] { startDump(generation); });
}

void ReadCycle::startDump(quint64 generation)
{
    if (generation != m_generation || !m_fullRead)
        return;
    m_view.setBusy(true);
    m_view.startProgress();
    m_view.setStatusText(tr("Leyendo"));
    m_fields.Esborra_param();
    m_state.puntercamp = kDump;
    m_view.modustransprog = false;
    m_ident.stop();
    if (!m_state.isRemote())
        m_state.tempsllegir = proto::kLinkWatchdogTicks;
    m_channel.send(QStringLiteral("vm+Xxxx"));
    m_state.espero.clear();
    m_state.StrCom.clear();
    m_state.vegades_espero = proto::kWaitRounds;
}

void ReadCycle::startFullRead()
{
    BBLlegirClick();
    if (!m_fullRead) {
        // The read was refused (locked module, telecontrol): nothing will
        // end the busy state the factory reset left.
        m_view.setBusy(false);
        m_view.clearProgress();
    }
}

void ReadCycle::dumpLine(const QString &)
{
    Llegir_pantalla();
}

void ReadCycle::Llegir_pantalla()
{
    const QString r = m_state.StrCom;
    if (r.contains(QLatin1String("x:Ok"))) {
        m_state.llegirpag = false;
        if (m_pagina == u"PCentralAguilera") {
            // The bridged panel's zone list follows its page.
            m_state.puntercamp = kDump;
            m_pagina.clear();
            m_state.espero = QStringLiteral("+9xxx");
            m_channel.send(QStringLiteral("vm+9xxx"));
            return;
        }
        if (m_pageRead && m_ncomponent < m_children.size()) {
            // One block of the page is in; the walk goes on with the rest.
            m_state.llegirpag = true;
            m_state.puntercamp.clear();
            m_state.espero.clear();
            m_state.StrCom.clear();
            m_state.vegades_espero = proto::kWaitRounds;
            m_timer.start(proto::kFireNowMs);
            return;
        }
        endRead();
        return;
    }

    if (r.size() < 6 || r.at(0) != u'+' || r.at(5) != u':')
        return;
    const QString code = r.mid(1, 4);
    qint64 limit = Hextoint(u"8516");
    if (m_state.central.contains(QLatin1String("AE")))
        limit = Hextoint(u"9600");
    else if (m_state.central.contains(QLatin1String("BC")))
        limit = Hextoint(u"9700");
    else if (m_state.central.contains(QLatin1String("Puertas")))
        limit = Hextoint(u"4000");
    m_view.setProgress(int(Hextoint(code) * 100 / limit), true);
    const QString value = replyValue(r);
    m_state.StrCom.clear();

    // The module is in VPN mode only while both server parameters are empty.
    if ((code == u"0301" || code == u"0309") && !value.isEmpty())
        m_fields.ConfigVPN = false;
    const Delivery d = m_fields.deliverReply(code, value, context());
    if (d.grid)
        Llegir_StringGrid(d.grid, value, d.number);
}

void ReadCycle::endRead()
{
    m_state.tempsllegir = 0;
    m_view.clearProgress();
    m_state.StrCom.clear();
    m_state.espero.clear();
    m_state.puntercamp.clear();
    m_fields.CampsPantallaCLWindow();
    // Everything the user had changed was read over: nothing is counted.
    m_fields.ncampsModificats = 0;
    m_state.inf = true;
    m_view.setBusy(false);
    m_fullRead = false;
    m_pageRead = false;
    m_state.llegir = false;
    m_state.llegirpag = false;
    m_children.clear();
    m_ncomponent = 0;
    m_channel.send(QStringLiteral("vm+vEr"));
    m_ident.start(kAfterReadMs);
    m_timer.stop();
    m_view.progllegida = true;
}

// --- operator list ------------------------------------------------------

void ReadCycle::operatorLine(const QString &)
{
    Llegir_LlistaOper();
}

void ReadCycle::Llegir_LlistaOper()
{
    const QString r = m_state.StrCom;
    GridModel *grid = m_fields.grid(u"SGOperadores");
    if (r.contains(QLatin1String("+85xx:Ok"))) {
        m_state.llegirpag = false;
        m_pageRead = false;
        m_state.espero.clear();
        m_state.tempsllegir = 0;
        emit m_view.selectionCleared(QStringLiteral("SGOperadores"));
        if (grid) {
            grid->setHeadings({QT_TRANSLATE_NOOP("FieldModel", "   Operadora: "),
                               QT_TRANSLATE_NOOP("FieldModel", "APN"),
                               QT_TRANSLATE_NOOP("FieldModel", "Usuario"),
                               QT_TRANSLATE_NOOP("FieldModel", "Password")});
            grid->setColour(FieldColour::Window);
        }
        m_view.setBusy(false);
        m_view.clearProgress();
        m_channel.send(QStringLiteral("vm+vEr"));
        m_ident.start(kAfterReadMs);
        m_timer.stop();
        m_view.progllegida = true;
        m_ncomponent = 0;
        return;
    }
    const qsizetype at = r.indexOf(QLatin1String("+85"));
    if (at < 0)
        return;
    m_view.setBusy(true);
    m_view.setStatusText(tr("Leyendo"));
    m_view.startProgress();
    const QString line = r.mid(at);
    const auto number = ParamCatalogue::numberFromCode(QStringView(line).mid(1, 4), false);
    if (!number || !grid)
        return;
    const int row = *number - 8501 + 1;
    QStringList f = replyValue(line).split(u';');
    for (int c = 0; c < grid->columns(); ++c)
        grid->load(c, row, f.value(c));
}

// --- block records ----------------------------------------------------------

void ReadCycle::Llegir_StringGrid(GridModel *grid, const QString &value, int number)
{
    if (!grid)
        return;
    int row = number - grid->Tag + 1;
    // The test, tamper and power records are one block shown in three grids.
    auto redirect = [&](const char *second, const char *third) {
        if (row == 2 || row == 3) {
            if (GridModel *g = m_fields.grid(QString::fromLatin1(row == 2 ? second : third))) {
                grid = g;
                row = 1;
            }
        }
    };
    if (grid->name() == u"SGTest")
        redirect("SGTamper", "SGAlim");
    else if (grid->name() == u"SGTestOpc")
        redirect("SGTamperOpc", "SGAlimOpc");

    const auto cols = decodeRecord(grid->name(), grid->hasFixedColumn(), grid->columns(), value, number);
    if (!cols)
        return;
    loadRecord(*grid, row, *cols, m_state.central);
}

// --- page read ------------------------------------------------------------

void ReadCycle::BBLlegirPagClick()
{
    if (m_view.busy() || !m_state.circuittrobat)
        return;
    for (const char *name : {"ECentral", "EMAC"}) {
        if (EditField *e = m_fields.edit(QString::fromLatin1(name))) {
            e->setReadOnly(true);
            e->setEnabled(false);
        }
    }
    emit m_view.panelPollReset();

    const QString page = pageOfTab(m_view.currentTab());
    if (page.isEmpty())
        return;
    m_pagina = page;
    m_children = pageChildren(m_fields, page);
    clearPageForRead(m_fields, page);
    m_view.setStatusText(tr("Leyendo"));

    m_state.puntercamp.clear();
    m_state.espero.clear();
    m_state.StrCom.clear();
    m_state.vegades_espero = proto::kWaitRounds;
    m_ncomponent = 0;
    m_nsubcomponent = 0;
    m_blocksAsked.clear();
    m_state.llegirpag = true;
    m_pageRead = true;
    m_view.setBusy(true);
    m_view.startProgress();
    m_ident.stop();
    m_timer.start(kPageReadStartMs);
}

void ReadCycle::readReply()
{
    m_timer.start(proto::kFireNowMs);
}

void ReadCycle::pageProgress()
{
    int n = m_children.size();
    if (m_state.central.contains(QLatin1String("AE")))
        n += 500;
    else if (m_state.central.contains(QLatin1String("BC")))
        n += 250;
    else if (m_state.central.contains(QLatin1String("Puertas")))
        n += 16;
    m_view.setProgress(n > 0 ? m_ncomponent * 100 / n : 0, true);
}

void ReadCycle::TimerLlegirTimer()
{
    m_trace.write(QStringLiteral("TimerLlegir  Strcom= ") + m_state.StrCom);
    m_timer.setInterval(proto::kReadStepMs);
    if (!m_pageRead) {
        m_timer.stop();
        return;
    }

    QString &r = m_state.StrCom;
    if (!r.isEmpty() && !r.contains(QLatin1String("inf:Dis"))) {
        pageProgress();
        if (acceptsPageReply(r, m_state.espero)) {
            if (m_ncomponent < m_children.size())
                takeIntoChild(m_children.at(m_ncomponent), replyValue(r));
            ++m_ncomponent;
            m_state.vegades_espero = proto::kWaitRounds;
            // Answered: the next round waits for the next request only.
            m_state.espero.clear();
            r.clear();
            m_timer.start(proto::kFireNowMs);
            return;
        }
        if (m_state.vegades_espero > 0)
            --m_state.vegades_espero;
        r.clear();
        if (m_state.vegades_espero == 0) {
            abandonPageRead();
            return;
        }
        m_timer.start(kRejectedRetryMs);
        return;
    }

    if (!m_state.espero.isEmpty() && m_state.vegades_espero > 0)
        --m_state.vegades_espero;
    if (m_state.vegades_espero == 0) {
        abandonPageRead();
        return;
    }
    requestNext();
}

void ReadCycle::request(const QString &code)
{
    m_state.espero = u'+' + code;
    if (m_state.connex_remota.isEmpty() || m_state.isRemote())
        m_channel.send(QStringLiteral("vm+") + code);
}

bool ReadCycle::requestNext()
{
    // A block dump is running: its end line goes on with the walk or ends it.
    if (m_state.puntercamp == kDump)
        return false;

    while (m_ncomponent < m_children.size()) {
        const PageChild &child = m_children.at(m_ncomponent);
        if (child.kind == PageChild::Kind::Section) {
            for (; m_nsubcomponent < child.grids.size(); ++m_nsubcomponent) {
                const GridModel *g = m_fields.grid(child.grids.at(m_nsubcomponent));
                if (!g || g->Tag <= 0)
                    continue;
                const QString block = ParamCatalogue::blockReadCode(
                    g->Tag, oneDigitBlock(g->name()) ? BlockRead::OneDigit : BlockRead::TwoDigits);
                // One dump fills every grid of its block.
                if (m_blocksAsked.contains(block))
                    continue;
                m_blocksAsked.insert(block);
                ++m_nsubcomponent;
                m_state.puntercamp = kDump;
                request(block);
                return true;
            }
            m_nsubcomponent = 0;
            ++m_ncomponent;
            continue;
        }
        const BoundField *f = m_fields.field(child.name);
        const GridModel *g = m_fields.grid(child.name);
        const int number = f ? f->Tag : g ? g->Tag : 0;
        const bool singleGrid = m_pagina == u"PConfigSoft" || m_pagina == u"PCentralBC600"
                                || m_pagina == u"PCentralAvenarBosch";
        if (number <= 0 || (g && !singleGrid)) {
            ++m_ncomponent;
            continue;
        }
        request(ParamCatalogue::codeFromNumber(number));
        return true;
    }

    if (m_pagina == u"PConfig") {
        request(QStringLiteral("85xx"));
        return true;
    }
    if (m_pagina == u"PCentralAguilera") {
        m_state.puntercamp = kDump;
        request(QStringLiteral("9xxx"));
        return true;
    }
    if (m_pagina == u"PPortes") {
        m_state.puntercamp = kDump;
        request(QStringLiteral("40xx"));
        return true;
    }
    endPageRead();
    return false;
}

void ReadCycle::takeIntoChild(const PageChild &child, const QString &value)
{
    if (child.kind != PageChild::Kind::Control)
        return;
    if (GridModel *g = m_fields.grid(child.name)) {
        GridModel *target = g;
        if (m_pagina == u"PConfigSoft")
            target = m_fields.grid(u"SGCra");
        else if (m_pagina == u"PCentralBC600")
            target = m_fields.grid(u"SGBCApp");
        if (target)
            Llegir_StringGrid(target, value, target->Tag);
        return;
    }
    BoundField *f = m_fields.field(child.name);
    if (!f)
        return;
    switch (f->kind()) {
    case ControlKind::Edit: {
        const int n = f->Tag;
        if (n >= 4040 && n <= 4043) {
            // The opening, open and closing times of one button.
            const QStringList parts = value.split(u';');
            int i = 0;
            for (EditField *e : m_fields.PunterEdit()) {
                if (e->Tag != n)
                    continue;
                e->setText(parts.value(i++));
                e->setStore(e->text());
                e->setColour(e->normalColour());
                e->setEnabled(true);
            }
            return;
        }
        auto *e = static_cast<EditField *>(f);
        e->setText(value);
        e->setStore(value);
        e->setColour(e->normalColour());
        e->setEnabled(true);
        return;
    }
    case ControlKind::CheckList: {
        auto *l = static_cast<CheckListField *>(f);
        for (qsizetype i = 0; i < value.size() && i < l->items().size(); ++i)
            l->setChecked(int(i), value.at(i) != u'0');
        l->setStore(value);
        return;
    }
    case ControlKind::CheckBox: {
        auto *b = static_cast<CheckBoxField *>(f);
        if (const auto v = readInteger(value))
            b->setChecked(*v == 1);
        else if (b->name() != u"CBConfigVPN")
            b->setChecked(false);
        b->setStore(value);
        b->setColour(FieldColour::LightBlue);
        return;
    }
    case ControlKind::ComboBox:
        m_fields.deliver(f->Tag, value, context());
        return;
    case ControlKind::Grid:
        return;
    }
}

void ReadCycle::endPageRead()
{
    m_timer.stop();
    m_view.clearProgress();
    m_fields.ncampsModificats = 0;
    m_state.espero.clear();
    m_state.StrCom.clear();
    m_state.vegades_espero = proto::kWaitRounds;
    m_ncomponent = 0;
    m_children.clear();
    m_state.llegirpag = false;
    m_pageRead = false;
    m_channel.send(QStringLiteral("vm+vEr"));
    m_view.setBusy(false);
    m_ident.start(kAfterPageReadMs);
    m_view.progllegida = true;
}

void ReadCycle::abandonPageRead()
{
    m_view.clearProgress();
    m_view.setBusy(false);
    m_timer.stop();
    m_state.vegades_espero = proto::kWaitRounds;
    m_state.StrCom.clear();
    // A dump left open would take every later "+...:" reply for its own.
    if (m_state.puntercamp == kDump)
        m_state.puntercamp.clear();
    m_ncomponent = 0;
    m_children.clear();
    m_state.llegirpag = false;
    m_pageRead = false;
    m_channel.send(QStringLiteral("vm+vEr"));
    m_ident.start(kAfterReadMs);
}

void ReadCycle::abort()
{
    m_timer.stop();
    ++m_generation;
    if (m_fullRead || m_pageRead) {
        m_view.setBusy(false);
        m_view.clearProgress();
    }
    m_fullRead = false;
    m_pageRead = false;
    m_children.clear();
    m_ncomponent = 0;
    m_state.llegir = false;
    m_state.llegirpag = false;
    if (m_state.puntercamp == kDump)
        m_state.puntercamp.clear();
}

} // namespace velmar
