#include "ui/panels/AguileraViews.h"

#include "ui/panels/PanelView.h"

#include "core/link/LinkState.h"
#include "core/status/LampBoard.h"
#include "ui/shell/Lamp.h"
#include "ui/status/BlinkLamp.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmar::ui {

namespace {

const QColor kTeal(0x00, 0x80, 0x80);
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kGreyText(0x6D, 0x6D, 0x6D);

void textColour(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

QFont bold(QFont f, int points = 0)
{
    f.setBold(true);
    if (points > 0)
        f.setPointSize(points);
    return f;
}

// A zone's picture on the AE/C5 front: detector or manual call point, as
// its slot's face says; hidden with the zone.
class ZonePicture : public QWidget {
public:
    ZonePicture(const QString &name, const LampBoard &board, int zone, QWidget *parent)
        : QWidget(parent), m_board(board), m_zone(zone)
    {
        setObjectName(name);
        setFixedSize(22, 22);
    }
    Rgb face() const { return m_face; }
    void refresh()
    {
        const LampSlot &s = m_board.lamp(LampGroup::PunterImatgeZones, m_zone);
        if (s.visible == isHidden())
            setVisible(s.visible);
        if (s.colour != m_face) {
            m_face = s.colour;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
        if (m_face == lampface::CallPoint) {
            p.setPen(QPen(Qt::darkRed, 1));
            p.setBrush(kRed);
            p.drawRect(r);
            p.setBrush(Qt::white);
            p.drawRect(r.adjusted(5, 5, -5, -5));
        } else {
            p.setPen(QPen(Qt::darkGray, 1));
            p.setBrush(Qt::white);
            p.drawEllipse(r);
            p.setBrush(kRed);
            p.drawEllipse(r.center(), 2, 2);
        }
    }

private:
    const LampBoard &m_board;
    int m_zone;
    Rgb m_face = 0;
};

// A zone's number panel: ">" and the number in bold when the panel marks
// the zone, the number alone in grey otherwise.
class ZoneNumber : public QLabel {
public:
    ZoneNumber(const QString &name, const LampBoard &board, int zone, QWidget *parent)
        : QLabel(parent), m_board(board), m_zone(zone)
    {
        setObjectName(name);
        setAlignment(Qt::AlignCenter);
        setMinimumWidth(28);
        draw(lampface::NumberPlain);
    }
    void refresh()
    {
        const Rgb face = m_board.lamp(LampGroup::PunterNumZones, m_zone).colour;
        if (face != m_face)
            draw(face);
    }

private:
    void draw(Rgb face)
    {
        m_face = face;
        const bool marked = face == lampface::NumberMarked;
        setText(marked ? QStringLiteral(">") + QString::number(m_zone) : QString::number(m_zone));
        QFont f = font();
        f.setBold(marked);
        setFont(f);
        textColour(this, marked ? Qt::black : kGreyText);
    }

    const LampBoard &m_board;
    int m_zone;
    Rgb m_face = lampface::NumberPlain;
};

} // namespace

// ---- AE/SA ------------------------------------------------------------------

AguileraSaView::AguileraSaView(const LinkState &link, QWidget *parent) : QFrame(parent), m_link(link)
{
    setObjectName(QStringLiteral("PEstatAgui"));
    setFrameShape(QFrame::StyledPanel);
    auto *v = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    m_title = m_texts.label(this, [] { return tr("CENTRAL DE INCENDIOS AGUILERA AE/SA"); });
    m_title->setObjectName(QStringLiteral("LAguiTitol"));
    m_title->setFont(bold(m_title->font()));
    m_title->setMargin(3);
    top->addWidget(m_title, 1);
    m_caption = m_texts.label(this, [] { return tr("CENTRAL EN TELECONTROL"); });
    m_caption->setObjectName(QStringLiteral("LAguiTelecontrol"));
    m_caption->setFont(bold(m_caption->font()));
    top->addWidget(m_caption);
    v->addLayout(top);

    // The four state lamps over their list buttons.
    m_leds = new QFrame(this);
    m_leds->setObjectName(QStringLiteral("PAguiLeds"));
    auto *leds = new QGridLayout(m_leds);
    leds->setContentsMargins(0, 0, 0, 0);
    static const char *const lampNames[] = {"SAguiLedsAlarma", "SAguiLedsAvaria", "SAguiLedsDesconnex",
                                            "SAguiLedsProva"};
    for (int i = 0; i < 4; ++i) {
        m_lamps[i] = new Lamp(QLatin1String(lampNames[i]), i == 0 ? kRed : kYellow, m_leds);
        leds->addWidget(m_lamps[i], 0, i, Qt::AlignHCenter);
    }
    v->addWidget(m_leds);
    auto *buttons = new QHBoxLayout;
    static const char *const buttonNames[] = {"BBAguiAlarma", "BbAguiAvaria", "BBAguiDesconnec", "BBAguiProva"};
    const std::array<LayoutTexts::Text, 4> captions = {[] { return tr("ALARMA"); }, [] { return tr("AVERIA"); },
                                                       [] { return tr("DESCONEC."); }, [] { return tr("PRUEBA"); }};
    for (int i = 0; i < 4; ++i) {
        auto *b = m_texts.text(new QPushButton(this), captions[i]);
        b->setObjectName(QLatin1String(buttonNames[i]));
        b->setFont(bold(b->font()));
        connect(b, &QPushButton::clicked, this, [this, i] { showList(panels::AguiList(i + 1)); });
        m_listButtons[i] = b;
        buttons->addWidget(b, 1);
    }
    v->addLayout(buttons);

    m_info = new QFrame(this);
    m_info->setObjectName(QStringLiteral("PAguiInfo"));
    auto *info = new QVBoxLayout(m_info);
    m_heading = new QLabel(m_info);
    m_heading->setObjectName(QStringLiteral("LAguiInfo"));
    m_heading->setFont(bold(m_heading->font()));
    info->addWidget(m_heading);
    m_list = new QPlainTextEdit(m_info);
    m_list->setObjectName(QStringLiteral("MAguiInfo"));
    m_list->setReadOnly(true);
    m_list->setMinimumHeight(150);
    info->addWidget(m_list, 1);
    v->addWidget(m_info, 1);

    m_busy << m_texts.label(this, [] { return tr("  PROCESO EN CURSO"); })
           << m_texts.label(this, [] { return tr("  Espere un momento, por favor ..."); });
    m_busy[0]->setObjectName(QStringLiteral("LAguiProces"));
    m_busy[1]->setObjectName(QStringLiteral("LAguiEspere"));
    for (QLabel *l : std::as_const(m_busy)) {
        l->setFont(bold(l->font(), 14));
        v->addWidget(l);
    }

    auto *orders = new QHBoxLayout;
    const struct {
        const char *name;
        LayoutTexts::Text caption;
    } orderButtons[] = {{"SBSilenci", [] { return tr("SILENCIO"); }},
                        {"SBReposicio", [] { return tr("REPOSICION"); }},
                        {"SBRearme", [] { return tr("REARME"); }}};
    for (const auto &o : orderButtons) {
        auto *b = m_texts.text(new QPushButton(this), o.caption);
        b->setObjectName(QLatin1String(o.name));
        connect(b, &QPushButton::clicked, this, [this, name = b->objectName()] { emit orderPressed(name); });
        m_orders << b;
        orders->addWidget(b);
    }
    orders->addStretch(1);
    v->addLayout(orders);

    setTelecontrol(false);
    showList(m_mostra);
}

void AguileraSaView::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        m_texts.retranslate();
        showListAgain();
    }
    QFrame::changeEvent(e);
}

