#pragma once

#include "core/cloud/CloudStartupSession.h"
#include "core/shell/CloudStartup.h"
#include "core/programming/Prompts.h"
#include "core/shell/Engine.h"
#include "core/shell/Languages.h"
#include "core/shell/SettingsStore.h"
#include "ui/shell/LayoutTexts.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QStackedWidget;

namespace velmar {
struct TemplateScope;
}

namespace velmar::ui {

class AccessCodePanel;
class WorkLock;
class StatusPage;
class UpdatePage;
class InfoWindow;
class Lamp;
class PortComboBox;
class ProgrammingView;
class CircuitSearchPage;
class HistoryPage;

// What the program was started with.
struct StartOptions {
    Endpoints endpoints;
    SettingsLocation settings = SettingsLocation::perUser();
    QString port; // used instead of the stored port, and not stored (--port)
    QString remoteId;         // --remote ID: a session to this module at start
    bool remoteAdsl = false;  // --link adsl
    CloudStartup *cloud = nullptr; // given: the start-up asks it instead of the cloud of `endpoints`
    bool useCloud = false;         // sign in to the cloud of `endpoints` at start (else offline)
    QString accountEmail;          // the account dialog's fields when no account is stored
    QString accountPassword;
    // The language of a first start comes from this locale (the program
    // gives the system's; tests start in the built-in Spanish).
    QLocale locale = QLocale(QLocale::Spanish, QLocale::Spain);
    QString languageModules = QStringLiteral(":/translations/velmar_"); // where they are looked for
};

// TFPrincipalVelmarES: the program's main window. It owns the core of the
// program (Engine) and shows it; the decisions are taken in the core.
class MainWindow : public QMainWindow, public Prompts {
    Q_OBJECT
public:
    explicit MainWindow(const StartOptions &options, QWidget *parent = nullptr);
    ~MainWindow() override;

    Engine &engine() { return m_engine; }
    InfoWindow *console() const { return m_console; }
    const ConfigInicial &settings() const { return m_config; }

    // The first panel of the status bar.
    QString statusText() const;
    void setStatusText(const QString &text);

    // The language of the interface (the "Idioma" menu, REG8).
    int language() const { return m_languages.current(); }
    // SwitchLanguage: false, and nothing changed, when refused (a remote
    // session is open) or when the language has no resource module.
    bool SwitchLanguage(int identifier);

    // One supervision tick (TimerLeds); tests call it directly.
    void TimerLedsTimer();

