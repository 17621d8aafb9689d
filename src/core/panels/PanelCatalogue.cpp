#include "core/panels/PanelCatalogue.h"

#include <QCoreApplication>

namespace velmar::panels {

namespace {

// statusRank: the order of identification's choice (a Cofem that is not a
// Cofem-A wins over every later name). tabRank: the order of the
// programming page's choice, in which "CCD-100" comes before "Detnov".
const QList<PanelModel> kCatalogue = {
    {"Aguilera AE/SA", {"AE/SA", "AGE"}, "", "PEstatAgui", "TSCentralAguilera", "Aguilera",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS AGUILERA"), "A2", "", "", 1, 2},
    {"Aguilera AE/C5", {"AE/C5"}, "", "PEstatAgui2", "TSCentralAguilera", "Aguilera",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS AGUILERA"), "A3", "", "", 2, 2},
    {"BC600", {"BC600"}, "", "PEstatBC600", "TSCentralBC600", "BC600/216",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS BC600/216"), "A4", "C4", "BC600", 3, 1},
    {"BC216", {"BC216"}, "", "PEstatBC216", "TSCentralBC600", "BC600/216",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS BC600/216"), "A4", "C4", "BC600", 4, 1},
    {"Door installation", {"Puertas"}, "", "PEstatPortes", "TSPortes", "Accesos",
     QT_TRANSLATE_NOOP("PanelPage", "CONTROL DE ACCESOS"), "A1", "", "", 5, 3},
    {"Cofem CLVR / K-CONECTA", {"Cofem"}, "Cofem-A", "PEstatCofem", "TSCentralCofem", "Cofem",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS COFEM"), "A5", "", "", 6, 4},
    {"Detnov", {"Detnov"}, "", "PEstatDetnov", "TSCentralDetnov", "Detnov",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS DETNOV"), "", "", "", 7, 14},
    {"Urano", {"Urano"}, "", "PEstatUrano", "TSCentralUrano", "Urano",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS URANO"), "A6", "", "", 8, 5},
    {"Syncro", {"Syncro"}, "", "PEstatSyncro", "TSCentralSyncro", "Syncro",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS SYNCRO"), "A7", "C7", "Syncro", 9, 6},
    {"Avenar (Bosch)", {"Bosch"}, "", "PEstatAvenarBosch", "TSCentralAvenarBosch", "Bosch",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS AVENAR (BOSCH)"), "A8", "", "Bosch", 10, 7},
    {"AD300", {"AD300"}, "", "PEstatAD300", "TSCentralAD300", "AD300",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS AD300"), "A7", "C7", "Syncro", 11, 8},
    {"Supra", {"Supra"}, "", "PEstatSupra", "TSCentralSupra", "Supra",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS SUPRA"), "A6", "", "", 12, 9},
    {"Cofem-A (Zafir)", {"Cofem-A"}, "", "PEstatCofemZafir", "TSCentralZafir", "Cofem Zafir",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS COFEM ZAFIR"), "A5", "", "", 13, 10},
    {"Komttech", {"Komttech"}, "", "PEstatKomttech", "TSCentralSupra", "Komttech",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS KOMTTECH"), "A6", "", "", 14, 11},
    {"ID3000", {"ID3000"}, "", "PEstatID3000", "TSCentralID3000", "ID3000",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS ID3000"), "A7", "C7", "Syncro", 15, 12},
    {"Detnov CCD-100", {"CCD-100"}, "", "PEstatDetnovCCD", "TSCentralDetnovCCD", "CCD-100",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS CCD-100"), "A6", "", "", 16, 13},
    {"AD600", {"AD600"}, "", "PEstatAD600", "TSCentralAD600", "AD600",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS AD600"), "A7", "C7", "Syncro", 17, 15},
    {"MA-2000", {"MA-2000"}, "", "PEstatMA2000", "TSCentralMA2000", "MA-2000",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS MA-2000"), "A7", "C7", "Syncro", 18, 16},
    {"JadeBird", {"JadeBird"}, "", "PEstatJadeBird", "TSCentralJadeBird", "JadeBird",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS JADEBIRD"), "A7", "C7", "Syncro", 19, 18},
    {"C-Tec XFP", {"C-TecXFP"}, "", "PEstatCtec", "TSCentralCtec", "C-TEC",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS C-TEC XFP"), "A7", "C7", "Syncro", 20, 17},
    {"PL-1000", {"PL-1000"}, "", "PEstatPL1000", "TSCentralPL1000", "PL1000",
     QT_TRANSLATE_NOOP("PanelPage", "CENTRAL DE INCENDIOS PL-100/LT-159"), "A7", "C7", "Syncro", 21, 19},
    {"EasyDetect", {"EasyDetect"}, "", "PEstatEasyDetect", "", "", "", "", "", "", 22, 0},
};

// Records whose code several models share: the models tried in order, and
// the model that takes the record when none of them is attached.
struct SharedRecord {
    const char *code;
    QList<const char *> tried;
    const char *fallback;
};

const QList<SharedRecord> kShared = {
    {"A4", {"BC600"}, "BC216"},
    {"A5", {"Cofem-A (Zafir)"}, "Cofem CLVR / K-CONECTA"},
    {"A6", {"Urano", "Komttech", "Supra", "Detnov CCD-100"}, ""},
    {"A7", {"Syncro", "AD300", "ID3000", "AD600", "MA-2000", "C-Tec XFP", "JadeBird", "PL-1000"}, ""},
    {"C4", {"BC600"}, "BC216"},
    {"C7", {"Syncro", "AD300", "ID3000", "AD600", "MA-2000", "JadeBird", "C-Tec XFP", "PL-1000"}, ""},
};

bool contains(QStringView text, const char *needle)
{
    return text.contains(QLatin1String(needle));
}

// The first model selected by central among those ranked (rank > 0), in rank order.
template <typename Rank>
const PanelModel *firstSelected(QStringView central, Rank rank)
{
    const PanelModel *best = nullptr;
    for (const PanelModel &m : kCatalogue) {
        const int r = rank(m);
        if (r <= 0 || !selects(m, central))
            continue;
        if (!best || r < rank(*best))
            best = &m;
    }
    return best;
}

bool isBc(const PanelModel &m)
{
    return qstrcmp(m.model, "BC600") == 0 || qstrcmp(m.model, "BC216") == 0;
}

} // namespace

const QList<PanelModel> &catalogue()
{
    return kCatalogue;
}

bool selects(const PanelModel &m, QStringView central)
{
    if (central.isEmpty())
        return false;
    if (*m.unless && contains(central, m.unless))
        return false;
    for (const char *needle : m.selectedBy)
        if (contains(central, needle))
            return true;
    return false;
}

const PanelModel *statusModel(QStringView central)
{
    return firstSelected(central, [](const PanelModel &m) { return m.statusRank; });
}

const PanelModel *cloudStatusModel(QStringView central)
{
    // The two BC names go ahead of everything else; the rest keep their order.
    return firstSelected(central, [](const PanelModel &m) {
        return isBc(m) ? m.statusRank : m.statusRank + 100;
    });
}

const PanelModel *pageModel(QStringView central)
{
    return firstSelected(central, [](const PanelModel &m) { return m.tabRank; });
}

PanelTab panelTabFor(QStringView central)
{
    const PanelModel *m = pageModel(central);
    if (!m)
        return {};
    return {QString::fromLatin1(m->tab), QString::fromLatin1(m->caption),
            QCoreApplication::translate("PanelPage", m->title)};
}

const PanelModel *modelNamed(QStringView model)
{
    for (const PanelModel &m : kCatalogue)
        if (model == QLatin1String(m.model))
            return &m;
    return nullptr;
}

const PanelModel *recordModel(QStringView recordCode, QStringView central)
{
    if (recordCode.isEmpty())
        return nullptr;
    for (const SharedRecord &s : kShared) {
        if (recordCode != QLatin1String(s.code))
            continue;
        for (const char *name : s.tried) {
            const PanelModel *m = modelNamed(QString::fromLatin1(name));
            if (m && selects(*m, central))
                return m;
        }
        return *s.fallback ? modelNamed(QString::fromLatin1(s.fallback)) : nullptr;
    }
    // A code of one model only is that model's whatever is attached.
    for (const PanelModel &m : kCatalogue)
        if (recordCode == QLatin1String(m.statusRecord) || recordCode == QLatin1String(m.eventRecord))
            return &m;
    return nullptr;
}

} // namespace velmar::panels
