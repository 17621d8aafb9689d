// Which rows of the door lists a save writes and a delete removes: the
// compared cells of each list, the "Borrar" mark, and the end of the list
// (rows after the first row with no number and no reference are not part
// of it); and a read filling cells and field store alike.
#include "core/cloud/DoorLists.h"
#include "core/params/FieldModel.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::doorlists;

namespace {

struct Edit {
    int column;
    int row;
    const char *text;
};

struct RowCase {
    const char *what;
    const char *grid;
    QList<Edit> edits;       // what the user changed after the read
    QList<int> changed;      // rows a save writes
    QList<int> marked;       // rows a delete removes
};

class DoorRows : public ::testing::TestWithParam<RowCase> {
protected:
    void SetUp() override
    {
        fields.Esborra_param();
        // Four listed rows, an empty row 5, and a row 6 beyond the end.
        GridModel &g = grid();
        const bool users = g.name() == u"SGUsuaris";
        for (int r = 1; r <= 4; ++r) {
            g.load(1, r, users ? QStringLiteral("u%1@velmar.test").arg(r) : QStringLiteral("60000000%1").arg(r));
            g.load(2, r, QStringLiteral("Ref %1").arg(r));
            g.load(3, r, QStringLiteral("1"));
            g.load(4, r, QStringLiteral("1"));
            if (users)
                g.load(5, r, QStringLiteral("uid%1").arg(r));
        }
        g.load(1, 6, QStringLiteral("699999999"));
        g.load(2, 6, QStringLiteral("Ref 6"));
    }
    GridModel &grid() { return *fields.grid(QString::fromLatin1(GetParam().grid)); }

    FieldModel fields;
};

TEST_P(DoorRows, SaveWritesChangedRowsAndDeleteTheMarkedOnesUpToTheEndOfTheList)
{
    const RowCase &c = GetParam();
    GridModel &g = grid();
    for (const Edit &e : c.edits)
        g.setCell(e.column, e.row, QString::fromUtf8(e.text));
    const QList<int> &columns = g.name() == u"SGUsuaris" ? kUserColumns : kPhoneColumns;
    EXPECT_EQ(changedRows(g, columns), c.changed);
    EXPECT_EQ(markedRows(g), c.marked);
}

const RowCase kRowCases[] = {
    {"nothing changed", "SGTelefons", {}, {}, {}},
    {"each compared phone cell", "SGTelefons", {{1, 1, "600000009"}, {2, 2, "Portero"}, {3, 3, "0"}, {4, 4, "2"}},
     {1, 2, 3, 4}, {}},
    {"a number emptied keeps the row by its reference", "SGTelefons", {{1, 2, ""}}, {2}, {}},
    {"two cells of one row: one write", "SGTelefons", {{2, 3, "x"}, {4, 3, "3"}}, {3}, {}},
    {"a typed row after the list extends it", "SGTelefons", {{1, 5, "611111111"}}, {5}, {}},
    {"a row after the first empty one is not part of the list", "SGTelefons",
     {{2, 6, "changed"}, {0, 6, "1"}}, {}, {}},
    {"an emptied row ends the list there", "SGTelefons",
     {{1, 3, ""}, {2, 3, ""}, {2, 4, "changed"}, {0, 4, "1"}, {0, 1, "1"}}, {}, {1}},
    {"Borrar is not a change", "SGTelefons", {{0, 2, "1"}, {0, 4, "1"}}, {}, {2, 4}},
    {"a delete mark untied is no mark", "SGTelefons", {{0, 2, "0"}}, {}, {}},
    {"each compared user cell", "SGUsuaris", {{1, 1, "otro@velmar.test"}, {3, 2, "0"}, {4, 3, "1,2,4"}},
     {1, 2, 3}, {}},
    {"the alias and the user key are not written", "SGUsuaris", {{2, 1, "Alias"}, {5, 2, "uidX"}}, {}, {}},
    {"users marked for deletion", "SGUsuaris", {{0, 1, "1"}, {0, 3, "1"}, {0, 6, "1"}}, {}, {1, 3}},
};

INSTANTIATE_TEST_SUITE_P(Cases, DoorRows, ::testing::ValuesIn(kRowCases),
                         [](const ::testing::TestParamInfo<RowCase> &info) {
                             return std::string(info.param.grid) + "_" + std::to_string(info.index);
                         });

TEST(DoorListFill, ReadRowsFillCellsAndStoreAndStopAtTheGridsEnd)
{
    FieldModel fields;
    fields.Esborra_param();
    GridModel &phones = *fields.grid(u"SGTelefons");
    QList<cloud::TelephoneRow> read;
    for (int i = 0; i < phones.dataRows() + 3; ++i)
        read << cloud::TelephoneRow{QString::number(600000000 + i), QStringLiteral("Ref"), QStringLiteral("1"),
                                    QStringLiteral("2")};
    phones.setCell(0, 1, QStringLiteral("1")); // a mark of the previous list
    fillPhones(phones, read);
    EXPECT_EQ(listLength(phones), phones.dataRows());
    const int last = phones.dataRows();
    EXPECT_EQ(phones.cell(1, last), QString::number(600000000 + last - 1));
    EXPECT_TRUE(phones.cell(0, 1).isEmpty());
    EXPECT_TRUE(changedRows(phones, kPhoneColumns).isEmpty()) << "a read is no change";

    GridModel &users = *fields.grid(u"SGUsuaris");
    fillUsers(users, {{"a@velmar.test", "Ana", "1", "1,4", "uidA"}, {"b@velmar.test", "Bea", "0", "", "uidB"}});
    const QStringList second{users.cell(0, 2), users.cell(1, 2), users.cell(2, 2), users.cell(3, 2), users.cell(4, 2),
                             users.cell(5, 2)};
    EXPECT_EQ(second, (QStringList{"", "b@velmar.test", "Bea", "0", "", "uidB"}));
    EXPECT_EQ(users.stored(5, 1), "uidA");
    EXPECT_EQ(listLength(users), 2);
    users.setCell(4, 2, QStringLiteral("3"));
    EXPECT_EQ(changedRows(users, kUserColumns), QList<int>{2});
}

} // namespace
