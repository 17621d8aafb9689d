#include "ui/panels/PanelPage.h"

#include "core/cloud/DoorLists.h"
#include "core/files/EventTextFile.h"

#include "ui/editor/GridEditor.h"
#include "ui/programming/FieldBinder.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmar::ui {

namespace {

constexpr int kOptionWidth = 40;

void fitChars(QLineEdit *edit, int chars)
{
    const int w = edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 16;
    edit->setMinimumWidth(w);
    edit->setMaximumWidth(w);
}

QLabel *titleLabel(const QString &name, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    l->setFont(f);
    l->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return l;
}

// The suffix that names a page's own controls: TSCentralBC600 -> BC600.
QString suffixOf(const char *tab)
{
    return QString::fromLatin1(tab).mid(int(qstrlen("TSCentral")));
}

} // namespace

PanelPage::PanelPage(const panels::PanelPageForm &form, FieldModel &fields, FieldBinder &binder,
                     ContextFn context, LayoutTexts &texts, QWidget *parent)
    : QWidget(parent), m_form(form), m_fields(fields), m_binder(binder), m_context(std::move(context)), m_texts(texts)
{
    setObjectName(panels::pageOf(QString::fromLatin1(form.tab)));
    const QString suffix = suffixOf(form.tab);

    m_title = titleLabel(QStringLiteral("L") + suffix, this);

    // The link to the panel: port speed and, where the panel has one, the
    // module's address on the panel's bus.
    auto *port = m_texts.text(new QGroupBox(this), [] { return tr("Comunicación con la central"); });
    port->setObjectName(QStringLiteral("GBComunicacio") + suffix);
    auto *portForm = new QFormLayout(port);
    QLineEdit *baud = edit(form.baudEdit, 10);
    m_texts.tip(baud, [example = form.baudExample] { return panels::baudTooltip(example); });
    portForm->addRow(m_texts.label(nullptr, [] { return tr("Velocidad, paridad:"); }), baud);
    if (*form.addressEdit) {
        m_address = edit(form.addressEdit, 3);
        m_address->setMaxLength(2);
        m_texts.tip(m_address, [] { return tr("Dirección del equipo en el bus de la central (hexadecimal)"); });
        m_address->installEventFilter(this);
        portForm->addRow(m_texts.label(nullptr, [] { return tr("Dirección:"); }), m_address);
        if (form.addressHidden) {
            m_address->hide();
            portForm->labelForField(m_address)->hide();
        }
    }

    auto *top = new QHBoxLayout;
    top->addWidget(port);

    // The event-list file and its commands.
    if (*form.fileEdit) {
        // The bridged panel's file is its zone list's.
        const bool zones = qstrcmp(form.tab, "TSCentralAguilera") == 0;
        auto *file = m_texts.text(new QGroupBox(this), [zones] { return zones ? tr("Listado de zonas") : tr("Listado de eventos"); });
        file->setObjectName(QStringLiteral("GBFitxer") + suffix);
        auto *fileRow = new QHBoxLayout(file);
        QLineEdit *name = edit(form.fileEdit, 24);
        name->setReadOnly(true);
        m_texts.tip(name, [zones] {
            return zones ? tr("Nombre del fichero del listado de zonas") : tr("Nombre del fichero del listado de eventos");
        });
        fileRow->addWidget(name);
        const std::pair<const char *, const char *> buttons[] = {
            {"BBImportarFitxer", QT_TR_NOOP("Importar")},
            {"BBExportarFitxer", QT_TR_NOOP("Exportar")},
            {"BBEsborrarFitxer", QT_TR_NOOP("Borrar")},
        };
        for (const auto &[prefix, text] : buttons) {
            auto *b = m_texts.text(new QPushButton(file), [text = text] { return tr(text); });
            b->setObjectName(QLatin1String(prefix) + suffix);
            fileRow->addWidget(b);
            // Some panels' event texts have no erase (ui/files wires the rest).
            if (b->objectName().startsWith(u"BBEsborrar") && !zones && !files::hasEventErase(form))
                b->hide();
        }
        top->addWidget(file);
    }
    top->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addLayout(top);

    auto *grids = new QHBoxLayout;
    if (*form.grid) {
        GridEditor *events = grid(form.grid);
        events->setVisibleRows(18);
        events->setFill(GridEditor::Fill::LastColumn);
        events->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        applyWidths(events);
        connect(&events->grid(), &QAbstractItemModel::modelReset, events, [this, events] { applyWidths(events); });
        grids->addWidget(events, 1);
    }
    for (const char *other : form.otherGrids) {
        GridEditor *g = grid(other);
        if (g->grid().dataRows() == 1) {
            // One cell: the App option of the event list's Contact ID codes.
            g->setVisibleRows(1);
            g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            g->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            g->setFixedWidth(g->sizeHint().width());
            auto *row = new QHBoxLayout;
            row->addWidget(m_texts.label(this, [] { return tr("Envío a la App de los códigos CID:"); }));
            row->addWidget(g);
            row->addStretch();
            layout->addLayout(row);
        } else {
            g->setVisibleRows(18);
            grids->addWidget(g, 0, Qt::AlignTop);
        }
    }
    layout->addLayout(grids, 1);
    if (!*form.grid && form.otherGrids.isEmpty())
        layout->addStretch();
}

