#pragma once

#include "ui/shell/LayoutTexts.h"

#include <QFrame>

class QLineEdit;

namespace velmar::ui {

// PBloqueig: asks for the module's programming access code.
class AccessCodePanel : public QFrame {
    Q_OBJECT
public:
    explicit AccessCodePanel(QWidget *parent = nullptr);

    QLineEdit *edit() const { return m_edit; }
    // Shown in front with an empty, focused box.
    void open();
    // Hidden with the box emptied.
    void close();

signals:
    void accepted(const QString &code); // "Entrar"
    void cancelled();                   // "Cancelar"

protected:
    void changeEvent(QEvent *e) override;

private:
    LayoutTexts m_texts;
    QLineEdit *m_edit;
};

} // namespace velmar::ui
