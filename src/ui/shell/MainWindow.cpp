#include "ui/shell/MainWindow.h"

#include "core/link/ProtocolTimes.h"
#include "core/shell/DadesPC.h"
#include "core/shell/Version.h"
#include "ui/cloud/DoorListsUi.h"
#include "ui/diagnostics/InfoWindow.h"
#include "ui/link/PortComboBox.h"
#include "ui/programming/ProgrammingView.h"
#include "ui/shell/Lamp.h"
#include "ui/shell/MessageDialogs.h"
#include "ui/shell/WorkLock.h"
#include "ui/status/StatusBarPanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

namespace velmar::ui {

MainWindow::MainWindow(const StartOptions &options, QWidget *parent)
    : QMainWindow(parent),
      m_engine(options.endpoints),
      m_languages(options.languageModules),
      m_store(options.settings, ObtenirDadesPC().IP, &m_engine.trace)
{
    setObjectName(QStringLiteral("TFPrincipalVelmarES"));
    // FormCreate: the stored settings first (a first start stores the defaults),
    // then the language, before any window text is set.
    const bool firstStart = !m_store.holdsLanguage();
    loadSettingsAtStartUp(m_store, m_config);
    chooseLanguageAtStartUp(options.locale, firstStart);
    m_startPort = options.port.isEmpty() ? m_config.ComUSB : options.port;
    m_startRemote = options.remoteId;
    m_startRemoteAdsl = options.remoteAdsl;
    m_accountEmail = options.accountEmail;
    m_accountPassword = options.accountPassword;
    m_cloud = options.cloud ? options.cloud : &m_offline;
    setWindowTitle(programTitle());
    resize(1024, 700);

    buildConsole();
    buildMenus();
    buildCloud(options);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(buildPortBar());
    layout->addWidget(buildAccessCodePanel());
    layout->addWidget(buildBridgePanel());
    m_views = new QStackedWidget(central);
    m_views->setObjectName(QStringLiteral("PVistes"));
    m_views->addWidget(buildStatusPage());
    wirePanels();
    wireDoors();
    buildRemote();
    m_programming = new ProgrammingView(m_engine.fields, m_engine.state, m_views);
    m_views->addWidget(m_programming);
    m_views->addWidget(buildUpdatePage());
    buildCircuitSearch();
    buildHistoryPage();
    layout->addWidget(m_views, 1);
    setCentralWidget(central);
    QMenu *programming = m_texts.text(menuBar()->addMenu(QString()), [] { return tr("&Programación"); });
    programming->menuAction()->setObjectName(QStringLiteral("MIProgramacio"));
    programming->addActions(m_programming->commandActions().mid(0, 2));
    programming->addSeparator();
    programming->addActions(m_programming->commandActions().mid(2));
    programming->addSeparator();
    buildTemplates(programming);

    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("SBEstat"));
    for (int i = 0; i < 3; ++i) {
        m_status[i] = new StatusBarPanel(i, m_engine, bar);
        bar->addWidget(m_status[i]);
    }
    m_progress = new QProgressBar(bar);
    m_progress->setObjectName(QStringLiteral("PBEstat"));
    m_progress->setRange(0, 100);
    m_progress->setTextVisible(false);
    m_progress->setFixedWidth(200);
    m_percent = new QLabel(m_progress);
    m_percent->setObjectName(QStringLiteral("LEstat"));
    m_percent->setAlignment(Qt::AlignCenter);
    auto *percentLayout = new QVBoxLayout(m_progress);
    percentLayout->setContentsMargins(0, 0, 0, 0);
    percentLayout->addWidget(m_percent);
    static_cast<StatusBarPanel *>(m_status[1])->holdProgress(m_progress);
    m_progress->hide();
    setStatusBar(bar);
    setStatusSource(QT_TR_NOOP("SIN   CONEXION"));
    wireAguilera();

    Engine &e = m_engine;
    connect(&e.channel, &CommandChannel::disconnected, this, &MainWindow::onDisconnected);
    connect(&e, &Engine::warning, this, [this](const QString &title, const QString &text) {
        ElMeuMessageDlgOpen(title, text, DlgType::Warning, 0, {tr("    Aceptar   ")}, QMessageBox::Ok, this);
    });
    connect(&e.channel, &CommandChannel::portStored, this, [this](const QString &name) {
        m_config.ComUSB = name;
        GuardarConfigInicial();
    });
    connect(&e.identification, &Identification::connectedChanged, this, [this](bool connected) {
        if (connected) {
            setStatusSource(QT_TR_NOOP("CONECTADO"));
            m_status[1]->clear();
        } else {
            onDisconnected();
        }
    });
    connect(&e.identification, &Identification::linkLost, this, &MainWindow::onDisconnected);
    connect(&e.identification, &Identification::portUnusable, this, [this](const QString &name) {
        static_cast<StatusBarPanel *>(m_status[1])->showMessage(tr(" No se puede acceder al puerto :"), name);
    });
    connect(&e.identification, &Identification::hardwareConflict, this, [this](const QString &text) {
        ElMeuMessageDlgTemps(windowTitle(), text, DlgType::Warning, 5, {tr("    Aceptar   ")},
                             QMessageBox::Ok, this);
    });
    connect(&e.fields, &FieldModel::disconnectedReset, this, [this] {
        setProgressVisible(false);
        m_programming->resetToDisconnected();
    });
    connect(&e.identification, &Identification::recognised, m_programming,
            [this] { m_programming->setCommandsEnabled(true); });
    connect(&e.identification, &Identification::connectedChanged, m_programming,
            &ProgrammingView::refreshMarks);
    wireProgramming();
    wireFiles();
    new DoorListsUi(m_engine.doorLists, m_engine.fields, m_programming, this);
    wireLink();
    connect(&e.channel, &CommandChannel::transmitted, this, [this] { m_tx->setOn(true); });
    connect(&e.channel, &CommandChannel::received, this, [this] { m_rx->setOn(true); });

