#include "ui/programming/FieldBinder.h"

#include "ui/shell/LayoutTexts.h"

#include "core/editor/AddressCheck.h"
#include "ui/editor/FieldColours.h"
#include "ui/editor/GridEditor.h"
#include "ui/shell/MessageDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSet>

namespace velmar::ui {

namespace {
// The items of check lists and lists are the field model's texts.
QString itemText(const QString &source)
{
    return QCoreApplication::translate("FieldModel", source.toUtf8().constData());
}
} // namespace

using namespace velmar::editor;

namespace {

const char *const kFilterProperty = "velmarEditFilter";
constexpr int kMinimumAccessCode = 4;

bool isIpBox(const QString &name)
{
    static const QSet<QString> boxes = {
        QStringLiteral("EConfigADSLIP"), QStringLiteral("EConfigADSLGateway"),
        QStringLiteral("EConfigADSLSubMask"), QStringLiteral("EConfigADSLDNS"),
        QStringLiteral("EConfigADSLDNS2"),
    };
    return boxes.contains(name);
}

bool isEmailBox(const QString &name)
{
    static const QSet<QString> boxes = {
        QStringLiteral("EEmail1"), QStringLiteral("EEmail2"), QStringLiteral("EEmail3"),
        QStringLiteral("EEmail4"),
    };
    return boxes.contains(name);
}

void paintBase(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Button, colour);
    w->setPalette(p);
}

} // namespace

FieldBinder::FieldBinder(FieldModel &fields, ContextFn context, QObject *parent)
    : QObject(parent), m_fields(fields), m_context(std::move(context))
{
}

bool FieldBinder::bindEdit(QLineEdit *edit)
{
    EditField *f = m_fields.edit(edit->objectName());
    if (!f)
        return false;
    if (f->password)
        edit->setEchoMode(QLineEdit::Password);
    edit->setProperty(kFilterProperty, int(editFilterOf(edit->objectName())));
    edit->installEventFilter(this);

    auto show = [edit, f] {
        // setText emits no textEdited: a value from the model marks nothing.
        if (edit->text() != f->text())
            edit->setText(f->text());
        edit->setReadOnly(f->readOnly());
        edit->setEnabled(f->enabled());
        paintBase(edit, fieldColour(f->colour(), QApplication::palette()));
    };
    connect(f, &BoundField::changed, edit, show);
    show();
    connect(edit, &QLineEdit::textEdited, this, [this, f](const QString &text) {
        f->setTextByUser(text);
        m_fields.EditChange(f, context());
    });
    return true;
}

bool FieldBinder::bindCheckBox(QCheckBox *box, QWidget *indicator)
{
    CheckBoxField *f = m_fields.checkBox(box->objectName());
    if (!f)
        return false;
    if (indicator)
        indicator->setAutoFillBackground(true);
    auto show = [box, indicator, f] {
        box->setChecked(f->checked());
        box->setEnabled(f->enabled());
        if (indicator) {
            QPalette p = indicator->palette();
            p.setColor(QPalette::Window, fieldColour(f->colour(), QApplication::palette()));
            indicator->setPalette(p);
        }
    };
    connect(f, &BoundField::changed, box, show);
    show();
    connect(box, &QCheckBox::clicked, this, [this, f, show](bool on) {
        f->setCheckedByUser(on);
        m_fields.CheckBoxClick(f, context());
        show(); // a click taken back shows the box unticked again
    });
    return true;
}

