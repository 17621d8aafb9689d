#pragma once

namespace velmar {

// A hidden service control: a label counts its clicks and the eleventh one
// reveals something (the counter runs 0 to 10 and starts again).
class ClickReveal {
public:
    static constexpr int kClicks = 10;

    // One click; true when this click reveals.
    bool click()
    {
        if (m_count == kClicks) {
            m_count = 0;
            return true;
        }
        ++m_count;
        return false;
    }
    int count() const { return m_count; }

private:
    int m_count = 0;
};

} // namespace velmar
