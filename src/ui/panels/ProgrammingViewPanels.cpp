// The programming view's panel tabs: one page per panel form, built hidden;
// only the attached panel's is offered.
#include "ui/editor/GridEditor.h"
#include "ui/panels/PanelPage.h"
#include "ui/programming/ProgrammingView.h"

#include <QLabel>
#include <QTabWidget>

namespace velmar::ui {

void ProgrammingView::addPanelPages()
{
    auto context = [this] { return changeContext(); };
    const int doors = m_tabs->addTab(wrapPage(buildDoorPage(m_fields, *m_binder, context, m_grids, m_texts), "TSPortes"),
                                     QString());
    m_texts.add(m_tabs, [this, doors] { m_tabs->setTabText(doors, tr("Accesos")); });
    m_panelTabs << QStringLiteral("TSPortes");
    for (const panels::PanelPageForm &form : panels::pageForms()) {
        auto *page = new PanelPage(form, m_fields, *m_binder, context, m_texts);
        m_grids << page->grids();
        m_tabs->addTab(wrapPage(page, form.tab), QString());
        m_panelTabs << QString::fromLatin1(form.tab);
    }
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->setTabVisible(i, !m_panelTabs.contains(m_tabs->widget(i)->objectName()));
}

void ProgrammingView::showPanelTab(const QString &tab, const QString &caption, const QString &title)
{
    for (int i = 0; i < m_tabs->count(); ++i) {
        QWidget *w = m_tabs->widget(i);
        if (!m_panelTabs.contains(w->objectName()))
            continue;
        const bool shown = w->objectName() == tab;
        if (!shown && m_tabs->currentIndex() == i)
            m_tabs->setCurrentIndex(0);
        m_tabs->setTabVisible(i, shown);
        if (!shown)
            continue;
        if (!caption.isEmpty())
            m_tabs->setTabText(i, caption);
        if (auto *page = w->findChild<PanelPage *>())
            page->title()->setText(title);
    }
}

} // namespace velmar::ui
