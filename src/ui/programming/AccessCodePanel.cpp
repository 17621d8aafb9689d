#include "ui/programming/AccessCodePanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmar::ui {

void AccessCodePanel::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        m_texts.retranslate();
    QFrame::changeEvent(e);
}

AccessCodePanel::AccessCodePanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PBloqueig"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("#PBloqueig { background: #7DB8FF; }"));

    auto *label = m_texts.label(this, [] { return tr("Código de acceso a la programación:"); });
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("ECodiDesbloqueig"));
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setMaximumWidth(160);
    label->setBuddy(m_edit);
    auto *enter = m_texts.text(new QPushButton(this), [] { return tr("Entrar"); });
    enter->setObjectName(QStringLiteral("BBDesbloqueigAcceptar"));
    enter->setDefault(true);
    auto *cancel = m_texts.text(new QPushButton(this), [] { return tr("Cancelar"); });
    cancel->setObjectName(QStringLiteral("BBDesbloqueigCancellar"));

    auto *row = new QHBoxLayout(this);
    row->addWidget(label);
    row->addWidget(m_edit);
    row->addWidget(enter);
    row->addWidget(cancel);
    row->addStretch();

    connect(enter, &QPushButton::clicked, this, [this] { emit accepted(m_edit->text()); });
    connect(m_edit, &QLineEdit::returnPressed, this, [this] { emit accepted(m_edit->text()); });
    connect(cancel, &QPushButton::clicked, this, &AccessCodePanel::cancelled);
    hide();
}

void AccessCodePanel::open()
{
    m_edit->clear();
    show();
    raise();
    m_edit->setFocus();
}

void AccessCodePanel::close()
{
    m_edit->clear();
    hide();
}

} // namespace velmar::ui
