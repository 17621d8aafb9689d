#pragma once

#include "core/link/LinkState.h"

namespace velmar {

// The TX and RX lamps of the link: lit by traffic (which sets tempsTX /
// tempsRX), switched off by the 100 ms supervision tick when their hold runs out.
class TrafficLamps {
public:
    explicit TrafficLamps(LinkState &state) : m_state(state) {}

    // One tick; returns true when a lamp changed.
    bool tick()
    {
        const bool tx = txOn(), rx = rxOn();
        if (m_state.tempsTX > 0)
            --m_state.tempsTX;
        if (m_state.tempsRX > 0)
            --m_state.tempsRX;
        return tx != txOn() || rx != rxOn();
    }
    bool txOn() const { return m_state.tempsTX > 0; }
    bool rxOn() const { return m_state.tempsRX > 0; }

private:
    LinkState &m_state;
};

} // namespace velmar
