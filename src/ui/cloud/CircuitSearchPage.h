#pragma once

#include "core/cloud/CircuitSearch.h"
#include "ui/shell/LayoutTexts.h"

#include <QWidget>

class QFrame;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace velmar::ui {

// PLlistatCircuits: the circuit search page. The site edits and "BUSCAR",
// the key panel, and the module list whose link cells open a module over
// the broker (or show its stored state). The steps are the core's; this
// page shows what they decide and hands them the user's clicks.
class CircuitSearchPage : public QWidget {
    Q_OBJECT
public:
    explicit CircuitSearchPage(CircuitSearch &search, QWidget *parent = nullptr);

    QTableWidget *grid() const { return m_grid; }

    void BBLlistatBuscaClick();
    void BBAcceptarPasswordClick();
    // A double click on data row `row` (0 for the first module).
    void SGLListatCircuitsDblClick(int row, int column);

    // The link cell's picture for a state text (tests look at it).
    static QIcon linkIcon(const QString &text, bool ethernet);

signals:
    // The page wants to be in front (a list is being made).
    void wanted();

protected:
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void InicialitzaSGLlistatCircuits();
    void fill();
    void placeSortButton(int column);
    void showKeyPanel(bool shown);

    CircuitSearch &m_search;
    LayoutTexts m_texts;
    QLineEdit *m_empresa;
    QLineEdit *m_instal;
    QLineEdit *m_ref;
    QFrame *m_keyPanel;
    QLineEdit *m_key;
    QToolButton *m_showKey;
    QTableWidget *m_grid;
    QToolButton *m_sort;
};

} // namespace velmar::ui
