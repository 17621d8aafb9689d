// The door buttons' share of the engine's wiring; kept apart from Engine.cpp.
#include "core/shell/Engine.h"

namespace velmar {

void Engine::wireDoors()
{
    connect(&interpreter, &InfoInterpreter::doorButtonNames, &doors, &DoorButtons::setNames);
    connect(&status, &ModuleStatus::doorChanged, &doors, &DoorButtons::setDoor);
    connect(&fields, &FieldModel::disconnectedReset, &doors, &DoorButtons::reset);
    // Saved users may see other buttons: laid out again at the next identification.
    connect(&doorLists, &DoorLists::doorViewReset, &doors, &DoorButtons::reset);
    history.setButtonNames([this] { return doors.names(); });
}

} // namespace velmar