QLineEdit *PanelPage::edit(const char *name, int chars)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    fitChars(e, chars);
    m_binder.bindEdit(e);
    return e;
}

GridEditor *PanelPage::grid(const char *name)
{
    auto *g = new GridEditor(*m_fields.grid(QString::fromLatin1(name)), m_fields, m_context, this);
    m_grids << g;
    return g;
}

void PanelPage::applyWidths(GridEditor *events)
{
    QHeaderView *h = events->horizontalHeader();
    const bool kind = m_form.form != panels::EventForm::Captioned;
    int c = 0;
    h->resizeSection(c++, m_form.captionWidth);
    if (kind)
        h->resizeSection(c++, m_form.kindColumnWidth);
    for (int i = 0; i < 3; ++i)
        h->resizeSection(c++, kOptionWidth);
    h->resizeSection(c, m_form.cidColumnWidth);
}

bool PanelPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_address)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        const bool backspace = k->key() == Qt::Key_Backspace;
        const QString text = k->text();
        // Navigation and editing keys without text keep their meaning.
        if (!backspace && text.isEmpty())
            return false;
        if (!panels::hexaKeyAccepted(text.isEmpty() ? QChar() : text.at(0), backspace)) {
            event->accept();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A single digit becomes two, as the user had typed them.
        EditField *f = m_fields.edit(m_address->objectName());
        const QString padded = panels::padAddress(m_address->text());
        if (f && padded != m_address->text()) {
            f->setTextByUser(padded);
            m_fields.EditChange(f, m_context ? m_context() : ChangeContext{});
        }
    }
    return false;
}

