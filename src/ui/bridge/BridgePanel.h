#pragma once

#include "ui/shell/LayoutTexts.h"

#include <QFrame>

class QLineEdit;

namespace velmar::ui {

// PBidi: the address and port the telecontrol bridge listens on.
class BridgePanel : public QFrame {
    Q_OBJECT
public:
    explicit BridgePanel(QWidget *parent = nullptr);

    QLineEdit *address() const { return m_ip; }
    QLineEdit *port() const { return m_port; }
    // Shown in front with the settings in its fields.
    void open(const QString &ip, const QString &port);

signals:
    void accepted(const QString &ip, const QString &port); // "Aceptar"

protected:
    void changeEvent(QEvent *e) override;

private:
    LayoutTexts m_texts;
    QLineEdit *m_ip;
    QLineEdit *m_port;
};

} // namespace velmar::ui
