#pragma once

namespace velmar {

// A hidden service control: a label counts its clicks and the eleventh one
// reveals something (the counter runs 0 to 10 and starts again). Some
// controls reveal sooner: they count fewer clicks before the revealing one.
class ClickReveal {
public:
    static constexpr int kClicks = 10;

    explicit ClickReveal(int counted = kClicks) : m_counted(counted) {}

    // One click; true when this click reveals.
    bool click()
    {
        if (m_count == m_counted) {
            m_count = 0;
            return true;
        }
        ++m_count;
        return false;
    }
    int count() const { return m_count; }
    // Counting starts again.
    void reset() { m_count = 0; }

private:
    int m_counted;
    int m_count = 0;
};

} // namespace velmar
