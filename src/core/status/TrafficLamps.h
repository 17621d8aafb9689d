#pragma once

#include "core/link/LinkState.h"

namespace velmar {

// The traffic lamps: TX and RX of the link, and TX and RX of the module's
// link to its panel. Traffic lights them by setting their hold counters
// (tempsTX, tempsRX, tempsTXAgui, tempsRXAgui); the 100 ms supervision tick
// counts the holds down and a lamp goes off when its hold runs out.
class TrafficLamps {
public:
    explicit TrafficLamps(LinkState &state) : m_state(state) {}

    // One tick; returns true when a lamp went off.
    bool tick()
    {
        bool changed = false;
        for (int *hold : {&m_state.tempsTX, &m_state.tempsRX, &m_state.tempsTXAgui, &m_state.tempsRXAgui}) {
            if (*hold > 0 && --*hold == 0)
                changed = true;
        }
        return changed;
    }
    bool txOn() const { return m_state.tempsTX > 0; }
    bool rxOn() const { return m_state.tempsRX > 0; }
    bool txAguiOn() const { return m_state.tempsTXAgui > 0; }
    bool rxAguiOn() const { return m_state.tempsRXAgui > 0; }

private:
    LinkState &m_state;
};

} // namespace velmar
