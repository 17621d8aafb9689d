#pragma once

#include "core/history/EventHistory.h"
#include "ui/shell/LayoutTexts.h"

#include <QWidget>

class QPushButton;
class QTableView;
class QToolButton;

namespace velmar::ui {

class DatePicker;

// PEvents: the "Registro" page. The module's events as the core read them
// (newest first), the date they start from, and the export buttons.
class HistoryPage : public QWidget {
    Q_OBJECT
public:
    explicit HistoryPage(EventHistory &history, QWidget *parent = nullptr);

    QTableView *grid() const { return m_grid; }
    DatePicker *datePicker() const { return m_date; }
    // The busy cursor while a read or an export runs (counted: both may).
    void holdCursor(bool held);
    // The export buttons wait while an export is written.
    void setExporting(bool exporting);
    ~HistoryPage() override;

signals:
    void exportWanted(bool spreadsheet); // false: CSV

protected:
    void changeEvent(QEvent *e) override;

private:
    EventHistory &m_history;
    LayoutTexts m_texts;
    DatePicker *m_date;
    QTableView *m_grid;
    QList<QPushButton *> m_exports;
    int m_cursorHolds = 0;
};

} // namespace velmar::ui
