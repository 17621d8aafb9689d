#pragma once

#include "core/panels/PanelPages.h"

#include <QObject>

namespace velmar {

class CommandChannel;
class FieldModel;
class ProgrammingState;
class Scheduler;
class WriteCycle;
struct LinkState;

// The delete-all actions that empty a list in the module: a panel page's
// event texts, the bridged panel's zone list and the operator list. Each
// asks first and does nothing without a module found or while the program
// works on the module.
class ListErase : public QObject {
    Q_OBJECT
public:
    ListErase(LinkState &state, CommandChannel &channel, Scheduler &scheduler, FieldModel &fields,
              ProgrammingState &view, WriteCycle &writer, QObject *parent = nullptr);

    // "Borrar" of a panel page: the page's event-text erase commands, then
    // the page's grid and file name cleared.
    void eraseEvents(const panels::PanelPageForm &form);
    // BBEsborraZonesClick: the zone file name and every zone block, 300 ms
    // apart; then the zone grid and EImportarFitxer cleared.
    void BBEsborraZonesClick();
    // BBEsborraOperadoresClick: the operator grid emptied and written.
    void BBEsborraOperadoresClick();

private:
    bool allowed() const;
    bool confirmed(const QString &text) const;

    LinkState &m_state;
    CommandChannel &m_channel;
    Scheduler &m_scheduler;
    FieldModel &m_fields;
    ProgrammingState &m_view;
    WriteCycle &m_writer;
};

} // namespace velmar
