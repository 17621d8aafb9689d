#pragma once

#include "core/programming/Prompts.h"

#include <QObject>
#include <QString>

namespace velmar {

// Which sections of the user tab are shown (PCProgramacioChange).
struct UserSections {
    bool inputs = true;
    bool outputs = true;
    bool system = true;
    bool outputsByInputs = true;
    QString selected = QStringLiteral("inputs"); // "inputs", "outputs" or "system"

    bool operator==(const UserSections &) const = default;
};

// What the window shows while the program works on the module, and the
// view state the programming cycles and commands decide on. The window
// follows the signals and reports the user's choices back (tab shown, link
// chosen); the cycles never touch a widget.
class ProgrammingState : public QObject {
    Q_OBJECT
public:
    explicit ProgrammingState(QObject *parent = nullptr);

    static QString programacio() { return QStringLiteral("Programacio"); }
    static QString estat() { return QStringLiteral("Estat"); }

    // --- view state ---------------------------------------------------
    QString panelmostrat = estat(); // the view in front
    bool mostraestat = true;        // the status page is in front
    bool localChosen = true;        // menu "Local" checked
    bool bidiCentral = false;       // the attached panel is in telecontrol
    bool progllegida = false;       // a read completed since the module was linked
    bool modustransprog = false;
    QString PRes;                   // notice of an imported template

    bool programmingShown() const { return panelmostrat == programacio(); }

    // The programming tab shown (TSConfiguracio, TSConfigSoft, TSUsuari or a
    // panel tab); the window reports every change.
    QString currentTab() const { return m_currentTab; }
    void setCurrentTab(const QString &tab);
    // The panel tab whose grids take records: the tab shown when it is a
    // panel's, else none.
    QString shownPanelTab() const;

    // Tabs of the programming page control, as BBProgClick arranges them.
    QString panelTab() const { return m_panelTab; } // visible panel tab, empty if none
    QString panelTabCaption() const { return m_panelCaption; }
    QString panelTitle() const { return m_panelTitle; }
    bool vpnVisible() const { return m_vpnVisible; }
    UserSections userSections() const { return m_sections; }
    void arrangeTabs(const QString &panelTab, const QString &caption, const QString &title);
    void setVpnVisible(bool on);
    void setUserSections(const UserSections &s);

    // --- what the window shows while the program works ------------------
    bool busy() const { return m_busy; }
    void setBusy(bool on);
    QString statusText() const { return m_status; }
    void setStatusText(const QString &text);
    int progress() const { return m_progress; }
    bool progressVisible() const { return m_progressVisible; }
    QString percentText() const { return m_percent; }
    // Progress bar at p (0-100) and the percentage label "p%".
    void setProgress(int p, bool withLabel = false);
    // Progress 0, shown, label empty.
    void startProgress();
    // Status text, progress bar and label cleared and hidden.
    void clearProgress();
    bool commandsEnabled() const { return m_commandsEnabled; }
    void setCommandsEnabled(bool on);
    // The program works on the module (a read, a write, a factory reset, a
    // firmware update: busy, or its commands taken away): nothing else may
    // talk to the module until it is over.
    bool working() const { return m_busy || !m_commandsEnabled; }

    // --- asking and telling ----------------------------------------------
    void setPrompts(Prompts *p) { m_prompts = p; }
    // Without a window nobody can agree, so the answer is no.
    bool ask(const Question &q) { return m_prompts && m_prompts->ask(q); }
    // A message box; seconds > 0 closes it by itself after that long.
    void tell(const QString &title, const QString &text, const QString &button = QString(),
              int seconds = 0);
    // The same as an error box.
    void tellError(const QString &title, const QString &text, const QString &button = QString());
    // "¡ ATENCIÓN !" / "Central en telecontrol..."
    void warnTelecontrol();
    void showAccessPanel();
    void hideAccessPanel();

signals:
    void viewChanged();                     // panelmostrat, mostraestat, localChosen
    void currentTabChanged(const QString &tab);
    void tabsChanged();                     // panel tab, caption, title, VPN box, sections
    void tabSelected(const QString &tab);   // the window selects this programming tab
    void broughtToFront();                  // the programming view comes to the front
    void pageReadButtonShown();
    void busyChanged(bool busy);
    void statusTextChanged(const QString &text);
    void progressChanged(int value);
    void progressVisibleChanged(bool visible);
    void percentTextChanged(const QString &text);
    // The status, search, update and events buttons and the system, status,
    // programming, search, bridge, communication and information menus.
    void commandsEnabledChanged(bool enabled);
    // working() changed.
    void workingChanged(bool working);
    // ECentral and EMAC read-only and disabled; the panel-poll counters
    // (picarCentral, picarMac) back to 0.
    void panelPollReset();
    // Selection of a grid removed (empty name: every grid).
    void selectionCleared(const QString &grid);
    // PBloqueig in front with ECodiDesbloqueig empty and focused / hidden
    // with the edit emptied.
    void accessPanelShown();
    void accessPanelHidden();
    // A refused access code: the focus goes back to ECodiDesbloqueig.
    void accessCodeRefused();
    void message(const QString &title, const QString &text, const QString &button, int seconds, bool error = false);

private:
    QString m_currentTab = QStringLiteral("TSConfiguracio");
    QString m_panelTab;
    QString m_panelCaption;
    QString m_panelTitle;
    bool m_vpnVisible = true;
    UserSections m_sections;
    bool m_busy = false;
    QString m_status;
    int m_progress = 0;
    bool m_progressVisible = false;
    QString m_percent;
    bool m_commandsEnabled = true;
    Prompts *m_prompts = nullptr;
};

} // namespace velmar
