#include "ui/status/StatusPage.h"

#include "core/shell/Engine.h"
#include "ui/status/Gauge.h"
#include "ui/status/ServiceReveal.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmar::ui {

namespace {

QColor qc(Rgb c)
{
    return QColor::fromRgb(c);
}

void setBackground(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A list paints its items over the Base colour, not the Window colour.
void setListBackground(QAbstractItemView *list, const QColor &c)
{
    QPalette p = list->palette();
    p.setColor(QPalette::Base, c);
    list->setPalette(p);
}

QColor logColour(LogColour c)
{
    switch (c) {
    case LogColour::Default:
    case LogColour::Black: return Qt::black;
    case LogColour::Red: return qc(colours::Red);
    case LogColour::DarkRed: return QColor(0x80, 0x00, 0x00);
    case LogColour::Lime: return qc(colours::Lime);
    case LogColour::Green: return qc(colours::Green);
    case LogColour::Blue: return qc(colours::Blue);
    case LogColour::Fuchsia: return QColor(0xFF, 0x00, 0xFF);
    case LogColour::LightGreyBlue: return QColor(0xA6, 0xCA, 0xF0);
    }
    return Qt::black;
}

// The events pane shows each line in its colour.
class EventColours : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::ForegroundRole)
            return logColour(LogColour(QIdentityProxyModel::data(index, EventLog::ColourRole).toInt()));
        return QIdentityProxyModel::data(index, role);
    }
};

QPlainTextEdit *textBox(const QString &name, int lines, QWidget *parent)
{
    auto *t = new QPlainTextEdit(parent);
    t->setObjectName(name);
    t->setReadOnly(true);
    t->setFrameShape(QFrame::NoFrame);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    // One tab stop past the longest label ("   Identificador: ") lines the values up.
    t->setTabStopDistance(QFontMetrics(t->font()).horizontalAdvance(QStringLiteral("   Identificador: ")) + 4);
    t->setFixedHeight(QFontMetrics(t->font()).lineSpacing() * lines + 10);
    return t;
}

QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// The area of the inputs and outputs keeps fixed places, so that the covers
// lie exactly over the inputs and over the outputs.
constexpr int kIoWidth = 352;
constexpr int kIndicatorW = 84, kIndicatorH = 22, kIndicatorGap = 4;
constexpr int kInputsTop = 20;
constexpr int kInputsHeight = kInputsTop + 4 * (kIndicatorH + kIndicatorGap);
constexpr int kOutputsTop = kInputsHeight + 6;
constexpr int kOutputsHeight = 20 + kIndicatorH + kIndicatorGap;
constexpr int kIoHeight = kOutputsTop + kOutputsHeight;

// The gauges: their left edge and the rows of gauge, markers and labels.
constexpr int kGaugeLeft = 110;
constexpr int kGaugeH = 18;
constexpr int kTamperTop = 24;
constexpr int kPowerTop = 96;

} // namespace

Indicator::Indicator(const QString &name, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kIndicatorW, kIndicatorH);
    setLook(qc(colours::Window), qc(colours::WindowText), QStringLiteral("---"));
}

QColor Indicator::background() const
{
    return palette().color(QPalette::Base);
}

QColor Indicator::textColour() const
{
    return palette().color(QPalette::Text);
}

void Indicator::setLook(const QColor &background, const QColor &text, const QString &caption)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::Text, text);
    setPalette(p);
    if (this->text() != caption)
        setText(caption);
}

void Indicator::mousePressEvent(QMouseEvent *e)
{
    QLineEdit::mousePressEvent(e);
    if (e->button() == Qt::LeftButton)
        emit clicked();
}

