#include "core/panels/PanelPages.h"

#include "core/params/FieldModel.h"
#include "core/params/GridModel.h"

#include <QCoreApplication>
#include <QSet>

namespace velmar::panels {

namespace {

#define CAP(t) QT_TRANSLATE_NOOP("FieldModel", t)

PanelPageForm page(const char *tab, const char *grid, EventForm form, int kindWidth,
                   const char *baud, int example, const char *file = "", const char *address = "")
{
    PanelPageForm f{};
    f.tab = tab;
    f.grid = grid;
    f.form = form;
    f.kindWidth = kindWidth;
    f.captionWidth = form == EventForm::Numbered ? 40 : 240;
    f.baudEdit = baud;
    f.baudExample = example;
    f.fileEdit = file;
    f.addressEdit = address;
    return f;
}

// kindWidth -1: the BC600/216 rule (see eventKindWidth).
constexpr int kBcRule = -1;

QList<PanelPageForm> makeForms()
{
    using F = EventForm;
    PanelPageForm aguilera = page("TSCentralAguilera", "SGCentralAgui", F::Captioned, 0,
                                  "EBaudsAgui", 38400, "EImportarFitxer");
    aguilera.captionWidth = 220;
    aguilera.otherGrids = {"SGLlistatZonesAgui"};
    PanelPageForm bc600 = page("TSCentralBC600", "SGCentralBC600", F::Numbered, kBcRule,
                               "EBaudsBC600", 9600, "EImportarFitxerBC600");
    bc600.otherGrids = {"SGBCApp"};
    PanelPageForm cofem = page("TSCentralCofem", "SGCentralCofem", F::Captioned, 0, "EBaudsCofem",
                               19200, "EImportarFitxerCofem", "EAdrecaCofem");
    cofem.captionWidth = 280;
    PanelPageForm urano = page("TSCentralUrano", "SGCentralUrano", F::Captioned, 0, "EBaudsUrano", 19200);
    PanelPageForm zafir = page("TSCentralZafir", "SGCentralZafir", F::CaptionedKind, 0,
                               "EBaudsZafir", 19200, "EImportarFitxerZafir", "EAdrecaZafir");
    zafir.captionWidth = 260;
    PanelPageForm jade = page("TSCentralJadeBird", "SGCentralJadeBird", F::Numbered, 3,
                              "EBaudsJadeBird", 9600, "EImportarFitxerJadeBird", "EAdrJadeBird");
    jade.addressHidden = true;
    QList<PanelPageForm> forms = {
        aguilera,
        bc600,
        cofem,
        page("TSCentralDetnov", "", F::Numbered, 0, "EBaudsDetnov", 19200),
        urano,
        page("TSCentralSyncro", "SGCentralSyncro", F::Numbered, 2, "EBaudsSyncro", 19200,
             "EImportarFitxerSyncro"),
        page("TSCentralAvenarBosch", "SGCentralAvenarBosch", F::Numbered, 2, "EBaudsAvenarBosch",
             9600, "EImportarFitxerAvenarBosch"),
        page("TSCentralAD300", "SGCentralAD300", F::Numbered, 2, "EBaudsAD300", 19200,
             "EImportarFitxerAD300", "EAdrAD300"),
        page("TSCentralSupra", "SGCentralSupra", F::Numbered, 3, "EBaudsSupra", 19200,
             "EImportarFitxerSupra"),
        zafir,
        page("TSCentralID3000", "SGCentralID3000", F::Numbered, 4, "EBaudsID3000", 19200,
             "EImportarFitxerID3000", "EAdrID3000"),
        page("TSCentralDetnovCCD", "SGCentralDetnovCCD", F::Numbered, 3, "EBaudsDetnovCCD", 19200,
             "EImportarFitxerDetnovCCD"),
        page("TSCentralAD600", "SGCentralAD600", F::Numbered, 2, "EBaudsAD600", 9600,
             "EImportarFitxerAD600", "EAdrAD600"),
        page("TSCentralMA2000", "SGCentralMA2000", F::Numbered, 4, "EBaudsMA2000", 9600,
             "EImportarFitxerMA2000", "EAdrMA2000"),
        jade,
        page("TSCentralCtec", "SGCentralCtec", F::Numbered, 2, "EBaudsCtec", 9600,
             "EImportarFitxerCtec"),
        page("TSCentralPL1000", "SGCentralPL1000", F::Numbered, 4, "EBaudsPL1000", 38400,
             "EImportarFitxerPL1000", "EAdrPL1000"),
    };
    // Wider kind and code columns where the kinds have four digits.
    for (PanelPageForm &f : forms) {
        if (f.kindWidth == 4 || f.kindWidth == kBcRule) {
            f.kindColumnWidth = 90;
            f.cidColumnWidth = 100;
        }
    }
    return forms;
}

const QList<PanelPageForm> kForms = makeForms();

const char *const kAgui[] = {
    CAP("Alarma"), CAP(" Avería"), CAP(" Desconexión"), CAP(" Prueba"),
    CAP(" Comunicación con la Central"), CAP(" Perdida tensión 230V"),
    CAP(" Fallo Alimentación principal"), CAP(" Batería baja"), CAP(" Fallo de tierra"),
};

const char *const kCofem[] = {
    CAP(" Alarma pulsador"), CAP(" Alarma detector"), CAP(" Avería línea Abierta"),
    CAP(" Avería línea Cruzada"), CAP(" Punto Anulado"), CAP(" Punto en pruebas"),
    CAP(" Alarma Pulsador Prueba"), CAP(" Alarma Detector Prueba"), CAP(" Relé Anulado"),
    CAP(" Relé Avería línea Abierta"), CAP(" Relé Avería línea Cruzada"), CAP(" Relé Avería 24V"),
    CAP(" Relé Prealarma"), CAP(" Relé Disparo"), CAP("Relé Aborto"),
    CAP(" Relé Sirena 1 avería línea Abierta"), CAP(" Relé Sirena 1 avería línea Cruzada"),
    CAP(" Relé Sirena 1 disparo"), CAP(" Relé Sirena 2 avería línea Abierta"),
    CAP(" Relé Sirena 2 avería línea Cruzada"), CAP(" Relé Sirena 2 disparo"),
    CAP(" Relé Avería General línea Abierta"), CAP(" Relé Avería General línea Cruzada"),
    CAP(" Relé Avería General disparo"), CAP(" Fuente aliment. Avería cargador"),
    CAP(" Fuente aliment. Avería batería descargada"), CAP(" Fuente aliment. Avería sin red"),
    CAP(" Fuente aliment. Avería 30V"), CAP(" Avería batería descargada"),
};

const char *const kUrano[] = {
    CAP(" Alarma pulsador"), CAP(" Alarma detector"), CAP(" Fallo circuito abierto"),
    CAP(" Fallo cortocircuito"), CAP(" Zona anulada"), CAP(" Zona en pruebas"),
    CAP(" Avería cargador baterías"), CAP(" Avería fallo de baterías"),
    CAP(" Avería de la central fallo 220V"),
};
const char *const kUranoRow10 = CAP(" Sirenas fallo/anuladas");
const char *const kKomttechRow10 = CAP(" Av. sirenas anuladas");

const char *const kZafir[] = {
    CAP("Alarma sensor"), CAP("Alarma técnica"), CAP("Alarma detector Esclavo"),
    CAP("Alarma temperatura"), CAP("Alarma humo"), CAP("Alarma pulsador Esclavo"),
    CAP("Alarma pulsador (Call Point)"), CAP("Alarma pulsador Exterior"),
    CAP("Alarma prueba incendio"), CAP("Alarma prueba no configurado"),
    CAP("Avería comunicación repetidora"), CAP("Avería comunicación central"),
    CAP("Avería comunicación controladora"), CAP("Avería comunicación Módulo 'Remote'"),
    CAP("Avería comunicación Módulo CID"), CAP("Avería comunicación Módulo Red2"),
    CAP("Avería cargador baterías"), CAP("Avería batería averiada"), CAP("Avería sin batería"),
    CAP("Avería batería descargada"), CAP("Avería batería sobrecargada"),
    CAP("Avería baja tensión"), CAP("Avería sobretensión"), CAP("Avería no alimentación"),
    CAP("Avería salida 30v"), CAP("Avería bucle cortocircuito"), CAP("Avería sensor"),
    CAP("Avería suciedad"), CAP("Avería bucle abierto"), CAP("Avería consumo bucle"),
    CAP("Avería punto no contesta"), CAP("Avería KMAY cortocircuito"),
    CAP("Avería KMAY circuito abierto"), CAP("Avería MSTAY cortocircuito"),
    CAP("Avería MSTAY circuito abierto"), CAP("Avería técnica"), CAP("Avería Relé linea abierta"),
    CAP("Avería Relé cortocircuito"), CAP("Avería Relé no activo"), CAP("Avería Relé 24V"),
    CAP(" Punto Anulado"), CAP(" Zona anulada"),
};

template <size_t N>
QStringList list(const char *const (&texts)[N])
{
    QStringList l;
    for (const char *t : texts)
        l << QString::fromUtf8(t);
    return l;
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

} // namespace

const QList<PanelPageForm> &pageForms()
{
    return kForms;
}

const PanelPageForm *pageForm(QStringView tab)
{
    for (const PanelPageForm &f : kForms)
        if (tab == QLatin1String(f.tab))
            return &f;
    return nullptr;
}

const PanelPageForm *formOfGrid(QStringView gridName)
{
    if (gridName.isEmpty())
        return nullptr;
    for (const PanelPageForm &f : kForms)
        if (gridName == QLatin1String(f.grid))
            return &f;
    return nullptr;
}

QString pageOf(QStringView tab)
{
    return QStringLiteral("P") + tab.mid(2).toString();
}

const PanelPageForm *formOfPage(QStringView page)
{
    for (const PanelPageForm &f : kForms)
        if (pageOf(QString::fromLatin1(f.tab)) == page)
            return &f;
    return nullptr;
}

bool hasEventKind(QStringView gridName)
{
    const PanelPageForm *f = formOfGrid(gridName);
    return f && f->form != EventForm::Captioned;
}

int eventKindWidth(QStringView gridName, QStringView central)
{
    const PanelPageForm *f = formOfGrid(gridName);
    if (!f || f->form == EventForm::Captioned)
        return 0;
    if (f->kindWidth == kBcRule)
        return central == u"BC600" ? 4 : 2;
    return f->kindWidth;
}

QStringList headersOf(const PanelPageForm &form)
{
    QStringList notice;
    for (const char *h : {CAP("App"), CAP("SMS"), CAP("EMail"), CAP("Código CID"),
                          CAP("Texto del mensaje")})
        notice << QString::fromUtf8(h);
    const QString kind = QString::fromUtf8(CAP("Tipo evento"));
    switch (form.form) {
    case EventForm::Captioned:
        return QStringList{QString()} + notice;
    case EventForm::Numbered:
        return QStringList{QString::fromUtf8(CAP("N.")), kind} + notice;
    case EventForm::CaptionedKind:
        return QStringList{QString(), kind} + notice;
    }
    return notice;
}

QStringList captionsOf(QStringView gridName, QStringView central)
{
    if (gridName == u"SGCentralAgui")
        return list(kAgui);
    if (gridName == u"SGCentralCofem")
        return list(kCofem);
    if (gridName == u"SGCentralZafir")
        return list(kZafir); // rows 43 to 50 have none
    if (gridName == u"SGCentralUrano") {
        QStringList l = list(kUrano);
        l << QString::fromUtf8(central.contains(u"Komttech") ? kKomttechRow10 : kUranoRow10);
        return l;
    }
    return {};
}

void installPageForms(FieldModel &fields, QStringView central)
{
    for (const PanelPageForm &f : kForms) {
        GridModel *g = *f.grid ? fields.grid(QString::fromLatin1(f.grid)) : nullptr;
        if (!g)
            continue;
        g->setHeaders(headersOf(f));
        g->setCaptions(captionsOf(g->name(), central));
        g->clear();
    }
    if (GridModel *app = fields.grid(u"SGBCApp"))
        app->clear();
}

void refreshCaptions(FieldModel &fields, QStringView central)
{
    for (const PanelPageForm &f : kForms) {
        GridModel *g = *f.grid ? fields.grid(QString::fromLatin1(f.grid)) : nullptr;
        if (!g || g->design().labels != RowLabels::Captions)
            continue;
        const QStringList captions = captionsOf(g->name(), central);
        g->setCaptions(captions);
        for (int r = 1; r <= g->dataRows(); ++r)
            g->load(0, r, captions.value(r - 1).isEmpty() ? QString() : QCoreApplication::translate("FieldModel", captions.value(r - 1).toUtf8().constData()));
    }
}

QStringList eventBlockErase(const GridModel &grid)
{
    bool ok = false;
    const int first = grid.firstCode.toInt(&ok, 16);
    if (!ok || grid.dataRows() < 1)
        return {};
    // The distinct leading three digits of the block's codes, in order.
    QList<int> runs;
    for (int code = first; code < first + grid.dataRows(); ++code)
        if (runs.isEmpty() || runs.last() != code >> 4)
            runs << (code >> 4);
    QStringList commands;
    for (qsizetype i = 0; i < runs.size();) {
        const int high = runs.at(i) >> 4;
        qsizetype j = i;
        while (j < runs.size() && runs.at(j) >> 4 == high)
            ++j;
        const auto hex = [](int v, int digits) {
            return QString::number(v, 16).toUpper().rightJustified(digits, u'0');
        };
        if (j - i == 16) {
            commands << QStringLiteral("vm+%1xx=0").arg(hex(high, 2));
        } else {
            for (qsizetype k = i; k < j; ++k)
                commands << QStringLiteral("vm+%1x=0").arg(hex(runs.at(k), 3));
        }
        i = j;
    }
    return commands;
}

const PanelPageForm *erasablePage(QStringView page)
{
    // The pages whose grid an event-list file fills; the bridged panel's
    // zone list has an erase of its own.
    const PanelPageForm *f = formOfPage(page);
    if (f && *f->grid && *f->fileEdit && qstrcmp(f->tab, "TSCentralAguilera") != 0)
        return f;
    return nullptr;
}

bool hexaKeyAccepted(QChar key, bool backspace)
{
    return backspace || isHexDigit(key);
}

QString padAddress(const QString &text)
{
    return text.size() == 1 ? QStringLiteral("0") + text : text;
}

QString baudTooltip(int baudExample)
{
    return QCoreApplication::translate("PanelPage", "BaudRate,paritat (por ejemplo %1,e)")
        .arg(baudExample);
}

#undef CAP

} // namespace velmar::panels
