// The delete-all actions: what reaches the module, with which pauses, and
// what the pages keep afterwards.
#include "core/files/ListErase.h"

#include "core/programming/Rig.h"

#include <gtest/gtest.h>

using namespace velmar;
using velmar::test::Rig;

namespace {

struct EraseRig : Rig {
    ListErase erase{state, channel, scheduler, fields, view, writer};
    EraseRig() { panels::installPageForms(fields, state.central); }

    // The commands sent, a step of `pauseMs` at a time: one list per step.
    // Whatever comes before its pause is kept in `early`.
    QStringList early;
    QList<QStringList> paced(int pauseMs, int steps)
    {
        scheduler.advance(0);
        QList<QStringList> out{sent()};
        for (int i = 0; i < steps; ++i) {
            scheduler.advance(pauseMs - 1);
            early << sent();
            scheduler.advance(1);
            out << sent();
        }
        return out;
    }
};

TEST(ListErase, ZonesAreErasedBlockByBlockThreeHundredMillisecondsApart)
{
    EraseRig r;
    r.grid("SGLlistatZonesAgui")->load(2, 5, QStringLiteral("Cocina"));
    r.edit("EImportarFitxer")->setText(QStringLiteral("zonas.txt"));
    r.erase.BBEsborraZonesClick();
    ASSERT_EQ(r.answers.asked.size(), 1);
    EXPECT_EQ(r.answers.asked.first().text,
              QStringLiteral("Se borrarán todas las zonas programadas del circuito\r\n¿Está seguro?"));
    const QList<QStringList> steps = r.paced(300, 9);
    QList<QStringList> expected{{"vm+9000="}};
    for (int b = 1; b <= 9; ++b)
        expected << QStringList{QStringLiteral("vm+9%1xx=0").arg(b)};
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(r.early, QStringList());
    EXPECT_EQ(r.grid("SGLlistatZonesAgui")->cell(2, 5), QString());
    EXPECT_EQ(r.edit("EImportarFitxer")->text(), QString());
}

TEST(ListErase, NothingWithoutAModuleWhileWorkingOrWhenTheAnswerIsNo)
{
    for (int c = 0; c < 3; ++c) {
        EraseRig r;
        r.grid("SGOperadores")->load(0, 1, QStringLiteral("Op"));
        r.grid("SGLlistatZonesAgui")->load(2, 5, QStringLiteral("Cocina"));
        if (c == 0)
            r.state.circuittrobat = false;
        if (c == 1)
            r.view.setBusy(true);
        if (c == 2)
            r.answers.answer = false;
        r.erase.BBEsborraZonesClick();
        r.erase.BBEsborraOperadoresClick();
        r.erase.eraseEvents(*panels::pageForm(u"TSCentralBC600"));
        r.scheduler.advance(5000);
        EXPECT_EQ(r.sent(), QStringList()) << c;
        EXPECT_EQ(r.answers.asked.size(), c == 2 ? 3 : 0);
        EXPECT_EQ(r.grid("SGLlistatZonesAgui")->cell(2, 5), QStringLiteral("Cocina")) << c;
        EXPECT_EQ(r.grid("SGOperadores")->cell(0, 1), QStringLiteral("Op")) << c;
    }
}

TEST(ListErase, EventTextsOfAPageWithPausesBetweenItsBlocks)
{
    EraseRig r;
    r.grid("SGCentralAD300")->load(6, 2, QStringLiteral("Fuego"));
    r.edit("EImportarFitxerAD300")->setText(QStringLiteral("ad.txt"));
    r.erase.eraseEvents(*panels::pageForm(u"TSCentralAD300"));
    EXPECT_EQ(r.answers.asked.first().text,
              QStringLiteral("Se borrarán todos los eventos programados del circuito\r\n¿Está seguro?"));
    EXPECT_EQ(r.paced(500, 3), (QList<QStringList>{{"vm+9500=", "vm+970x=0"}, {"vm+971x=0"}, {"vm+972x=0"}, {"vm+973x=0"}}));
    EXPECT_EQ(r.early, QStringList());
    EXPECT_EQ(r.grid("SGCentralAD300")->cell(6, 2), QString());
    EXPECT_EQ(r.edit("EImportarFitxerAD300")->text(), QString());
}

TEST(ListErase, OperatorsOfAnUnreadModuleAreStillAllWritten)
{
    EraseRig r;
    r.grid("SGOperadores")->setCell(1, 2, QStringLiteral("typed"));
    // A changed box is not part of the operators' erase.
    r.edit("EProgRef")->setText(QStringLiteral("x"));
    r.edit("EProgRef")->setColour(FieldColour::Changed);
    r.erase.BBEsborraOperadoresClick();
    EXPECT_EQ(r.view.statusText(), QStringLiteral("Borrando el listado de operadoras"));
    QStringList written;
    for (int step = 0; step < 60 && r.writer.running(); ++step) {
        r.writer.TimerGravarTimer();
        for (const QString &w : r.sent()) {
            written << w;
            if (w.startsWith(u"vm+85"))
                r.reply(QByteArray("+" + w.mid(3, 4).toLatin1() + ":\r\n").constData());
        }
    }
    QStringList expected{"vm+inf"};
    for (int code = 0x8501; code <= 0x8510; ++code)
        expected << QStringLiteral("vm+") + QString::number(code, 16).toUpper() + u'=';
    expected << QStringLiteral("vm+vEr");
    EXPECT_EQ(written, expected);
    EXPECT_EQ(r.grid("SGOperadores")->cell(1, 2), QString());
}

} // namespace
