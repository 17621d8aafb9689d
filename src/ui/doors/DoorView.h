#pragma once

#include "core/doors/DoorButtons.h"

#include <QFrame>
#include <QLabel>

#include <array>

namespace velmar::ui {

// A door picture (IPBoto1..4): 120 x 120, a click orders its door.
class DoorPictureLabel : public QLabel {
    Q_OBJECT
public:
    DoorPictureLabel(int tag, QWidget *parent);
    int tag() const { return m_tag; }
    // The picture shown, as the index of the view's image list.
    int picture() const { return m_picture; }
    void setPicture(DoorPicture picture);

signals:
    void clicked(int tag);

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    int m_tag;
    int m_picture = -1;
};

// PEstatPortes: the site's reference over one picture per door button
// with the button's name and the door's state under it, drawn from the
// core's door buttons.
class DoorView : public QFrame {
    Q_OBJECT
public:
    DoorView(DoorButtons &doors, QWidget *parent = nullptr);

    static constexpr int kHeight = 250;

    void setReference(const QString &reference);
    // Draws the buttons as the core holds them.
    void render();
    // The six pictures of the image list, by index.
    static QPixmap image(DoorPicture picture);

signals:
    void pictureClicked(int n);

protected:
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    DoorButtons &m_doors;
    QLabel *m_reference = nullptr; // LRef
    std::array<DoorPictureLabel *, DoorButtons::kButtons> m_pictures{};
    std::array<QLabel *, DoorButtons::kButtons> m_names{};  // PBotoNom1..4
    std::array<QLabel *, DoorButtons::kButtons> m_states{}; // PBoto1..4
};

} // namespace velmar::ui
