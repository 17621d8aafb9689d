#pragma once

#include "core/panels/PanelPages.h"
#include "core/params/FieldModel.h"
#include "ui/shell/LayoutTexts.h"

#include <QList>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;

namespace velmar::ui {

class FieldBinder;
class GridEditor;

// One programming page of a panel (PCentral...), built from its form: the
// title label, the port speed, the bus address and the event-list file
// name, the event grid and the page's other grids, all bound to the field
// model by their control names.
class PanelPage : public QWidget {
    Q_OBJECT
public:
    using ContextFn = std::function<ChangeContext()>;

    PanelPage(const panels::PanelPageForm &form, FieldModel &fields, FieldBinder &binder,
              ContextFn context, LayoutTexts &texts, QWidget *parent = nullptr);

    const panels::PanelPageForm &form() const { return m_form; }
    QLabel *title() const { return m_title; }
    const QList<GridEditor *> &grids() const { return m_grids; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *edit(const char *name, int chars);
    GridEditor *grid(const char *name);
    // The caption, kind, option and code columns keep their widths; the
    // text column takes the rest.
    void applyWidths(GridEditor *events);

    const panels::PanelPageForm &m_form;
    FieldModel &m_fields;
    FieldBinder &m_binder;
    ContextFn m_context;
    LayoutTexts &m_texts; // the programming view's: it re-reads them
    QLabel *m_title = nullptr;
    QLineEdit *m_address = nullptr;
    QList<GridEditor *> m_grids;
};

// The door installation's page (PPortes): button names and times, the
// buttons' output grids and the cloud's phone and user lists.
QWidget *buildDoorPage(FieldModel &fields, FieldBinder &binder, std::function<ChangeContext()> context,
                       QList<GridEditor *> &grids, LayoutTexts &texts);

} // namespace velmar::ui
