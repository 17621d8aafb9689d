#include "Module.h"

#include "CommandInterpreter.h"
#include "InfoStream.h"
#include "PanelStates.h"

#include <QDateTime>
#include <QRegularExpression>

namespace velmar::sim {

namespace {

// A command line longer than this is not a command; it is dropped whole.
constexpr int kMaxLineChars = 4096;
// Records are not worth queueing behind this much unread output: a line
// nobody reads loses them, as a serial line would.
constexpr qsizetype kRecordBacklog = 32 * 1024;
// Door times are seconds; a bad value must not stall a door for hours.
constexpr int kMaxDoorSeconds = 600;

QString hexBytes(const QByteArray &b)
{
    return QString::fromLatin1(b.toHex(' '));
}

} // namespace

Module::Module(ModuleOptions options, QObject *parent)
    : QObject(parent),
      m_options(std::move(options)),
      m_interpreter(new CommandInterpreter(*this)),
      m_update(m_options.update)
{
    m_clock.start();
    m_update.reply = [this](const QString &line) { reply(line); };
    m_update.note = [this](const QString &text) { m_transcript.note(text); };
    m_update.finished = [this](const QString &firmware) {
        if (!firmware.isEmpty())
            m_state.id.firmware = firmware;
        restart();
    };
    connect(&m_pty, &PtyEndpoint::received, this, &Module::onBytes);
    connect(&m_mqtt, &MqttEndpoint::commandReceived, this, &Module::onMqttCommand);
    connect(&m_mqtt, &MqttEndpoint::panelBytesReceived, this, &Module::onPanelBytes);
    connect(&m_mqtt, &MqttEndpoint::linkChanged, this, [this](bool up) {
        m_transcript.note(up ? QStringLiteral("mqtt: on the broker") : QStringLiteral("mqtt: off the broker"));
    });
    connect(&m_streamTimer, &QTimer::timeout, this, [this] {
        // A burst plays the stream faster than real time (benchmarks).
        for (int i = 0; i < m_options.burst; ++i)
            sendStatus();
    });
    for (int i = 0; i < 4; ++i) {
        m_doorTimers[size_t(i)].setSingleShot(true);
        connect(&m_doorTimers[size_t(i)], &QTimer::timeout, this, [this, i] { doorStep(i + 1); });
    }
}

Module::~Module() = default;

bool Module::start(QString *error)
{
    if (!m_options.transcriptPath.isEmpty() && !m_transcript.open(m_options.transcriptPath, error))
        return false;
    if (!m_options.scenarioPath.isEmpty() && !m_scenario.load(m_options.scenarioPath, error)) {
        *error = QStringLiteral("scenario ") + *error;
        return false;
    }
    m_state.id = m_options.identity;
    m_state.panel = findPanelModel(m_state.id.panelType);
    m_state.panelStatus = m_state.panel ? QString::fromLatin1(m_state.panel->quietStatus) : QString();
    m_store.setFactory(factoryValues(
        {m_state.id.identifier, m_state.id.parts, m_options.lockCode, m_state.panel}));

    if (!m_pty.open(error))
        return false;
    m_pty.setBaudTiming(m_options.baudTiming);
    if (!m_options.linkPath.isEmpty() && !m_pty.makeLink(m_options.linkPath, error))
        return false;
    m_streamTimer.setInterval(qMax(10, m_options.periodMs));
    if (m_options.cloud.isValid()) {
        m_cloud.note = [this](const QString &text) { m_transcript.note(text); };
        m_cloud.start(m_options.cloud, m_state.id.identifier, [this] {
            return cloudRecord(m_state, m_store, QDateTime::currentDateTimeUtc());
        });
    }
    if (!m_options.mqtt.host.isEmpty()) {
        MqttEndpoint::Options mo = m_options.mqtt;
        mo.id = m_state.id.identifier;
        if (!m_mqtt.open(mo, error))
            return false;
        if (m_options.mqttDropAtMs >= 0) {
            QTimer::singleShot(m_options.mqttDropAtMs, this, [this] {
                m_transcript.note(QStringLiteral("mqtt: dropping off the broker"));
                m_mqtt.dropFor(m_options.mqttDropForMs);
            });
        }
    }

    m_faults.begin(now());
    m_transcript.note(QStringLiteral("module on %1, panel \"%2\"%3")
                          .arg(m_pty.slavePath(), m_state.id.panelType,
                               m_state.panel ? QString() : QStringLiteral(" (no panel model)")));
    armScenario();
    return true;
}

void Module::stop()
{
    m_streamTimer.stop();
    m_cloud.finish();
    m_pty.removeLink();
    m_transcript.note(QStringLiteral("stopped"));
}

bool Module::locked() const
{
    return !m_store.value(0x0111).isEmpty() && !m_state.unlocked;
}

void Module::armScenario()
{
    for (const Step &step : m_scenario.steps()) {
        const auto run = [this, step] {
            m_transcript.note(QStringLiteral("scenario line %1").arg(step.line));
            perform(step.action);
        };
        switch (step.when) {
        case Step::When::Start:
            run();
            break;
        case Step::When::At:
            QTimer::singleShot(std::chrono::milliseconds(step.ms), this, run);
            break;
        case Step::When::Every: {
            auto *t = new QTimer(this);
            connect(t, &QTimer::timeout, this, run);
            t->start(std::chrono::milliseconds(step.ms));
            break;
        }
        case Step::When::On:
            break; // run from onLine
        }
    }
}

void Module::onMqttCommand(const QString &topic, const QString &payload)
{
    m_transcript.note(QStringLiteral("mqtt ") + topic);
    m_replyViaMqtt = true;
    if (m_update.active()) {
        // A firmware frame per publication, binary: fed as it came, as the
        // cable's bytes are.
        m_update.feed(payload.toLatin1());
        return;
    }
    // A command per line (the update's start may come after other lines). On
    // the status topic "{#S....}" (four of ".", "0", "1") is the remote form
    // of "vm+sor=", "{#ObrirN}"/"{#TancarN}" of the door orders, any other
    // "{#WORD}" a panel order, the remote form of "vm+ord=".
    const bool status = topic.startsWith(QLatin1String("ssts/"));
    for (QString line : payload.split(u'\r')) {
        while (line.endsWith(u'\r') || line.endsWith(u'\n'))
            line.chop(1);
        while (line.startsWith(u'\n'))
            line.remove(0, 1);
        if (status && line.startsWith(QLatin1String("{#")) && line.endsWith(u'}')) {
            const QString word = line.mid(2, line.size() - 3);
            static const QRegularExpression outputs(QStringLiteral("^S[.01]{4}$"));
            static const QRegularExpression doors(QStringLiteral("^(Obrir|Tancar)[0-9]$"));
            if (outputs.match(word).hasMatch())
                line = QStringLiteral("vm+sor=") + word.mid(1);
            else if (doors.match(word).hasMatch())
                line = QStringLiteral("vm+") + word;
            else
                line = QStringLiteral("vm+ord=") + word;
        }
        if (line.isEmpty() || line.size() > kMaxLineChars)
            continue;
        m_commandTopic = topic;
        onLine(line);
        m_commandTopic.clear();
        if (m_update.active())
            return;
    }
}

bool Module::bridgeOrder(const QString &line)
{
    if (line == QLatin1String("{#Ag=setBidi}")) {
        if (m_commandTopic.isEmpty()) {
            m_transcript.note(QStringLiteral("bridge: only on the broker"));
            return true;
        }
        m_bridge.open(m_commandTopic);
        m_transcript.note(QStringLiteral("bridge: open, panel bytes on ") + m_bridge.prefix());
        return true;
    }
    if (line == QLatin1String("{#Ag=outBidi}")) {
        m_bridge.close();
        m_transcript.note(QStringLiteral("bridge: closed"));
        return true;
    }
    return false;
}

void Module::onPanelBytes(const QString &topic, const QByteArray &bytes)
{
    m_transcript.note(QStringLiteral("mqtt %1 panel bytes %2").arg(topic, hexBytes(bytes)));
    if (!m_bridge.isOpen()) {
        m_transcript.note(QStringLiteral("bridge closed: dropped"));
        return;
    }
    if (!m_state.panel || !m_state.panel->aguileraExtras) {
        m_transcript.note(QStringLiteral("no Aguilera panel: dropped"));
        return;
    }
    panelSends(PanelBridge::answer(bytes));
}

void Module::panelSends(const QByteArray &bytes)
{
    if (!m_bridge.isOpen() || !m_mqtt.connected()) {
        m_transcript.note(QStringLiteral("bridge closed: panel bytes not sent ") + hexBytes(bytes));
        return;
    }
    m_transcript.tx(QStringLiteral("mqtt %1 panel bytes %2").arg(m_bridge.prefix(), hexBytes(bytes)));
    m_mqtt.panelBytes(m_bridge.prefix(), bytes);
}

void Module::onBytes(const QByteArray &bytes)
{
    m_replyViaMqtt = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (m_update.active()) {
            // A firmware transfer carries binary frames, not lines.
            m_update.feed(bytes.sliced(i));
            return;
        }
        const char b = bytes[i];
        if (b == '\r' || b == '\n') {
            if (!m_line.isEmpty() && !m_overlong)
                onLine(m_line);
            m_line.clear();
            m_overlong = false;
        } else if (m_line.size() < kMaxLineChars) {
            m_line.append(QChar(uchar(b)));
        } else {
            m_overlong = true;
        }
    }
}

