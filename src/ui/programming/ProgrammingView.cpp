#include "ui/programming/ProgrammingView.h"

#include "ui/programming/ParameterHints.h"

#include "ui/editor/FieldColours.h"
#include "ui/editor/GridEditor.h"
#include "ui/programming/FieldBinder.h"
#include "ui/programming/WrappedListDelegate.h"
#include "ui/shell/LayoutTexts.h"
#include "ui/shell/MessageDialogs.h"
#include "ui/shell/WorkLock.h"
#include "ui/status/ServiceReveal.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace velmar::ui {

namespace {

constexpr int kTabWidth = 140;
const QColor kHotLight(0x00, 0x66, 0xCC);
const QColor kSelectedCaption(0xFF, 0xEB, 0xB9); // 12184831

// One of the caption panels that choose the user page's section.
class SectionCaption : public QLabel {
public:
    SectionCaption(const QString &name, const QString &text, QWidget *parent)
        : QLabel(text, parent)
    {
        setObjectName(name);
        setAlignment(Qt::AlignCenter);
        setAutoFillBackground(true);
        setMinimumWidth(kTabWidth);
        setContentsMargins(12, 6, 12, 6);
        setCursor(Qt::PointingHandCursor);
    }

    std::function<void()> onClick;

    void setSelected(bool selected)
    {
        QPalette p = palette();
        QFont f = font();
        f.setBold(selected);
        f.setUnderline(selected);
        p.setColor(QPalette::Window, selected ? kHotLight : tabGreyColour());
        p.setColor(QPalette::WindowText, selected ? kSelectedCaption
                                                  : QApplication::palette().color(QPalette::WindowText));
        setPalette(p);
        setFont(f);
    }

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton && onClick)
            onClick();
    }
};

// The two labels over the outputs' trigger grid: "ERROR / RESTAURACIÓN" over
// the system causes and "Modo pulsante" over the app column. They follow the
// grid's columns and show only while its first columns are in view.
class OutputCaptions : public QWidget {
public:
    OutputCaptions(GridEditor *grid, LayoutTexts &texts, QWidget *parent) : QWidget(parent), m_grid(grid)
    {
        m_errorRest = texts.label(this, [] { return ProgrammingView::tr("ERROR / RESTAURACIÓN"); });
        m_errorRest->setObjectName(QStringLiteral("LErrorRest"));
        m_errorRest->setAlignment(Qt::AlignCenter);
        m_pulsant = texts.label(this, [] { return ProgrammingView::tr("Modo pulsante"); });
        m_pulsant->setObjectName(QStringLiteral("LModusPulsant"));
        m_pulsant->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (QLabel *l : {m_errorRest, m_pulsant}) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        setFixedHeight(m_errorRest->sizeHint().height() + 2);
        QObject::connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this,
                         [this] { place(); });
        QObject::connect(grid, &GridEditor::scrolled, this, [this](bool first) {
            m_errorRest->setVisible(first);
            m_pulsant->setVisible(first);
        });
    }

    void place()
    {
        QHeaderView *h = m_grid->horizontalHeader();
        const int offset = m_grid->mapTo(parentWidget(), QPoint(0, 0)).x() - x() + m_grid->frameWidth();
        const int left = offset + h->sectionPosition(1);
        const int causesEnd = offset + h->sectionPosition(9) + h->sectionSize(9);
        const int appEnd = offset + h->sectionPosition(10) + h->sectionSize(10);
        m_errorRest->setGeometry(left, 0, causesEnd - left, height());
        const int w = m_pulsant->sizeHint().width();
        m_pulsant->setGeometry(appEnd - w, 0, w, height());
        // With a narrow grid the pulse label moves above the error label's end.
        if (appEnd - w < causesEnd)
            m_errorRest->setGeometry(left, 0, qMax(0, appEnd - w - left - 8), height());
    }

protected:
    void resizeEvent(QResizeEvent *) override { place(); }
    // The view has set the new texts (it hears of the language first).
    void changeEvent(QEvent *e) override
    {
        if (e->type() == QEvent::LanguageChange)
            place();
        QWidget::changeEvent(e);
    }
    void showEvent(QShowEvent *) override { place(); }

private:
    GridEditor *m_grid;
    QLabel *m_errorRest = nullptr;
    QLabel *m_pulsant = nullptr;
};

