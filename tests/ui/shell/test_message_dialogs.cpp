#include "ui/shell/MessageDialogs.h"

#include "support/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velmar::ui;

namespace {

QList<QAbstractButton *> orderedButtons(QMessageBox &box)
{
    QList<QAbstractButton *> list;
    QLayout *l = box.findChild<QDialogButtonBox *>()->layout();
    for (int i = 0; i < l->count(); ++i)
        if (auto *b = qobject_cast<QAbstractButton *>(l->itemAt(i)->widget()))
            list << b;
    return list;
}

TEST(MessageDlg, OneCaptionSizesTheOnlyButton)
{
    const QString caption = QStringLiteral("    Aceptar   ");
    auto box = buildMessageDlg(QString::fromUtf8("¡ ATENCIÓN !"), QStringLiteral("texto"),
                               DlgType::Warning, {caption}, QMessageBox::Ok);
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8("¡ ATENCIÓN !"));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    auto buttons = orderedButtons(*box);
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), caption);
    EXPECT_EQ(buttons[0]->width(), QFontMetrics(buttons[0]->font()).horizontalAdvance(caption) + 15);
}

TEST(MessageDlg, CaptionsBeyondTheGivenOnesKeepTheStandardText)
{
    auto box = buildMessageDlg(QStringLiteral("ERROR"), QStringLiteral("x"), DlgType::Confirmation,
                               {QStringLiteral("     Sí    "), QStringLiteral("    No    ")},
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    auto buttons = orderedButtons(*box);
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_EQ(buttons[0]->text(), QString::fromUtf8("     Sí    "));
    EXPECT_EQ(buttons[1]->text(), QStringLiteral("    No    "));
    EXPECT_FALSE(buttons[2]->text().contains(QStringLiteral("    ")));
    EXPECT_FALSE(buttons[2]->text().isEmpty());
}

TEST(MessageDlg, ButtonsCloseWithTheirStandardResult)
{
    QTimer::singleShot(50, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(ElMeuMessageDlg(QStringLiteral("t"), QStringLiteral("m"), DlgType::Confirmation,
                              {QStringLiteral("  Sí  "), QStringLiteral("  No  ")},
                              QMessageBox::Yes | QMessageBox::No),
              QMessageBox::No);
}

// Captions belong to the buttons by their role: the order in which the
// desktop lays the buttons out (Gnome puts "No" first, macOS "Cancel"
// first, ...) must not hand "No" to the button that answers yes.
TEST(MessageDlg, CaptionsStayOnTheirButtonsInEveryDesktopsLayout)
{
    const QString si = QString::fromUtf8("     Sí    ");
    const QString no = QStringLiteral("    No    ");
    const struct {
        QMessageBox::StandardButtons buttons;
        QStringList captions;
        QList<QPair<QMessageBox::StandardButton, QString>> expected;
        QMessageBox::StandardButton uncaptioned = QMessageBox::NoButton;
    } cases[] = {
        {QMessageBox::Yes | QMessageBox::No, {si, no}, {{QMessageBox::Yes, si}, {QMessageBox::No, no}}},
        {QMessageBox::Yes | QMessageBox::No, {QStringLiteral(" Cambiar "), QStringLiteral(" Cancelar ")},
         {{QMessageBox::Yes, QStringLiteral(" Cambiar ")}, {QMessageBox::No, QStringLiteral(" Cancelar ")}}},
        {QMessageBox::Ok | QMessageBox::Cancel, {QStringLiteral("  Aceptar  "), QStringLiteral("  Cancelar  ")},
         {{QMessageBox::Ok, QStringLiteral("  Aceptar  ")}, {QMessageBox::Cancel, QStringLiteral("  Cancelar  ")}}},
        {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, {si, no},
         {{QMessageBox::Yes, si}, {QMessageBox::No, no}}, QMessageBox::Cancel},
    };
    const QDialogButtonBox::ButtonLayout layouts[] = {QDialogButtonBox::WinLayout, QDialogButtonBox::MacLayout,
                                                      QDialogButtonBox::KdeLayout, QDialogButtonBox::GnomeLayout};
    for (const QDialogButtonBox::ButtonLayout layout : layouts) {
        velmar::test::ForcedButtonLayout forced(layout);
        for (const auto &c : cases) {
            auto box = buildMessageDlg(QStringLiteral("CONFIRMACION"), QStringLiteral("x"), DlgType::Confirmation,
                                       c.captions, c.buttons);
            for (const auto &[button, caption] : c.expected)
                EXPECT_EQ(box->button(button)->text(), caption) << "layout " << layout;
            if (c.uncaptioned != QMessageBox::NoButton) {
                EXPECT_FALSE(c.captions.contains(box->button(c.uncaptioned)->text())) << "layout " << layout;
            }

            // The button captioned as the second answer gives that answer.
            velmar::test::answerWith(c.expected[1].second, 0);
            EXPECT_EQ(ElMeuMessageDlg(QStringLiteral("CONFIRMACION"), QStringLiteral("x"), DlgType::Confirmation,
                                      c.captions, c.buttons),
                      c.expected[1].first)
                << "layout " << layout;
        }
    }
    // The forced layouts do reorder: under Gnome "No" comes before "Yes".
    velmar::test::ForcedButtonLayout gnome(QDialogButtonBox::GnomeLayout);
    auto box = buildMessageDlg(QStringLiteral("t"), QStringLiteral("m"), DlgType::Confirmation, {si, no},
                               QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(orderedButtons(*box).first(), box->button(QMessageBox::No));
}

TEST(MessageDlgTemps, ClosesItselfWithTheCancelResult)
{
    // A box with no escape button ignores a plain close: it must still end.
    QElapsedTimer t;
    t.start();
    const int r = ElMeuMessageDlgTemps(QStringLiteral("ERROR"), QStringLiteral("x"), DlgType::Error, 1,
                                       {QStringLiteral("    Cerrar   ")}, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(r, QMessageBox::Cancel);
    EXPECT_GE(t.elapsed(), 900);
}

TEST(HyperlinkDlg, CarriesTheLinkToTheDownloadPage)
{
    auto box = buildHyperlinkDlg(QString::fromUtf8("¡ ATENCIÓN !"),
                                 QString::fromUtf8("Hay una nueva versión disponible\r\n"),
                                 QStringLiteral("http://127.0.0.1:1/get"));
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Nueva actualización"));
    EXPECT_TRUE(box->text().contains(QStringLiteral("href=\"http://127.0.0.1:1/get\"")));
    EXPECT_TRUE(box->text().contains(QStringLiteral("Descargar ahora")));
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_NE(box->button(QMessageBox::Close), nullptr);
}

TEST(GetWidthText, MarginGrowsWithResolution)
{
    QFont f;
    const int base = QFontMetrics(f).horizontalAdvance(QStringLiteral("Aceptar"));
    const struct {
        int dpi, margin;
    } cases[] = {{96, 10}, {120, 20}, {144, 30}, {168, 40}, {72, 0}, {192, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(GetWidthText(QStringLiteral("Aceptar"), f, c.dpi), base + c.margin) << c.dpi;
}

} // namespace