QWidget *buildDoorPage(FieldModel &fields, FieldBinder &binder, std::function<ChangeContext()> context,
                       QList<GridEditor *> &grids, LayoutTexts &texts)
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("PPortes"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(texts.text(titleLabel(QStringLiteral("LPortes"), page),
                                 [] { return PanelPage::tr("CONTROL DE ACCESOS"); }));

    auto *buttons = new QGridLayout;
    buttons->addWidget(texts.label(page, [] { return PanelPage::tr("Nombre"); }), 0, 1);
    buttons->addWidget(texts.label(page, [] { return PanelPage::tr("T. apertura"); }), 0, 2);
    buttons->addWidget(texts.label(page, [] { return PanelPage::tr("T. abierta"); }), 0, 3);
    buttons->addWidget(texts.label(page, [] { return PanelPage::tr("T. cierre"); }), 0, 4);
    for (int b = 1; b <= 4; ++b) {
        buttons->addWidget(texts.label(page, [b] { return PanelPage::tr("Botón %1").arg(b); }), b, 0);
        int column = 1;
        for (const char *box : {"EAliesB", "ETActivantB", "ETActivatB", "ETDesactivantB"}) {
            auto *e = new QLineEdit(page);
            e->setObjectName(QLatin1String(box) + QString::number(b));
            fitChars(e, column == 1 ? 16 : 5);
            binder.bindEdit(e);
            buttons->addWidget(e, b, column++);
        }
    }
    auto *top = new QHBoxLayout;
    auto *named = texts.text(new QGroupBox(page), [] { return PanelPage::tr("Botones"); });
    named->setObjectName(QStringLiteral("GBBotons"));
    named->setLayout(buttons);
    top->addWidget(named);
    top->addStretch();
    layout->addLayout(top);

    auto *functions = texts.text(new QGroupBox(page), [] { return PanelPage::tr("Salidas de cada botón"); });
    functions->setObjectName(QStringLiteral("GBBotonsSortides"));
    auto *fnLayout = new QHBoxLayout(functions);
    auto gridOf = [&](const char *name, QWidget *parent) {
        auto *g = new GridEditor(*fields.grid(QString::fromLatin1(name)), fields, context, parent);
        grids << g;
        return g;
    };
    for (int b = 1; b <= 4; ++b) {
        GridEditor *g = gridOf(qPrintable(QStringLiteral("SGBoto%1").arg(b)), functions);
        g->setVisibleRows(4);
        fnLayout->addWidget(g);
    }
    layout->addWidget(functions);

    // Each cloud list with its commands beneath (ui/cloud/DoorListsUi.cpp;
    // the phone list's files: ui/files); save and delete show up as the
    // list is edited.
    using Command = std::pair<const char *, const char *>;
    auto commands = [&](std::initializer_list<Command> left, std::initializer_list<Command> right) {
        auto *row = new QHBoxLayout;
        auto add = [&](const Command &c) {
            auto *b = texts.text(new QPushButton(page), [text = c.second] { return PanelPage::tr(text); });
            b->setObjectName(QLatin1String(c.first));
            row->addWidget(b);
        };
        for (const Command &c : left)
            add(c);
        row->addStretch();
        for (const Command &c : right)
            add(c);
        return row;
    };
    const char *save = QT_TRANSLATE_NOOP("velmar::ui::PanelPage", "Guardar");
    const char *remove = QT_TRANSLATE_NOOP("velmar::ui::PanelPage", "Eliminar");
    auto *lists = new QHBoxLayout;
    for (const char *name : {"SGTelefons", "SGUsuaris"}) {
        GridEditor *g = gridOf(name, page);
        g->setVisibleRows(8);
        g->setFill(GridEditor::Fill::LastColumn);
        auto *column = new QVBoxLayout;
        column->addWidget(g, 1);
        if (qstrcmp(name, "SGTelefons") == 0) {
            column->addLayout(commands(
                {{"BBLlegirTel", QT_TRANSLATE_NOOP("velmar::ui::PanelPage", "Cargar tel.")},
                 {"BBGuardarTel", save},
                 {"BBEliminarTel", remove}},
                {{"BBImportarTel", QT_TRANSLATE_NOOP("velmar::ui::PanelPage", "Importar")},
                 {"BBExportarTel", QT_TRANSLATE_NOOP("velmar::ui::PanelPage", "Exportar")}}));
        } else {
            // The last column holds the user key the writes go to.
            g->setColumnHidden(doorlists::kUserKeyColumn, true);
            QObject::connect(&g->grid(), &QAbstractItemModel::modelReset, g,
                             [g] { g->setColumnHidden(doorlists::kUserKeyColumn, true); });
            column->addLayout(commands({{"BBLlegirUsuaris", QT_TRANSLATE_NOOP("velmar::ui::PanelPage", "Cargar usuario")},
                                        {"BbGuardarUsuaris", save},
                                        {"BBEliminarUsuaris", remove}},
                                       {}));
        }
        lists->addLayout(column, 1);
    }
    layout->addLayout(lists);
    layout->addStretch();
    return page;
}

} // namespace velmar::ui