// Sizes a box for about `chars` characters.
void fitChars(QLineEdit *edit, int chars, bool fixed)
{
    const int w = edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 16;
    edit->setMinimumWidth(w);
    if (fixed)
        edit->setMaximumWidth(w);
}

QGroupBox *group(LayoutTexts &texts, LayoutTexts::Text title, const char *name, QWidget *parent)
{
    auto *g = texts.text(new QGroupBox(parent), std::move(title));
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

} // namespace

ProgrammingView::ProgrammingView(FieldModel &fields, const LinkState &link, QWidget *parent)
    : QWidget(parent), m_fields(fields), m_link(link)
{
    setObjectName(QStringLiteral("PProgramacio"));
    m_binder = new FieldBinder(fields, [this] { return changeContext(); }, this);
    m_binder->setLayoutTexts(&m_texts);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PCProgramacio"));
    QWidget *commands = buildCommandBar();
    m_tabs->addTab(wrapPage(buildConfigPage(), "TSConfiguracio"), QString());
    m_tabs->addTab(wrapPage(buildConfigSoftPage(), "TSConfigSoft"), QString());
    m_tabs->addTab(wrapPage(buildUserPage(), "TSUsuari"), QString());
    m_texts.add(m_tabs, [this] {
        m_tabs->setTabText(0, tr("Configuración"));
        m_tabs->setTabText(1, tr("Avisos y CRA"));
        m_tabs->setTabText(2, tr("Usuario"));
    });
    addPanelPages();
    m_tabs->setCornerWidget(commands, Qt::TopRightCorner);

    // Tabs as wide as 140 pixels and as high as the page-read button; grey,
    // light blue when selected.
    const int height = commands->findChild<QPushButton *>(QStringLiteral("BBLlegirPag"))->sizeHint().height();
    m_tabs->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { background: #D4D4D4; color: black; width: %1px; height: %2px;"
                       " border: 1px solid #9A9A9A; border-bottom: none; margin-right: 2px;"
                       " border-top-left-radius: 3px; border-top-right-radius: 3px; }"
                       "QTabBar::tab:selected { background: #7DB8FF; }")
            .arg(kTabWidth - 2)
            .arg(height));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);

    m_readAll = m_texts.text(new QAction(this), [] { return tr("Leer el circuito"); });
    m_readAll->setObjectName(QStringLiteral("MILlegirCircuit"));
    connect(m_readAll, &QAction::triggered, this, &ProgrammingView::fullReadRequested);
    m_writeAll = m_texts.text(new QAction(this), [] { return tr("Programar el circuito"); });
    m_writeAll->setObjectName(QStringLiteral("MIGravarCircuit"));
    connect(m_writeAll, &QAction::triggered, this, &ProgrammingView::writeRequested);
    m_defaults = m_texts.text(new QAction(this), [] { return tr("Restaurar los valores de fábrica"); });
    m_defaults->setObjectName(QStringLiteral("MIIDefecte"));
    connect(m_defaults, &QAction::triggered, this, &ProgrammingView::factoryResetRequested);

    // Last, so that the hints are made from the captions just set.
    InicialitzaHint(this, m_fields, m_texts);

    connect(m_tabs, &QTabWidget::currentChanged, this, &ProgrammingView::PCProgramacioChange);
    setCommandsEnabled(false);
    PEntradesClick();
}

void ProgrammingView::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        m_texts.retranslate();
    QWidget::changeEvent(e);
}

ProgrammingView::~ProgrammingView()
{
    if (m_busy)
        QApplication::restoreOverrideCursor();
}

QWidget *ProgrammingView::buildCommandBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("PComandesProg"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 0, 0, 2);
    auto button = [&](const char *name, LayoutTexts::Text text, LayoutTexts::Text tip,
                      QStyle::StandardPixmap icon, void (ProgrammingView::*signal)()) {
        auto *b = new QPushButton(style()->standardIcon(icon), QString(), bar);
        b->setObjectName(QString::fromLatin1(name));
        m_texts.text(b, std::move(text));
        m_texts.tip(b, std::move(tip));
        connect(b, &QPushButton::clicked, this, signal);
        row->addWidget(b);
        m_commands << b;
        return b;
    };
    button("BBLlegirPag", [] { return tr("Leer"); },
           [] { return tr("Lee del equipo los valores de la página mostrada"); }, QStyle::SP_ArrowDown,
           &ProgrammingView::pageReadRequested);
    button("BBGravarPag", [] { return tr("Programar página"); },
           [] { return tr("Programa en el equipo los campos modificados de la página mostrada"); },
           QStyle::SP_ArrowUp, &ProgrammingView::pageWriteRequested);
    button("BBGravar", [] { return tr("Programar"); },
           [] { return tr("Programa en el equipo todos los campos modificados"); },
           QStyle::SP_DialogSaveButton, &ProgrammingView::writeRequested);
    return bar;
}

