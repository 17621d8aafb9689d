#include "core/panels/ModelDecoders.h"

#include "core/panels/AguileraStatus.h"

#include <QCoreApplication>

namespace velmar::panels {

namespace {

QString avenarHeading(const QString &kind)
{
    const char *heading = kind == QLatin1String("Fire")      ? QT_TRANSLATE_NOOP("PanelEvents", "Fuego")
                          : kind == QLatin1String("Fault")   ? QT_TRANSLATE_NOOP("PanelEvents", "Fallo")
                          : kind == QLatin1String("Disable") ? QT_TRANSLATE_NOOP("PanelEvents", "Anulado")
                                                             : QT_TRANSLATE_NOOP("PanelEvents", "Control");
    return QCoreApplication::translate("PanelEvents", heading);
}

template <IdFamily F>
DecodedEvent idEntry(const QString &e, const QString &, int n, int)
{
    return decodeIdEvent(F, e, n);
}
template <IdFamily F>
DecodedEvent idRecord(const QString &p)
{
    return decodeIdEvent(F, p);
}
DecodedEvent bc600Entry(const QString &e, const QString &, int, int) { return decodeBC600(e); }
DecodedEvent bc216Entry(const QString &e, const QString &, int, int) { return decodeBC216(e); }
DecodedEvent avenarEntry(const QString &e, const QString &k, int n, int) { return decodeAvenar(e, avenarHeading(k), n); }
DecodedEvent syncroEntry(const QString &e, const QString &, int, int) { return decodeSyncroEntry(e); }
DecodedEvent jadeBirdEntry(const QString &e, const QString &, int, int) { return decodeJadeBird(e); }
PanelStatus aec5Status(const QString &text) { return aec5Lamps(Info_Central_AEC5(text)); }
DecodedEvent ctecEntry(const QString &e, const QString &k, int, int) { return decodeCtec(e, k); }

using namespace status;
using O = OnEvent;

// A model sharing another's texts adds a row naming the same functions.
const ModelDecoders kModels[] = {
    {"Aguilera AE/C5", aec5Status, nullptr, false, O::None, nullptr},
    {"BC600", bc600Status, bc600Entry, false, O::RefetchKind, nullptr},
    {"BC216", bc216Status, bc216Entry, false, O::RefetchKind, nullptr},
    {"Cofem CLVR / K-CONECTA", cofemStatus, nullptr, false, O::None, nullptr},
    {"Urano", uranoStatus, nullptr, false, O::None, nullptr},
    {"Syncro", syncroStatus, syncroEntry, false, O::Append, decodeSyncroRecord},
    {"Avenar (Bosch)", avenarStatus, avenarEntry, false, O::None, nullptr},
    {"AD300", ad300Status, decodeAD300, false, O::RefreshStatus, nullptr},
    {"ID3000", id3000Status, idEntry<IdFamily::ID3000>, false, O::Append, idRecord<IdFamily::ID3000>},
    {"AD600", ad600Status, decodeAD600, false, O::RefreshStatus, nullptr},
    {"MA-2000", ma2000Status, idEntry<IdFamily::MA2000>, false, O::Append, idRecord<IdFamily::MA2000>},
    {"JadeBird", jadeBirdStatus, jadeBirdEntry, true, O::Replace, decodeJadeBird},
    {"C-Tec XFP", ctecStatus, ctecEntry, false, O::RefreshStatus, nullptr},
    {"PL-1000", pl1000Status, idEntry<IdFamily::PL1000>, false, O::Append, idRecord<IdFamily::PL1000>},
    {"Supra", supraStatus, nullptr, false, O::None, nullptr},
    {"Komttech", komttechStatus, nullptr, false, O::None, nullptr},
    {"Detnov CCD-100", ccd100Status, nullptr, false, O::None, nullptr},
    {"Cofem-A (Zafir)", zafirStatus, nullptr, false, O::None, nullptr},
};

} // namespace

const ModelDecoders *decodersOf(const QString &model)
{
    for (const ModelDecoders &m : kModels)
        if (model == QLatin1String(m.model))
            return &m;
    return nullptr;
}

} // namespace velmar::panels
