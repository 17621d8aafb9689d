#include "core/link/InfoInterpreter.h"

#include "core/link/EventLog.h"
#include "core/link/Hex.h"
#include "core/link/ModuleStatus.h"
#include "core/params/InfoTexts.h"

#include <QStringList>

namespace velmar {

namespace {

// The fields of a segment; a segment with fewer fields than expected is
// padded with empty ones.
QStringList fields(QStringView text, QChar sep, int atLeast)
{
    QStringList out;
    for (QStringView f : text.split(sep))
        out << f.toString();
    while (out.size() < atLeast)
        out << QString();
    return out;
}

// Panel-side traffic lamps stay lit this many supervision ticks.
constexpr int kBridgeLampTicks = 8;

// The module's link is usable from "connected to the network" on.
constexpr int kLinkUpCode = 4;

} // namespace

InfoInterpreter::InfoInterpreter(LinkState &link, const InfoTexts &texts, ModuleStatus &status,
                                 EventLog &log, QObject *parent)
    : QObject(parent), m_link(link), m_texts(texts), m_status(status), m_log(log)
{
}

QString InfoInterpreter::linkCutTitle()
{
    return tr("¡ ATENCIÓN !");
}

QString InfoInterpreter::linkCutText()
{
    return tr("Se ha cortado la comunicación con el equipo Velmar");
}

void InfoInterpreter::Llegir_In()
{
    interpret(m_link.StrCom);
}

void InfoInterpreter::infoRecord(const QString &record)
{
    interpret(record);
}

void InfoInterpreter::interpret(const QString &record)
{
    const qsizetype start = record.indexOf(QLatin1String("{#"));
    if (start < 0 || !record.contains(u'}'))
        return;

    doorState(record);

    const QString body = record.mid(start + 2);
    for (QStringView piece : QStringView(body).split(u'#')) {
        QString seg = piece.toString();
        seg.remove(u'}');
        seg.remove(u'\r');
        if (seg.isEmpty())
            continue;
        if (!segment(seg))
            return;
    }
}

void InfoInterpreter::doorState(const QString &record)
{
    static const struct {
        const char *word;
        DoorState state;
    } kWords[] = {
        {"Obrint", DoorState::Obrint},   {"Obert", DoorState::Obert},
        {"Tancant", DoorState::Tancant}, {"Tancat", DoorState::Tancat},
        {"Esperant", DoorState::Esperant},
    };
    for (const auto &w : kWords) {
        if (!record.contains(QLatin1String(w.word)))
            continue;
        // The door is the first decimal digit of the record; none, 0 and 1
        // all mean the first door.
        int door = 0;
        for (QChar c : record) {
            if (c >= u'0' && c <= u'9') {
                door = c.unicode() - u'0';
                break;
            }
        }
        if (door <= 1)
            door = 1;
        if (door <= ModuleStatus::kDoors)
            m_status.setDoor(door, w.state);
        return;
    }
}

bool InfoInterpreter::segment(const QString &seg)
{
    switch (seg.at(0).unicode()) {
    case u'0': dateTime(seg); break;
    case u'1': identification(seg); break;
    case u'2':
        if (!linkCheck(seg))
            return false;
        liveStatus(seg);
        break;
    case u'3': inputAliases(seg); break;
    case u'4': outputAliases(seg); break;
    case u'5': gsm(seg); break;
    case u'8': eventMessage(seg); break;
    case u'A':
    case u'C':
        // The door-button names count whatever panel the module names.
        if (seg.startsWith(QLatin1String("A1")))
            emit doorButtonNames(seg.mid(3));
        if (m_panels)
            m_panels->panelRecord(seg.at(0), seg.size() > 1 ? seg.at(1) : QChar(), seg.mid(3));
        break;
    case u'D': m_log.writeAlert(seg.mid(1)); break;
    case u'd': m_log.writeTrace(seg.mid(1)); break;
    default: break;
    }
    return true;
}

void InfoInterpreter::dateTime(const QString &seg)
{
    ModuleClock c;
    c.data = seg.mid(1, 2) + u'/' + seg.mid(3, 2) + u'/' + seg.mid(5, 2);
    c.hora = seg.mid(7, 2) + u':' + seg.mid(9, 2);
    bool ok = false;
    const int zone = seg.mid(14, 3).toInt(&ok);
    c.zonaHoraria = ok ? zone : 1;
    m_status.setClock(c);
}

void InfoInterpreter::identification(const QString &seg)
{
    const QStringList f = fields(QStringView(seg).mid(1), u'|', 5);
    const QString &idField = f.at(3);
    const qsizetype colon = idField.indexOf(u':');
    const QString ident = colon < 0 ? idField : idField.left(colon);
    std::optional<QString> imei;
    if (colon >= 0 && colon + 1 < idField.size())
        imei = idField.mid(colon + 1);

    m_link.identConnectar = ident;
    m_link.central = f.at(4);

    ModuleIdentification id;
    id.empresa = f.at(0);
    id.instalador = f.at(1);
    id.referencia = f.at(2);
    id.identificador = ident;
    id.firmware = m_link.firmware;
    id.hardware = m_link.hardware;
    m_status.setIdentification(id, f.at(2), imei);
}

bool InfoInterpreter::linkCheck(const QString &seg)
{
    if (!m_link.isRemote())
        return true;
    // The state of the module's own link to the broker: Ethernet or GPRS,
    // as chosen for this session. A missing or unknown code is no evidence
    // that the link is down.
    const QString links = fields(QStringView(seg).mid(1), u'|', 8).at(2);
    const qsizetype pos = m_link.connexADSL ? 1 : 0;
    if (pos >= links.size())
        return true;
    const QChar c = links.at(pos);
    if (c < u'0' || c > u'9' || c.unicode() - u'0' >= kLinkUpCode)
        return true;
    emit warning(linkCutTitle(), linkCutText());
    emit closeRemoteSession();
    emit closeBridge();
    return false;
}

void InfoInterpreter::liveStatus(const QString &seg)
{
    const QStringList f = fields(QStringView(seg).mid(1), u'|', 8);
    LiveStatus s;
    for (int i = 0; i < LiveStatus::kInputs; ++i)
        s.entrades[i] = i < f.at(0).size() ? f.at(0).at(i) : QChar(u' ');
    for (int i = 0; i < LiveStatus::kOutputs; ++i)
        s.sortides[i] = i < f.at(1).size() ? f.at(1).at(i) : QChar(u' ');
    const QString &links = f.at(2);
    s.gprs = links.mid(0, 1);
    s.adsl = links.mid(1, 1);
    s.com = links.mid(2, 1);
    s.es = links.mid(3, 1);

    const QString &cov = f.at(3);
    const qsizetype colon = cov.indexOf(u':');
    s.coverage = colon < 0 ? cov : cov.left(colon);
    const QString coordinates = colon < 0 ? QString() : cov.mid(colon + 1);

    auto gauge = [](const QString &text) {
        const QStringList g = fields(text, u':', 4);
        LevelGauge l;
        l.state = g.at(0);
        l.value = Hextoint(g.at(1));
        l.trigger = Hextoint(g.at(2));
        l.restore = Hextoint(g.at(3));
        return l;
    };
    s.tamper = gauge(f.at(4));
    s.power = gauge(f.at(5));

    s.hasDataList = !f.at(6).isEmpty();
    s.dataVolume = f.at(6).section(u',', 0, 0);
    s.minutes = f.at(7);
    m_status.setLive(s, coordinates);
}

void InfoInterpreter::inputAliases(const QString &seg)
{
    const QStringList f = fields(QStringView(seg).mid(1), u'|', LiveStatus::kInputs);
    std::array<QString, LiveStatus::kInputs> a;
    for (int i = 0; i < LiveStatus::kInputs; ++i)
        a[i] = f.at(i);
    m_status.setInputAliases(a);
}

void InfoInterpreter::outputAliases(const QString &seg)
{
    // Four aliases, or a leading field and then the four aliases.
    const QStringList f = fields(QStringView(seg).mid(1), u'|', LiveStatus::kOutputs);
    const int first = f.size() > LiveStatus::kOutputs ? 1 : 0;
    std::array<QString, LiveStatus::kOutputs> a;
    for (int i = 0; i < LiveStatus::kOutputs; ++i)
        a[i] = f.at(first + i);
    m_status.setOutputAliases(a);
}

void InfoInterpreter::gsm(const QString &seg)
{
    const QStringList f = fields(QStringView(seg).mid(1), u':', 4);
    m_status.setGsm({f.at(0), f.at(1), f.at(2), f.at(3)});
}

void InfoInterpreter::eventMessage(const QString &seg)
{
    const qsizetype colon = seg.indexOf(u':');
    const QString code = colon < 0 ? seg : seg.left(colon);
    const QString value = colon < 0 ? QString() : seg.mid(colon + 1);
    QString text = m_texts.text(code);
    const QChar cls = code.size() > 1 ? code.at(1) : QChar();

    if (cls == u'7') {
        bridgeEvent(code, text, value);
        return;
    }
    if (cls == u'6') {
        if (text.isEmpty())
            return;
        const QChar kind = code.size() > 2 ? code.at(2) : QChar();
        // Input and output numbers come in decimal, 1 first.
        bool ok = false;
        const int n = value.trimmed().toInt(&ok);
        if (kind == u'1')
            text += ok ? m_status.inputAlias(n) : QString();
        else if (kind == u'2')
            text += ok ? m_status.outputAlias(n) : QString();
        else if (kind == u'3')
            text += QLatin1String("  ") + value;
        m_log.writeEvent(code, text, value, LogColour::Fuchsia, false);
        return;
    }
    if (const auto colour = EventLog::eventColour(code, text, m_log.BTot()))
        m_log.writeEvent(code, text, value, *colour);
}

void InfoInterpreter::bridgeEvent(const QString &code, const QString &text, const QString &value)
{
    if (code == u"8700") {
        setPanelLink(1);
        m_status.setBc600Panel(Bc600Panel::Neutral);
        const QString connecting = tr("Conectando con BC600");
        if (m_log.lastLine().contains(connecting))
            m_log.appendToLast(QStringLiteral("."));
        else
            m_log.append(m_log.timeStamp() + u' ' + connecting, LogColour::DarkRed);
    } else if (code == u"8710" || code == u"8731") {
        setPanelLink(1);
    } else if (code == u"8711") {
        if (m_status.bc600Panel() == Bc600Panel::Neutral) {
            m_status.setBc600Panel(Bc600Panel::Coloured);
            m_log.append(m_log.timeStamp() + u' ' + tr("Conectado a la Central BC600"),
                         LogColour::Blue);
            setPanelLink(2);
        }
        m_link.tempsRXAgui = kBridgeLampTicks;
    } else if (code == u"8712") {
        m_log.writeEvent(code, text, value, LogColour::Red);
    } else if (code == u"8721") {
        m_link.tempsTXAgui = kBridgeLampTicks;
    } else if (code == u"8740") {
        m_link.tempsRXAgui = kBridgeLampTicks;
    } else if (code == u"8782") {
        // The panel answers again: switch the information stream back on.
        emit commandRequested(QStringLiteral("vm+INf"));
    } else {
        m_log.writeEvent(code, text, value, LogColour::DarkRed);
    }
}

void InfoInterpreter::setPanelLink(int state)
{
    m_link.connex_velmar_Agui = state;
    emit panelLinkChanged(state);
}

} // namespace velmar