QWidget *ProgrammingView::wrapPage(QWidget *page, const char *tabName)
{
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QString::fromLatin1(tabName));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    return scroll;
}

// Binds a new widget of the page by its control name.
#define VELMAR_EDIT(var, name, chars, fixed)                         \
    auto *var = new QLineEdit(page);                                 \
    var->setObjectName(QStringLiteral(name));                        \
    fitChars(var, chars, fixed);                                     \
    m_binder->bindEdit(var)

QWidget *ProgrammingView::buildConfigPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("PConfig"));

    QGroupBox *ident = group(m_texts, [] { return tr("Identificación"); }, "GBIdentificacio", page);
    auto *identForm = new QFormLayout(ident);
    VELMAR_EDIT(empresa, "EProgEmpresa", 28, false);
    VELMAR_EDIT(instal, "EProgInstal", 28, false);
    VELMAR_EDIT(ref, "EProgRef", 28, false);
    VELMAR_EDIT(tel, "EProgTel", 16, true);
    VELMAR_EDIT(password, "EProgPassword", 16, true);
    VELMAR_EDIT(pin, "EPinSIM", 8, true);
    VELMAR_EDIT(codi, "ECodiProg", 12, true);
    VELMAR_EDIT(central, "ECentral", 28, false);
    m_texts.tip(central, [] { return tr("Modelo de la central conectada al equipo"); });
    auto *hora = new QComboBox(page);
    hora->setObjectName(QStringLiteral("CBHora"));
    hora->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    hora->setMinimumContentsLength(28);
    // Entries are as tall as their wrapped city lists in the list's width.
    auto *zoneList = new QListView(hora);
    zoneList->setWordWrap(true);
    zoneList->setTextElideMode(Qt::ElideNone);
    zoneList->setItemDelegate(new WrappedListDelegate(zoneList));
    hora->setView(zoneList);
    m_binder->bindComboBox(hora);
    identForm->addRow(m_texts.label(nullptr, [] { return tr("Empresa:"); }), empresa);
    identForm->addRow(m_texts.label(nullptr, [] { return tr("Instalador:"); }), instal);
    identForm->addRow(m_texts.label(nullptr, [] { return tr("Referencia:"); }), ref);
    identForm->addRow(m_texts.label(nullptr, [] { return tr("Teléfono del equipo:"); }), tel);
    identForm->addRow(m_texts.label(nullptr, [] { return tr("Password SMS:"); }), password);
    identForm->addRow(m_texts.label(nullptr, [] { return tr("PIN de la SIM:"); }), pin);
    identForm->addRow(m_texts.label(nullptr, [] { return tr("Código de programación:"); }), codi);
    // The panel model is the module's own: both labels reveal its box to service.
    auto *lCentral = m_texts.label(page, [] { return tr("COM"); });
    lCentral->setObjectName(QStringLiteral("LCentral"));
    auto *label142 = m_texts.label(page, [] { return tr("FRANJA HORARIA"); });
    label142->setObjectName(QStringLiteral("Label142"));
    identForm->addRow(lCentral, central);
    identForm->addRow(label142, hora);
    m_revealCentral = new ServiceReveal([this, central] { revealBox(central); }, this);
    m_revealCentral->watch(lCentral);
    m_revealCentral->watch(label142);

    QGroupBox *eth = group(m_texts, [] { return tr("Red Ethernet (ADSL)"); }, "GBConfigADSL", page);
    auto *ethForm = new QFormLayout(eth);
    auto indicatorBox = [&](const char *frameName, const char *boxName, LayoutTexts::Text text) {
        auto *frame = new QFrame(page);
        frame->setObjectName(QString::fromLatin1(frameName));
        frame->setFrameShape(QFrame::StyledPanel);
        auto *l = new QHBoxLayout(frame);
        l->setContentsMargins(6, 3, 6, 3);
        auto *box = m_texts.text(new QCheckBox(frame), std::move(text));
        box->setObjectName(QString::fromLatin1(boxName));
        l->addWidget(box);
        m_binder->bindCheckBox(box, frame);
        return frame;
    };
    ethForm->addRow(indicatorBox("SPConfigADSLDHCP", "CBConfigADSLDHCP",
                                 [] { return tr("Dirección por DHCP"); }));
    VELMAR_EDIT(ip, "EConfigADSLIP", 15, true);
    VELMAR_EDIT(mask, "EConfigADSLSubMask", 15, true);
    VELMAR_EDIT(gateway, "EConfigADSLGateway", 15, true);
    VELMAR_EDIT(dns, "EConfigADSLDNS", 15, true);
    VELMAR_EDIT(dns2, "EConfigADSLDNS2", 15, true);
    VELMAR_EDIT(mac, "EMAC", 17, true);
    m_texts.tip(mac, [] { return tr("Dirección MAC del equipo"); });
    ethForm->addRow(m_texts.label(nullptr, [] { return tr("Dirección IP:"); }), ip);
    ethForm->addRow(m_texts.label(nullptr, [] { return tr("Máscara de subred:"); }), mask);
    ethForm->addRow(m_texts.label(nullptr, [] { return tr("Puerta de enlace:"); }), gateway);
    ethForm->addRow(m_texts.label(nullptr, [] { return tr("DNS primario:"); }), dns);
    ethForm->addRow(m_texts.label(nullptr, [] { return tr("DNS secundario:"); }), dns2);
    auto *lMac = m_texts.label(page, [] { return tr("MAC:"); });
    lMac->setObjectName(QStringLiteral("LMac"));
    ethForm->addRow(lMac, mac);
    m_revealMac = new ServiceReveal([this, mac] { revealBox(mac); }, this);
    m_revealMac->watch(lMac);
    ethForm->addRow(indicatorBox("SPConfigVPN", "CBConfigVPN", [] { return tr("VPN"); }));

    QGroupBox *parts = group(m_texts, [] { return tr("Partes activas"); }, "GBPartsActives", page);
    auto *partsLayout = new QVBoxLayout(parts);
    auto *partsList = new QListWidget(parts);
    partsList->setObjectName(QStringLiteral("CLBPartsActives"));
    partsList->setFlow(QListView::LeftToRight);
    partsList->setSpacing(4);
    m_binder->bindCheckList(partsList);
    partsList->setFixedHeight(partsList->sizeHintForRow(0) + 2 * partsList->frameWidth() + 10);
    partsLayout->addWidget(partsList);

    QGroupBox *ops = group(m_texts, [] { return tr("Operadoras GPRS"); }, "GBOperadores", page);
    auto *opsLayout = new QVBoxLayout(ops);
    auto *operadores = new GridEditor(*m_fields.grid(u"SGOperadores"), m_fields,
                                      [this] { return changeContext(); }, ops);
    operadores->setVisibleRows(16);
    operadores->setFill(GridEditor::Fill::AllColumns);
    m_grids << operadores;
    opsLayout->addWidget(operadores);
    auto *opsButtons = new QHBoxLayout;
    opsButtons->addStretch();
    // The list's file commands (ui/files).
    for (const auto &[name, text] : {std::pair{"BBImportarOperadores", LayoutTexts::Text([] { return tr("Importar"); })},
                                     std::pair{"BBExportarOperadores", LayoutTexts::Text([] { return tr("Exportar"); })}}) {
        auto *b = m_texts.text(new QPushButton(ops), text);
        b->setObjectName(QLatin1String(name));
        opsButtons->addWidget(b);
    }
    auto *erase = m_texts.text(new QPushButton(ops), [] { return tr("Borrar"); });
    erase->setObjectName(QStringLiteral("BBEsborraOperadores"));
    m_texts.tip(erase, [] { return tr("Borra todas las operadoras del equipo"); });
    connect(erase, &QPushButton::clicked, this, &ProgrammingView::operatorsEraseRequested);
    m_commands << erase;
    opsButtons->addWidget(erase);
    opsLayout->addLayout(opsButtons);

    auto *right = new QVBoxLayout;
    right->addWidget(eth);
    right->addWidget(parts);
    right->addStretch();
    auto *layout = new QGridLayout(page);
    layout->addWidget(ident, 0, 0);
    layout->addLayout(right, 0, 1);
    layout->addWidget(ops, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    return page;
}

