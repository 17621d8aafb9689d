#include "core/editor/CellRules.h"
#include "core/params/ControlTable.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::editor;

namespace {

GridDesign design(const char *name)
{
    for (const GridDesign &g : ControlTable::grids())
        if (g.name == QLatin1String(name))
            return g;
    ADD_FAILURE() << "no grid " << name;
    return {};
}

// Types the keys into a cell the way the editor does: an accepted character
// is appended, an accepted backspace removes the last one, anything else
// leaves the cell. "\b" stands for backspace.
QString typeInto(const GridDesign &g, int column, const QString &start, const QString &keys)
{
    QString text = start;
    for (QChar c : keys) {
        const Key key = c == u'\b' ? Key::of(KeyKind::Backspace) : Key::character(c);
        if (judgeKey(g, column, text, key) != KeyVerdict::Accept)
            continue;
        if (key.kind == KeyKind::Backspace)
            text.chop(1);
        else
            text += c;
    }
    return text;
}

struct TypingCase {
    const char *grid;
    int column;
    const char *start;
    const char *keys;
    const char *expected;
};

class Typing : public ::testing::TestWithParam<TypingCase> {};

TEST_P(Typing, KeepsOnlyWhatTheColumnAllows)
{
    const TypingCase &c = GetParam();
    EXPECT_EQ(typeInto(design(c.grid), c.column, QString::fromUtf8(c.start),
                       QString::fromUtf8(c.keys)),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cells, Typing,
    ::testing::Values(
        // Código CID: hexadecimal digits only, at most eight of them.
        TypingCase{"SGEntradesOpc", 3, "", "1a2G3f", "1a23f"},
        TypingCase{"SGEntradesOpc", 3, "", "123456789", "12345678"},
        TypingCase{"SGEntradesOpc", 3, "12345678", "\b", "1234567"},
        TypingCase{"SGSortidesOpc", 3, "", "E13x", "E13"},
        TypingCase{"SGPerduaCOM", 4, "", "3a1z", "3a1"},
        // Hora: HH:MM judged key by key.
        TypingCase{"SGTest", 2, "", "24", "2"},
        TypingCase{"SGTest", 2, "", "23:59", "23:59"},
        TypingCase{"SGTest", 2, "", ":12", "12"},
        TypingCase{"SGTest", 2, "", "3", ""},
        TypingCase{"SGTest", 2, "", "1:", "1"},
        TypingCase{"SGTest", 2, "", "095", "09"},
        TypingCase{"SGTest", 2, "", "09:6", "09:"},
        TypingCase{"SGTest", 2, "23:5", "9", "23:59"},
        TypingCase{"SGTest", 2, "23:59", "x7", "23:597"},
        TypingCase{"SGTest", 2, "23:59", "\b\b", "23:"},
        // Alias: at most 12 characters, backspace still works at the limit.
        TypingCase{"SGEntrades", 1, "", "Puerta garaje1", "Puerta garaj"},
        TypingCase{"SGEntrades", 1, "ABCDEFGHIJKL", "M\bN", "ABCDEFGHIJKN"},
        TypingCase{"SGTamper", 0, "ABCDEFGHIJKL", "x", "ABCDEFGHIJKL"},
        TypingCase{"SGTest", 0, "", "Test semanal 1", "Test semanal"},
        // Digits only.
        TypingCase{"SGEntrades", 2, "", "1a0-5", "105"},
        TypingCase{"SGSortidesTemps", 3, "", "6s0", "60"},
        TypingCase{"SGAlim", 4, "", "x9", "9"},
        // Row numbers accept nothing.
        TypingCase{"SGSortidesTemps", 0, "1", "2\b", "1"},
        // Phone numbers: digits and "+".
        TypingCase{"SGTelefons", 1, "", "+34 600-1", "+346001"},
        // Free text.
        TypingCase{"SGEntradesOpc", 4, "", "Fuego/Fin", "Fuego/Fin"},
        TypingCase{"SGOperadores", 1, "", "internet.es", "internet.es"}));

TEST(CellRules, ListColumnsTurnEveryKeyIntoTheListToggle)
{
    const GridDesign inputs = design("SGEntradesOpc");
    const GridDesign outputs = design("SGSortidesOpc");
    for (int column : {0, 1, 2}) {
        EXPECT_EQ(judgeKey(inputs, column, "1", Key::character(u'3')), KeyVerdict::ToggleList);
        EXPECT_EQ(judgeKey(inputs, column, "1", Key::of(KeyKind::Paste)), KeyVerdict::ToggleList);
        EXPECT_EQ(judgeKey(outputs, column, "1", Key::character(u'3')), KeyVerdict::CloseList);
    }
    // Escape elsewhere in the inputs' message grid toggles too; other grids close.
    EXPECT_EQ(judgeKey(inputs, 4, "", Key::of(KeyKind::Escape)), KeyVerdict::ToggleList);
    EXPECT_EQ(judgeKey(design("SGInici"), 4, "", Key::of(KeyKind::Escape)), KeyVerdict::CloseList);
    EXPECT_EQ(judgeKey(design("SGCra"), 0, "", Key::character(u'x')), KeyVerdict::ToggleList);
}

TEST(CellRules, ClipboardKeys)
{
    const GridDesign inputs = design("SGEntradesOpc");
    EXPECT_EQ(judgeKey(inputs, 3, "12345678", Key::of(KeyKind::Copy)), KeyVerdict::Copy);
    EXPECT_EQ(judgeKey(inputs, 3, "12345678", Key::of(KeyKind::Paste)), KeyVerdict::Paste);
    EXPECT_EQ(judgeKey(inputs, 4, "", Key::of(KeyKind::Paste)), KeyVerdict::Paste);
    EXPECT_EQ(judgeKey(inputs, 3, "", Key::of(KeyKind::Control)), KeyVerdict::Refuse);

    EXPECT_TRUE(pasteAccepted(inputs, 3, "1A2b"));
    EXPECT_FALSE(pasteAccepted(inputs, 3, "12G4"));
    EXPECT_FALSE(pasteAccepted(inputs, 3, "123456789"));
    EXPECT_TRUE(pasteAccepted(inputs, 3, "12345678"));

    // Alias and digit columns paste unchecked, even past the limit.
    const GridDesign entrades = design("SGEntrades");
    EXPECT_EQ(judgeKey(entrades, 1, "ABCDEFGHIJKL", Key::of(KeyKind::Paste)), KeyVerdict::Paste);
    EXPECT_TRUE(pasteAccepted(entrades, 1, "a much longer alias"));
    EXPECT_TRUE(pasteAccepted(entrades, 2, "abc"));
    // The output number column takes nothing, not even a paste.
    const GridDesign temps = design("SGSortidesTemps");
    EXPECT_EQ(judgeKey(temps, 0, "1", Key::of(KeyKind::Paste)), KeyVerdict::Refuse);
    EXPECT_FALSE(pasteAccepted(temps, 0, "7"));
    // The time of day takes a paste unchecked.
    EXPECT_EQ(judgeKey(design("SGTest"), 2, "", Key::of(KeyKind::Paste)), KeyVerdict::Paste);
    EXPECT_TRUE(pasteAccepted(design("SGTest"), 2, "99:99"));
}

TEST(CellRules, PanelEventKindsAndZoneNames)
{
    GridDesign ad300 = design("SGCentralAD300");
    ad300.headers = {"N.", "Tipo evento", "App", "SMS", "EMail", "Código CID", "Mensaje"};
    GridDesign syncro = ad300;
    syncro.name = "SGCentralSyncro";
    EXPECT_EQ(typeInto(ad300, 1, "", "1aF9z"), "1aF9");
    EXPECT_EQ(typeInto(syncro, 1, "", "1aF9z"), "1aF");
    // A full event-kind cell refuses every key, backspace included.
    EXPECT_EQ(judgeKey(syncro, 1, "1aF", Key::of(KeyKind::Backspace)), KeyVerdict::Refuse);
    EXPECT_EQ(judgeKey(syncro, 1, "1a", Key::of(KeyKind::Backspace)), KeyVerdict::Accept);

    const GridDesign zones = design("SGLlistatZonesAgui");
    const QString full(32, u'z');
    EXPECT_EQ(judgeKey(zones, 2, full, Key::character(u'a')), KeyVerdict::Refuse);
    EXPECT_EQ(judgeKey(zones, 2, full, Key::of(KeyKind::Backspace)), KeyVerdict::Accept);
    EXPECT_EQ(judgeKey(zones, 2, full.left(31), Key::character(u'a')), KeyVerdict::Accept);
}

// A row of a module's grid travels as one record whose fields are separated
// by ";": no cell may hold one, whether typed or pasted, nor a line break,
// which would end the command early. The door lists are the cloud's, not
// records, and keep what they are given.
TEST(CellRules, NoModuleGridCellTakesTheRecordSeparator)
{
    int typedColumns = 0;
    for (const GridDesign &g : ControlTable::grids()) {
        if (g.hint.isEmpty())
            continue;
        // What a paste or a list puts into a cell.
        EXPECT_EQ(userCellText(g, "1;2\r\n3;"), "123") << g.name.toStdString();
        for (int c = 0; c < g.columns; ++c) {
            const std::string where = g.name.toStdString() + " column " + std::to_string(c);
            EXPECT_NE(judgeKey(g, c, "A", Key::character(u';')), KeyVerdict::Accept) << where;
            if (typeInto(g, c, "", "Ab") == "Ab")
                ++typedColumns;
        }
    }
    EXPECT_GT(typedColumns, 20); // the free-text, alias, name... columns were among them

    // The case seen on the wire: "A;B" typed into the alias of an input.
    EXPECT_EQ(typeInto(design("SGEntrades"), 1, "", "A;B"), "AB");
    EXPECT_EQ(typeInto(design("SGOperadores"), 1, "", "apn;x"), "apnx");
    EXPECT_EQ(typeInto(design("SGLlistatZonesAgui"), 2, "", "Planta;1"), "Planta1");

    const GridDesign users = design("SGUsuaris");
    EXPECT_EQ(judgeKey(users, 1, "a", Key::character(u';')), KeyVerdict::Accept);
    EXPECT_EQ(userCellText(users, "a;b"), "a;b");
}

TEST(CellRules, ColumnEditorsOfTheModulesGrids)
{
    EXPECT_EQ(columnEditor(design("SGEntrades"), 0).kind, CellKind::Fixed);
    EXPECT_EQ(columnEditor(design("SGEntrades"), 4).kind, CellKind::Check);
    for (int c = 1; c <= 10; ++c)
        EXPECT_EQ(columnEditor(design("SGSortides"), c).kind, CellKind::Check) << c;
    for (int c = 1; c <= 17; ++c)
        EXPECT_EQ(columnEditor(design("SGSortidesEnt"), c).kind, CellKind::Check) << c;
    EXPECT_EQ(columnEditor(design("SGSortidesTemps"), 5).kind, CellKind::Check);
    EXPECT_EQ(columnEditor(design("SGAlim"), 5).kind, CellKind::Check);

    const GridDesign perdua = design("SGPerduaCOM");
    EXPECT_EQ(columnEditor(perdua, 0).kind, CellKind::Fixed);
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(columnEditor(perdua, c).kind, CellKind::Option) << c;
        EXPECT_TRUE(columnEditor(perdua, c).showsList) << c;
    }
    EXPECT_EQ(columnEditor(perdua, 4).kind, CellKind::ContactId);
    EXPECT_FALSE(columnEditor(perdua, 4).showsList);

    const ColumnEditor zoneCid = columnEditor(design("SGLlistatZonesAgui"), 1);
    EXPECT_EQ(zoneCid.kind, CellKind::ContactId);
    EXPECT_TRUE(zoneCid.showsList);

    const GridDesign phones = design("SGTelefons");
    EXPECT_EQ(columnEditor(phones, 0).kind, CellKind::TextCheck);
    EXPECT_EQ(columnEditor(phones, 1).kind, CellKind::Phone);
    EXPECT_TRUE(columnEditor(phones, 4).showsList);
    const GridDesign users = design("SGUsuaris");
    EXPECT_EQ(columnEditor(users, 1).kind, CellKind::Text);
    EXPECT_EQ(columnEditor(users, 2).kind, CellKind::ReadOnly);
    EXPECT_EQ(columnEditor(users, 3).kind, CellKind::TextCheck);
}

TEST(CellRules, OptionLists)
{
    struct Case {
        const char *grid;
        const char *list;
    };
    for (const Case c : {Case{"SGEntradesOpc", "CBSGEntrades"}, Case{"SGSortidesOpc", "CBSGSortides"},
                         Case{"SGTamperOpc", "CBSGTamper"}, Case{"SGAlimOpc", "CBSGAlim"},
                         Case{"SGTestOpc", "CBSGTest"}, Case{"SGPerduaCOM", "CBSGPerduaCOM"},
                         Case{"SGInici", "CBSGInici"}, Case{"SGCra", "CBSGCra"},
                         Case{"SGTelefons", "CBSGTelefons"}}) {
        const OptionList l = optionList(design(c.grid));
        EXPECT_EQ(l.name, QLatin1String(c.list));
        EXPECT_EQ(l.items, (QStringList{"0", "1", "2", "3", "4"}));
        EXPECT_EQ(l.preselection, "1");
    }
    EXPECT_TRUE(optionList(design("SGCra")).clickToggles);
    const OptionList app = optionList(design("SGBCApp"));
    EXPECT_EQ(app.name, "CBSGBCApp");
    EXPECT_TRUE(app.clickOpens);
    EXPECT_FALSE(app.clickToggles);
    EXPECT_TRUE(columnEditor(design("SGBCApp"), 0).showsList);
    EXPECT_TRUE(optionList(design("SGEntradesOpc")).escapeToggles);
    EXPECT_FALSE(optionList(design("SGSortidesOpc")).escapeToggles);
    EXPECT_TRUE(optionList(design("SGEntrades")).name.isEmpty());

    const OptionList zones = optionList(design("SGLlistatZonesAgui"));
    EXPECT_EQ(zones.name, "CBSGLlistatZones");
    EXPECT_EQ(zones.items.size(), 8);
    EXPECT_EQ(zones.items.first(), "110=Fuego");
    EXPECT_TRUE(zones.preselection.isEmpty());
    EXPECT_EQ(zones.width, 200);
    EXPECT_EQ(optionValue(zones, "113=Detector de flujo (agua)"), "113");
    EXPECT_EQ(optionValue(optionList(design("SGInici")), "3"), "3");
}

TEST(CellRules, SingleEditBoxFilters)
{
    auto typed = [](const char *box, const QString &keys) {
        const EditFilter f = editFilterOf(QString::fromLatin1(box));
        QString text;
        for (QChar c : keys)
            if (editAccepts(f, Key::character(c)))
                text += c;
        return text;
    };
    EXPECT_EQ(typed("EEmailPort", "25a5"), "255");
    EXPECT_EQ(typed("EPollingCRA1", "1-0"), "10");
    EXPECT_EQ(typed("EAbonatCra21", "12aFg"), "12aF");
    EXPECT_EQ(typed("ETelSMS3", "+34 600;611x"), "+34600;611");
    EXPECT_EQ(typed("EProgEmpresa", "Any text 1"), "Any text 1");
    for (KeyKind k : {KeyKind::Backspace, KeyKind::Copy, KeyKind::Paste, KeyKind::Escape})
        EXPECT_TRUE(editAccepts(EditFilter::Number, Key::of(k)));
}

} // namespace
