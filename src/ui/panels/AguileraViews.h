#pragma once

#include "core/panels/AguileraStatus.h"
#include "ui/shell/LayoutTexts.h"

#include <QFrame>

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmar {
struct LinkState;
class LampBoard;
} // namespace velmar

namespace velmar::ui {

class BlinkLamp;
class Lamp;

// PEstatAgui, the Aguilera AE/SA (and AGE) front: four state lamps coloured
// from the counts, the chosen state's list (mostra_Agui, kept across status
// records), the list buttons and the three orders. In telecontrol the
// panel is worked from its maker's tool: only the busy texts show.
class AguileraSaView : public QFrame {
    Q_OBJECT
public:
    AguileraSaView(const LinkState &link, QWidget *parent = nullptr);

    // Info_Central_AESA: lamps from the counts, then the chosen list again.
    void applyStatus(const panels::AesaStatus &status);
    // BBAguiAlarmaClick and the other list buttons; also on a link change.
    void showList(panels::AguiList list);
    void showListAgain() { showList(m_mostra); }
    panels::AguiList shownList() const { return m_mostra; }

    void setTelecontrol(bool on);
    bool telecontrol() const { return m_telecontrol; }

signals:
    void orderPressed(const QString &button);

protected:
    void changeEvent(QEvent *e) override;

private:
    const LinkState &m_link;
    LayoutTexts m_texts;
    panels::AesaStatus m_status;
    panels::AguiList m_mostra = panels::AguiList::Alarm;
    bool m_telecontrol = false;
    QLabel *m_title = nullptr;
    QFrame *m_info = nullptr;   // PAguiInfo
    QLabel *m_heading = nullptr; // LAguiInfo
    QPlainTextEdit *m_list = nullptr; // MAguiInfo
    QFrame *m_leds = nullptr;   // PAguiLeds
    std::array<Lamp *, 4> m_lamps{};
    std::array<QPushButton *, 4> m_listButtons{};
    QList<QPushButton *> m_orders; // SBSilenci, SBReposicio, SBRearme
    QList<QLabel *> m_busy;        // the two telecontrol texts
    QLabel *m_caption = nullptr;   // "CENTRAL EN TELECONTROL"
};

// PEstatAgui2, the Aguilera AE/C5 front: seven panel lamps and sixteen zones of the blink board, and the five orders.
class AguileraC5View : public QFrame {
    Q_OBJECT
public:
    AguileraC5View(const LampBoard &board, QWidget *parent = nullptr);

    // MostraPEstaAgui2: in telecontrol only the caption shows.
    void setTelecontrol(bool on);
    bool telecontrol() const { return m_telecontrol; }
    void setLive(bool live);
    bool live() const { return m_live; }

public slots:
    void refreshLamps();

signals:
    void orderPressed(const QString &button);

protected:
    void changeEvent(QEvent *e) override;

private:
    LayoutTexts m_texts;
    bool m_telecontrol = false;
    bool m_live = false;
    QLabel *m_caption = nullptr;
    QList<QWidget *> m_parts;       // everything MostraPEstaAgui2 hides
    std::vector<std::function<void()>> m_refresh; // lamps, pictures and numbers of the board
};

} // namespace velmar::ui
