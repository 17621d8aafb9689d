#include "ui/panels/PanelView.h"

#include "ui/status/BlinkLamp.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTextEdit>
#include <QTextCharFormat>
#include <QVBoxLayout>

namespace velmar::ui {

namespace {

constexpr int kLampsPerRow = 16;

const QColor kLive(0x00, 0x80, 0x80);   // teal
const QColor kGrey(0xC0, 0xC0, 0xC0);   // silver
const QColor kOff(0xA0, 0xA0, 0xA4);
const QColor kLit(0xFF, 0xBF, 0x00);    // amber
const QColor kCounter(0xFF, 0x00, 0x00);
const QColor kDark(0x32, 0x32, 0x32);

// A look's colour, or the view's own where the front gives none.
QColor or_(const QColor &c, const QColor &fallback) { return c.isValid() ? c : fallback; }

// The caption of a counter by the list it selects.
QString kindCaption(const QString &kind)
{
    static const std::pair<const char *, const char *> captions[] = {
        {"Fire", QT_TRANSLATE_NOOP("velmar::ui::PanelView", "Alarma")},
        {"Alarm", QT_TRANSLATE_NOOP("velmar::ui::PanelView", "Alarmas")},
        {"Fault", QT_TRANSLATE_NOOP("velmar::ui::PanelView", "Avería")},
        {"Disablement", QT_TRANSLATE_NOOP("velmar::ui::PanelView", "Anulado")},
        {"Disable", QT_TRANSLATE_NOOP("velmar::ui::PanelView", "Anulado")},
        {"Test", QT_TRANSLATE_NOOP("velmar::ui::PanelView", "Prueba")},
        {"PreAlarm", QT_TRANSLATE_NOOP("velmar::ui::PanelView", "Prealarma")},
        {"TechAlarm", QT_TRANSLATE_NOOP("velmar::ui::PanelView", "Alarma técnica")},
        {"Output", QT_TRANSLATE_NOOP("velmar::ui::PanelView", "Salidas")},
        {"Message", QT_TRANSLATE_NOOP("velmar::ui::PanelView", "Mensajes")},
        {"Control", QT_TRANSLATE_NOOP("velmar::ui::PanelView", "Control")},
    };
    for (const auto &[k, caption] : captions)
        if (kind == QLatin1String(k))
            return PanelView::tr(caption);
    return kind;
}

QString counterText(const QString &kind, const QString &count)
{
    return kindCaption(kind) + QStringLiteral("  ") + count;
}

QString frontCaption(const QString &caption)
{
    return QCoreApplication::translate("PanelFronts", caption.toUtf8().constData());
}

} // namespace

void paintPart(QWidget *w, const QColor &background, const QColor &text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, background);
    p.setColor(QPalette::ButtonText, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void roundKey(QPushButton *key)
{
    key->setStyleSheet(QStringLiteral("QPushButton { border: 1px solid #404040; border-radius: 7px; padding: 4px 10px;"
                                      " background-color: palette(button); color: palette(button-text); }"
                                      " QPushButton:pressed { background-color: palette(dark); }"));
}

void RoundPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawPath(outline);
}

PanelView::PanelView(const Front &front, const LampBoard &board, QWidget *parent)
    : QFrame(parent), m_front(front)
{
    setObjectName(front.view);
    setFrameShape(QFrame::StyledPanel);
    auto *v = new QVBoxLayout(this);
    m_title = front.title;
    auto *title = m_texts.label(this, [this] { return tr("CENTRAL DE INCENDIOS ") + m_title; });
    title->setObjectName(front.view + QStringLiteral("Titol"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    if (front.badge.isEmpty()) {
        v->addWidget(title);
    } else {
        auto *head = new QHBoxLayout;
        head->addWidget(title);
        auto *badge = new QLabel(this);
        badge->setObjectName(front.badge);
        badge->setFont(bold);
        head->addWidget(badge);
        head->addStretch(1);
        v->addLayout(head);
    }

    if (!front.lamps.isEmpty()) {
        auto *grid = new QGridLayout;
        grid->setSpacing(2);
        auto *panels = new QHBoxLayout;
        panels->setSpacing(4);
        QHash<QString, QLayout *> panelLayouts;
        int i = 0;
        for (const FrontLamp &l : front.lamps) {
            auto *lamp = new BlinkLamp(l.name, board, l.group, l.index, this);
            lamp->setToolTip(l.caption.isEmpty() ? l.name : l.caption);
            m_lamps << lamp;
            if (l.panel.isEmpty()) {
                grid->addWidget(lamp, i / kLampsPerRow, i % kLampsPerRow);
                ++i;
                continue;
            }
            // A zone panel: its caption above its lamps, hidden whole.
            QLayout *&in = panelLayouts[l.panel];
            if (!in) {
                auto *panel = new RoundPanel(this);
                panel->setObjectName(l.panel);
                in = new QVBoxLayout(panel);
                in->setContentsMargins(3, 3, 3, 3);
                in->setSpacing(2);
                auto *caption = new QLabel(QStringLiteral("Z") + l.caption, panel);
                caption->setAlignment(Qt::AlignCenter);
                in->addWidget(caption);
                panels->addWidget(panel);
            }
            lamp->setParent(in->parentWidget());
            in->addWidget(lamp);
            in->setAlignment(lamp, Qt::AlignHCenter);
        }
        if (!panelLayouts.isEmpty()) {
            panels->addStretch(1);
            v->addLayout(panels);
        } else {
            delete panels;
        }
        v->addLayout(grid);
    }
    if (!front.indicators.isEmpty() || !front.counters.isEmpty()) {
        auto *row = new QHBoxLayout;
        for (const FrontItem &item : front.indicators) {
            auto *l = m_texts.label(this, [c = item.caption] { return frontCaption(c); });
            l->setObjectName(item.name);
            l->setMargin(3);
            l->setMinimumSize(18, 18);
            if (item.caption.isEmpty())
                l->setToolTip(item.name);
            paintPart(l, or_(item.look.off, kOff), or_(item.look.offText, Qt::black));
            row->addWidget(l);
        }
        for (const FrontItem &item : front.counters) {
            auto *b = m_texts.text(new QPushButton(this), [this, item] { return counterCaption(item); });
            b->setObjectName(item.name);
            b->setFlat(true);
            connect(b, &QPushButton::clicked, this, [this, kind = item.kind] { emit kindChosen(kind); });
            if (item.look.off.isValid())
                paintItem(b, &item, false, kCounter, Qt::white);
            row->addWidget(b);
        }
        row->addStretch(1);
        v->addLayout(row);
    }
    if (!front.display.isEmpty()) {
        m_display = new QTextEdit(this);
        m_display->setObjectName(front.display);
        m_display->setReadOnly(true);
        m_display->setMinimumHeight(120);
        v->addWidget(m_display, 1);
    }
    if (!front.buttons.isEmpty()) {
        auto *row = new QHBoxLayout;
        for (const FrontItem &item : front.buttons) {
            auto *b = m_texts.text(new QPushButton(this), [c = item.caption] { return frontCaption(c); });
            roundKey(b);
            b->setObjectName(item.name);
            connect(b, &QPushButton::clicked, this, [this, name = item.name] { emit orderPressed(name); });
            row->addWidget(b);
        }
        row->addStretch(1);
        v->addLayout(row);
    }
    setLive(false);
}

QString PanelView::counterCaption(const FrontItem &counter) const
{
    const QString own = m_counterTexts.value(counter.name);
    return own.isEmpty() ? counterText(counter.kind, m_counts.value(counter.name, QStringLiteral("0"))) : own;
}

void PanelView::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        m_texts.retranslate();
    QFrame::changeEvent(e);
}

void PanelView::refreshLamps()
{
    for (BlinkLamp *l : std::as_const(m_lamps))
        l->refresh();
}

const FrontItem *PanelView::itemOf(const QString &name) const
{
    for (const QList<FrontItem> *items : {&m_front.indicators, &m_front.counters})
        for (const FrontItem &i : *items)
            if (i.name == name || (!i.number.isEmpty() && i.number == name))
                return &i;
    return nullptr;
}

void PanelView::paintItem(QWidget *w, const FrontItem *item, bool lit, const QColor &defaultLit, const QColor &defaultLitText)
{
    const FrontLook look = item ? item->look : FrontLook{};
    if (lit)
        paintPart(w, or_(look.lit, defaultLit), or_(look.litText, defaultLitText));
    else
        paintPart(w, or_(look.off, kOff), or_(look.offText, Qt::black));
}

void PanelView::applyStatus(const panels::PanelStatus &status)
{
    for (auto it = status.named.cbegin(); it != status.named.cend(); ++it) {
        if (auto *w = findChild<QWidget *>(it.key()))
        {
            const FrontItem *item = itemOf(it.key());
            const bool lit = it.value() > 0 && (m_live || !item || !item->look.whileLive);
            paintItem(w, item, lit, kLit, Qt::black);
        }
    }
    for (const panels::KindLabel &k : status.labels) {
        const FrontItem *item = k.name.isEmpty() ? nullptr : itemOf(k.name);
        auto *b = item ? findChild<QPushButton *>(item->name) : nullptr;
        if (!b)
            continue;
        // A count written to the panel's number label keeps the panel's caption.
        const QString text = item->name != k.name ? counterText(k.kind, k.text.isEmpty() ? QString::number(k.count) : k.text)
                                                  : k.text;
        m_counts.insert(item->name, QString::number(k.count));
        m_counterTexts.insert(item->name, text);
        b->setText(text.isEmpty() ? counterText(k.kind, QString::number(k.count)) : text);
        b->setVisible(k.visible);
        QFont f = b->font();
        f.setBold(k.kind == status.selected);
        b->setFont(f);
        paintItem(b, item, k.count > 0, kCounter, Qt::white);
    }
    for (auto it = status.texts.cbegin(); it != status.texts.cend(); ++it) {
        if (auto *label = findChild<QLabel *>(it.key()))
            label->setText(it.value());
        else if (auto *edit = findChild<QLineEdit *>(it.key()))
            edit->setText(it.value());
    }
    for (auto it = status.visible.cbegin(); it != status.visible.cend(); ++it) {
        if (auto *w = findChild<QWidget *>(it.key()))
            w->setVisible(it.value());
    }
    // BC600/BC216: the six counters in their order; the status names the
    // ones it highlights.
    for (int i = 0; i < status.counts.size() && i < m_front.counters.size(); ++i) {
        const FrontItem &c = m_front.counters[i];
        if (auto *b = findChild<QPushButton *>(c.name)) {
            m_counts.insert(c.name, status.counts[i]);
            m_counterTexts.remove(c.name);
            b->setText(counterText(c.kind, status.counts[i]));
            paintItem(b, &c, status.named.value(c.name) > 0, kCounter, Qt::white);
        }
    }
}

void PanelView::setCentral(const QString &central)
{
    for (const FrontVariant &v : m_front.variants) {
        if (!v.contains.isEmpty() && !central.contains(v.contains))
            continue;
        m_title = v.title;
        if (auto *badge = findChild<QLabel *>(m_front.badge))
            badge->setText(v.badge);
        m_texts.retranslate();
        return;
    }
}

void PanelView::resetFront()
{
    m_counts.clear();
    m_counterTexts.clear();
    for (const FrontItem &item : m_front.indicators)
        if (auto *w = findChild<QWidget *>(item.name))
            paintItem(w, &item, false, kLit, Qt::black);
    for (const FrontItem &item : m_front.counters)
        if (auto *b = findChild<QPushButton *>(item.name)) {
            b->setText(counterCaption(item));
            b->setVisible(true);
            QFont f = b->font();
            f.setBold(false);
            b->setFont(f);
            paintItem(b, &item, false, kCounter, Qt::white);
        }
    if (m_display)
        m_display->clear();
}

void PanelView::showEvents(const QList<panels::EventLine> &lines, bool replace)
{
    if (!m_display)
        return;
    if (replace)
        m_display->clear();
    for (const panels::EventLine &l : lines) {
        QTextCharFormat f;
        f.setFontWeight(l.heading ? QFont::Bold : QFont::Normal);
        if (l.heading && m_front.bigHeadings) {
            // In the live colour; on a band of its own, as the display has that colour too.
            f.setFontPointSize(14);
            f.setForeground(m_live ? kLive : kGrey);
            f.setBackground(m_live ? QColor(Qt::white) : kDark);
        }
        m_display->setCurrentCharFormat(f);
        m_display->append(l.text);
    }
}

QString PanelView::displayText() const
{
    return m_display ? m_display->toPlainText() : QString();
}

void PanelView::setLive(bool live)
{
    m_live = live;
    paintPart(this, live ? kLive : kGrey, live ? Qt::white : Qt::black);
    if (m_display)
        paintPart(m_display, live ? kLive : kGrey, live ? Qt::white : Qt::black);
}

} // namespace velmar::ui