QWidget *ProgrammingView::buildConfigSoftPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("PConfigSoft"));

    QGroupBox *smtp = group(m_texts, [] { return tr("Servidor de correo (SMTP)"); }, "GBEmail", page);
    auto *smtpForm = new QFormLayout(smtp);
    VELMAR_EDIT(server, "EEMailSMTP", 28, false);
    VELMAR_EDIT(port, "EEmailPort", 6, true);
    VELMAR_EDIT(user, "EEMailUser", 28, false);
    VELMAR_EDIT(password, "EEMailPassword", 20, false);
    VELMAR_EDIT(from, "EEMailEnviarA", 28, false);
    VELMAR_EDIT(subject, "EEmailSubject", 28, false);
    auto *passwordRow = new QHBoxLayout;
    passwordRow->addWidget(password, 1);
    auto *eye = new QToolButton(page);
    eye->setObjectName(QStringLiteral("BBPassword"));
    m_texts.text(eye, [] { return tr("Ver"); });
    eye->setCheckable(true);
    m_texts.tip(eye, [] { return tr("Muestra u oculta la contraseña"); });
    connect(eye, &QToolButton::toggled, password, [password](bool shown) {
        password->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    });
    passwordRow->addWidget(eye);
    smtpForm->addRow(m_texts.label(nullptr, [] { return tr("Servidor SMTP:"); }), server);
    smtpForm->addRow(m_texts.label(nullptr, [] { return tr("Puerto:"); }), port);
    smtpForm->addRow(m_texts.label(nullptr, [] { return tr("Usuario:"); }), user);
    smtpForm->addRow(m_texts.label(nullptr, [] { return tr("Password:"); }), passwordRow);
    smtpForm->addRow(m_texts.label(nullptr, [] { return tr("Remitente:"); }), from);
    smtpForm->addRow(m_texts.label(nullptr, [] { return tr("Asunto:"); }), subject);

    QGroupBox *sms = group(m_texts, [] { return tr("Avisos por SMS"); }, "GBSMS", page);
    auto *smsForm = new QFormLayout(sms);
    QGroupBox *mails = group(m_texts, [] { return tr("Avisos por e-mail"); }, "GBEmails", page);
    auto *mailForm = new QFormLayout(mails);
    for (int i = 1; i <= 4; ++i) {
        auto *phone = new QLineEdit(page);
        phone->setObjectName(QStringLiteral("ETelSMS%1").arg(i));
        m_texts.tip(phone, [] { return tr("Varios teléfonos separados por \";\""); });
        fitChars(phone, 28, false);
        m_binder->bindEdit(phone);
        smsForm->addRow(m_texts.label(nullptr, [i] { return tr("Teléfonos %1:").arg(i); }), phone);
        auto *mail = new QLineEdit(page);
        mail->setObjectName(QStringLiteral("EEmail%1").arg(i));
        m_texts.tip(mail, [] { return tr("Varias direcciones separadas por \";\""); });
        fitChars(mail, 28, false);
        m_binder->bindEdit(mail);
        mailForm->addRow(m_texts.label(nullptr, [i] { return tr("E-mail %1:").arg(i); }), mail);
    }

    QGroupBox *cra = group(m_texts, [] { return tr("Central receptora de alarmas (CRA)"); }, "GBCra", page);
    auto *craGrid = new QGridLayout(cra);
    craGrid->addWidget(m_texts.label(cra, [] { return tr("Dirección IP"); }), 0, 1);
    craGrid->addWidget(m_texts.label(cra, [] { return tr("Puerto"); }), 0, 2);
    craGrid->addWidget(m_texts.label(cra, [] { return tr("Abonado"); }), 0, 3);
    const char *paths[] = {"11", "12", "21", "22"};
    for (int i = 0; i < 4; ++i) {
        const QString suffix = QString::fromLatin1(paths[i]);
        craGrid->addWidget(m_texts.label(cra, [suffix] { return tr("CRA %1.%2:").arg(suffix.at(0)).arg(suffix.at(1)); }),
                           i + 1, 0);
        auto *ipBox = new QLineEdit(page);
        ipBox->setObjectName(QStringLiteral("EIPCra") + suffix);
        fitChars(ipBox, 24, false);
        auto *portBox = new QLineEdit(page);
        portBox->setObjectName(QStringLiteral("EPortCRA") + suffix);
        fitChars(portBox, 6, true);
        auto *account = new QLineEdit(page);
        account->setObjectName(QStringLiteral("EAbonatCra") + suffix);
        fitChars(account, 8, true);
        for (QLineEdit *e : {ipBox, portBox, account})
            m_binder->bindEdit(e);
        craGrid->addWidget(ipBox, i + 1, 1);
        craGrid->addWidget(portBox, i + 1, 2);
        craGrid->addWidget(account, i + 1, 3);
    }
    VELMAR_EDIT(polling, "EPollingCRA1", 6, true);
    auto *hexFrame = new QFrame(page);
    hexFrame->setObjectName(QStringLiteral("SPHexaCRA"));
    hexFrame->setFrameShape(QFrame::StyledPanel);
    hexFrame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *hexLayout = new QHBoxLayout(hexFrame);
    hexLayout->setContentsMargins(6, 3, 6, 3);
    auto *hex = m_texts.text(new QCheckBox(hexFrame), [] { return tr("Códigos Contact ID en hexadecimal"); });
    hex->setObjectName(QStringLiteral("CBHexaCra"));
    hexLayout->addWidget(hex);
    m_binder->bindCheckBox(hex, hexFrame);
    auto *craApp = new GridEditor(*m_fields.grid(u"SGCra"), m_fields,
                                  [this] { return changeContext(); }, cra);
    craApp->setVisibleRows(1);
    craApp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    craApp->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    craApp->setFixedWidth(craApp->sizeHint().width());
    m_grids << craApp;
    auto *craOptions = new QHBoxLayout;
    craOptions->addWidget(m_texts.label(cra, [] { return tr("Polling (minutos):"); }));
    craOptions->addWidget(polling);
    craOptions->addSpacing(16);
    craOptions->addWidget(hexFrame);
    craOptions->addSpacing(16);
    craOptions->addWidget(m_texts.label(cra, [] { return tr("Envío a la App:"); }));
    craOptions->addWidget(craApp);
    craOptions->addStretch();
    craGrid->addLayout(craOptions, 5, 0, 1, 4);
    craGrid->setColumnStretch(1, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(sms);
    right->addWidget(mails);
    auto *layout = new QGridLayout(page);
    layout->addWidget(smtp, 0, 0);
    layout->addLayout(right, 0, 1);
    layout->addWidget(cra, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    return page;
}

#undef VELMAR_EDIT

QWidget *ProgrammingView::buildUserPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("PUsuari"));
    auto context = [this] { return changeContext(); };
    auto grid = [&](const char *name, int rows, QWidget *parent) {
        auto *g = new GridEditor(*m_fields.grid(QString::fromLatin1(name)), m_fields, context, parent);
        g->setVisibleRows(rows);
        m_grids << g;
        return g;
    };
    auto boxed = [&](LayoutTexts::Text title, const char *name, QWidget *parent,
                     std::initializer_list<std::pair<GridEditor *, int>> grids) {
        QGroupBox *b = group(m_texts, std::move(title), name, parent);
        auto *l = new QHBoxLayout(b);
        for (const auto &[g, stretch] : grids) {
            g->setParent(b);
            l->addWidget(g, stretch, stretch > 0 ? Qt::AlignTop : Qt::AlignTop | Qt::AlignLeft);
        }
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
        return b;
    };

    auto *captions = new QHBoxLayout;
    captions->setSpacing(2);
    const std::pair<const char *, const char *> names[] = {{"PEntrades", QT_TR_NOOP("ENTRADAS")},
                                                           {"PSortides", QT_TR_NOOP("SALIDAS")},
                                                           {"PSistema", QT_TR_NOOP("SISTEMA")}};
    for (int i = 0; i < 3; ++i) {
        auto *c = new SectionCaption(QString::fromLatin1(names[i].first), QString(), page);
        m_texts.text(c, [text = names[i].second] { return tr(text); });
        c->onClick = [this, i] { selectSection(i); };
        m_sectionCaptions[i] = c;
        captions->addWidget(c);
    }
    captions->addStretch();

    m_sections = new QStackedWidget(page);
    m_sections->setObjectName(QStringLiteral("PSeccionsUsuari"));

    // Inputs: options and messages side by side.
    auto *inputs = new QWidget;
    inputs->setObjectName(QStringLiteral("PConfigEntrades"));
    auto *inputsPage = new QVBoxLayout(inputs);
    auto *inputsLayout = new QHBoxLayout;
    GridEditor *entrades = grid("SGEntrades", 16, inputs);
    GridEditor *entradesOpc = grid("SGEntradesOpc", 16, inputs);
    entradesOpc->setFill(GridEditor::Fill::LastColumn);
    inputsLayout->addWidget(boxed([] { return tr("Entradas"); }, "GBEntrades", inputs, {{entrades, 0}}), 0,
                            Qt::AlignTop);
    inputsLayout->addWidget(boxed([] { return tr("Avisos de las entradas"); }, "GBEntradesOpc", inputs,
                                  {{entradesOpc, 1}}), 1, Qt::AlignTop);
    inputsPage->addLayout(inputsLayout);
    inputsPage->addStretch();

    // Outputs: times and messages, then what triggers them.
    auto *outputs = new QWidget;
    outputs->setObjectName(QStringLiteral("PConfigSortides"));
    auto *outputsLayout = new QVBoxLayout(outputs);
    GridEditor *temps = grid("SGSortidesTemps", 4, outputs);
    GridEditor *sortidesOpc = grid("SGSortidesOpc", 4, outputs);
    sortidesOpc->setFill(GridEditor::Fill::LastColumn);
    auto *outputsTop = new QHBoxLayout;
    outputsTop->addWidget(boxed([] { return tr("Salidas"); }, "GBSortidesTemps", outputs, {{temps, 0}}), 0);
    outputsTop->addWidget(boxed([] { return tr("Avisos de las salidas"); }, "GBSortidesOpc", outputs,
                                {{sortidesOpc, 1}}), 1);
    outputsLayout->addLayout(outputsTop);
    QGroupBox *bySystem = group(m_texts, [] { return tr("Activación por el sistema"); }, "GBSortides", outputs);
    bySystem->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto *bySystemLayout = new QVBoxLayout(bySystem);
    GridEditor *sortides = grid("SGSortides", 4, bySystem);
    auto *labels = new OutputCaptions(sortides, m_texts, bySystem);
    bySystemLayout->addWidget(labels);
    bySystemLayout->addWidget(sortides, 0, Qt::AlignLeft);
    outputsLayout->addWidget(bySystem);
    GridEditor *sortidesEnt = grid("SGSortidesEnt", 4, outputs);
    outputsLayout->addWidget(boxed([] { return tr("Activación por entradas"); }, "GBSortidesEnt", outputs,
                                   {{sortidesEnt, 1}}));
    outputsLayout->addStretch();

    // System: start, periodic test, tamper, power and link losses.
    auto *system = new QWidget;
    system->setObjectName(QStringLiteral("PConfigSistema"));
    auto *systemLayout = new QVBoxLayout(system);
    GridEditor *inici = grid("SGInici", 1, system);
    inici->setFill(GridEditor::Fill::LastColumn);
    systemLayout->addWidget(boxed([] { return tr("Inicio del sistema"); }, "GBInici", system, {{inici, 1}}));
    const struct {
        const char *title;
        const char *box;
        const char *grid;
        const char *opc;
    } pairs[] = {
        {QT_TR_NOOP("Test periódico"), "GBTest", "SGTest", "SGTestOpc"},
        {QT_TR_NOOP("Tamper"), "GBTamper", "SGTamper", "SGTamperOpc"},
        {QT_TR_NOOP("Alimentación"), "GBAlim", "SGAlim", "SGAlimOpc"},
    };
    for (const auto &p : pairs) {
        GridEditor *g = grid(p.grid, 1, system);
        GridEditor *opc = grid(p.opc, 1, system);
        opc->setFill(GridEditor::Fill::LastColumn);
        systemLayout->addWidget(boxed([title = p.title] { return tr(title); }, p.box, system, {{g, 0}, {opc, 1}}));
    }
    GridEditor *perdua = grid("SGPerduaCOM", 5, system);
    perdua->setFill(GridEditor::Fill::LastColumn);
    systemLayout->addWidget(boxed([] { return tr("Pérdidas de comunicación"); }, "GBPerduaCOM", system,
                                  {{perdua, 1}}));
    systemLayout->addStretch();

    m_sections->addWidget(inputs);
    m_sections->addWidget(outputs);
    m_sections->addWidget(system);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(captions);
    layout->addWidget(m_sections, 1);
    return page;
}

