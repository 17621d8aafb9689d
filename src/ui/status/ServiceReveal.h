#pragma once

#include <functional>

class QWidget;

namespace velmar::ui {

// Makes target a hidden service control: its eleventh left click runs
// reveal, and the count starts again (ClickReveal).
void installServiceReveal(QWidget *target, std::function<void()> reveal);

} // namespace velmar::ui
