#include "ui/shell/LayoutTexts.h"

namespace velmar::ui {

void LayoutTexts::add(QObject *control, std::function<void()> apply)
{
    apply();
    // Rows built again and again (the update list) leave their dead entries.
    if (m_items.size() % 256 == 255)
        std::erase_if(m_items, [](const auto &item) { return item.first.isNull(); });
    m_items.emplace_back(control, std::move(apply));
}

QLabel *LayoutTexts::label(QWidget *parent, Text t)
{
    return text(new QLabel(parent), std::move(t));
}

void LayoutTexts::retranslate()
{
    // Controls deleted since (a page built again, a row removed) drop out.
    std::erase_if(m_items, [](const auto &item) { return item.first.isNull(); });
    for (const auto &item : m_items)
        item.second();
}

} // namespace velmar::ui
