#pragma once

#include "core/shell/Engine.h"

#include <QMainWindow>
#include <QTimer>

class QLabel;

namespace velmar::ui {

class InfoWindow;
class Lamp;
class PortComboBox;

// TFPrincipalVelmarES: the program's main window. It owns the core of the
// program (Engine) and shows it; the decisions are taken in the core.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const Endpoints &endpoints, QWidget *parent = nullptr);
    ~MainWindow() override;

    Engine &engine() { return m_engine; }
    InfoWindow *console() const { return m_console; }

    // Uses this port instead of the stored one (--port); probed on first activation.
    void setStartPort(const QString &port) { m_startPort = port; }

    // The first panel of the status bar.
    QString statusText() const;
    void setStatusText(const QString &text);

    // One supervision tick (TimerLeds); tests call it directly.
    void TimerLedsTimer();

signals:
    // The window is closing: the settings are to be stored now.
    void closing();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void buildMenus();
    QWidget *buildPortBar();
    void CCBPortDropDown();
    void onPortChosen(int index);
    void onDisconnected();
    void firstActivation();

    Engine m_engine;
    PortComboBox *m_port = nullptr;
    Lamp *m_tx = nullptr;
    Lamp *m_rx = nullptr;
    QLabel *m_status[3] = {};
    InfoWindow *m_console = nullptr;
    QTimer m_timerLeds;
    QString m_startPort;
    bool m_primeravegada = true;
    enum class CloseState { Open, Closing, Done } m_closeState = CloseState::Open;
    bool m_inCloseEvent = false;
};

} // namespace velmar::ui
