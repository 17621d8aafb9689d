#include "core/editor/CellMarking.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::editor;

namespace {

class Marking : public ::testing::Test {
protected:
    void SetUp() override { fields.Esborra_param(); }

    GridModel &grid(const char *name) { return *fields.grid(QString::fromLatin1(name)); }

    FieldModel fields;
    const ChangeContext linked{true, false};
    const ChangeContext offline{false, false};
    const ChangeContext busy{true, true};
};

TEST_F(Marking, TickingNoTwiceLeavesItUntickedButRedAndCountedOnce)
{
    GridModel &g = grid("SGEntrades");
    g.load(4, 1, "0");
    EXPECT_TRUE(userTicked(fields, g, 4, 1, linked));
    EXPECT_EQ(g.flagWord(4, 1), 3);
    EXPECT_EQ(g.stored(4, 1), "1");
    EXPECT_TRUE(g.normallyOpen(1));
    EXPECT_FALSE(userTicked(fields, g, 4, 1, linked));
    EXPECT_EQ(g.flagWord(4, 1), 2);
    EXPECT_EQ(g.stored(4, 1), "0");
    EXPECT_FALSE(g.normallyOpen(1));
    EXPECT_TRUE(drawnModified(g, 4, 1, linked));
    EXPECT_EQ(g.marker(4, 1), GridModel::kMarkerChanged);
    EXPECT_EQ(fields.ncampsModificats, 1);
    // Not drawn red while busy or without a module, though the flag stays.
    EXPECT_FALSE(drawnModified(g, 4, 1, busy));
    EXPECT_FALSE(drawnModified(g, 4, 1, offline));
    // The next read clears the mark.
    g.clear();
    EXPECT_FALSE(drawnModified(g, 4, 1, linked));
}

TEST_F(Marking, TickingWithoutAModuleChangesTheBoxButMarksNothing)
{
    GridModel &g = grid("SGSortides");
    EXPECT_FALSE(userTicked(fields, g, 3, 2, offline));
    EXPECT_EQ(g.flagWord(3, 2) & 1, 1);
    EXPECT_EQ(g.marker(3, 2), GridModel::kMarkerWindow);
    EXPECT_EQ(fields.ncampsModificats, 0);
    // The row number column is no check box.
    EXPECT_FALSE(userTicked(fields, g, 0, 2, linked));
    EXPECT_EQ(g.flagWord(0, 2), 0);
}

TEST_F(Marking, EditedCellsAreMarkedOnlyWhileLinkedAndNotBusy)
{
    struct Case {
        const char *name;
        ChangeContext context;
        bool marked;
    };
    for (const Case c : {Case{"linked", {true, false}, true}, Case{"offline", {false, false}, false},
                         Case{"busy", {true, true}, false}}) {
        SCOPED_TRACE(c.name);
        fields.ncampsModificats = 0;
        GridModel &g = grid("SGEntradesOpc");
        g.clear();
        g.setCell(3, 5, "E130");
        EXPECT_EQ(userEdited(fields, g, 3, 5, c.context), c.marked);
        EXPECT_EQ(drawnModified(g, 3, 5, c.context), c.marked);
        EXPECT_EQ(fields.ncampsModificats, c.marked ? 1 : 0);
    }
}

TEST_F(Marking, ACellIsCountedOnceHoweverOftenItIsTyped)
{
    GridModel &g = grid("SGEntrades");
    g.load(1, 3, "Puerta");
    for (const char *text : {"Puerta2", "Puerta23", "Puerta2"}) {
        g.setCell(1, 3, text);
        userEdited(fields, g, 1, 3, linked);
    }
    EXPECT_EQ(fields.ncampsModificats, 1);
    EXPECT_TRUE(drawnModified(g, 1, 3, linked));
    g.load(1, 3, "Puerta");
    EXPECT_FALSE(drawnModified(g, 1, 3, linked));
}

// A cell typed back to the module's value is no change any more: it is
// drawn as unchanged, its count is taken back, and the write leaves it out.
TEST_F(Marking, ACellTypedBackToItsStoredValueIsUnchangedAgain)
{
    GridModel &inputs = grid("SGEntrades");
    GridModel &ops = grid("SGOperadores");
    inputs.load(1, 3, "Puerta");
    ops.load(1, 2, "movistar.es");

    const struct {
        GridModel *grid;
        int column;
        int row;
        const char *text;
        int counted; // ncampsModificats afterwards
        bool red;
    } steps[] = {
        {&inputs, 1, 3, "Puerta2", 1, true},
        {&ops, 1, 2, "apn", 2, true},
        {&inputs, 1, 3, "Puerta", 1, false}, // back to the module's value
        {&inputs, 1, 3, "Puerta", 1, false}, // the same again counts nothing
        {&ops, 1, 2, "movistar.es", 0, false},
        {&inputs, 1, 3, "Sala", 1, true},     // changed again: counted again
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.text);
        s.grid->setCell(s.column, s.row, s.text);
        userEdited(fields, *s.grid, s.column, s.row, linked);
        EXPECT_EQ(fields.ncampsModificats, s.counted);
        EXPECT_EQ(drawnModified(*s.grid, s.column, s.row, linked), s.red);
        EXPECT_EQ(s.grid->data(s.grid->index(s.row - 1, s.column), GridModel::ModifiedRole).toBool(), s.red);
    }