void Module::onLine(const QString &line)
{
    m_transcript.rx(line);
    if (m_restarting) {
        m_transcript.note(QStringLiteral("restarting: not answered"));
        return;
    }
    if (m_faults.silent(now())) {
        m_transcript.note(QStringLiteral("silent: not answered"));
        return;
    }
    m_replies = 0;
    if (line.startsWith(QLatin1String("vm+act=")) && m_update.begin(line))
        return;
    if (!bridgeOrder(line) && !m_interpreter->handle(line))
        m_transcript.note(QStringLiteral("not a command of this module"));
    if (m_replies > 0)
        m_faults.answered(now());
    for (const Step &step : m_scenario.steps()) {
        if (step.when == Step::When::On && step.matches(line)) {
            m_transcript.note(QStringLiteral("scenario line %1").arg(step.line));
            perform(step.action);
        }
    }
}

void Module::send(const QString &text, bool isReply)
{
    if (m_restarting || m_faults.silent(now())) {
        m_transcript.note(QStringLiteral("silent: not sent ") + text);
        return;
    }
    if (isReply && m_faults.dropReply()) {
        m_transcript.note(QStringLiteral("dropped ") + text);
        return;
    }
    // The broker gets the answers to its own commands and every record.
    const bool viaBroker = m_mqtt.connected() && (!isReply || m_replyViaMqtt);
    if (viaBroker) {
        m_transcript.tx(QStringLiteral("mqtt ") + text);
        if (isReply)
            m_mqtt.reply(text);
        else
            m_mqtt.record(text);
    }
    if (isReply && m_replyViaMqtt)
        return;
    if (!isReply && m_pty.queued() > kRecordBacklog) {
        if (!viaBroker)
            m_transcript.note(QStringLiteral("nobody reads the line: not sent ") + text);
        return;
    }
    if (isReply) {
        const QByteArray noise = m_faults.noise();
        if (!noise.isEmpty()) {
            m_transcript.note(QStringLiteral("noise ") + hexBytes(noise));
            m_pty.write(noise);
        }
    }
    m_transcript.tx(text);
    if (!m_pty.write(text.toLatin1() + "\r\n", m_faults.splitBytes(), m_faults.splitGapMs())
        && !m_queueFullNoted) {
        m_queueFullNoted = true;
        m_transcript.note(QStringLiteral("output queue full: lines are being lost"));
    }
}