    // The programming view (PCProgramacio and its pages).
    ProgrammingView *programming() const { return m_programming; }
    bool programmingShown() const;

public slots:
    // Brings the programming view to the front (no read is started).
    void showProgramming();
    // What the read and write cycles show while they work: the second panel
    // of the status bar ("Leyendo", "Programando"), the progress bar PBEstat
    // and its percentage label LEstat, and the busy cursor.
    void setProgressText(const QString &text);
    void setProgress(int percent);
    void setProgressVisible(bool visible);
    void setPercentText(const QString &text);
    void setBusy(bool busy);

signals:
    // The window is closing: the settings are to be stored now.
    void closing();
    // The "Prog." button: the programming view is asked for (BBProgClick).
    void programmingRequested();

protected:
    void showEvent(QShowEvent *e) override;
    // A new language: every layout text of the window again, and what the
    // window had computed from texts (ReinitializeForms and what follows it).
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void buildMenus();
    void buildConsole();        // ui/diagnostics/MainWindowDiagnostics.cpp
    // ui/shell/MainWindowLanguages.cpp: the "Idioma" menu and the start-up choice
    void buildLanguageMenu();
    void chooseLanguageAtStartUp(const QLocale &locale, bool firstStart);
    void retranslateComputed();
    // The first status-bar panel from a text of this window, kept so that a
    // new language shows it again.
    void setStatusSource(const char *source);
    QWidget *buildPortBar();
    QWidget *buildStatusPage(); // ui/status/MainWindowStatus.cpp
    void buildRemote();         // ui/remote/MainWindowRemote.cpp
    // ui/cloud/MainWindowCloud.cpp: the account's sign-in at start, "Cerrar sesión"
    void buildCloud(const StartOptions &options);
    bool accountExecute();
    // The circuit search page, "Buscar" (menu and button) and the caption
    // that tells whether the cloud is reachable.
    void buildCircuitSearch();
    // The caption and the cloud commands: signed in, or "sin internet".
    void setCloudReachable(bool reachable);
    void MIInfoClick(); // "Acerca de": the account data dialog
    // ui/history/MainWindowHistory.cpp: "Registro", its page and the export
    QPushButton *buildHistoryButton(QWidget *bar);
    void buildHistoryPage();
    void exportHistory(bool spreadsheet);
    void wirePanels();          // ui/panels/MainWindowPanels.cpp
    void wireDoors();           // ui/doors/MainWindowDoors.cpp
    // ui/panels/MainWindowAguilera.cpp: the Aguilera views; telecontrol
    // (an open AGE44 session) turns them busy
    void wireAguilera();
    void AguileraTelecontrol(bool on);
    // ui/update/MainWindowUpdate.cpp
    QPushButton *buildUpdateButton(QWidget *bar);
    QWidget *buildUpdatePage();
    void BBActualitzarClick();
    void openUpdatePage();
    bool startRemote();         // the session asked for by --remote, if any
    // ui/programming/MainWindowProgramming.cpp
    QWidget *buildAccessCodePanel();
    // ui/bridge/MainWindowBridge.cpp: MIBidi and the bridge settings PBidi
    QWidget *buildBridgePanel();
    void wireProgramming();
    // ui/templates/MainWindowTemplates.cpp
    void buildTemplates(QMenu *menu);
    bool templateGuards();
    TemplateScope templateScope() const;
    void MIICrearplantillaClick();
    void MIIImportarPlantillaClick();
    // ui/files/MainWindowFiles.cpp: import, export and delete-all of the
    // event-text and list files
    void wireFiles();
    // ui/link/MainWindowLink.cpp
    void wireLink();
    void stopLinkForClose();
    bool ask(const Question &q) override;
    void CCBPortDropDown();
    void onPortChosen(int index);
    void onDisconnected();
    void firstActivation();

    void GuardarConfigInicial();
    void setCloudCommandsEnabled(bool enabled);
    // The caption with the account, or "sin internet", and the cloud commands.
    void showCloudCaption();
    QString programTitle() const;

    Engine m_engine;
    LayoutTexts m_texts;
    LanguageModules m_languages;
    const char *m_statusSource = nullptr;
    bool m_remoteDisconnects = false; // BBConnectarRemot reads "Desconectar"
    SettingsStore m_store;
    ConfigInicial m_config;
    PortComboBox *m_port = nullptr;
    Lamp *m_tx = nullptr;
    Lamp *m_rx = nullptr;
    QLabel *m_status[3] = {};
    QProgressBar *m_progress = nullptr;
    QLabel *m_percent = nullptr;
    QStackedWidget *m_views = nullptr;
    ProgrammingView *m_programming = nullptr;
    AccessCodePanel *m_access = nullptr;
    WorkLock *m_lock = nullptr;
    StatusPage *m_statusPage = nullptr;
    UpdatePage *m_updatePage = nullptr;
    CircuitSearchPage *m_searchPage = nullptr;
    HistoryPage *m_historyPage = nullptr;
    InfoWindow *m_console = nullptr;
    QTimer m_timerLeds;
    QString m_startPort;
    QString m_startRemote;
    bool m_startRemoteAdsl = false;
    QString m_accountEmail;
    QString m_accountPassword;
    OfflineCloud m_offline;
    CloudStartup *m_cloud = nullptr;
    std::unique_ptr<CloudStartupSession> m_cloudSession;
    bool m_primeravegada = true;
    bool m_cloudReachable = false; // signed in and the cloud answered
    bool m_updateProbe = false;    // "Actual." waits for the internet check
    enum class CloseState { Open, Closing, Done } m_closeState = CloseState::Open;
    bool m_inCloseEvent = false;
};

} // namespace velmar::ui
