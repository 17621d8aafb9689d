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

    // One tick; returns true when a lamp is to be drawn differently: it went
    // off, or its hold was set since the last tick by traffic that lit no
    // lamp itself (the panel-side lamps).
    bool tick()
    {
        bool changed = false;
        int *holds[] = {&m_state.tempsTX, &m_state.tempsRX, &m_state.tempsTXAgui, &m_state.tempsRXAgui};
        for (int i = 0; i < 4; ++i) {
            if (*holds[i] > 0)
                --*holds[i];
            const bool on = *holds[i] > 0;
            if (on != m_shown[i]) {
                m_shown[i] = on;
                changed = true;
            }
        }
        return changed;
    }
    bool txOn() const { return m_state.tempsTX > 0; }
    bool rxOn() const { return m_state.tempsRX > 0; }
    bool txAguiOn() const { return m_state.tempsTXAgui > 0; }
    bool rxAguiOn() const { return m_state.tempsRXAgui > 0; }

private:
    LinkState &m_state;
    bool m_shown[4] = {false, false, false, false};
};

} // namespace velmar
