#include "CloudRecord.h"

#include "InfoStream.h"
#include "PanelLists.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace velmar::sim {

namespace {

const QString kUpdated = QStringLiteral("Updated");

// The object a panel's status goes under, and the member it fills.
struct PanelObject {
    const char *model;
    const char *object;
    const char *member;
};
constexpr PanelObject kPanelObjects[] = {
    {"BC600", "BC600", "buzzerAndcounts"},   {"BC216", "BC600", "buzzerAndcounts"},
    {"Syncro", "Syncro", "buzzerAndNums"},   {"AD300", "Syncro", "buzzerAndNums"},
    {"ID3000", "Syncro", "buzzerAndNums"},   {"MA-2000", "Syncro", "buzzerAndNums"},
    {"C-TecXFP", "Syncro", "buzzerAndNums"}, {"JadeBird", "Syncro", "buzzerAndNums"},
    {"Bosch", "Bosch", "buzzerAndNums"},     {"AD600", "Bosch", "buzzerAndNums"},
    {"PL-1000", "Bosch", "buzzerAndNums"},
};

QString hexLevel(const QString &hex)
{
    bool ok = false;
    const int v = hex.toInt(&ok, 16);
    return ok ? QString::number(v, 16).toUpper() : hex;
}

// state:value:trigger:restore (hexadecimal) into the four members.
void gauge(QJsonObject &o, const QString &prefix, const QString &g)
{
    const QStringList f = g.split(u':');
    const int a = f.value(2).toInt(nullptr, 16);
    const int b = f.value(3).toInt(nullptr, 16);
    o.insert(prefix + QStringLiteral("Min"), QString::number(qMin(a, b), 16).toUpper());
    o.insert(prefix + QStringLiteral("Max"), QString::number(qMax(a, b), 16).toUpper());
    o.insert(prefix + QStringLiteral("Act"), hexLevel(f.value(1)));
    o.insert(prefix + QStringLiteral("Estat"), f.value(0));
}

// A door's state as the module keeps it in the cloud.
QString cloudDoorState(const QString &word)
{
    if (word == QLatin1String("Obrint"))
        return QStringLiteral("OPENING");
    if (word == QLatin1String("Obert"))
        return QStringLiteral("OPEN");
    if (word == QLatin1String("Tancant"))
        return QStringLiteral("CLOSING");
    if (word == QLatin1String("Esperant"))
        return QStringLiteral("WAITING");
    return QStringLiteral("CLOSED");
}

QJsonObject withoutUpdated(QJsonObject o)
{
    o.remove(kUpdated);
    return o;
}

} // namespace