    // The count never goes below nothing, even after a write reset it.
    fields.ncampsModificats = 0;
    inputs.setCell(1, 3, "Puerta");
    userEdited(fields, inputs, 1, 3, linked);
    EXPECT_EQ(fields.ncampsModificats, 0);
    EXPECT_FALSE(drawnModified(inputs, 1, 3, linked));
}

TEST_F(Marking, UnchangedTextIsNotMarked)
{
    GridModel &g = grid("SGEntrades");
    g.load(2, 1, "10");
    EXPECT_FALSE(userEdited(fields, g, 2, 1, linked));
    EXPECT_FALSE(drawnModified(g, 2, 1, linked));
    EXPECT_EQ(fields.ncampsModificats, 0);
}

TEST_F(Marking, OperatorsCompareAfterAnImportWithoutAModule)
{
    GridModel &g = grid("SGOperadores");
    g.setCell(1, 2, "internet.es");
    EXPECT_TRUE(keepsDefaultLook(g, offline, false));
    EXPECT_FALSE(drawnModified(g, 1, 2, offline, false));
    EXPECT_FALSE(keepsDefaultLook(g, offline, true));
    EXPECT_TRUE(drawnModified(g, 1, 2, offline, true));
    EXPECT_FALSE(drawnModified(g, 0, 2, offline, true));
    EXPECT_TRUE(keepsDefaultLook(g, busy, true));
    EXPECT_FALSE(drawnModified(g, 1, 2, busy, true));
    EXPECT_TRUE(drawnModified(g, 1, 2, linked, false));
    // Other grids do not look at the import notice.
    GridModel &inputs = grid("SGEntrades");
    inputs.setCell(1, 1, "x");
    EXPECT_FALSE(drawnModified(inputs, 1, 1, offline, true));
}

TEST_F(Marking, DoorListBoxes)
{
    GridModel &phones = grid("SGTelefons");
    phones.load(0, 1, "0");
    phones.load(3, 1, "1");
    EXPECT_EQ(clickTextCheck(phones, 0, 1), DeleteButton::Show);
    EXPECT_EQ(clickTextCheck(phones, 0, 1), DeleteButton::Show);
    EXPECT_EQ(phones.cell(0, 1), "1"); // "Borrar" cannot be unticked
    EXPECT_EQ(clickTextCheck(phones, 3, 1), DeleteButton::Unchanged);
    EXPECT_EQ(phones.cell(3, 1), "0");
    EXPECT_TRUE(drawnModified(phones, 3, 1, offline));
    EXPECT_EQ(clickTextCheck(phones, 3, 1), DeleteButton::Unchanged);
    EXPECT_FALSE(drawnModified(phones, 3, 1, offline));
    EXPECT_EQ(clickTextCheck(phones, 1, 1), DeleteButton::Unchanged);

    GridModel &users = grid("SGUsuaris");
    users.load(0, 4, "0");
    EXPECT_EQ(clickTextCheck(users, 0, 4), DeleteButton::Show);
    EXPECT_EQ(clickTextCheck(users, 0, 4), DeleteButton::Hide);
    EXPECT_EQ(users.cell(0, 4), "0");
}

TEST_F(Marking, TheAD300GridColoursKindAndTextByTheEventKind)
{
    const std::pair<const char *, KindColour> cases[] = {
        {"02", KindColour::Green},  {"0533", KindColour::Green}, {"0633", KindColour::Yellow},
        {"34", KindColour::Grey},   {"3334", KindColour::Yellow}, {"35", KindColour::Red},
        {"136", KindColour::Red},   {"37", KindColour::Red},     {"01", KindColour::None},
        {"", KindColour::None},     {"20", KindColour::None},
    };
    GridModel &g = grid("SGCentralAD300");
    for (const auto &[kind, colour] : cases) {
        g.setCell(1, 7, QString::fromLatin1(kind));
        EXPECT_EQ(eventKindColour(g, 1, 7), colour) << kind;
        EXPECT_EQ(eventKindColour(g, 6, 7), colour) << kind;
        for (int column : {0, 2, 3, 4, 5})
            EXPECT_EQ(eventKindColour(g, column, 7), KindColour::None) << kind << " column " << column;
    }
    GridModel &other = grid("SGCentralAD600");
    other.setCell(1, 7, QStringLiteral("02"));
    EXPECT_EQ(eventKindColour(other, 1, 7), KindColour::None);
}

} // namespace
