#pragma once

#include <QComboBox>

namespace velmar::ui {

// The port chooser: its list is enumerated anew each time it opens.
class PortComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override
    {
        emit aboutToShowPopup();
        QComboBox::showPopup();
    }

signals:
    void aboutToShowPopup();
};

} // namespace velmar::ui