void StatusPage::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        m_texts.retranslate();
        // Labels placed by hand take the size of their new text.
        for (QLabel *l : {m_lEntrades, m_lSortides, m_lTamper, m_lAlim})
            l->adjustSize();
        // What the page drew from the module's records, in the new language.
        for (int i = 0; i < int(m_identLines.size()); ++i)
            if (!m_identLines[i].isEmpty())
                m_identLines[i] = ModuleIdentification::line(i, m_identLines[i].section(u'\t', 1));
        renderIdentification();
        renderGsm();
        render();
        m_date->setText(m_engine.status.clock().MDataHora());
    }
    QFrame::changeEvent(e);
}

StatusPage::StatusPage(Engine &engine, QWidget *parent) : QFrame(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("PEstat"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    m_panelViews = new QVBoxLayout;
    outer->addLayout(m_panelViews);

    auto *velmar = new QWidget(this);
    velmar->setObjectName(QStringLiteral("PEstatVelmar"));
    auto *row = new QHBoxLayout(velmar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(buildIdentityColumn());
    auto *middle = new QVBoxLayout;
    middle->addWidget(buildLinksAndIo());
    middle->addWidget(buildGauges());
    middle->addStretch(1);
    row->addLayout(middle);
    row->addWidget(buildEvents(), 1);
    outer->addWidget(velmar, 1);

    // Hidden panels keep their place: the page's caption shows there.
    for (QWidget *w : {static_cast<QWidget *>(m_es), static_cast<QWidget *>(m_es2)}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }
    restoreLook();
    showStatusPanels(false);

    connect(&engine.display, &StatusDisplay::changed, this, &StatusPage::render);
    connect(&engine.status, &ModuleStatus::identificationChanged, this, [this] {
        const QStringList lines = m_engine.status.identification().lines();
        for (int i = 0; i < int(m_identLines.size()) && i < lines.size(); ++i)
            m_identLines[i] = lines.at(i);
        renderIdentification();
    });
    connect(&engine.status, &ModuleStatus::gsmChanged, this, &StatusPage::renderGsm);
    connect(&engine.status, &ModuleStatus::clockChanged, this,
            [this] { m_date->setText(m_engine.status.clock().MDataHora()); });
    connect(&engine.identification, &Identification::identificationShown, this,
            &StatusPage::showIdentificationLines);
    connect(&engine.identification, &Identification::recognised, this, [this] {
        setListBackground(m_events, qc(colours::LightBlue));
    });
    connect(&engine.fields, &FieldModel::disconnectedReset, this, [this] {
        m_identLines.fill(QString());
        renderIdentification();
        setListBackground(m_events, qc(colours::Window));
    });
    render();
    renderGsm();
    m_date->setText(engine.status.clock().MDataHora());
}

QWidget *StatusPage::buildIdentityColumn()
{
    auto *col = new QWidget(this);
    col->setFixedWidth(330);
    auto *v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);
    m_heading = m_texts.text(label(QStringLiteral("LEstatVelmar"), QString(), col), [] { return tr("ESTADO GENERAL"); });
    m_heading->setAlignment(Qt::AlignCenter);
    QFont hf = m_heading->font();
    hf.setBold(true);
    m_heading->setFont(hf);
    m_heading->setMinimumHeight(24);
    m_date = label(QStringLiteral("MDataHora"), QString(), col);
    m_empresa = textBox(QStringLiteral("REEmpresa"), 3, col);
    m_empresa2 = textBox(QStringLiteral("REEmpresa2"), 3, col);
    m_gsm = textBox(QStringLiteral("REGSM"), 6, col);
    v->addWidget(m_heading);
    v->addWidget(m_date);
    v->addWidget(m_empresa);
    v->addWidget(m_empresa2);
    v->addWidget(m_gsm);
    v->addWidget(buildOrders(col));
    v->addStretch(1);
    return col;
}

QWidget *StatusPage::buildOrders(QWidget *parent)
{
    auto *bar = new QWidget(parent);
    bar->setObjectName(QStringLiteral("POrdres"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 4, 0, 0);
    auto order = [&](const char *name, LayoutTexts::Text caption, LayoutTexts::Text tip,
                     void (ModuleCommands::*click)()) {
        auto *b = m_texts.text(new QPushButton(bar), std::move(caption));
        b->setObjectName(QString::fromLatin1(name));
        m_texts.tip(b, std::move(tip));
        connect(b, &QPushButton::clicked, &m_engine.commands, click);
        row->addWidget(b);
        return b;
    };
    m_reset = order("BBReset", [] { return tr("Reset"); }, [] { return tr("Reinicia el equipo"); },
                    &ModuleCommands::BBResetClick);
    order("BBProvaTest", [] { return tr("Test"); }, [] { return tr("El equipo envía un informe de test"); },
          &ModuleCommands::BBProvaTestClick);
    m_cra = order("BBCRA", [] { return tr("Envío a la CRA"); },
                  [] { return tr("El equipo envía un test a la central receptora"); }, &ModuleCommands::BBCRAClick);
    row->addStretch(1);
    // Reset and the receiving-centre test wait for the module to identify
    // itself in its records.
    auto follow = [this] {
        const bool shown = m_engine.status.moduleCommandsShown();
        m_reset->setVisible(shown);
        m_cra->setVisible(shown);
    };
    connect(&m_engine.status, &ModuleStatus::identificationChanged, this, follow);
    follow();
    return bar;
}

QWidget *StatusPage::buildLinksAndIo()
{
    m_es = new QFrame(this);
    m_es->setObjectName(QStringLiteral("PEstatES"));
    m_es->setFixedWidth(kIoWidth + 16);
    auto *v = new QVBoxLayout(m_es);
    v->setContentsMargins(8, 6, 8, 6);
    v->setSpacing(3);
    auto link = [this](const QString &name) {
        auto *l = label(name, QString(), m_es);
        l->setAutoFillBackground(true);
        l->setMinimumHeight(20);
        return l;
    };
    m_gprs = link(QStringLiteral("REGPRS"));
    m_adsl = link(QStringLiteral("READSL"));
    m_com = link(QStringLiteral("RECOM"));
    m_interCentral = label(QStringLiteral("REInterCentral"), QString(), m_es);
    QFont bold = m_interCentral->font();
    bold.setBold(true);
    m_interCentral->setFont(bold);
    m_interCentral->hide();
    v->addWidget(m_gprs);
    v->addWidget(m_adsl);
    v->addWidget(m_com);
    v->addWidget(m_interCentral);

    auto *io = new QWidget(m_es);
    io->setObjectName(QStringLiteral("PES"));
    io->setFixedSize(kIoWidth, kIoHeight);
    m_esActivades = new QWidget(io);
    m_esActivades->setObjectName(QStringLiteral("PESActivades"));
    m_esActivades->setGeometry(0, 0, kIoWidth, kIoHeight);
    m_lEntrades = m_texts.text(label(QStringLiteral("LEntrades"), QString(), m_esActivades),
                               [] { return tr("ENTRADAS"); });
    m_lEntrades->move(2, 2);
    for (int i = 0; i < 16; ++i) {
        auto *e = new Indicator(QStringLiteral("EE%1").arg(i + 1), m_esActivades);
        e->move((i % 4) * (kIndicatorW + kIndicatorGap), kInputsTop + (i / 4) * (kIndicatorH + kIndicatorGap));
        m_inputs[i] = e;
    }
    m_lSortides = m_texts.text(label(QStringLiteral("LSortides"), QString(), m_esActivades),
                               [] { return tr("SALIDAS"); });
    m_lSortides->move(2, kOutputsTop + 2);
    for (int i = 0; i < 4; ++i) {
        auto *s = new Indicator(QStringLiteral("ES%1").arg(i + 1), m_esActivades);
        s->move(i * (kIndicatorW + kIndicatorGap), kOutputsTop + 20);
        s->setCursor(Qt::PointingHandCursor);
        connect(s, &Indicator::clicked, this, [this, i] { emit outputClicked(i + 1); });
        m_outputs[i] = s;
    }
    auto cover = [io](const QString &name, int top, int height) {
        auto *c = label(name, QString(), io);
        c->setGeometry(0, top, kIoWidth, height);
        c->setAlignment(Qt::AlignCenter);
        QFont f = c->font();
        f.setBold(true);
        c->setFont(f);
        c->hide();
        return c;
    };
    m_entradesCover = cover(QStringLiteral("PEntradesNoDisp"), 0, kInputsHeight);
    m_sortidesCover = cover(QStringLiteral("PSortidesNoDisp"), kOutputsTop, kOutputsHeight);
    v->addWidget(io);
    return m_es;
}

QWidget *StatusPage::buildGauges()
{
    m_es2 = new QFrame(this);
    m_es2->setObjectName(QStringLiteral("PEstatES2"));
    m_es2->setFixedSize(kIoWidth + 16, 168);
    QWidget *p = m_es2;
    m_lTamper = m_texts.text(label(QStringLiteral("LTamper"), QString(), p), [] { return tr("TAMPER"); });
    m_lTamper->move(8, kTamperTop);
    m_tamper = new Gauge(QStringLiteral("GTamper"), StatusDisplay::kTamperMax, p);
    m_tamper->setGeometry(kGaugeLeft, kTamperTop, GaugeLook::kWidth, kGaugeH);
    m_tamperRest = new GaugeMarker(QStringLiteral("STamperRest"), qc(colours::Green), p);
    m_tamperDisp = new GaugeMarker(QStringLiteral("STamperDisp"), qc(colours::Red), p);
    m_lTamperRest = label(QStringLiteral("LTamperRest"), QString(), p);
    m_lTamperDisp = label(QStringLiteral("LTamperDisp"), QString(), p);

    m_lAlim = m_texts.text(label(QStringLiteral("LAlim"), QString(), p), [] { return tr("ALIMENTACIÓN"); });
    m_lAlim->move(8, kPowerTop);
    m_power = new Gauge(QStringLiteral("GAlimentacio"), StatusDisplay::kPowerMaxVolts, p);
    m_power->setGeometry(kGaugeLeft, kPowerTop, GaugeLook::kWidth, kGaugeH);
    m_restBat = new GaugeMarker(QStringLiteral("Srestbat"), qc(colours::Green), p);
    m_funBat = new GaugeMarker(QStringLiteral("SFunbat"), qc(colours::Red), p);
    m_lRestBat = label(QStringLiteral("LRestBat"), QString(), p);
    m_lFunBat = label(QStringLiteral("LFunBat"), QString(), p);
    m_vAlim = label(QStringLiteral("LVAlim"), QString(), p);
    m_vAlim->setGeometry(kGaugeLeft + GaugeLook::kWidth + 10, kPowerTop, 80, kGaugeH);
    for (QLabel *l : {m_lTamperRest, m_lTamperDisp, m_lRestBat, m_lFunBat})
        l->resize(70, 16);
    return m_es2;
}

QWidget *StatusPage::buildEvents()
{
    auto *box = new QWidget(this);
    auto *v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    auto *bar = new QHBoxLayout;
    auto *title = m_texts.text(label(QStringLiteral("LEvents"), QString(), box), [] { return tr("EVENTOS"); });
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    bar->addWidget(title);
    bar->addStretch(1);

    m_tot = new QToolButton(box);
    m_tot->setObjectName(QStringLiteral("BTot"));
    m_tot->setCheckable(true);
    m_texts.text(m_tot, [this] { return m_tot->isChecked() ? tr("Todos") : tr("Filtrados"); });
    m_texts.tip(m_tot, [] { return tr("Todos los eventos o solo los del instalador"); });
    m_tot->hide(); // a service control, revealed by the heading
    // The toggles are module commands; the page only shows their state.
    connect(m_tot, &QToolButton::clicked, &m_engine.commands, &ModuleCommands::BTotClick);
    connect(&m_engine.eventLog, &EventLog::BTotChanged, this, [this](bool all) {
        m_tot->setChecked(all);
        m_tot->setText(all ? tr("Todos") : tr("Filtrados"));
    });

    m_para = new QToolButton(box);
    m_para->setObjectName(QStringLiteral("BPara"));
    m_texts.text(m_para, [this] { return m_follows ? tr("Parar") : tr("Continuar"); });
    m_texts.tip(m_para, [] { return tr("Parar/Continuar"); });
    connect(m_para, &QToolButton::clicked, &m_engine.commands, &ModuleCommands::BParaClick);
    connect(&m_engine.commands, &ModuleCommands::BParaChanged, this, [this](bool follows) {
        m_follows = follows;
        m_para->setText(follows ? tr("Parar") : tr("Continuar"));
    });

    m_esborra = new QToolButton(box);
    m_esborra->setObjectName(QStringLiteral("BEsborra"));
    m_texts.text(m_esborra, [] { return tr("Borrar"); });
    connect(m_esborra, &QToolButton::clicked, &m_engine.commands, &ModuleCommands::BEsborraClick);
    bar->addWidget(m_tot);
    bar->addWidget(m_para);
    bar->addWidget(m_esborra);
    v->addLayout(bar);

    m_events = new QListView(box);
    m_events->setObjectName(QStringLiteral("REVelmar"));
    auto *colours = new EventColours(m_events);
    colours->setSourceModel(&m_engine.eventLog);
    m_events->setModel(colours);
    m_events->setWordWrap(true);
    m_events->setSelectionMode(QAbstractItemView::NoSelection);
    m_events->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setListBackground(m_events, qc(colours::Window));
    // New lines scroll the pane while "Parar" has not stopped it (REVelmarChange).
    connect(&m_engine.eventLog, &QAbstractItemModel::rowsInserted, &m_engine.commands,
            &ModuleCommands::REVelmarChange);
    connect(&m_engine.eventLog, &QAbstractItemModel::dataChanged, &m_engine.commands,
            &ModuleCommands::REVelmarChange);
    connect(&m_engine.commands, &ModuleCommands::eventLogScrollToEnd, m_events, &QListView::scrollToBottom);
    v->addWidget(m_events, 1);

    installServiceReveal(m_heading, [this] { m_tot->setVisible(m_tot->isHidden()); });
    return box;
}

void StatusPage::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void StatusPage::paintEvent(QPaintEvent *e)
{
    QFrame::paintEvent(e);
    if (m_caption.isEmpty())
        return;
    // The caption sits in the free part of the page, where the panels
    // are hidden.
    QPainter p(this);
    QFont f = font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    p.setFont(f);
    p.setPen(QColor(0x60, 0x60, 0x60));
    const QPoint origin = m_es->mapTo(this, QPoint(0, 0));
    const QRect free(origin.x(), origin.y(), m_es->width(), m_es->height() + m_es2->height());
    p.drawText(free, Qt::AlignCenter, m_caption);
}

void StatusPage::showStatusPanels(bool shown)
{
    m_es->setVisible(shown);
    m_es2->setVisible(shown);
}

void StatusPage::setTextColour(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

void StatusPage::restoreLook()
{
    setBackground(m_es, qc(colours::LightBlue));
    setBackground(m_es2, qc(colours::ButtonShadow));
    for (QWidget *w : std::initializer_list<QWidget *>{m_empresa, m_empresa2, m_gsm, m_lTamper, m_lAlim,
                                                       m_lEntrades, m_lSortides})
        setTextColour(w, qc(colours::Blue));
    setBackground(m_heading, qc(colours::LightBlue));
    m_para->show();
    m_esborra->show();
    render();
}

void StatusPage::showIdentificationLines(const QStringList &lines)
{
    // The identification timer knows the identifier, firmware and hardware.
    for (int i = 0; i < lines.size() && 3 + i < int(m_identLines.size()); ++i)
        m_identLines[3 + i] = lines.at(i);
    renderIdentification();
}

void StatusPage::renderIdentification()
{
    const QString top = QStringList{m_identLines[0], m_identLines[1], m_identLines[2]}.join(u'\n').trimmed();
    const QString bottom = QStringList{m_identLines[3], m_identLines[4], m_identLines[5]}.join(u'\n').trimmed();
    if (m_empresa->toPlainText() != top)
        m_empresa->setPlainText(top);
    if (m_empresa2->toPlainText() != bottom)
        m_empresa2->setPlainText(bottom);
}

void StatusPage::renderGsm()
{
    const QString text = m_engine.status.gsmLines().join(u'\n');
    if (m_gsm->toPlainText() != text)
        m_gsm->setPlainText(text);
}

void StatusPage::renderLink(QLabel *label, const LinkPanelLook &look)
{
    QPalette p = label->palette();
    p.setColor(QPalette::Window, qc(look.background));
    p.setColor(QPalette::WindowText, qc(look.font));
    label->setPalette(p);
    QFont f = label->font();
    f.setBold(look.bold);
    label->setFont(f);
    label->setText(look.line);
}

void StatusPage::renderCover(QLabel *cover, const CoverLook &look)
{
    setBackground(cover, qc(look.colour));
    cover->setText(look.caption);
    cover->setVisible(look.shown);
    if (look.shown && look.front)
        cover->raise();
    else if (!look.shown)
        cover->lower();
}

void StatusPage::renderGauge(Gauge *g, GaugeMarker *restore, QLabel *restoreLabel, GaugeMarker *trigger,
                             QLabel *triggerLabel, const GaugeLook &look)
{
    g->setValue(look.value);
    g->setBarColour(qc(look.bar));
    const int markerTop = g->y() + g->height() + 1;
    const int labelTop = markerTop + restore->height() + 1;
    restore->move(g->x() + look.restoreX, markerTop);
    trigger->move(g->x() + look.triggerX, markerTop);
    restoreLabel->move(g->x() + look.restoreLabelX, labelTop);
    // The trigger label goes one line lower so that close levels stay readable.
    triggerLabel->move(g->x() + look.triggerLabelX, labelTop + restoreLabel->height());
    restoreLabel->setText(look.restoreLabel);
    triggerLabel->setText(look.triggerLabel);
}

void StatusPage::render()
{
    const StatusDisplay &d = m_engine.display;
    for (int i = 0; i < 16; ++i) {
        const IndicatorLook &l = d.entrades()[i];
        m_inputs[i]->setLook(qc(l.background), qc(l.text), l.caption);
    }
    for (int i = 0; i < 4; ++i) {
        const IndicatorLook &l = d.sortides()[i];
        m_outputs[i]->setLook(qc(l.background), qc(l.text), l.caption);
    }
    renderLink(m_gprs, d.gprs());
    renderLink(m_adsl, d.adsl());
    renderLink(m_com, d.com());
    const InterCentralLook &ic = d.interCentral();
    m_interCentral->setText(ic.text);
    setTextColour(m_interCentral, qc(ic.colour));
    m_interCentral->setVisible(ic.shown);

    m_esActivades->setVisible(d.esActivades());
    m_lEntrades->setVisible(d.entradesLabelShown());
    renderCover(m_entradesCover, d.entradesCover());
    renderCover(m_sortidesCover, d.sortidesCover());

    // The gauges' labels take the GSM box's text colour.
    const QColor labels = m_gsm->palette().color(QPalette::Text);
    for (QWidget *w : std::initializer_list<QWidget *>{m_lTamper, m_lTamperRest, m_lTamperDisp, m_lAlim,
                                                       m_lRestBat, m_lFunBat, m_vAlim})
        setTextColour(w, labels);
    renderGauge(m_tamper, m_tamperRest, m_lTamperRest, m_tamperDisp, m_lTamperDisp, d.tamper());
    renderGauge(m_power, m_restBat, m_lRestBat, m_funBat, m_lFunBat, d.power());
    m_vAlim->setText(d.power().voltage);
}

} // namespace velmar::ui
