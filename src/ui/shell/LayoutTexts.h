#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

namespace velmar::ui {

// The texts of a window's layout (captions, hints, headings, list items),
// each kept as the code that sets it. A language change runs them all again
// on the existing controls: the window is re-read in the new language, not
// built again, so whatever the user typed stays. The window calls
// retranslate() from its changeEvent(QEvent::LanguageChange).
class LayoutTexts {
public:
    using Text = std::function<QString()>;

    // Runs `apply` now and at every retranslate() while `control` lives.
    void add(QObject *control, std::function<void()> apply);

    // The caption of a label, button, check box, action or group box.
    template <typename W>
    W *text(W *w, Text t)
    {
        add(w, [w, t] { setCaption(w, t()); });
        return w;
    }
    // The hint of a control or action.
    template <typename W>
    W *tip(W *w, Text t)
    {
        add(w, [w, t] { w->setToolTip(t()); });
        return w;
    }
    // A new label with a layout text.
    QLabel *label(QWidget *parent, Text t);

    void retranslate();

private:
    static void setCaption(QLabel *w, const QString &s) { w->setText(s); }
    static void setCaption(QAbstractButton *w, const QString &s) { w->setText(s); }
    static void setCaption(QAction *w, const QString &s) { w->setText(s); }
    static void setCaption(QGroupBox *w, const QString &s) { w->setTitle(s); }
    static void setCaption(QMenu *w, const QString &s) { w->setTitle(s); }

    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_items;
};

} // namespace velmar::ui