QJsonObject cloudRecord(const ModuleState &s, const ParamStore &store, const QDateTime &nowUtc)
{
    const QStringList ident = info::identSegment(s, store).mid(1).split(u'|');
    const QStringList status = info::statusSegment(s, store).mid(1).split(u'|');
    const QStringList gsm = info::gsmSegment(s).mid(1).split(u':');
    const QString links = status.value(2);
    const QString gprs = links.mid(0, 1);
    const QString ethernet = links.mid(1, 1);
    const QString coverage = status.value(3).section(u':', 0, 0);

    QJsonObject o{
        {QStringLiteral("Company"), ident.value(0)},
        {QStringLiteral("Installer"), ident.value(1)},
        {QStringLiteral("Reference"), ident.value(2)},
        {QStringLiteral("Connection"), QStringLiteral("ONLINE")},
        {QStringLiteral("Configuration"),
         QJsonObject{{QStringLiteral("ethernetInfo"), QJsonObject{{QStringLiteral("ethernetStat"), ethernet}}},
                     {QStringLiteral("gprsInfo"), QJsonObject{{QStringLiteral("gprsStat"), gprs}}}}},
        {QStringLiteral("Identifier"), QJsonObject{{s.id.identifier, s.id.imei}}},
        {QStringLiteral("Firmware"), s.id.firmware},
        {QStringLiteral("Hardware"), s.id.hardware},
        {QStringLiteral("SIMNumber"), gsm.value(0)},
        {QStringLiteral("Operator"), gsm.value(1)},
        {QStringLiteral("moduleModel"), gsm.value(2)},
        {QStringLiteral("moduleVersion"), gsm.value(3)},
        {QStringLiteral("gsmStat"), coverage},
        {QStringLiteral("gprsStat"), gprs},
        {QStringLiteral("ethernetStat"), ethernet},
        {QStringLiteral("comCentral"), s.id.panelType},
        {QStringLiteral("comStat"), links.mid(2, 1)},
        {QStringLiteral("ESStat"), links.mid(3, 1)},
        {QStringLiteral("Inputs"),
         QJsonObject{{QStringLiteral("inputsAlies"), info::inputAliasSegment(store).mid(1)},
                     {QStringLiteral("inputsStat"), status.value(0)}}},
        {QStringLiteral("Outputs"),
         QJsonObject{{QStringLiteral("outputsAlies"), info::outputAliasSegment(store).mid(1)},
                     {QStringLiteral("outputsStat"), status.value(1)}}},
        {QStringLiteral("gps"), status.value(3).section(u':', 1)},
        {kUpdated, nowUtc.toUTC().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"))},
    };
    gauge(o, QStringLiteral("vTamper"), status.value(4));
    gauge(o, QStringLiteral("vAlim"), status.value(5));
    if (s.panel) {
        for (const PanelObject &p : kPanelObjects) {
            if (qstrcmp(s.panel->name, p.model) == 0)
                o.insert(QLatin1String(p.object), QJsonObject{{QLatin1String(p.member), s.panelStatus}});
        }
        if (qstrcmp(s.panel->name, "Puertas") == 0) {
            // One state per button; OpenStatus is the first door's.
            QJsonObject buttons;
            for (size_t n = 0; n < s.doors.size(); ++n)
                buttons.insert(QString::number(n + 1), cloudDoorState(s.doors[n]));
            o.insert(QStringLiteral("ButtonStatus"), buttons);
            o.insert(QStringLiteral("OpenStatus"), cloudDoorState(s.doors[0]));
        }
        // The lists go under their node whole, so that a list the panel no
        // longer has is removed by the same write; a node holding nothing
        // else is removed with its last list.
        const PanelLists lists = panelEventLists(*s.panel, s.panelStatus);
        if (!lists.node.isEmpty()) {
            QJsonObject node = o.value(lists.node).toObject();
            if (!lists.events.isEmpty())
                node.insert(QStringLiteral("Events"), lists.events);
            o.insert(lists.node, node.isEmpty() ? QJsonValue() : QJsonValue(node));
        }
    }
    return o;
}

CloudReporter::CloudReporter(QObject *parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &CloudReporter::check);
}

QUrl CloudReporter::recordUrl() const
{
    QUrl u = m_base;
    QString path = u.path();
    if (!path.endsWith(u'/'))
        path += u'/';
    u.setPath(path + QStringLiteral("Equipments/") + m_id + QStringLiteral(".json"));
    return u;
}

void CloudReporter::start(const QUrl &base, const QString &id, std::function<QJsonObject()> record, int checkMs)
{
    m_base = base;
    m_id = id;
    m_record = std::move(record);
    m_timer.start(checkMs);
    check();
}

void CloudReporter::check()
{
    if (m_pending)
        return;
    const QJsonObject rec = m_record();
    if (withoutUpdated(rec) == m_sent)
        return;
    QNetworkRequest req(recordUrl());
    req.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    QNetworkReply *r = m_nam.sendCustomRequest(req, "PATCH", QJsonDocument(rec).toJson(QJsonDocument::Compact));
    m_pending = r;
    connect(r, &QNetworkReply::finished, this, [this, r, rec] {
        r->deleteLater();
        const int status = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status == 200) {
            m_sent = withoutUpdated(rec);
            if (note)
                note(QStringLiteral("cloud: record written"));
        } else if (note) {
            note(QStringLiteral("cloud: record not written (%1 %2)").arg(status).arg(r->errorString()));
        }
    });
}

void CloudReporter::finish(int waitMs)
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    QNetworkRequest req(recordUrl());
    req.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    QNetworkReply *r = m_nam.sendCustomRequest(req, "PATCH", QByteArrayLiteral(R"({"Connection":"OFFLINE"})"));
    QEventLoop loop;
    connect(r, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    if (!r->isFinished())
        loop.exec();
    if (note)
        note(r->isFinished() && r->error() == QNetworkReply::NoError ? QStringLiteral("cloud: marked off line")
                                                                       : QStringLiteral("cloud: not marked off line"));
    r->abort();
    r->deleteLater();
}

} // namespace velmar::sim