bool FieldBinder::bindCheckList(QListWidget *list)
{
    CheckListField *f = m_fields.checkList(list->objectName());
    if (!f)
        return false;
    list->clear();
    for (int i = 0; i < f->items().size(); ++i) {
        auto *item = new QListWidgetItem(list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    QPalette p = list->palette();
    p.setColor(QPalette::Highlight, lightBlueColour());
    p.setColor(QPalette::HighlightedText, Qt::black);
    list->setPalette(p);

    auto syncing = std::make_shared<bool>(false);
    // The items' texts in the language of the moment; a new text is no click.
    auto texts = [list, f, syncing] {
        *syncing = true;
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setText(itemText(f->items().at(i)));
        *syncing = false;
    };
    if (m_texts)
        m_texts->add(list, texts);
    else
        texts();
    auto show = [list, f, syncing] {
        *syncing = true;
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setCheckState(f->isChecked(i) ? Qt::Checked : Qt::Unchecked);
        list->setEnabled(f->enabled());
        paintBase(list, fieldColour(f->colour(), QApplication::palette()));
        *syncing = false;
    };
    connect(f, &BoundField::changed, list, show);
    show();
    connect(list, &QListWidget::itemChanged, this, [this, list, f, syncing](QListWidgetItem *item) {
        if (*syncing)
            return;
        f->setCheckedByUser(list->row(item), item->checkState() == Qt::Checked);
        m_fields.CLBPartsActivesClick(context());
    });
    return true;
}

bool FieldBinder::bindComboBox(QComboBox *combo)
{
    ComboBoxField *f = m_fields.comboBox(combo->objectName());
    if (!f)
        return false;
    combo->clear();
    combo->addItems(f->items());
    auto texts = [combo, f] {
        for (int i = 0; i < combo->count(); ++i)
            combo->setItemText(i, itemText(f->items().at(i)));
    };
    if (m_texts)
        m_texts->add(combo, texts);
    else
        texts();
    auto show = [combo, f] {
        if (combo->currentIndex() != f->currentIndex())
            combo->setCurrentIndex(f->currentIndex());
        combo->setEnabled(f->enabled());
        paintBase(combo, fieldColour(f->colour(), QApplication::palette()));
    };
    connect(f, &BoundField::changed, combo, show);
    show();
    connect(combo, &QComboBox::activated, this, [this, f](int index) {
        f->setCurrentIndexByUser(index);
        m_fields.CBHoraChange();
    });
    return true;
}

QString FieldBinder::exitMessage(const QLineEdit *edit) const
{
    const QString name = edit->objectName();
    const QString text = edit->text();
    if (isIpBox(name) && ipRejected(text))
        return tr("Esta dirección IP no es válida\rPor favor, entre una dirección correcta");
    if (isEmailBox(name) && emailRejected(text))
        return tr("Esta dirección e-mail no es válida\rPor favor, entre una dirección correcta");
    if (name == u"ECodiProg" && !text.isEmpty() && text.size() < kMinimumAccessCode)
        return tr("\r\nCódigo de programación demasiado corto. Mínimo 4 caracteres\r\n");
    return QString();
}

void FieldBinder::leftBox(QLineEdit *edit)
{
    const QString message = exitMessage(edit);
    if (message.isEmpty())
        return;
    const QString button = edit->objectName() == u"ECodiProg" ? tr("    Cerrar   ")
                                                               : tr("    Aceptar   ");
    QPointer<QLineEdit> guard(edit);
    ElMeuMessageDlg(tr("¡ ATENCIÓN !"), message, DlgType::Warning, {button}, QMessageBox::Ok,
                    edit->window());
    // The text stays for the user to correct it.
    if (guard)
        guard->setFocus(Qt::OtherFocusReason);
}

bool FieldBinder::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto filter = EditFilter(edit->property(kFilterProperty).toInt());
        Key key;
        if (filter != EditFilter::None && keyFromEvent(static_cast<QKeyEvent *>(event), key)
            && !editAccepts(filter, key)) {
            event->accept();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Leaving for another window or a menu is not leaving the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && !exitMessage(edit).isEmpty()) {
            QPointer<QLineEdit> guard(edit);
            QMetaObject::invokeMethod(this, [this, guard] {
                if (guard)
                    leftBox(guard);
            }, Qt::QueuedConnection);
        }
    }
    return false;
}

} // namespace velmar::ui
