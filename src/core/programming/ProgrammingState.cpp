#include "core/programming/ProgrammingState.h"

namespace velmar {

ProgrammingState::ProgrammingState(QObject *parent) : QObject(parent) {}

void ProgrammingState::setCurrentTab(const QString &tab)
{
    if (m_currentTab == tab)
        return;
    m_currentTab = tab;
    emit currentTabChanged(tab);
}

QString ProgrammingState::shownPanelTab() const
{
    if (m_currentTab.startsWith(QLatin1String("TSCentral")) || m_currentTab == u"TSPortes")
        return m_currentTab;
    return QString();
}

void ProgrammingState::arrangeTabs(const QString &panelTab, const QString &caption,
                                  const QString &title)
{
    m_panelTab = panelTab;
    m_panelCaption = caption;
    m_panelTitle = title;
    emit tabsChanged();
}

void ProgrammingState::setVpnVisible(bool on)
{
    if (m_vpnVisible == on)
        return;
    m_vpnVisible = on;
    emit tabsChanged();
}

void ProgrammingState::setUserSections(const UserSections &s)
{
    if (m_sections == s)
        return;
    m_sections = s;
    emit tabsChanged();
}

void ProgrammingState::setBusy(bool on)
{
    if (m_busy == on)
        return;
    const bool wasWorking = working();
    m_busy = on;
    emit busyChanged(on);
    if (working() != wasWorking)
        emit workingChanged(working());
}

void ProgrammingState::setStatusText(const QString &text)
{
    if (m_status == text)
        return;
    m_status = text;
    emit statusTextChanged(text);
}

void ProgrammingState::setProgress(int p, bool withLabel)
{
    p = qBound(0, p, 100);
    if (m_progress != p) {
        m_progress = p;
        emit progressChanged(p);
    }
    if (withLabel) {
        const QString label = QString::number(p) + u'%';
        if (m_percent != label) {
            m_percent = label;
            emit percentTextChanged(label);
        }
    }
}

void ProgrammingState::startProgress()
{
    setProgress(0);
    if (!m_progressVisible) {
        m_progressVisible = true;
        emit progressVisibleChanged(true);
    }
    if (!m_percent.isEmpty()) {
        m_percent.clear();
        emit percentTextChanged(m_percent);
    }
}

void ProgrammingState::clearProgress()
{
    setStatusText(QString());
    setProgress(0);
    if (m_progressVisible) {
        m_progressVisible = false;
        emit progressVisibleChanged(false);
    }
    if (!m_percent.isEmpty()) {
        m_percent.clear();
        emit percentTextChanged(m_percent);
    }
}

void ProgrammingState::setCommandsEnabled(bool on)
{
    if (m_commandsEnabled == on)
        return;
    const bool wasWorking = working();
    m_commandsEnabled = on;
    emit commandsEnabledChanged(on);
    if (working() != wasWorking)
        emit workingChanged(working());
}

void ProgrammingState::tell(const QString &title, const QString &text, const QString &button,
                           int seconds)
{
    emit message(title, text, button, seconds);
}

void ProgrammingState::tellError(const QString &title, const QString &text, const QString &button)
{
    emit message(title, text, button, 0, true);
}

void ProgrammingState::warnTelecontrol()
{
    tell(tr("¡ ATENCIÓN !"), tr("Central en telecontrol\rNo se puede acceder a la programación"));
}

void ProgrammingState::showAccessPanel()
{
    emit accessPanelShown();
}

void ProgrammingState::hideAccessPanel()
{
    emit accessPanelHidden();
}

} // namespace velmar
