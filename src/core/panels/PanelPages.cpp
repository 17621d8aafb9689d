#include "core/panels/PanelPages.h"

#include "core/params/FieldModel.h"
#include "core/params/GridModel.h"

#include <QCoreApplication>
#include <QSet>

namespace velmar::panels {

namespace {

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
    QT_TRANSLATE_NOOP("FieldModel", "Alarma"), QT_TRANSLATE_NOOP("FieldModel", " Avería"), QT_TRANSLATE_NOOP("FieldModel", " Desconexión"), QT_TRANSLATE_NOOP("FieldModel", " Prueba"),
    QT_TRANSLATE_NOOP("FieldModel", " Comunicación con la Central"), QT_TRANSLATE_NOOP("FieldModel", " Perdida tensión 230V"),
    QT_TRANSLATE_NOOP("FieldModel", " Fallo Alimentación principal"), QT_TRANSLATE_NOOP("FieldModel", " Batería baja"), QT_TRANSLATE_NOOP("FieldModel", " Fallo de tierra"),
};

const char *const kCofem[] = {
    QT_TRANSLATE_NOOP("FieldModel", " Alarma pulsador"), QT_TRANSLATE_NOOP("FieldModel", " Alarma detector"), QT_TRANSLATE_NOOP("FieldModel", " Avería línea Abierta"),
    QT_TRANSLATE_NOOP("FieldModel", " Avería línea Cruzada"), QT_TRANSLATE_NOOP("FieldModel", " Punto Anulado"), QT_TRANSLATE_NOOP("FieldModel", " Punto en pruebas"),
    QT_TRANSLATE_NOOP("FieldModel", " Alarma Pulsador Prueba"), QT_TRANSLATE_NOOP("FieldModel", " Alarma Detector Prueba"), QT_TRANSLATE_NOOP("FieldModel", " Relé Anulado"),
    QT_TRANSLATE_NOOP("FieldModel", " Relé Avería línea Abierta"), QT_TRANSLATE_NOOP("FieldModel", " Relé Avería línea Cruzada"), QT_TRANSLATE_NOOP("FieldModel", " Relé Avería 24V"),
    QT_TRANSLATE_NOOP("FieldModel", " Relé Prealarma"), QT_TRANSLATE_NOOP("FieldModel", " Relé Disparo"), QT_TRANSLATE_NOOP("FieldModel", "Relé Aborto"),
    QT_TRANSLATE_NOOP("FieldModel", " Relé Sirena 1 avería línea Abierta"), QT_TRANSLATE_NOOP("FieldModel", " Relé Sirena 1 avería línea Cruzada"),
    QT_TRANSLATE_NOOP("FieldModel", " Relé Sirena 1 disparo"), QT_TRANSLATE_NOOP("FieldModel", " Relé Sirena 2 avería línea Abierta"),
    QT_TRANSLATE_NOOP("FieldModel", " Relé Sirena 2 avería línea Cruzada"), QT_TRANSLATE_NOOP("FieldModel", " Relé Sirena 2 disparo"),
    QT_TRANSLATE_NOOP("FieldModel", " Relé Avería General línea Abierta"), QT_TRANSLATE_NOOP("FieldModel", " Relé Avería General línea Cruzada"),
    QT_TRANSLATE_NOOP("FieldModel", " Relé Avería General disparo"), QT_TRANSLATE_NOOP("FieldModel", " Fuente aliment. Avería cargador"),
    QT_TRANSLATE_NOOP("FieldModel", " Fuente aliment. Avería batería descargada"), QT_TRANSLATE_NOOP("FieldModel", " Fuente aliment. Avería sin red"),
    QT_TRANSLATE_NOOP("FieldModel", " Fuente aliment. Avería 30V"), QT_TRANSLATE_NOOP("FieldModel", " Avería batería descargada"),
};

const char *const kUrano[] = {
    QT_TRANSLATE_NOOP("FieldModel", " Alarma pulsador"), QT_TRANSLATE_NOOP("FieldModel", " Alarma detector"), QT_TRANSLATE_NOOP("FieldModel", " Fallo circuito abierto"),
    QT_TRANSLATE_NOOP("FieldModel", " Fallo cortocircuito"), QT_TRANSLATE_NOOP("FieldModel", " Zona anulada"), QT_TRANSLATE_NOOP("FieldModel", " Zona en pruebas"),
    QT_TRANSLATE_NOOP("FieldModel", " Avería cargador baterías"), QT_TRANSLATE_NOOP("FieldModel", " Avería fallo de baterías"),
    QT_TRANSLATE_NOOP("FieldModel", " Avería de la central fallo 220V"),
};
const char *const kUranoRow10 = QT_TRANSLATE_NOOP("FieldModel", " Sirenas fallo/anuladas");
const char *const kKomttechRow10 = QT_TRANSLATE_NOOP("FieldModel", " Av. sirenas anuladas");

const char *const kZafir[] = {
    QT_TRANSLATE_NOOP("FieldModel", "Alarma sensor"), QT_TRANSLATE_NOOP("FieldModel", "Alarma técnica"), QT_TRANSLATE_NOOP("FieldModel", "Alarma detector Esclavo"),
    QT_TRANSLATE_NOOP("FieldModel", "Alarma temperatura"), QT_TRANSLATE_NOOP("FieldModel", "Alarma humo"), QT_TRANSLATE_NOOP("FieldModel", "Alarma pulsador Esclavo"),
    QT_TRANSLATE_NOOP("FieldModel", "Alarma pulsador (Call Point)"), QT_TRANSLATE_NOOP("FieldModel", "Alarma pulsador Exterior"),
    QT_TRANSLATE_NOOP("FieldModel", "Alarma prueba incendio"), QT_TRANSLATE_NOOP("FieldModel", "Alarma prueba no configurado"),
    QT_TRANSLATE_NOOP("FieldModel", "Avería comunicación repetidora"), QT_TRANSLATE_NOOP("FieldModel", "Avería comunicación central"),
    QT_TRANSLATE_NOOP("FieldModel", "Avería comunicación controladora"), QT_TRANSLATE_NOOP("FieldModel", "Avería comunicación Módulo 'Remote'"),
    QT_TRANSLATE_NOOP("FieldModel", "Avería comunicación Módulo CID"), QT_TRANSLATE_NOOP("FieldModel", "Avería comunicación Módulo Red2"),
    QT_TRANSLATE_NOOP("FieldModel", "Avería cargador baterías"), QT_TRANSLATE_NOOP("FieldModel", "Avería batería averiada"), QT_TRANSLATE_NOOP("FieldModel", "Avería sin batería"),
    QT_TRANSLATE_NOOP("FieldModel", "Avería batería descargada"), QT_TRANSLATE_NOOP("FieldModel", "Avería batería sobrecargada"),
    QT_TRANSLATE_NOOP("FieldModel", "Avería baja tensión"), QT_TRANSLATE_NOOP("FieldModel", "Avería sobretensión"), QT_TRANSLATE_NOOP("FieldModel", "Avería no alimentación"),
    QT_TRANSLATE_NOOP("FieldModel", "Avería salida 30v"), QT_TRANSLATE_NOOP("FieldModel", "Avería bucle cortocircuito"), QT_TRANSLATE_NOOP("FieldModel", "Avería sensor"),
    QT_TRANSLATE_NOOP("FieldModel", "Avería suciedad"), QT_TRANSLATE_NOOP("FieldModel", "Avería bucle abierto"), QT_TRANSLATE_NOOP("FieldModel", "Avería consumo bucle"),
    QT_TRANSLATE_NOOP("FieldModel", "Avería punto no contesta"), QT_TRANSLATE_NOOP("FieldModel", "Avería KMAY cortocircuito"),
    QT_TRANSLATE_NOOP("FieldModel", "Avería KMAY circuito abierto"), QT_TRANSLATE_NOOP("FieldModel", "Avería MSTAY cortocircuito"),
    QT_TRANSLATE_NOOP("FieldModel", "Avería MSTAY circuito abierto"), QT_TRANSLATE_NOOP("FieldModel", "Avería técnica"), QT_TRANSLATE_NOOP("FieldModel", "Avería Relé linea abierta"),
    QT_TRANSLATE_NOOP("FieldModel", "Avería Relé cortocircuito"), QT_TRANSLATE_NOOP("FieldModel", "Avería Relé no activo"), QT_TRANSLATE_NOOP("FieldModel", "Avería Relé 24V"),
    QT_TRANSLATE_NOOP("FieldModel", " Punto Anulado"), QT_TRANSLATE_NOOP("FieldModel", " Zona anulada"),
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
    for (const char *h : {QT_TRANSLATE_NOOP("FieldModel", "App"), QT_TRANSLATE_NOOP("FieldModel", "SMS"), QT_TRANSLATE_NOOP("FieldModel", "EMail"), QT_TRANSLATE_NOOP("FieldModel", "Código CID"),
                          QT_TRANSLATE_NOOP("FieldModel", "Texto del mensaje")})
        notice << QString::fromUtf8(h);
    const QString kind = QString::fromUtf8(QT_TRANSLATE_NOOP("FieldModel", "Tipo evento"));
    switch (form.form) {
    case EventForm::Captioned:
        return QStringList{QString()} + notice;
    case EventForm::Numbered:
        return QStringList{QString::fromUtf8(QT_TRANSLATE_NOOP("FieldModel", "N.")), kind} + notice;
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

} // namespace velmar::panels
