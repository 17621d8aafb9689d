#include "ui/shell/MessageDialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace velmar::ui {

namespace {

QMessageBox::Icon iconOf(DlgType type)
{
    switch (type) {
    case DlgType::Warning: return QMessageBox::Warning;
    case DlgType::Error: return QMessageBox::Critical;
    case DlgType::Information: return QMessageBox::Information;
    case DlgType::Confirmation: return QMessageBox::Question;
    case DlgType::Custom: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

// The order in which callers list their captions: the standard buttons'
// own order, never the desktop's layout, which moves "No" before "Yes"
// under some desktops and would hand a caption to the wrong answer.
constexpr QMessageBox::StandardButton kCaptionOrder[] = {
    QMessageBox::Yes,     QMessageBox::No,      QMessageBox::Ok,       QMessageBox::Cancel,
    QMessageBox::Abort,   QMessageBox::Retry,   QMessageBox::Ignore,   QMessageBox::YesToAll,
    QMessageBox::NoToAll, QMessageBox::Help,    QMessageBox::Close,    QMessageBox::Save,
    QMessageBox::SaveAll, QMessageBox::Open,    QMessageBox::Discard,  QMessageBox::Apply,
    QMessageBox::Reset,   QMessageBox::RestoreDefaults,
};

// The box's buttons in caption order.
QList<QAbstractButton *> buttonsInCaptionOrder(const QMessageBox &box)
{
    QList<QAbstractButton *> list;
    for (const QMessageBox::StandardButton role : kCaptionOrder)
        if (QAbstractButton *b = box.button(role))
            list << b;
    return list;
}

} // namespace

int GetWidthText(const QString &text, const QFont &font, int dpi)
{
    int margin = 0;
    switch (dpi) {
    case 96: margin = 10; break;
    case 120: margin = 20; break;
    case 144: margin = 30; break;
    case 168: margin = 40; break;
    default: break;
    }
    return QFontMetrics(font).horizontalAdvance(text) + margin;
}

int GetWidthText(const QString &text, const QFont &font)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInch()) : 96;
    return GetWidthText(text, font, dpi);
}

std::unique_ptr<QMessageBox> buildMessageDlg(const QString &title, const QString &message,
                                             DlgType type, const QStringList &captions,
                                             QMessageBox::StandardButtons buttons,
                                             QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(iconOf(type), title, message, buttons, parent);
    box->setObjectName(QStringLiteral("ElMeuMessageDlg"));
    const QList<QAbstractButton *> ordered = buttonsInCaptionOrder(*box);
    for (qsizetype i = 0; i < ordered.size() && i < captions.size(); ++i) {
        QAbstractButton *b = ordered.at(i);
        b->setText(captions.at(i));
        b->setFixedWidth(QFontMetrics(b->font()).horizontalAdvance(captions.at(i)) + 15);
    }
    return box;
}

int ElMeuMessageDlg(const QString &title, const QString &message, DlgType type,
                    const QStringList &captions, QMessageBox::StandardButtons buttons,
                    QWidget *parent)
{
    auto box = buildMessageDlg(title, message, type, captions, buttons, parent);
    return box->exec();
}

int ElMeuMessageDlgTemps(const QString &title, const QString &message, DlgType type, int seconds,
                         const QStringList &captions, QMessageBox::StandardButtons buttons,
                         QWidget *parent)
{
    auto box = buildMessageDlg(title, message, type, captions, buttons, parent);
    QTimer closer;
    closer.setSingleShot(true);
    QMessageBox *raw = box.get();
    // A box without an escape button ignores close(); end it as cancelled.
    QObject::connect(&closer, &QTimer::timeout, raw, [raw] { raw->done(QMessageBox::Cancel); });
    closer.start(seconds * 1000);
    return box->exec();
}

void ElMeuMessageDlgOpen(const QString &title, const QString &message, DlgType type, int seconds,
                         const QStringList &captions, QMessageBox::StandardButtons buttons, QWidget *parent)
{
    QMessageBox *box = buildMessageDlg(title, message, type, captions, buttons, parent).release();
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, box, [box] { box->done(QMessageBox::Cancel); });
    box->open();
}

std::unique_ptr<QMessageBox> buildHyperlinkDlg(const QString &title, const QString &message,
                                               const QString &downloadPage, QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setObjectName(QStringLiteral("ElMeuMessageDlgHyperlink"));
    box->setWindowTitle(QCoreApplication::translate("velmar", "Nueva actualización"));
    box->setIcon(QMessageBox::Information);
    box->setTextFormat(Qt::RichText);
    QString body = message.toHtmlEscaped();
    body.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    body.replace(u'\r', QLatin1String("<br>"));
    box->setText(QStringLiteral("<b>%1</b><br>%2<a href=\"%3\">%4</a>")
                     .arg(title.toHtmlEscaped(), body, downloadPage.toHtmlEscaped(),
                          QCoreApplication::translate("velmar", "Descargar ahora")));
    box->setStandardButtons(QMessageBox::Close);
    if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        label->setTextInteractionFlags(Qt::TextBrowserInteraction);
        label->setOpenExternalLinks(false);
        QMessageBox *raw = box.get();
        // TaskDialogHyperlinkClicked: open the page, then end the program.
        QObject::connect(label, &QLabel::linkActivated, raw, [raw](const QString &link) {
            QDesktopServices::openUrl(QUrl(link));
            raw->done(QMessageBox::Close);
            QCoreApplication::quit();
        });
    }
    return box;
}

void ElMeuMessageDlgHyperlink(const QString &title, const QString &message,
                              const QString &downloadPage, QWidget *parent)
{
    buildHyperlinkDlg(title, message, downloadPage, parent)->exec();
}

} // namespace velmar::ui