    m_timerLeds.setObjectName(QStringLiteral("TimerLeds"));
    m_timerLeds.setInterval(proto::kTickMs);
    connect(&m_timerLeds, &QTimer::timeout, this, &MainWindow::TimerLedsTimer);
    m_timerLeds.start();

    // Nothing else talks to the module while a cycle works on it.
    m_lock = new WorkLock(this);
    m_lock->holdNamed(this);
    connect(&e.programming, &ProgrammingState::workingChanged, m_lock, &WorkLock::setLocked);
    m_lock->setLocked(e.programming.working());

    buildLanguageMenu();

    // Every field starts cleared, as after a lost link.
    m_engine.Esborra_Camps();
}

MainWindow::~MainWindow()
{
    // The pages are bound to the engine's field model: they go first.
    delete m_programming;
}

void MainWindow::buildMenus()
{
    QMenu *file = m_texts.text(menuBar()->addMenu(QString()), [] { return tr("&Archivo"); });
    QAction *quit = m_texts.text(file->addAction(QString(), this, &QWidget::close), [] { return tr("Salir"); });
    quit->setObjectName(QStringLiteral("MIISortir"));
    quit->setShortcut(QKeySequence::Quit);

    QMenu *comm = m_texts.text(menuBar()->addMenu(QString()), [] { return tr("&Comunicación"); });
    comm->menuAction()->setObjectName(QStringLiteral("MIComunicacio"));
    QAction *local = m_texts.text(comm->addAction(QString()), [] { return tr("Local"); });
    local->setObjectName(QStringLiteral("MIIComunicacioLocal"));
    local->setCheckable(true);
    local->setChecked(true);
}

QWidget *MainWindow::buildPortBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("PUSB"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto *label = m_texts.label(bar, [] { return tr("Puerto USB:"); });
    m_port = new PortComboBox(bar);
    m_port->setObjectName(QStringLiteral("CCBPort"));
    m_port->setMinimumContentsLength(16);
    m_port->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    label->setBuddy(m_port);
    m_tx = new Lamp(QStringLiteral("ComLedTX"), QColor(0x00, 0xC0, 0x00), bar);
    m_rx = new Lamp(QStringLiteral("ComLedRX"), QColor(0xFF, 0x40, 0x00), bar);
    m_texts.tip(m_tx, [] { return tr("Transmisión"); });
    m_texts.tip(m_rx, [] { return tr("Recepción"); });
    row->addWidget(label);
    row->addWidget(m_port);
    row->addSpacing(12);
    row->addWidget(new QLabel(QStringLiteral("TX"), bar));
    row->addWidget(m_tx);
    row->addWidget(new QLabel(QStringLiteral("RX"), bar));
    row->addWidget(m_rx);
    row->addStretch();
    auto *prog = m_texts.text(new QPushButton(bar), [] { return tr("Prog."); });
    prog->setObjectName(QStringLiteral("BBProg"));
    m_texts.tip(prog, [] { return tr("Programación del equipo"); });
    connect(prog, &QPushButton::clicked, this, &MainWindow::programmingRequested);
    row->addWidget(prog);
    row->addWidget(buildUpdateButton(bar));
    row->addWidget(buildHistoryButton(bar));

    connect(m_port, &PortComboBox::aboutToShowPopup, this, &MainWindow::CCBPortDropDown);
    connect(m_port, &QComboBox::activated, this, &MainWindow::onPortChosen);
    CCBPortDropDown();
    return bar;
}

void MainWindow::CCBPortDropDown()
{
    const QString current = m_port->currentText();
    QStringList names = m_engine.channel.CCBPortDropDown();
    // A port given by name (a pseudo-terminal, a link) is not enumerated: keep it.
    for (const QString &extra : {current, m_startPort})
        if (!extra.isEmpty() && !names.contains(extra))
            names.prepend(extra);
    m_port->blockSignals(true);
    m_port->clear();
    m_port->addItems(names);
    m_port->setCurrentIndex(names.indexOf(current.isEmpty() ? m_startPort : current));
    m_port->blockSignals(false);
}