QString ProgrammingView::currentTab() const
{
    QWidget *w = m_tabs->currentWidget();
    return w ? w->objectName() : QString();
}

QString ProgrammingView::currentPage() const
{
    auto *scroll = qobject_cast<QScrollArea *>(m_tabs->currentWidget());
    return scroll && scroll->widget() ? scroll->widget()->objectName() : QString();
}

QString ProgrammingView::currentSection() const
{
    QWidget *w = m_sections->currentWidget();
    return w ? w->objectName() : QString();
}

GridEditor *ProgrammingView::gridEditor(QStringView name) const
{
    for (GridEditor *g : m_grids)
        if (g->objectName() == name)
            return g;
    return nullptr;
}

QList<QAction *> ProgrammingView::commandActions() const
{
    return {m_readAll, m_writeAll, m_defaults};
}

ChangeContext ProgrammingView::changeContext() const
{
    return {m_link.circuit, m_busy};
}

void ProgrammingView::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    refreshMarks();
}

void ProgrammingView::setCommandsEnabled(bool enabled)
{
    // Through the window's lock: while the program works on the module
    // they wait for the work to end.
    for (QWidget *w : std::as_const(m_commands))
        WorkLock::setEnabled(w, enabled);
    for (QAction *a : commandActions())
        WorkLock::setEnabled(a, enabled);
}

