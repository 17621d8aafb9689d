#include "core/editor/ListSort.h"
#include "core/params/FieldModel.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::editor;

namespace {

class Sorting : public ::testing::Test {
protected:
    void SetUp() override
    {
        fields.Esborra_param();
        phones = fields.grid(u"SGTelefons");
        // Borrar, Teléfonos, Referencia, Habilita, Botón
        rows = {
            {"0", "+34600000003", "portero", "1", "1"},
            {"0", "600000001", "Ana", "1", "2"},
            {"0", "600000002", "bruno", "0", "1"},
            {"0", "600000001", "Abel", "1", "1"},
            {"0", "+34600000003", "Portero", "1", "1"},
        };
        for (qsizetype r = 0; r < rows.size(); ++r)
            for (qsizetype c = 0; c < rows.at(r).size(); ++c)
                phones->load(int(c), int(r) + 1, rows.at(r).at(c));
        // After the first empty row: left alone.
        phones->load(1, 7, "100");
    }

    QStringList column(int c, int upTo = 5) const
    {
        QStringList out;
        for (int r = 1; r <= upTo; ++r)
            out << phones->cell(c, r);
        return out;
    }

    FieldModel fields;
    GridModel *phones = nullptr;
    QList<QStringList> rows;
};

TEST_F(Sorting, ByPhoneTwiceGivesTheSameOrder)
{
    EXPECT_EQ(sortList(*phones, 1), 5);
    const QStringList once = column(1);
    const QStringList refs = column(2);
    EXPECT_EQ(once, (QStringList{"+34600000003", "+34600000003", "600000001", "600000001",
                                 "600000002"}));
    // Equal numbers are ordered by the rest of the row, without regard to case.
    EXPECT_EQ(refs, (QStringList{"portero", "Portero", "Abel", "Ana", "bruno"}));
    EXPECT_EQ(sortList(*phones, 1), 5);
    EXPECT_EQ(column(1), once);
    EXPECT_EQ(column(2), refs);
    // Rows from the first empty one on do not move.
    EXPECT_TRUE(phones->cell(1, 6).isEmpty());
    EXPECT_EQ(phones->cell(1, 7), "100");
}

TEST_F(Sorting, ByReferenceIgnoresCase)
{
    sortList(*phones, 2);
    EXPECT_EQ(column(2), (QStringList{"Abel", "Ana", "bruno", "portero", "Portero"}));
    // Whole rows move.
    EXPECT_EQ(phones->cell(4, 2), "2");
    EXPECT_EQ(phones->cell(3, 3), "0");
}

TEST_F(Sorting, MarksNothingAndKeepsTheUsersChanges)
{
    phones->setCell(2, 3, "Bruno M."); // the user changed bruno's reference
    sortList(*phones, 2);
    int differing = 0;
    for (int r = 1; r <= 5; ++r)
        for (int c = 0; c < 5; ++c)
            differing += phones->cellDiffers(c, r) ? 1 : 0;
    EXPECT_EQ(differing, 1);
    EXPECT_EQ(phones->cell(2, 3), "Bruno M.");
    EXPECT_EQ(phones->stored(2, 3), "bruno");
}

TEST_F(Sorting, OnlyPhoneAndReferenceColumnsSort)
{
    EXPECT_EQ(sortList(*phones, 0), -1);
    EXPECT_EQ(sortList(*phones, 3), -1);
    EXPECT_EQ(column(1).first(), "+34600000003");
    EXPECT_EQ(column(2).first(), "portero");
}

TEST_F(Sorting, AnEmptyListSortsNothing)
{
    phones->clear();
    EXPECT_EQ(sortList(*phones, 1), 0);
}

} // namespace