void MainWindow::onPortChosen(int index)
{
    const QString name = m_port->itemText(index);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_engine.channel.choosePort(name);
    QApplication::restoreOverrideCursor();
}

void MainWindow::onDisconnected()
{
    setStatusSource(QT_TR_NOOP("SIN   CONEXION"));
    m_status[1]->clear();
    m_status[2]->setText(QStringLiteral(" "));
}

QString MainWindow::statusText() const
{
    return m_status[0]->text();
}

void MainWindow::setStatusText(const QString &text)
{
    m_statusSource = nullptr;
    m_status[0]->setText(text);
}

void MainWindow::setStatusSource(const char *source)
{
    setStatusText(tr(source));
    m_statusSource = source;
}

bool MainWindow::programmingShown() const
{
    return m_views->currentWidget() == m_programming;
}

void MainWindow::showProgramming()
{
    m_views->setCurrentWidget(m_programming);
}

void MainWindow::setProgressText(const QString &text)
{
    m_status[1]->setText(text);
}

void MainWindow::setProgress(int percent)
{
    m_progress->setValue(qBound(0, percent, 100));
}

void MainWindow::setProgressVisible(bool visible)
{
    m_progress->setVisible(visible);
}

void MainWindow::setPercentText(const QString &text)
{
    m_percent->setText(text);
}

void MainWindow::setBusy(bool busy)
{
    m_programming->setBusy(busy);
}

void MainWindow::TimerLedsTimer()
{
    m_engine.monitor.TimerLedsTimer();
}

void MainWindow::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (m_primeravegada) {
        m_primeravegada = false;
        // After the window is on screen, so that a slow port does not delay it.
        QTimer::singleShot(0, this, &MainWindow::firstActivation);
    }
}

void MainWindow::firstActivation()
{
    m_engine.history.LlistatEvents();
    m_engine.trace.write(QStringLiteral("Servidor : ") + m_engine.endpoints.cloudProjectId);
    if (m_cloud->ConnexioInternet()) {
        // A version the cloud no longer accepts, or no account: the program
        // ends here (the closing handler still stores the settings).
        if (!m_cloud->ComprovaVersioRTDB() || (m_cloud->ErrorFirebase().isEmpty() && !m_cloud->signIn())) {
            close();
            return;
        }
    }
    // Without a cloud session the program works with local modules only.
    setCloudReachable(!m_cloud->token().isEmpty());
    if (startRemote() || m_startPort.isEmpty())
        return;
    CCBPortDropDown();
    m_engine.channel.probe(m_startPort);
}

QString MainWindow::programTitle() const
{
    // The stored title (REG1) is the running version's own, shown in the
    // interface's language.
    if (m_config.Titol != titolPrograma())
        return m_config.Titol;
    return tr("VLM - Software de programación Ver. ") + QString::fromUtf16(versioprog);
}

void MainWindow::setCloudReachable(bool reachable)
{
    m_cloudReachable = reachable;
    showCloudCaption();
}

void MainWindow::showCloudCaption()
{
    if (m_cloudReachable) {
        setWindowTitle(programTitle() + tr("        Registrado por: ") + QStringLiteral("    <")
                       + m_cloud->EmpresaEmail() + u'>');
    } else {
        setWindowTitle(programTitle() + tr("        sin internet"));
    }
    setCloudCommandsEnabled(m_cloudReachable);
}

void MainWindow::setCloudCommandsEnabled(bool enabled)
{
    for (const char *name : {"BBBuscar", "BBActualitzar", "BBEvents"})
        WorkLock::setEnabled(findChild<QWidget *>(QLatin1String(name)), enabled);
    WorkLock::setEnabled(findChild<QAction *>(QStringLiteral("MIBuscar")), enabled);
}

void MainWindow::GuardarConfigInicial()
{
    if (!m_store.GuardarConfigInicial(m_config))
        m_engine.trace.write(tr("No se ha podido guardar la configuración"), TraceColour::Red);
}

void MainWindow::closeEvent(QCloseEvent *e)
{
    if (m_closeState == CloseState::Done) {
        e->accept();
        return;
    }
    e->ignore();
    if (m_closeState == CloseState::Closing)
        return;
    // FormClose: the polling stops, the settings are stored, then the module
    // is left locked with its stream off; the window goes once that is sent.
    m_closeState = CloseState::Closing;
    stopLinkForClose();
    GuardarConfigInicial();
    emit closing();
    {
        // With nothing to send the sequence ends inside this call: accept
        // the event then, instead of a close() that Qt would swallow here.
        QScopedValueRollback<bool> inside(m_inCloseEvent, true);
        m_engine.channel.lockAndClose([this] {
            m_closeState = CloseState::Done;
            m_console->close();
            if (!m_inCloseEvent)
                close();
        });
    }
    if (m_closeState == CloseState::Done)
        e->accept();
}

} // namespace velmar::ui
