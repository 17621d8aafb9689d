#pragma once

#include "core/status/StatusBarLook.h"

#include <QLabel>

class QProgressBar;

namespace velmar {
class Engine;
}

namespace velmar::ui {

class Lamp;

// One of the three owner-drawn panels of the status bar SBEstat
// (SBEstatDrawPanel): 0 the link, 1 the progress (it holds PBEstat), 2 the
// module's link to its panel (with ComLedRXAgui and ComLedTXAgui).
// The text stays the label's own; colours and icons follow the states.
class StatusBarPanel : public QLabel {
    Q_OBJECT
public:
    StatusBarPanel(int index, Engine &engine, QWidget *parent = nullptr);

    int index() const { return m_index; }
    // What the panel draws now.
    StatusBarPanelLook look() const;

    // A message followed by a detail that may be long (a port's name).
    void showMessage(const QString &message, const QString &detail);
    // The text as drawn.
    QString shownText() const;
    // The font the text is drawn in.
    QFont textFont() const;

    // Panel 2: the text again from the panel-link state and the panel model.
    void refresh();
    // Panel 1: the progress bar sits inside it, 200 pixels from its start.
    void holdProgress(QProgressBar *progress);

    // Draws one of the status bar's icons (the program's own pictures).
    static void drawIcon(QPainter &p, const QRect &r, StatusIcon icon);

signals:
    // Side effects of showing the panel link (panel 2).
    void aguileraAlarmViewRequested();
    void jadeBirdOnline();

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;

private:
    void placeChildren();
    // A text as it fits the panel.
    QString fitted(const QString &full) const;
    // The whole text as the tooltip while it is drawn shortened.
    void syncToolTip();
    void trafficLamps();

    int m_index;
    Engine &m_engine;
    Lamp *m_rxAgui = nullptr;
    Lamp *m_txAgui = nullptr;
    QProgressBar *m_progress = nullptr;
    QString m_message; // kept whole by shownText() while the text begins with it
};

} // namespace velmar::ui
