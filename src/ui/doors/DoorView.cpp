#include "ui/doors/DoorView.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPixmap>

namespace velmar::ui {

namespace {

// The image list in its order: closed, closing, open, opening, waiting, padlock.
constexpr const char *kImages[] = {
    ":/ui/doors/padlock-tancat.png", ":/ui/doors/padlock-tancant.png", ":/ui/doors/unlock-obert.png",
    ":/ui/doors/unlock-obrint.png",  ":/ui/doors/esperant.png",        ":/ui/doors/padlock.png",
};

QLabel *panel(QWidget *parent, const QString &name, int radius)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setFixedSize(DoorButtons::kPictureSize, DoorButtons::kPanelHeight);
    l->setAlignment(Qt::AlignCenter);
    // Rounded corners of the old panels: a 20 or 30 pixel corner ellipse.
    l->setStyleSheet(QStringLiteral("QLabel { background: #e4e8ee; border: 1px solid #9aa5b4; border-radius: %1px; }")
                         .arg(radius));
    l->hide();
    return l;
}

} // namespace

DoorPictureLabel::DoorPictureLabel(int tag, QWidget *parent) : QLabel(parent), m_tag(tag)
{
    setObjectName(QStringLiteral("IPBoto%1").arg(tag));
    setFixedSize(DoorButtons::kPictureSize, DoorButtons::kPictureSize);
    setCursor(Qt::PointingHandCursor);
    hide();
}

void DoorPictureLabel::setPicture(DoorPicture picture)
{
    if (m_picture == int(picture))
        return;
    m_picture = int(picture);
    setPixmap(DoorView::image(picture));
}

void DoorPictureLabel::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked(m_tag);
    QLabel::mouseReleaseEvent(e);
}

QPixmap DoorView::image(DoorPicture picture)
{
    return QPixmap(QLatin1String(kImages[int(picture)]))
        .scaled(DoorButtons::kPictureSize, DoorButtons::kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

DoorView::DoorView(DoorButtons &doors, QWidget *parent) : QFrame(parent), m_doors(doors)
{
    setObjectName(QStringLiteral("PEstatPortes"));
    setFixedHeight(kHeight);
    m_reference = new QLabel(this);
    m_reference->setObjectName(QStringLiteral("LRef"));
    m_reference->setAlignment(Qt::AlignCenter);
    QFont f = m_reference->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    m_reference->setFont(f);
    for (int n = 1; n <= DoorButtons::kButtons; ++n) {
        auto *picture = new DoorPictureLabel(n, this);
        connect(picture, &DoorPictureLabel::clicked, this, &DoorView::pictureClicked);
        m_pictures[size_t(n - 1)] = picture;
        m_names[size_t(n - 1)] = panel(this, QStringLiteral("PBotoNom%1").arg(n), 10);
        m_states[size_t(n - 1)] = panel(this, QStringLiteral("PBoto%1").arg(n), 15);
    }
    connect(&m_doors, &DoorButtons::changed, this, &DoorView::render);
    render();
}

void DoorView::setReference(const QString &reference)
{
    m_reference->setText(reference);
}

void DoorView::render()
{
    m_reference->setGeometry(0, 4, width(), m_reference->sizeHint().height());
    for (int n = 1; n <= DoorButtons::kButtons; ++n) {
        const DoorSlot &s = m_doors.slot(n);
        DoorPictureLabel *picture = m_pictures[size_t(n - 1)];
        QLabel *name = m_names[size_t(n - 1)];
        QLabel *state = m_states[size_t(n - 1)];
        picture->setPicture(s.picture);
        picture->move(s.picturePos);
        name->move(s.namePos);
        state->move(s.statePos);
        name->setText(s.name);
        state->setText(DoorButtons::stateText(s.state));
        picture->setVisible(s.shown);
        name->setVisible(s.shown);
        state->setVisible(s.shown);
    }
}

void DoorView::resizeEvent(QResizeEvent *e)
{
    QFrame::resizeEvent(e);
    m_doors.resize(size());
    render();
}

void DoorView::changeEvent(QEvent *e)
{
    // The state texts are the core's, in the language of the moment.
    if (e->type() == QEvent::LanguageChange)
        render();
    QFrame::changeEvent(e);
}

} // namespace velmar::ui
