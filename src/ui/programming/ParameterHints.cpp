#include "ui/programming/ParameterHints.h"

#include "core/params/FieldModel.h"
#include "ui/editor/GridEditor.h"
#include "ui/shell/LayoutTexts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>

namespace velmar::ui {

namespace {

// Parameter numbers start at 100: lower tags are the hint numbers of
// controls that no parameter backs.
constexpr int kFirstParameter = 100;

QString tr(const char *text)
{
    return QCoreApplication::translate("velmar::ui::ParameterHints", text);
}

// A caption without the colon and blanks that end a label.
QString bare(QString text)
{
    text = text.trimmed();
    while (text.endsWith(u':'))
        text.chop(1);
    return text.remove(u'&').trimmed();
}

QString sectionOf(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (auto *g = qobject_cast<const QGroupBox *>(p); g && !g->title().isEmpty())
            return bare(g->title());
    return {};
}

QString captionOf(const QWidget *w)
{
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return bare(b->text());
    if (!w->parentWidget())
        return {};
    // A form's row label, or a label that names the control as its buddy.
    if (auto *form = qobject_cast<const QFormLayout *>(w->parentWidget()->layout()))
        if (auto *label = qobject_cast<const QLabel *>(form->labelForField(const_cast<QWidget *>(w))))
            return bare(label->text());
    for (const QLabel *label : w->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == w)
            return bare(label->text());
    return {};
}

} // namespace

QString parameterHint(const QString &section, const QString &caption, int number, bool fromNumber)
{
    QStringList lines;
    if (!section.isEmpty())
        lines << section;
    if (!caption.isEmpty() && caption != section)
        lines << caption;
    static const char *const one = QT_TRANSLATE_NOOP("velmar::ui::ParameterHints", "Parámetro : ");
    static const char *const from = QT_TRANSLATE_NOOP("velmar::ui::ParameterHints", "Parámetro : a partir de ");
    lines << tr(fromNumber ? from : one) + QString::number(number);
    return lines.join(u'\n');
}

void InicialitzaHint(QWidget *root, const FieldModel &fields, LayoutTexts &texts)
{
    for (QWidget *w : root->findChildren<QWidget *>()) {
        int number = 0;
        bool grid = false;
        if (auto *g = qobject_cast<GridEditor *>(w)) {
            number = g->grid().Tag;
            grid = true;
        } else if (const BoundField *f = fields.field(w->objectName())) {
            number = f->Tag;
        }
        if (number < kFirstParameter)
            continue;
        QPointer<QWidget> target(w);
        // A control with a hint of its own keeps it (set again before this
        // at each language change) and gets the parameter line under it.
        const bool own = !w->toolTip().isEmpty();
        texts.add(w, [target, number, grid, own] {
            if (!target)
                return;
            if (own)
                target->setToolTip(target->toolTip() + u'\n' + parameterHint({}, {}, number, grid));
            else
                target->setToolTip(parameterHint(sectionOf(target), grid ? QString() : captionOf(target), number, grid));
        });
    }
}

} // namespace velmar::ui