void ProgrammingView::resetToDisconnected()
{
    setCommandsEnabled(false);
    m_tabs->setCurrentIndex(0);
    for (GridEditor *g : std::as_const(m_grids))
        g->hideList();
    refreshMarks();
}

void ProgrammingView::refreshMarks()
{
    for (GridEditor *g : std::as_const(m_grids)) {
        g->setImportShown(m_importShown);
        g->viewport()->update();
    }
}

void ProgrammingView::resetServiceReveals()
{
    m_revealMac->reset();
    m_revealCentral->reset();
}

void ProgrammingView::revealBox(QLineEdit *box)
{
    if (EditField *f = m_fields.edit(box->objectName())) {
        f->setReadOnly(false);
        f->setEnabled(true);
    }
    box->setFocus(Qt::OtherFocusReason);
}

void ProgrammingView::setImportShown(bool shown)
{
    m_importShown = shown;
    refreshMarks();
}

void ProgrammingView::setSectionsAvailable(bool inputs, bool outputs)
{
    if (inputs == m_inputsAvailable && outputs == m_outputsAvailable)
        return; // the user's section choice stays
    m_inputsAvailable = inputs;
    m_outputsAvailable = outputs;
    // What the module does not have cannot be edited, wherever its grid is.
    for (const char *name : {"SGEntrades", "SGEntradesOpc"})
        gridEditor(QString::fromLatin1(name))->setEnabled(inputs);
    for (const char *name : {"SGSortidesTemps", "SGSortidesOpc", "SGSortides", "SGSortidesEnt"})
        gridEditor(QString::fromLatin1(name))->setEnabled(outputs);
    if (currentTab() == u"TSUsuari")
        PCProgramacioChange();
}