void Module::reply(const QString &line)
{
    if (++m_replies == 1 && !m_replyViaMqtt && !m_faults.silent(now()))
        m_pty.pause(m_faults.replyDelayMs());
    send(line, true);
}

void Module::record(const QString &rec, bool evenIfOff)
{
    if (m_state.streaming || evenIfOff)
        send(rec, false);
}

void Module::event(const QString &code, const QString &value)
{
    record(info::eventRecord(code, value));
}

void Module::sendStatus(bool evenIfOff)
{
    record(info::mainRecord(m_state, m_store, QDateTime::currentDateTime()), evenIfOff);
    const QString panel = info::panelStatusRecord(m_state, m_store);
    if (!panel.isEmpty())
        record(panel, evenIfOff);
}

void Module::sendPanelStatus()
{
    const QString panel = info::panelStatusRecord(m_state, m_store);
    if (!panel.isEmpty())
        record(panel);
}

void Module::setStreaming(bool on)
{
    m_state.streaming = on;
    if (on)
        m_streamTimer.start();
    else
        m_streamTimer.stop();
}

void Module::setInput(int n, int mode)
{
    bool &b = m_state.inputs[size_t(n - 1)];
    const bool v = mode == 2 ? !b : mode == 1;
    if (v == b)
        return;
    b = v;
    event(v ? QStringLiteral("8611") : QStringLiteral("8612"), QString::number(n));
}

