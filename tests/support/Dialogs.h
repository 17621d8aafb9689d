#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTimer>

#include <gtest/gtest.h>

namespace velmar::test {

// The application's style, with the button order of dialog button boxes
// forced to one desktop's (Gnome puts "No" before "Yes", KDE and Windows
// after it, ...) for as long as it lives. Boxes built meanwhile take it.
class ForcedButtonLayout {
public:
    explicit ForcedButtonLayout(QDialogButtonBox::ButtonLayout layout)
        : m_previous(QApplication::style()->name())
    {
        QApplication::setStyle(new Style(QStyleFactory::create(m_previous), layout));
    }
    ~ForcedButtonLayout() { QApplication::setStyle(m_previous); }
    ForcedButtonLayout(const ForcedButtonLayout &) = delete;
    ForcedButtonLayout &operator=(const ForcedButtonLayout &) = delete;

private:
    class Style : public QProxyStyle {
    public:
        Style(QStyle *base, QDialogButtonBox::ButtonLayout layout) : QProxyStyle(base), m_layout(layout) {}
        int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                      QStyleHintReturn *returnData) const override
        {
            if (hint == SH_DialogButtonLayout)
                return m_layout;
            return QProxyStyle::styleHint(hint, option, widget, returnData);
        }

    private:
        QDialogButtonBox::ButtonLayout m_layout;
    };

    QString m_previous;
};

// Answers the next message box by pressing the button that carries
// `caption` once the box is up; a box without such a button is a failure
// and is closed as cancelled.
inline void answerWith(const QString &caption, int afterMs = 100)
{
    QTimer::singleShot(afterMs, [caption] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no box to answer with " << caption.toStdString();
        for (QAbstractButton *b : box->buttons())
            if (b->text() == caption)
                return b->click();
        ADD_FAILURE() << "no button captioned " << caption.toStdString();
        box->done(QMessageBox::Cancel);
    });
}

} // namespace velmar::test
