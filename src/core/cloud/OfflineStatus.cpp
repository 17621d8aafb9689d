#include "core/cloud/OfflineStatus.h"

#include "core/link/EventLog.h"
#include "core/link/Hex.h"
#include "core/link/LinkState.h"
#include "core/link/ModuleStatus.h"
#include "core/panels/PanelCatalogue.h"
#include "core/panels/PanelMonitor.h"

#include <QCoreApplication>

namespace velmar {

namespace cloud {

namespace {

QString joined(const ModuleRecord &r, std::initializer_list<const char *> names)
{
    QStringList parts;
    for (const char *n : names)
        parts.append(r.value(QLatin1String(n)));
    return parts.join(u'|');
}

bool oneOf(const char *model, std::initializer_list<const char *> names)
{
    for (const char *n : names)
        if (qstrcmp(model, n) == 0)
            return true;
    return false;
}

} // namespace

QString storedPanelStatus(const panels::PanelModel &model, const ModuleRecord &r)
{
    const char *m = model.model;
    if (oneOf(m, {"Aguilera AE/SA"}))
        return joined(r, {"numAlarm", "numFault", "numDisconn", "numTest"}) + u':'
               + joined(r, {"zonesAlarm", "zonesFault", "zonesDisconn", "zonesTest"});
    if (oneOf(m, {"Aguilera AE/C5"}))
        return joined(r, {"pollingENQ", "sirenbuzzer", "AE-C5_centralStat", "AE-C5_zonesStat"});
    if (oneOf(m, {"Cofem CLVR / K-CONECTA", "Cofem-A (Zafir)"}))
        return joined(r, {"Cofem_centralStat", "Cofem_zonesStat"});
    if (oneOf(m, {"Urano", "Supra", "Komttech", "Detnov CCD-100"}))
        return joined(r, {"password", "Urano_zonesStat"});
    if (oneOf(m, {"Syncro", "AD300", "ID3000", "MA-2000", "C-Tec XFP"}))
        return r.value(QStringLiteral("Syncro_buzzerAndNums"));
    if (oneOf(m, {"Avenar (Bosch)", "AD600", "JadeBird", "PL-1000"}))
        return r.value(QStringLiteral("buzzerAndNums"));
    if (oneOf(m, {"BC600", "BC216"}))
        return r.value(QStringLiteral("buzzerAndcounts"));
    return {};
}

} // namespace cloud

OfflineStatus::OfflineStatus(LinkState &state, ModuleStatus &status, EventLog &log, panels::PanelMonitor &panel,
                             QObject *parent)
    : QObject(parent), m_state(state), m_status(status), m_log(log), m_panel(panel)
{
}

void OfflineStatus::show(const cloud::ModuleRecord &r)
{
    const auto v = [&r](const char *name) { return r.value(QLatin1String(name)); };

    ModuleIdentification id;
    id.empresa = v("Company");
    id.instalador = v("Installer");
    id.referencia = v("Reference");
    id.identificador = r.contains(QStringLiteral("Identifier")) ? v("Identifier") : m_state.identConnectar;
    id.firmware = v("Firmware");
    id.hardware = v("Hardware");
    m_status.setIdentification(id, v("Reference"), v("IMEI"));
    m_status.setGsm({v("SIMNumber"), v("Operator"), v("moduleModel"), v("moduleVersion"), true});
    m_status.setInputAliases([&] {
        std::array<QString, LiveStatus::kInputs> a;
        const QStringList names = r.names(QStringLiteral("inputsAlies"), LiveStatus::kInputs);
        std::copy(names.begin(), names.end(), a.begin());
        return a;
    }());
    m_status.setOutputAliases([&] {
        std::array<QString, LiveStatus::kOutputs> a;
        const QStringList names = r.names(QStringLiteral("outputsAlies"), LiveStatus::kOutputs);
        std::copy(names.begin(), names.end(), a.begin());
        return a;
    }());

    LiveStatus s;
    const QString inputs = v("inputsStat");
    for (int i = 0; i < LiveStatus::kInputs; ++i)
        s.entrades[i] = i < inputs.size() ? inputs.at(i) : QChar(u' ');
    const QString outputs = v("outputsStat");
    for (int i = 0; i < LiveStatus::kOutputs; ++i)
        s.sortides[i] = i < outputs.size() ? outputs.at(i) : QChar(u' ');
    s.gprs = v("gprsStat");
    s.adsl = v("ethernetStat");
    s.com = v("comStat");
    s.es = v("ESStat");
    s.coverage = v("gsmStat");
    s.tamper = {v("vTamperEstat"), Hextoint(v("vTamperAct")), Hextoint(v("vTamperMax")), Hextoint(v("vTamperMin"))};
    s.power = {v("vAlimEstat"), Hextoint(v("vAlimAct")), Hextoint(v("vAlimMax")), Hextoint(v("vAlimMin"))};
    m_status.setLive(s, v("gps"));

    m_log.clear();
    m_log.append(QCoreApplication::translate("OfflineStatus", "DESACTIVADO"), LogColour::Red);
    m_log.append(QCoreApplication::translate("OfflineStatus", "Último dato recibido: ") + u'\t'
                     + r.updatedLocal(m_zone),
                 LogColour::Default);

    m_state.central = r.central();
    emit panelViewChosen(m_state.central);
    if (const panels::PanelModel *model = panels::cloudStatusModel(m_state.central)) {
        const QString text = cloud::storedPanelStatus(*model, r);
        if (!text.isEmpty())
            m_panel.statusText(*model, text);
    }
    emit shown();
}

} // namespace velmar