void Module::setOutput(int n, int mode)
{
    bool &b = m_state.outputs[size_t(n - 1)];
    const bool v = mode == 2 ? !b : mode == 1;
    if (v == b)
        return;
    b = v;
    event(v ? QStringLiteral("8623") : QStringLiteral("8624"), QString::number(n));
}

void Module::setTamper(bool triggered)
{
    if (m_state.tamperTriggered == triggered)
        return;
    m_state.tamperTriggered = triggered;
    event(triggered ? QStringLiteral("8641") : QStringLiteral("8642"), QStringLiteral("1"));
}

void Module::setPowerLow(bool low)
{
    if (m_state.powerLow == low)
        return;
    m_state.powerLow = low;
    event(low ? QStringLiteral("8643") : QStringLiteral("8644"), QStringLiteral("1"));
}

void Module::door(int n, bool open)
{
    QString &st = m_state.doors[size_t(n - 1)];
    if (open && (st == QLatin1String("Obrint") || st == QLatin1String("Obert")))
        return;
    if (!open && st == QLatin1String("Tancat"))
        return;
    st = open ? QStringLiteral("Obrint") : QStringLiteral("Tancant");
    if (open)
        doorOutputs(n, true);
    record(info::textRecord(QStringLiteral("Puerta %1 %2").arg(n).arg(st)));
    const QString times = m_store.value(quint16(0x4040 + n - 1));
    const int field = open ? 0 : 2;
    const int secs = qBound(0, times.section(u';', field, field).toInt(), kMaxDoorSeconds);
    m_doorTimers[size_t(n - 1)].start(std::chrono::milliseconds(qMax(1, secs * 1000)));
}

void Module::doorOutputs(int n, bool on)
{
    // Button n's function table (one record per output) says which outputs follow the door.
    for (int r = 0; r < 4; ++r)
        if (m_store.value(quint16(0x4010 + 4 * (n - 1) + r)).section(u';', 0, 0) == QLatin1String("1"))
            setOutput(r + 1, on ? 1 : 0);
}

void Module::doorStep(int n)
{
    QString &st = m_state.doors[size_t(n - 1)];
    const QString times = m_store.value(quint16(0x4040 + n - 1));
    int field = -1;
    if (st == QLatin1String("Obrint")) {
        st = QStringLiteral("Obert");
        field = 1;
    } else if (st == QLatin1String("Obert")) {
        st = QStringLiteral("Tancant");
        field = 2;
    } else if (st == QLatin1String("Tancant")) {
        st = QStringLiteral("Tancat");
        doorOutputs(n, false);
    }
    record(info::textRecord(QStringLiteral("Puerta %1 %2").arg(n).arg(st)));
    if (field >= 0) {
        const int secs = qBound(0, times.section(u';', field, field).toInt(), kMaxDoorSeconds);
        m_doorTimers[size_t(n - 1)].start(std::chrono::milliseconds(qMax(1, secs * 1000)));
    }
    sendStatus();
}

