#include "ui/bridge/BridgePanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmar::ui {

void BridgePanel::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        m_texts.retranslate();
    QFrame::changeEvent(e);
}

BridgePanel::BridgePanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PBidi"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("#PBidi { background: #7DB8FF; }"));

    auto *ipLabel = m_texts.label(this, [] { return tr("IP:"); });
    m_ip = new QLineEdit(this);
    m_ip->setObjectName(QStringLiteral("EBidiIP"));
    m_ip->setMaximumWidth(160);
    ipLabel->setBuddy(m_ip);
    auto *portLabel = m_texts.label(this, [] { return tr("Puerto:"); });
    m_port = new QLineEdit(this);
    m_port->setObjectName(QStringLiteral("EBidiPort"));
    m_port->setMaximumWidth(80);
    portLabel->setBuddy(m_port);
    auto *accept = m_texts.text(new QPushButton(this), [] { return tr("Aceptar"); });
    accept->setObjectName(QStringLiteral("BBidiAcceptar"));
    accept->setDefault(true);
    auto *leave = m_texts.text(new QPushButton(this), [] { return tr("Salir sin cambiar"); });
    leave->setObjectName(QStringLiteral("BBidiSortir"));

    auto *row = new QHBoxLayout(this);
    row->addWidget(m_texts.label(this, [] { return tr("Conexión AGE44"); }));
    row->addSpacing(12);
    row->addWidget(ipLabel);
    row->addWidget(m_ip);
    row->addWidget(portLabel);
    row->addWidget(m_port);
    row->addWidget(accept);
    row->addWidget(leave);
    row->addStretch();

    connect(accept, &QPushButton::clicked, this, [this] { emit accepted(m_ip->text(), m_port->text()); });
    connect(leave, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void BridgePanel::open(const QString &ip, const QString &port)
{
    m_ip->setText(ip);
    m_port->setText(port);
    show();
    raise();
    m_ip->setFocus();
}

} // namespace velmar::ui
