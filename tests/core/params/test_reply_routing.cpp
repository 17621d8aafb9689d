// Where the module's replies go, walked over every code the catalogue and
// the pages know: each field or grid row takes the value of one code only,
// and each code reaches its own field or row. Several codes become the same
// parameter number (the bus address "9750", record 150 of a 96xx block
// "9696" and row 50 of the Zafir grid "9732" are all 9750).

#include "core/params/FieldModel.h"
#include "core/params/ParamCatalogue.h"

#include "support/PanelPages.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace velmar;

namespace {

using velmar::test::kPanelPages;
using Page = velmar::test::PanelPage;

FieldContext contextOf(const Page &p)
{
    return {QString::fromLatin1(p.central), QString::fromLatin1(p.tab)};
}

class ReplyRouting : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(catalogue.Llegir_parametres());
        ASSERT_EQ(model.InicialitzaPunters(catalogue), QStringList());
        model.Esborra_param();
    }

    // Every bound control that holds one parameter.
    template <typename Fn>
    void forEachSingle(Fn fn) const
    {
        for (const EditField *e : model.PunterEdit())
            fn(e);
        for (const CheckBoxField *b : model.PunterCheckBox())
            fn(b);
        for (const CheckListField *l : model.PunterCheckListBox())
            fn(l);
        for (const ComboBoxField *c : model.PunterComboBox())
            fn(c);
    }

    // Every four-character code: the catalogue's, the single controls'
    // and every data row of every grid.
    std::set<QString> allCodes() const
    {
        std::set<QString> codes;
        for (const ParamPair &p : catalogue.Llista_Param())
            if (p.code.size() == 4)
                codes.insert(p.code.toUpper());
        forEachSingle([&](const BoundField *f) {
            if (f->Tag > 0)
                codes.insert(ParamCatalogue::codeFromNumber(f->Tag));
        });
        for (const GridModel *g : model.PunterStringGrid())
            for (int r = 1; g->Tag > 0 && r <= g->dataRows(); ++r)
                if (const QString c = g->recordCode(r); !c.isEmpty())
                    codes.insert(c);
        return codes;
    }

    // The fields and grid rows a reply reached.
    static QStringList destinations(const Delivery &d)
    {
        QStringList out;
        for (const EditField *e : d.edits)
            out << e->name();
        if (d.comboBox)
            out << d.comboBox->name();
        if (d.checkList)
            out << d.checkList->name();
        if (d.checkBox)
            out << d.checkBox->name();
        if (d.grid)
            out << d.grid->name() + QStringLiteral(" row ") + QString::number(d.grid->rowOf(d.number));
        return out;
    }

    ParamCatalogue catalogue;
    FieldModel model;
};

} // namespace

TEST_F(ReplyRouting, EveryFieldAndRowTakesTheValueOfOneCodeOnly)
{
    const std::set<QString> codes = allCodes();
    ASSERT_GT(codes.size(), 1500u);
    for (const Page &page : kPanelPages) {
        const FieldContext context = contextOf(page);
        std::map<QString, QStringList> codesOf; // destination -> codes reaching it
        for (const QString &code : codes) {
            const Delivery d = model.deliverReply(code, QStringLiteral("1"), context);
            const QStringList to = destinations(d);
            for (const QString &dest : to)
                codesOf[dest] << code;
            // Only edit boxes share a value (the pages' speed, file and
            // address boxes); a record goes to its row alone.
            if (d.grid || d.comboBox || d.checkList || d.checkBox) {
                EXPECT_EQ(to.size(), 1) << page.tab << " code " << code.toStdString() << " reached "
                                        << to.join(u", ").toStdString();
            }
        }
        for (const auto &[dest, from] : codesOf)
            EXPECT_EQ(from.size(), 1) << page.tab << ": " << dest.toStdString() << " takes "
                                      << from.join(u", ").toStdString();
    }
}

TEST_F(ReplyRouting, EveryRowTheGridReadsIsReachedByItsOwnCode)
{
    for (const Page &page : kPanelPages) {
        const FieldContext context = contextOf(page);
        for (const GridModel *g : model.PunterStringGrid()) {
            const QString &tab = g->design().panelTab;
            if (g->Tag <= 0 || tab != context.panelTab)
                continue;
            const int rows = qMin(g->dataRows(), g->rowRange(context.central));
            for (int r = 1; r <= rows; ++r) {
                const QString code = g->recordCode(r);
                const Delivery d = model.deliverReply(code, QStringLiteral("1"), context);
                ASSERT_EQ(destinations(d),
                          QStringList{g->name() + QStringLiteral(" row ") + QString::number(r)})
                    << page.tab << " code " << code.toStdString();
            }
        }
    }
}

TEST_F(ReplyRouting, EverySingleFieldIsReachedByItsOwnCode)
{
    for (const Page &page : kPanelPages) {
        const FieldContext context = contextOf(page);
        forEachSingle([&](const BoundField *f) {
            if (f->Tag <= 0)
                return;
            // The bridged panel's page takes no file name or bus address.
            if (context.aguileraPageShown() && (f->Tag == 9500 || f->Tag == 9750))
                return;
            const QString code = ParamCatalogue::codeFromNumber(f->Tag);
            const QStringList to = destinations(model.deliverReply(code, QStringLiteral("1"), context));
            EXPECT_TRUE(to.contains(f->name()))
                << page.tab << " " << f->name().toStdString() << " code " << code.toStdString()
                << " reached " << to.join(u", ").toStdString();
        });
    }
}

// The three codes of number 9750, each with the page that shows them.
TEST_F(ReplyRouting, TheCodesOf9750GoEachToTheirOwnField)
{
    struct Case {
        const char *code;
        Page page;
        const char *to; // first destination, "" for none
        int number;     // 0: the code is ignored
    };
    const Case cases[] = {
        {"9750", {"TSCentralID3000", "ID3000"}, "EAdrecaCofem", 9750},
        {"9696", {"TSCentralID3000", "ID3000"}, "SGCentralID3000 row 150", 9750},
        {"9750", {"TSCentralZafir", "Cofem-A"}, "EAdrecaCofem", 9750},
        {"9732", {"TSCentralZafir", "Cofem-A"}, "SGCentralZafir row 50", 9750},
        {"9732", {"TSCentralAD300", "AD300"}, "", 9750},
        {"9696", {"TSCentralAguilera", "AGE44"}, "", 9750},
        {"938A", {"TSCentralAguilera", "AGE44"}, "SGLlistatZonesAgui row 650", 9750},
        {"9750", {"TSCentralAguilera", "AGE44"}, "", 0},
    };
    for (const Case &c : cases) {
        const Delivery d = model.deliverReply(QString::fromLatin1(c.code), QStringLiteral("0A"),
                                              contextOf(c.page));
        const QStringList to = destinations(d);
        EXPECT_EQ(to.value(0), QString::fromLatin1(c.to)) << c.code << " on " << c.page.tab;
        EXPECT_EQ(d.number, c.number) << c.code << " on " << c.page.tab;
    }
}
