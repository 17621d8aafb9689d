#include "ui/panels/PanelView.h"

#include "ui/status/BlinkLamp.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace velmar::ui {

namespace {

constexpr int kLampsPerRow = 16;

const QColor kLive(0x00, 0x80, 0x80);   // teal
const QColor kGrey(0xC0, 0xC0, 0xC0);   // silver
const QColor kOff(0xA0, 0xA0, 0xA4);
const QColor kLit(0xFF, 0xBF, 0x00);    // amber
const QColor kCounter(0xFF, 0x00, 0x00);

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

PanelView::PanelView(const Front &front, const LampBoard &board, QWidget *parent)
    : QFrame(parent), m_front(front)
{
    setObjectName(front.view);
    setFrameShape(QFrame::StyledPanel);
    auto *v = new QVBoxLayout(this);
    auto *title = m_texts.label(this, [t = front.title] { return tr("CENTRAL DE INCENDIOS ") + t; });
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    v->addWidget(title);

    if (!front.lamps.isEmpty()) {
        auto *grid = new QGridLayout;
        grid->setSpacing(2);
        int i = 0;
        for (const FrontLamp &l : front.lamps) {
            auto *lamp = new BlinkLamp(l.name, board, l.group, l.index, this);
            lamp->setToolTip(l.caption.isEmpty() ? l.name : l.caption);
            m_lamps << lamp;
            grid->addWidget(lamp, i / kLampsPerRow, i % kLampsPerRow);
            ++i;
        }
        v->addLayout(grid);
    }
    if (!front.indicators.isEmpty() || !front.counters.isEmpty()) {
        auto *row = new QHBoxLayout;
        for (const FrontItem &item : front.indicators) {
            auto *l = m_texts.label(this, [c = item.caption] { return frontCaption(c); });
            l->setObjectName(item.name);
            l->setMargin(3);
            paintPart(l, kOff);
            row->addWidget(l);
        }
        for (const FrontItem &item : front.counters) {
            auto *b = m_texts.text(new QPushButton(this), [this, item] { return counterCaption(item); });
            b->setObjectName(item.name);
            b->setFlat(true);
            connect(b, &QPushButton::clicked, this, [this, kind = item.kind] { emit kindChosen(kind); });
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

void PanelView::applyStatus(const panels::PanelStatus &status)
{
    for (auto it = status.named.cbegin(); it != status.named.cend(); ++it) {
        if (auto *w = findChild<QWidget *>(it.key()))
            paintPart(w, it.value() > 0 ? kLit : kOff);
    }
    for (const panels::KindLabel &k : status.labels) {
        auto *b = k.name.isEmpty() ? nullptr : findChild<QPushButton *>(k.name);
        if (!b)
            continue;
        m_counts.insert(k.name, QString::number(k.count));
        m_counterTexts.insert(k.name, k.text);
        b->setText(k.text.isEmpty() ? counterText(k.kind, QString::number(k.count)) : k.text);
        b->setVisible(k.visible);
        QFont f = b->font();
        f.setBold(k.kind == status.selected);
        b->setFont(f);
        paintPart(b, k.count > 0 ? kCounter : kOff, k.count > 0 ? Qt::white : Qt::black);
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
    // BC600/BC216: the six counters in their order.
    for (int i = 0; i < status.counts.size() && i < m_front.counters.size(); ++i) {
        if (auto *b = findChild<QPushButton *>(m_front.counters[i].name)) {
            m_counts.insert(m_front.counters[i].name, status.counts[i]);
            m_counterTexts.remove(m_front.counters[i].name);
            b->setText(counterText(m_front.counters[i].kind, status.counts[i]));
            paintPart(b, status.counts[i] != QLatin1String("0") ? kCounter : kOff);
        }
    }
}

void PanelView::showEvents(const QList<panels::EventLine> &lines, bool replace)
{
    if (!m_display)
        return;
    if (replace)
        m_display->clear();
    for (const panels::EventLine &l : lines) {
        m_display->setFontWeight(l.heading ? QFont::Bold : QFont::Normal);
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