void ProgrammingView::PCProgramacioChange()
{
    // The VPN choice belongs to the serial link only.
    if (auto *vpn = findChild<QWidget *>(QStringLiteral("SPConfigVPN")))
        vpn->setVisible(m_link.connex_remota.isEmpty());

    if (currentTab() == u"TSUsuari") {
        GridEditor *byInputs = gridEditor(u"SGSortidesEnt");
        if (!m_inputsAvailable && m_link.circuittrobat) {
            m_sectionCaptions[0]->hide();
            m_sectionCaptions[1]->setVisible(m_outputsAvailable);
            byInputs->hide();
            selectSection(m_outputsAvailable ? 1 : 2);
        } else {
            for (QLabel *c : m_sectionCaptions)
                c->show();
            byInputs->show();
            selectSection(0);
        }
    }
    for (GridEditor *g : std::as_const(m_grids)) {
        g->hideList();
        g->clearSelection();
    }
    if (QWidget *w = m_tabs->currentWidget())
        w->setFocus(Qt::OtherFocusReason);
}

void ProgrammingView::selectSection(int section)
{
    m_sections->setCurrentIndex(section);
    for (int i = 0; i < 3; ++i)
        static_cast<SectionCaption *>(m_sectionCaptions[i])->setSelected(i == section);
}

void ProgrammingView::PEntradesClick() { selectSection(0); }
void ProgrammingView::PSortidesClick() { selectSection(1); }
void ProgrammingView::PSistemaClick() { selectSection(2); }

} // namespace velmar::ui