void AguileraSaView::applyStatus(const panels::AesaStatus &status)
{
    m_status = status;
    for (int i = 0; i < 4; ++i)
        m_lamps[i]->setOn(status.counts[i] > 0);
    showList(m_mostra);
}

void AguileraSaView::showList(panels::AguiList list)
{
    m_list->clear();
    if (m_link.connex_velmar_Agui < 2) {
        paintPart(m_title, kSilver, kGreyText);
        for (Lamp *l : m_lamps)
            l->setOn(false);
        for (QPushButton *b : m_listButtons)
            textColour(b, kGreyText);
        m_list->hide();
        m_heading->clear();
        return;
    }
    const QColor live = m_link.equipdesconnectat ? kSilver : kTeal;
    const QColor text = m_link.equipdesconnectat ? Qt::black : Qt::white;
    paintPart(m_title, live, text);
    paintPart(m_info, live, text);
    paintPart(m_list, live, text);
    const panels::AguileraListText t = panels::aguileraListText(m_status, list);
    m_heading->setText(t.heading);
    m_list->setPlainText(t.lines.join(u'\n'));
    m_list->show();
    m_mostra = list;
    for (int i = 0; i < 4; ++i)
        textColour(m_listButtons[i], i == int(list) - 1 ? kGreen : kGreyText);
    m_lamps[int(list) - 1]->setOn(true);
}

void AguileraSaView::setTelecontrol(bool on)
{
    m_telecontrol = on;
    m_info->setVisible(!on);
    m_leds->setVisible(!on);
    for (QPushButton *b : std::as_const(m_orders))
        b->setVisible(!on);
    for (QLabel *l : std::as_const(m_busy))
        l->setVisible(on);
    m_caption->setVisible(on);
    paintPart(this, on ? kTeal : kSilver, on ? Qt::white : Qt::black);
}

// ---- AE/C5 ------------------------------------------------------------------

