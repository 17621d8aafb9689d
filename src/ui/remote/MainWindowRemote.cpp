// The main window's share of the remote session: the remote panel PIP with
// BBConnectarRemot, the "Remota" menu entry, and what the window shows when
// a session starts or is lost.

#include "ui/shell/MainWindow.h"

#include "ui/update/UpdatePage.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>

namespace velmar::ui {

namespace {
const QColor kRemoteLinked(0x7D, 0xB8, 0xFF);
const QColor kRemoteIdle(0xD4, 0xD4, 0xD4);

void paint(QWidget *w, const QColor &c)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}
} // namespace

void MainWindow::buildRemote()
{
    Engine &e = m_engine;
    auto *pip = new QWidget(this);
    pip->setObjectName(QStringLiteral("PIP"));
    paint(pip, kRemoteIdle);
    auto *row = new QHBoxLayout(pip);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(m_texts.label(pip, [] { return tr("Remoto"); }));
    auto *button = new QPushButton(pip);
    button->setObjectName(QStringLiteral("BBConnectarRemot"));
    button->hide();
    row->addWidget(button);
    if (auto *bar = qobject_cast<QBoxLayout *>(findChild<QWidget *>(QStringLiteral("PUSB"))->layout()))
        bar->addWidget(pip);
    connect(button, &QPushButton::clicked, &e.remote, &MqttSession::BBConnectarRemotClick);

    auto *local = findChild<QAction *>(QStringLiteral("MIIComunicacioLocal"));
    auto *remote = m_texts.text(new QAction(this), [] { return tr("Remota"); });
    remote->setObjectName(QStringLiteral("MIIComunicacioRemota"));
    remote->setCheckable(true);
    if (local) {
        if (auto *menu = qobject_cast<QMenu *>(local->parent()))
            menu->addAction(remote);
        else
            menuBar()->addAction(remote);
        // "Local": back to the cable; an open session is closed first.
        connect(local, &QAction::triggered, this, [this, local, remote] {
            m_engine.identification.MIIComunicacioLocalClick(false);
            local->setChecked(true);
            remote->setChecked(false);
        });
    }
    // MIIComunicacioRemotaClick: the cable is let go and the remote side
    // chosen; a module is then opened from the circuit search.
    connect(remote, &QAction::triggered, this, [this, local, remote] {
        if (m_views->currentWidget() == m_updatePage) {
            remote->setChecked(m_engine.state.isRemote());
            return;
        }
        if (local)
            local->setChecked(false);
        m_engine.leaveLocalLink();
        remote->setChecked(true);
    });

    connect(&e.remote, &MqttSession::busyChanged, this, &MainWindow::setBusy);
    m_texts.text(button, [this] { return m_remoteDisconnects ? tr("Desconectar") : tr("Conectar"); });
    connect(&e.remote, &MqttSession::buttonChanged, this, [this, button](bool disconnects, bool visible) {
        m_remoteDisconnects = disconnects;
        button->setText(disconnects ? tr("Desconectar") : tr("Conectar"));
        button->setVisible(visible);
    });
    connect(&e.remote, &MqttSession::sessionStarted, this, [this, pip, local, remote] {
        setStatusSource(QT_TR_NOOP("Conectando"));
        setProgressText(tr("Conectando con el circuito"));
        setProgress(0);
        setProgressVisible(true);
        setPercentText(QString());
        paint(pip, kRemoteLinked);
        pip->raise();
        if (local)
            local->setChecked(false);
        remote->setChecked(true);
    });
    connect(&e.remote, &MqttSession::sessionLost, this, [this, pip, remote] {
        setStatusSource(QT_TR_NOOP("SIN   CONEXION"));
        setProgressText(QString());
        m_status[2]->clear();
        setProgress(0);
        setProgressVisible(false);
        for (const char *name : {"BBLlegirEstat", "BBBuscar", "BBActualitzar", "BBEvents"})
            if (auto *w = findChild<QWidget *>(QLatin1String(name)))
                w->setEnabled(true);
        for (QAction *a : menuBar()->actions())
            a->setEnabled(true);
        paint(pip, kRemoteIdle);
        remote->setChecked(false);
    });
}

bool MainWindow::startRemote()
{
    if (m_startRemote.isEmpty())
        return false;
    m_engine.state.identConnectar = m_startRemote;
    m_engine.state.connexADSL = m_startRemoteAdsl;
    m_engine.remote.BConnectarMQTTClick();
    return true;
}

} // namespace velmar::ui
