#include "ctl/Ctl.h"

#include "core/link/ProtocolTimes.h"
#include "core/params/ParamCatalogue.h"
#include "core/programming/GridRecords.h"
#include "core/shell/Engine.h"
#include "core/templates/Templates.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>

namespace velmar::ctl {

namespace {

// How long a module may take to be found, and a reply to come.
constexpr int kLinkMs = 20000;
constexpr int kReplyMs = 3000;
constexpr int kReplyRounds = 3;
constexpr int kUnlockMs = 8000;
constexpr int kCycleMs = 180000;
constexpr int kSendQuietMs = 1500;
constexpr int kSendMaxMs = 10000;
// Longer than the status read's pause between its two requests (1000 ms remotely).
constexpr int kSettledMs = 1300;

void out(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void err(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

const char *const kPartNames[] = {"GPRS", "ADSL", "COM", "E/S"};

} // namespace

Ctl::Ctl(const CtlOptions &options, Engine &engine) : m_o(options), m_e(engine)
{
    m_lastAnswer.start();
    connect(&m_e.channel, &CommandChannel::replyRouted, this, [this](const QString &reply) {
        if (m_collect)
            m_replies << reply;
        if (!reply.startsWith(u"{#"))
            m_lastAnswer.restart();
    });
    connect(&m_e.programming, &ProgrammingState::message, this,
            [this](const QString &, const QString &text) { m_messages << text; });
    connect(&m_e, &Engine::warning, this, [this](const QString &, const QString &text) { m_messages << text; });
    connect(&m_e.status, &ModuleStatus::liveChanged, this, [this] { m_live = true; });
}

bool Ctl::until(const std::function<bool()> &pred, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!pred() && t.elapsed() < ms && !m_interrupted)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return pred();
}

int Ctl::fail(int code, const QString &text)
{
    err(QStringLiteral("velmarctl: ") + text + u'\n');
    return code;
}

int Ctl::run()
{
    int code = link();
    if (code == Done && m_o.command != u"identify")
        code = unlock();
    if (code == Done && m_o.command != u"identify")
        settle();
    if (code == Done) {
        const QString &c = m_o.command;
        code = c == u"identify" ? identify()
             : c == u"get"      ? get()
             : c == u"set"      ? set()
             : c == u"read"     ? read()
             : c == u"write"    ? write()
             : c == u"status"   ? status()
                                : send();
    }
    unlink();
    return code;
}

int Ctl::link()
{
    m_e.programming.localChosen = m_o.remote.isEmpty(); // as the Comunicación menu would
    if (!m_o.remote.isEmpty()) {
        m_e.state.identConnectar = m_o.remote;
        m_e.state.connexADSL = m_o.adsl;
        m_e.remote.BConnectarMQTTClick();
        if (!until([this] { return m_e.identification.connectedShown(); }, kLinkMs))
            return fail(NoModule, QStringLiteral("no module %1 answers through the broker %2:%3")
                                      .arg(m_o.remote, m_e.endpoints.brokerHost)
                                      .arg(m_e.endpoints.brokerPort));
        return Done;
    }
    if (!QFile::exists(m_o.port))
        return fail(NoModule, QStringLiteral("no port %1").arg(m_o.port));
    m_e.channel.probe(m_o.port);
    if (!until([this] { return m_e.identification.connectedShown(); }, kLinkMs))
        return fail(NoModule, QStringLiteral("no module answers on %1").arg(m_o.port));
    return Done;
}

int Ctl::unlock()
{
    // Recognition asks for the stream; a locked module answers ":Protect".
    if (!until([this] { return m_e.state.inf || m_e.state.protegit; }, kLinkMs))
        return fail(NoModule, QStringLiteral("the module stopped answering"));
    if (!m_e.state.protegit)
        return Done;
    if (m_o.code.isEmpty())
        return fail(Refused, QStringLiteral("the module is locked: give its access code with --code CODE"));
    m_messages.clear();
    m_e.commands.BBDesbloqueigAcceptarClick(m_o.code);
    // The code is checked by asking for the stream a second later.
    if (!until([this] { return m_e.state.inf && !m_e.state.protegit; }, kUnlockMs))
        return fail(Refused, m_e.state.protegit ? QStringLiteral("the module refused the access code")
                                                : QStringLiteral("the module did not answer the access code"));
    return Done;
}

void Ctl::settle()
{
    // Recognition is followed by a status read (stream on, "vm+vEr", then
    // "vm+INf" once more); it is over when its records came and the module
    // has answered nothing else for a while.
    until([this] { return m_live && m_lastAnswer.elapsed() >= kSettledMs; }, kLinkMs);
    // Single commands want only their own replies: no polls meanwhile.
    const QString &c = m_o.command;
    if (c == u"get" || c == u"set" || c == u"send")
        m_e.identification.stop();
}

void Ctl::unlink()
{
    m_e.stopCycles();
    if (!m_o.remote.isEmpty()) {
        m_e.remote.DesconnectarMQTT();
        until([] { return false; }, 300); // the last publications leave
        return;
    }
    // As the window leaves it: locked again, stream off, port closed.
    bool closed = false;
    m_e.identification.halt();
    m_e.channel.lockAndClose([&closed] { closed = true; });
    until([&closed] { return closed; }, 2000);
}

int Ctl::identify()
{
    const LinkState &s = m_e.state;
    until([&s] { return !s.hardware.isEmpty(); }, kReplyMs * 2);
    QStringList parts;
    for (int i = 0; i < 4; ++i)
        if (i < s.PartsActives.size() && s.PartsActives.at(i) == u'1')
            parts << QLatin1String(kPartNames[i]);
    out(QStringLiteral("firmware: %1\nidentificador: %2\nhardware: %3\ncentral: %4\npartes: %5\n")
            .arg(s.firmware, s.identConnectar, s.hardware, s.central.isEmpty() ? QStringLiteral("-") : s.central,
                 parts.join(u' ')));
    return Done;
}

std::optional<QString> Ctl::ask(const QString &command, const QString &prefix)
{
    for (int round = 0; round < kReplyRounds; ++round) {
        m_replies.clear();
        m_collect = true;
        m_e.channel.send(command);
        qsizetype seen = 0;
        std::optional<QString> found;
        until([&] {
            for (; seen < m_replies.size(); ++seen)
                if (m_replies.at(seen).startsWith(prefix, Qt::CaseInsensitive)) {
                    found = m_replies.at(seen);
                    return true;
                }
            return false;
        }, kReplyMs);
        m_collect = false;
        if (found)
            return found;
    }
    return std::nullopt;
}

int Ctl::get()
{
    int code = Done;
    for (const QString &c : std::as_const(m_o.args)) {
        const QString p = c.toUpper();
        const std::optional<QString> reply = ask(QStringLiteral("vm+") + p, u'+' + p + u':');
        if (!reply) {
            code = fail(Refused, QStringLiteral("%1: no answer").arg(p));
            continue;
        }
        const QString value = replyValue(*reply);
        if (value == u"NO_PAR" || value == u"errprg") {
            code = fail(Refused, QStringLiteral("%1: the module has no such parameter (%2)").arg(p, value));
            continue;
        }
        out(p + u'=' + value + u'\n');
    }
    return code;
}

int Ctl::set()
{
    int code = Done;
    for (const QString &a : std::as_const(m_o.args)) {
        const qsizetype eq = a.indexOf(u'=');
        const QString p = a.left(eq).toUpper();
        const QString value = a.mid(eq + 1);
        const std::optional<QString> echo = ask(QStringLiteral("vm+") + p + u'=' + value, u'+' + p + u':');
        if (!echo) {
            code = fail(Refused, QStringLiteral("%1: no echo").arg(p));
            continue;
        }
        const QString stored = replyValue(*echo);
        if (stored == u"NO_PAR" || stored == u"errprg")
            code = fail(Refused, QStringLiteral("%1: the module refused the value (%2)").arg(p, stored));
        else if (stored != value)
            code = fail(Refused, QStringLiteral("%1: the module stored \"%2\", not \"%3\"").arg(p, stored, value));
        else
            out(p + u'=' + stored + u'\n');
    }
    return code;
}

bool Ctl::progress(const QString &what, const std::function<bool()> &done)
{
    int shown = -1;
    QMetaObject::Connection c = connect(&m_e.programming, &ProgrammingState::progressChanged, this,
                                        [&shown, &what](int p) {
                                            // The bar is cleared to 0 at the end: only forward.
                                            if (p > shown) {
                                                shown = p;
                                                err(QStringLiteral("%1 %2%\n").arg(what).arg(p));
                                            }
                                        });
    const bool ended = until(done, kCycleMs);
    disconnect(c);
    if (ended && shown < 100)
        err(QStringLiteral("%1 100%\n").arg(what));
    return ended;
}

int Ctl::fullRead()
{
    m_e.programming.progllegida = false;
    m_e.commands.BBProgClick();
    if (m_e.programming.programmingShown() && !m_e.reader.fullReadRunning())
        m_e.reader.BBLlegirClick();
    const bool done = progress(QStringLiteral("leyendo"), [this] {
        return m_e.programming.progllegida && !m_e.programming.busy() && !m_e.reader.fullReadRunning();
    });
    if (!done)
        return fail(m_e.state.circuittrobat ? Refused : NoModule, QStringLiteral("the full read did not end"));
    return Done;
}

int Ctl::read()
{
    if (const int code = fullRead(); code != Done)
        return code;
    const TemplateScope scope{m_e.programming.panelTab(), m_e.state.central, true};
    const QByteArray bytes = encodeTemplate(false, templateEntries(m_e.fields, scope, false));
    QSaveFile f(m_o.output);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        return fail(BadUse, QStringLiteral("%1: %2").arg(m_o.output, f.errorString()));
    err(QStringLiteral("plantilla guardada: %1\n").arg(m_o.output));
    return Done;
}

int Ctl::write()
{
    // The file is read and checked whole before the module is touched.
    QFile f(m_o.args.first());
    if (!f.open(QIODevice::ReadOnly))
        return fail(BadUse, QStringLiteral("%1: %2").arg(f.fileName(), f.errorString()));
    const TemplateRead file = parseTemplate(f.read(kTemplateMaxBytes + 1));
    if (!file.content)
        return fail(BadUse, QStringLiteral("%1: %2").arg(f.fileName(), file.error));

    // A read first: only what differs from the module goes back.
    if (const int code = fullRead(); code != Done)
        return code;
    const TemplateScope scope{m_e.programming.panelTab(), m_e.state.central, true};
    const TemplateApply applied = applyTemplate(m_e.fields, *file.content, scope);
    if (!applied.ok)
        return fail(Refused, applied.message);

    m_messages.clear();
    m_e.writer.BBGravarClick();
    const bool done = progress(QStringLiteral("escribiendo"),
                               [this] { return !m_e.writer.running() && !m_e.programming.busy(); });
    if (!done)
        return fail(NoModule, QStringLiteral("the write did not end"));
    // Fields still marked were not written (refused, wrong echoes, or the
    // module fell silent).
    int left = 0;
    for (const EditField *e : m_e.fields.PunterEdit())
        left += e->isChangedMark();
    for (const CheckBoxField *c : m_e.fields.PunterCheckBox())
        left += c->isChangedMark();
    for (const CheckListField *c : m_e.fields.PunterCheckListBox())
        left += c->isChangedMark();
    for (const ComboBoxField *c : m_e.fields.PunterComboBox())
        left += c->isChangedMark();
    for (const QString &m : std::as_const(m_messages))
        err(m + u'\n');
    if (left > 0 || !m_messages.isEmpty())
        return fail(Refused, QStringLiteral("the template was not written whole"));
    err(QStringLiteral("plantilla escrita: %1\n").arg(f.fileName()));
    return Done;
}

QString Ctl::statusText() const
{
    const LiveStatus &l = m_e.status.live();
    QString inputs, outputs;
    for (QChar c : l.entrades)
        inputs += c;
    for (QChar c : l.sortides)
        outputs += c;
    auto gauge = [](const LevelGauge &g) {
        return QStringLiteral("%1 %2 (%3/%4)").arg(g.state).arg(g.value).arg(g.trigger).arg(g.restore);
    };
    return QStringLiteral("entradas: %1\nsalidas: %2\nenlaces: GPRS=%3 ADSL=%4 COM=%5 E/S=%6\n"
                          "cobertura: %7%\ntamper: %8\nalimentacion: %9\ncentral: %10 (enlace %11)\n")
        .arg(inputs, outputs, l.gprs, l.adsl, l.com, l.es)
        .arg(l.coveragePercent())
        .arg(gauge(l.tamper), gauge(l.power),
             m_e.state.central.isEmpty() ? QStringLiteral("-") : m_e.state.central)
        .arg(m_e.state.connex_velmar_Agui);
}

QString Ctl::statusJson() const
{
    const LiveStatus &l = m_e.status.live();
    QJsonArray inputs, outputs;
    for (int i = 0; i < LiveStatus::kInputs; ++i)
        inputs << QJsonObject{{"n", i + 1}, {"state", QString(l.entrades[i])}, {"alias", m_e.status.inputAlias(i + 1)}};
    for (int i = 0; i < LiveStatus::kOutputs; ++i)
        outputs << QJsonObject{{"n", i + 1}, {"state", QString(l.sortides[i])}, {"alias", m_e.status.outputAlias(i + 1)}};
    auto gauge = [](const LevelGauge &g) {
        return QJsonObject{{"state", g.state}, {"value", g.value}, {"trigger", g.trigger}, {"restore", g.restore}};
    };
    const QJsonObject o{
        {"module", QJsonObject{{"id", m_e.state.identConnectar}, {"firmware", m_e.state.firmware},
                               {"hardware", m_e.state.hardware}}},
        {"inputs", inputs},
        {"outputs", outputs},
        {"links", QJsonObject{{"gprs", l.gprs}, {"adsl", l.adsl}, {"com", l.com}, {"es", l.es}}},
        {"coverage", l.coveragePercent()},
        {"tamper", gauge(l.tamper)},
        {"power", gauge(l.power)},
        {"panel", QJsonObject{{"type", m_e.state.central}, {"link", m_e.state.connex_velmar_Agui}}},
    };
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + u'\n';
}

int Ctl::status()
{
    if (!m_live)
        return fail(NoModule, QStringLiteral("the module sent no status"));
    auto show = [this] { out(m_o.json ? statusJson() : statusText()); };
    show();
    if (!m_o.watch)
        return Done;
    QString last = m_o.json ? statusJson() : statusText();
    while (!m_interrupted) {
        m_live = false;
        until([this] { return m_live; }, 1000);
        if (!m_e.state.circuittrobat)
            return fail(NoModule, QStringLiteral("the module was lost"));
        const QString now = m_o.json ? statusJson() : statusText();
        if (m_live && now != last) {
            out(m_o.json ? now : QStringLiteral("--\n") + now);
            last = now;
        }
    }
    return Done;
}

int Ctl::send()
{
    m_replies.clear();
    m_collect = true;
    m_e.channel.send(m_o.args.first());
    // Replies, up to a quiet moment; the stream's records are left out.
    QElapsedTimer total, quiet;
    total.start();
    quiet.start();
    qsizetype shown = 0;
    while (total.elapsed() < kSendMaxMs && quiet.elapsed() < kSendQuietMs && !m_interrupted) {
        until([&] { return m_replies.size() > shown; }, 100);
        for (; shown < m_replies.size(); ++shown) {
            const QString &r = m_replies.at(shown);
            if (r.startsWith(u"{#"))
                continue;
            out(QString(r).remove(u'\r').remove(u'\n') + u'\n');
            quiet.restart();
        }
    }
    m_collect = false;
    return Done;
}

} // namespace velmar::ctl