AguileraC5View::AguileraC5View(const LampBoard &board, QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PEstatAgui2"));
    setFrameShape(QFrame::StyledPanel);
    auto *v = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *title = m_texts.label(this, [] { return tr("CENTRAL DE INCENDIOS AGUILERA AE/C5"); });
    title->setObjectName(QStringLiteral("LAgui2Titol"));
    title->setFont(bold(title->font()));
    top->addWidget(title, 1);
    m_caption = m_texts.label(this, [] { return tr("CENTRAL EN TELECONTROL"); });
    m_caption->setObjectName(QStringLiteral("LAgui2Telecontrol"));
    m_caption->setFont(bold(m_caption->font(), 14));
    top->addWidget(m_caption);
    v->addLayout(top);

    // The panel's own lamps, with their captions.
    auto *front = new RoundPanel(this);
    front->setObjectName(QStringLiteral("PAgui2Estat"));
    auto *fl = new QGridLayout(front);
    const struct {
        const char *name;
        LayoutTexts::Text caption;
    } lamps[] = {{"SEstatAlarma", [] { return tr("ALARMA"); }},   {"SEstatAvaria", [] { return tr("AVERIA"); }},
                 {"SEstatSirenes", [] { return tr("SIRENAS"); }}, {"SEstatRetard", [] { return tr("RETARDO"); }},
                 {"SEstatDescon", [] { return tr("DESCONEXION"); }}, {"SEstatProva", [] { return tr("PRUEBA"); }},
                 {"SEstat220", [] { return tr("220V"); }}};
    int i = 0;
    for (const auto &l : lamps) {
        auto *lamp = new BlinkLamp(QLatin1String(l.name), board, LampGroup::PunterLedEstat, i, front);
        m_refresh.push_back([lamp] { lamp->refresh(); });
        fl->addWidget(lamp, 0, i, Qt::AlignHCenter);
        fl->addWidget(m_texts.label(front, l.caption), 1, i, Qt::AlignHCenter);
        ++i;
    }
    m_parts << front;
    v->addWidget(front);

    // Sixteen zones: number, picture, alarm lamp, fault lamp.
    auto *zones = new RoundPanel(this);
    zones->setObjectName(QStringLiteral("PAgui2Zones"));
    auto *zl = new QGridLayout(zones);
    zl->setSpacing(3);
    for (int z = 1; z <= 16; ++z) {
        const QString n = QString::number(z);
        auto *number = new ZoneNumber(QStringLiteral("PZona") + n, board, z, zones);
        auto *picture = new ZonePicture(QStringLiteral("IZona") + n, board, z, zones);
        auto *alarm = new BlinkLamp(QStringLiteral("SZona") + n, board, LampGroup::PunterLedZones, z, zones);
        auto *fault = new BlinkLamp(QStringLiteral("SSZona") + n, board, LampGroup::PunterLedZones, 16 + z, zones);
        m_texts.tip(alarm, [] { return tr("Alarma"); });
        m_texts.tip(fault, [] { return tr("Avería"); });
        m_refresh.push_back([number, picture, alarm, fault] {
            number->refresh();
            picture->refresh();
            alarm->refresh();
            fault->refresh();
        });
        const int col = z - 1;
        zl->addWidget(number, 0, col, Qt::AlignHCenter);
        zl->addWidget(picture, 1, col, Qt::AlignHCenter);
        zl->addWidget(alarm, 2, col, Qt::AlignHCenter);
        zl->addWidget(fault, 3, col, Qt::AlignHCenter);
    }
    m_parts << zones;
    v->addWidget(zones);

    auto *buttons = new QFrame(this);
    buttons->setObjectName(QStringLiteral("PAgui2Botons"));
    auto *bl = new QHBoxLayout(buttons);
    bl->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char *name;
        LayoutTexts::Text caption;
    } orders[] = {{"PConnectar", [] { return tr("CONECTAR DESCONECTAR"); }},
                  {"PProva", [] { return tr("       PRUEBA AVANCE"); }},
                  {"PReset", [] { return tr("RESET"); }},
                  {"PDisparSirenes", [] { return tr("DISPARO SIRENAS      "); }},
                  {"PSirenes", [] { return tr("SILENCIAR SIRENAS    "); }}};
    for (const auto &o : orders) {
        auto *b = m_texts.text(new QPushButton(buttons), o.caption);
        b->setObjectName(QLatin1String(o.name));
        roundKey(b);
        connect(b, &QPushButton::clicked, this, [this, name = b->objectName()] { emit orderPressed(name); });
        bl->addWidget(b);
    }
    bl->addStretch(1);
    m_parts << buttons;
    v->addWidget(buttons);
    v->addStretch(1);

    setTelecontrol(false);
    setLive(false);
    refreshLamps();
}

void AguileraC5View::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        m_texts.retranslate();
    QFrame::changeEvent(e);
}

void AguileraC5View::refreshLamps()
{
    for (const auto &r : m_refresh)
        r();
}

void AguileraC5View::setTelecontrol(bool on)
{
    m_telecontrol = on;
    for (QWidget *w : std::as_const(m_parts))
        w->setVisible(!on);
    m_caption->setVisible(on);
}

void AguileraC5View::setLive(bool live)
{
    m_live = live;
    paintPart(this, live ? kTeal : kSilver, live ? Qt::white : Qt::black);
}

} // namespace velmar::ui