void Module::restart()
{
    if (m_restarting)
        return;
    event(QStringLiteral("8100"), QStringLiteral("0"));
    const bool wasStreaming = m_state.streaming;
    m_streamTimer.stop();
    m_restarting = true;
    m_transcript.note(QStringLiteral("restarting"));
    QTimer::singleShot(std::chrono::milliseconds(m_options.restartMs), this, [this, wasStreaming] {
        m_restarting = false;
        m_state.outputs = {};
        m_state.unlocked = false;
        for (QTimer &t : m_doorTimers)
            t.stop();
        m_state.doors.fill(QStringLiteral("Tancat"));
        m_transcript.note(QStringLiteral("restarted"));
        // The stream comes back as it was, so that a connected program keeps its status.
        setStreaming(wasStreaming);
        event(QStringLiteral("8001"), QStringLiteral("0"));
        sendStatus();
    });
}

void Module::perform(const Action &a)
{
    switch (a.verb) {
    case Action::Verb::Input:
        setInput(a.number, a.mode);
        sendStatus();
        break;
    case Action::Verb::Output:
        setOutput(a.number, a.mode);
        sendStatus();
        break;
    case Action::Verb::Tamper:
        setTamper(a.mode == 1);
        sendStatus();
        break;
    case Action::Verb::Power:
        setPowerLow(a.mode == 1);
        sendStatus();
        break;
    case Action::Verb::Link: {
        const QChar c = a.value.at(0);
        const int digit = c.isDigit() ? c.digitValue() : -1; // "-": back to automatic
        if (a.number == 0)
            m_state.gprs = digit;
        else if (a.number == 1)
            m_state.adsl = digit;
        else if (a.number == 2)
            m_state.com = digit;
        else
            m_state.es = c == u'-' ? QString() : QString(c);
        sendStatus();
        break;
    }
    case Action::Verb::Coverage:
        m_state.coverage = a.number;
        sendStatus();
        break;
    case Action::Verb::PanelStatus:
        m_state.panelStatus = a.text;
        sendPanelStatus();
        break;
    case Action::Verb::PanelState: {
        const QString status = m_state.panel ? panelStateStatus(*m_state.panel, a.text) : QString();
        if (status.isEmpty()) {
            m_transcript.note(QStringLiteral("the panel cannot show ") + a.text + QStringLiteral(": not sent"));
        } else {
            m_state.panelStatus = status;
            sendPanelStatus();
        }
        break;
    }
    case Action::Verb::PanelEvent: {
        const QString rec = info::panelEventRecord(m_state, a.text);
        if (rec.isEmpty())
            m_transcript.note(QStringLiteral("the panel has no event record: not sent"));
        else
            record(rec);
        break;
    }
    case Action::Verb::Record:
        record(a.text);
        break;
    case Action::Verb::Text:
        record(info::textRecord(a.text));
        break;
    case Action::Verb::Event:
        event(a.text, a.value);
        break;
    case Action::Verb::Set:
        m_store.set(*ParamStore::parseCode(a.text), a.value);
        break;
    case Action::Verb::Door:
        door(a.number, a.mode == 1);
        break;
    case Action::Verb::Restart:
        restart();
        break;
    case Action::Verb::Stream:
        setStreaming(a.mode == 1);
        break;
    case Action::Verb::Raw:
        m_transcript.note(QStringLiteral("raw %1 bytes").arg(a.bytes.size()));
        m_pty.write(a.bytes);
        break;
    case Action::Verb::PanelBytes:
        panelSends(a.bytes);
        break;
    case Action::Verb::Fault: {
        QString error;
        if (!m_faults.set(a.text, a.value, now(), &error))
            m_transcript.note(error);
        break;
    }
    }
}

} // namespace velmar::sim
