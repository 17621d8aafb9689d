#pragma once

#include "core/panels/EventDecoders.h"
#include "core/panels/StatusDecoders.h"
#include "ui/panels/PanelFronts.h"
#include "ui/shell/LayoutTexts.h"

#include <QHash>

#include <QFrame>

class QLabel;
class QPushButton;
class QTextEdit;

namespace velmar::ui {

class BlinkLamp;

// Colours a part of a panel view: its background and text, its buttons' too.
void paintPart(QWidget *w, const QColor &background, const QColor &text = Qt::black);
// Rounded keys, as the panels draw them.
void roundKey(QPushButton *key);

// A panel of lamps framed by a rounded outline in its text colour.
class RoundPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *e) override;
};

// A panel's status view drawn from its front (PanelFronts): lamps follow
// the blink board, indicators and counters the decoded status, the event
// display the decoded lines. Buttons and counters only report clicks.
class PanelView : public QFrame {
    Q_OBJECT
public:
    PanelView(const Front &front, const LampBoard &board, QWidget *parent = nullptr);

    const Front &front() const { return m_front; }
    void applyStatus(const panels::PanelStatus &status);
    void showEvents(const QList<panels::EventLine> &lines, bool replace);
    // The model name identification gave: the front's variant texts.
    void setCentral(const QString &central);
    // Counters to 0, indicators off, display empty: the module is gone.
    void resetFront();
    // Live colours while the panel talks to the module, grey otherwise.
    void setLive(bool live);
    bool live() const { return m_live; }
    QString displayText() const;

public slots:
    void refreshLamps();

signals:
    void orderPressed(const QString &button);
    void kindChosen(const QString &kind);

protected:
    // A new language: title, captions and counters again.
    void changeEvent(QEvent *e) override;

private:
    // A counter's caption: the decoder's own text, else its kind and count.
    QString counterCaption(const FrontItem &counter) const;

    // The front's indicator or counter named so (or whose count is named so).
    const FrontItem *itemOf(const QString &name) const;
    static void paintItem(QWidget *w, const FrontItem *item, bool lit, const QColor &defaultLit,
                          const QColor &defaultLitText);

    const Front &m_front;
    QString m_title;
    LayoutTexts m_texts;
    QHash<QString, QString> m_counts;       // counter name -> count shown
    QHash<QString, QString> m_counterTexts; // counter name -> the decoder's text, if any
    QList<BlinkLamp *> m_lamps;
    QTextEdit *m_display = nullptr;
    bool m_live = false;
};

} // namespace velmar::ui
