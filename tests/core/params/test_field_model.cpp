#include "core/link/LinkState.h"
#include "core/params/FieldModel.h"
#include "core/params/ParamCatalogue.h"


#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace velmar;

namespace {

class Fields : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(catalogue.Llegir_parametres());
        ASSERT_EQ(model.InicialitzaPunters(catalogue), QStringList());
        model.Esborra_param();
    }

    EditField *edit(const char *name) { return model.edit(QString::fromLatin1(name)); }
    GridModel *grid(const char *name) { return model.grid(QString::fromLatin1(name)); }
    CheckBoxField *box(const char *name) { return model.checkBox(QString::fromLatin1(name)); }

    // Every control's number, for comparing bindings.
    QList<int> allTags() const
    {
        QList<int> tags;
        for (const EditField *e : model.PunterEdit())
            tags << e->Tag;
        for (const CheckBoxField *b : model.PunterCheckBox())
            tags << b->Tag;
        for (const CheckListField *l : model.PunterCheckListBox())
            tags << l->Tag;
        for (const ComboBoxField *c : model.PunterComboBox())
            tags << c->Tag;
        for (const GridModel *g : model.PunterStringGrid())
            tags << g->Tag;
        return tags;
    }

    ParamCatalogue catalogue;
    FieldModel model;
    FieldContext noPanel;
};

// Counts the emissions of a signal.
template <typename Sender, typename Signal>
std::shared_ptr<int> countSignals(Sender *sender, Signal signal)
{
    auto count = std::make_shared<int>(0);
    QObject::connect(sender, signal, sender, [count] { ++*count; });
    return count;
}

FieldContext panel(const char *tab, const char *central)
{
    return {QString::fromLatin1(central), QString::fromLatin1(tab)};
}

QStringList names(const QList<EditField *> &edits)
{
    QStringList n;
    for (const EditField *e : edits)
        n << e->name();
    return n;
}

} // namespace

// ---- Binding ---------------------------------------------------------------

TEST_F(Fields, PointerTablesHoldTheControlsInTheirOrder)
{
    ASSERT_EQ(model.PunterEdit().size(), 97);
    ASSERT_EQ(model.PunterCheckBox().size(), 3);
    ASSERT_EQ(model.PunterCheckListBox().size(), 1);
    ASSERT_EQ(model.PunterStringGrid().size(), 40);
    ASSERT_EQ(model.PunterComboBox().size(), 1);

    // The first control of each run of the edit table.
    const std::pair<int, const char *> editSlots[] = {
        {0, "EProgEmpresa"}, {13, "EPinSIM"}, {14, "EEMailSMTP"}, {40, "EPollingCRA1"},
        {41, "EImportarFitxer"}, {44, "EBaudsBC600"}, {45, "EAliesB1"}, {60, "ETDesactivantB4"},
        {61, "EBaudsCofem"}, {96, "EAdrPL1000"},
    };
    for (const auto &[slot, name] : editSlots)
        EXPECT_EQ(model.PunterEdit().at(slot)->name(), name) << slot;

    const std::pair<int, const char *> gridSlots[] = {
        {0, "SGOperadores"}, {19, "SGBCApp"}, {20, "SGBoto1"}, {23, "SGBoto4"},
        {24, "SGTelefons"}, {25, "SGUsuaris"}, {26, "SGCentralCofem"}, {39, "SGCentralPL1000"},
    };
    for (const auto &[slot, name] : gridSlots)
        EXPECT_EQ(model.PunterStringGrid().at(slot)->name(), name) << slot;

    EXPECT_EQ(model.PunterCheckBox().at(2)->name(), "CBConfigVPN");
}

TEST_F(Fields, ControlsAreBoundToTheirParameterNumbers)
{
    const std::pair<const char *, int> expected[] = {
        {"EProgEmpresa", 102}, {"EProgPassword", 108}, {"EConfigADSLGateway", 214},
        {"EConfigADSLSubMask", 213}, {"ECentral", 1590}, {"ECodiProg", 111}, {"EMAC", 200},
        {"EPinSIM", 6600}, {"EEMailPassword", 2004}, {"EEMailEnviarA", 2101},
        {"ETelSMS1", 3111}, {"ETelSMS4", 3114}, {"EEmail3", 3103}, {"EIPCra11", 1101},
        {"EIPCra12", 1102}, {"EIPCra21", 1103}, {"EIPCra22", 1104}, {"EPortCRA22", 1114},
        {"EAbonatCra21", 1123}, {"EPollingCRA1", 1010}, {"EImportarFitxer", 9000},
        {"EBaudsAgui", 1500}, {"EImportarFitxerBC600", 9500}, {"EAliesB4", 4004},
        {"ETActivantB1", 4040}, {"ETActivatB1", 4040}, {"ETDesactivantB1", 4040},
        {"ETActivatB3", 4042}, {"EAdrecaCofem", 9750}, {"EAdrJadeBird", 9750},
        {"EImportarFitxerSyncro", 9500}, {"EBaudsPL1000", 1500},
        {"CBHora", 120}, {"CLBPartsActives", 106}, {"CBConfigADSLDHCP", 211},
        {"CBHexaCra", 1132}, {"CBConfigVPN", 309},
    };
    for (const auto &[name, number] : expected) {
        const BoundField *f = model.field(QString::fromLatin1(name));
        ASSERT_NE(f, nullptr) << name;
        EXPECT_EQ(f->Tag, number) << name;
    }

    const std::pair<const char *, int> grids[] = {
        {"SGOperadores", 8501}, {"SGCra", 1131}, {"SGEntrades", 3001}, {"SGEntradesOpc", 3201},
        {"SGSortides", 3301}, {"SGSortidesTemps", 3321}, {"SGSortidesEnt", 3311},
        {"SGSortidesOpc", 3401}, {"SGInici", 3601}, {"SGTest", 3502}, {"SGTamper", 3503},
        {"SGAlim", 3504}, {"SGTestOpc", 3602}, {"SGTamperOpc", 3603}, {"SGAlimOpc", 3604},
        {"SGPerduaCOM", 3605}, {"SGCentralAgui", 9001}, {"SGLlistatZonesAgui", 9101},
        {"SGCentralBC600", 9601}, {"SGBCApp", 1141}, {"SGBoto1", 4016}, {"SGBoto2", 4020},
        {"SGBoto3", 4024}, {"SGBoto4", 4028}, {"SGTelefons", 0}, {"SGUsuaris", 0},
        {"SGCentralCofem", 9701}, {"SGCentralUrano", 9761}, {"SGCentralSyncro", 9601},
        {"SGCentralAvenarBosch", 9601}, {"SGCentralSupra", 9761}, {"SGCentralZafir", 9701},
        {"SGCentralAD300", 9701}, {"SGCentralID3000", 9601}, {"SGCentralDetnovCCD", 9761},
        {"SGCentralAD600", 9601}, {"SGCentralCtec", 9601}, {"SGCentralMA2000", 9601},
        {"SGCentralJadeBird", 9761}, {"SGCentralPL1000", 9601},
    };
    for (const auto &[name, number] : grids)
        EXPECT_EQ(grid(name)->Tag, number) << name;

    // Every edit box of the pages carries a parameter.
    for (const EditField *e : model.PunterEdit())
        EXPECT_GE(e->Tag, 100) << e->name().toStdString();
}

TEST_F(Fields, TagGlobalsCopyTheGridNumbers)
{
    EXPECT_EQ(model.TagCraOpc, 1131);
    EXPECT_EQ(model.TagEntradesOpc, 3201);
    EXPECT_EQ(model.TagSortidesOpc, 3401);
    EXPECT_EQ(model.TagTamperOpc, 3603);
    EXPECT_EQ(model.TagAlimOpc, 3604);
    EXPECT_EQ(model.TagInici, 3601);
    EXPECT_EQ(model.TagTestOpc, 3602);
    EXPECT_EQ(model.TagPerduaCom, 3605);
    EXPECT_EQ(model.TagCentral, 9001);
    EXPECT_EQ(model.TagLlistatZones, 9101);
    EXPECT_EQ(model.TagBC600, 9601);
    EXPECT_EQ(model.TagBCOpc, 1141);
    EXPECT_EQ(model.TagBotoPortes, 4016);
    EXPECT_EQ(model.TagCentralCofem, 9701);
    EXPECT_EQ(model.TagCentralUrano, 9761);
    EXPECT_EQ(model.TagCentralZafir, 9701);
    EXPECT_EQ(model.TagCentralJAdeBird, 9761);
    EXPECT_EQ(model.TagCentralPL1000, 9601);
}

TEST_F(Fields, BindingTwiceChangesNothing)
{
    const QList<int> first = allTags();
    EXPECT_EQ(model.InicialitzaPunters(catalogue), QStringList());
    EXPECT_EQ(allTags(), first);
    EXPECT_EQ(edit("EIPCra22")->Tag, 1104);
    EXPECT_EQ(grid("SGBoto4")->Tag, 4028);
    EXPECT_EQ(model.TagBotoPortes, 4016);
    EXPECT_EQ(model.PunterEdit().size(), 97);
}

TEST_F(Fields, RecordCodesFollowTheBlocksFirstCode)
{
    EXPECT_EQ(grid("SGEntrades")->recordCode(16), "3010");
    EXPECT_EQ(grid("SGBoto1")->recordCode(1), "4010");
    EXPECT_EQ(grid("SGBoto4")->recordCode(4), "401F");
    EXPECT_EQ(grid("SGTamper")->recordCode(1), "3503");
    EXPECT_EQ(grid("SGPerduaCOM")->recordCode(5), "3609");
    EXPECT_EQ(grid("SGLlistatZonesAgui")->recordCode(1000), "94E8");
    EXPECT_EQ(grid("SGOperadores")->recordCode(3), "8503");
    EXPECT_TRUE(grid("SGTelefons")->recordCode(1).isEmpty());
}

TEST(FieldBinding, AHintMissingFromTheCatalogueIsReportedAndLeftUnbound)
{
    ParamCatalogue partial;
    partial.parse("#define _idEmpres_ 0x0102\t//\r\n#define _BlB1FunI_ 0x4010\t//\r\n");
    FieldModel model;
    const QStringList failed = model.InicialitzaPunters(partial);
    EXPECT_FALSE(failed.contains("EProgEmpresa"));
    EXPECT_FALSE(failed.contains("SGBoto1"));
    EXPECT_TRUE(failed.contains("EIPCra22"));
    EXPECT_TRUE(failed.contains("CBHora"));
    EXPECT_TRUE(failed.contains("SGEntrades"));
    EXPECT_FALSE(failed.contains("SGTelefons")) << "no hint, nothing to bind";
    EXPECT_EQ(model.edit(u"EProgEmpresa")->Tag, 102);
    EXPECT_EQ(model.edit(u"EIPCra22")->Tag, 3) << "keeps its design-time offset";
    EXPECT_EQ(model.grid(u"SGBoto1")->Tag, 4016);
}

// ---- Finding the controls of a number --------------------------------------

TEST_F(Fields, AnEditTakesItsValueAndReturnsToNormal)
{
    EditField *e = edit("EProgEmpresa");
    e->setEnabled(false);
    e->setColour(FieldColour::Changed);
    const Delivery d = model.deliver(102, "ACME", noPanel);
    EXPECT_EQ(names(d.edits), QStringList{"EProgEmpresa"});
    EXPECT_EQ(e->text(), "ACME");
    EXPECT_EQ(e->store(), "ACME");
    EXPECT_EQ(e->colour(), FieldColour::Window);
    EXPECT_TRUE(e->enabled());
    EXPECT_FALSE(e->modified());

    model.deliver(200, "00:04:A3:00:00:01", noPanel);
    EXPECT_EQ(edit("EMAC")->colour(), FieldColour::InactiveCaption) << "read-only box";
}

TEST_F(Fields, SharedNumbersFillEveryEditOfThem)
{
    const Delivery bauds = model.deliver(1500, "38400,e", noPanel);
    EXPECT_EQ(bauds.edits.size(), 17);
    for (const EditField *e : bauds.edits)
        EXPECT_EQ(e->text(), "38400,e") << e->name().toStdString();

    const Delivery files = model.deliver(9500, "eventos.txt", panel("TSCentralBC600", "BC600"));
    EXPECT_EQ(files.edits.size(), 14);
    EXPECT_TRUE(names(files.edits).contains("EImportarFitxerBC600"));

    const Delivery addresses = model.deliver(9750, "0A", panel("TSCentralAD300", "AD300"));
    EXPECT_EQ(addresses.edits.size(), 8);
}

TEST_F(Fields, FileNameAndAddressAreNotTakenWithTheAguileraPage)
{
    const FieldContext aguilera = panel("TSCentralAguilera", "AGE44");
    EXPECT_TRUE(model.deliver(9500, "x.txt", aguilera).edits.isEmpty());
    EXPECT_TRUE(model.deliver(9750, "0A", aguilera).edits.isEmpty());
    EXPECT_TRUE(edit("EImportarFitxerBC600")->text().isEmpty());
    EXPECT_EQ(names(model.deliver(9000, "zonas.txt", aguilera).edits),
              QStringList{"EImportarFitxer"});
}

TEST_F(Fields, DoorTimesAreSplitOverTheButtonsThreeEdits)
{
    const Delivery d = model.deliver(4040, "5;10;5", noPanel);
    EXPECT_EQ(names(d.edits), (QStringList{"ETActivantB1", "ETActivatB1", "ETDesactivantB1"}));
    EXPECT_EQ(edit("ETActivantB1")->text(), "5");
    EXPECT_EQ(edit("ETActivatB1")->text(), "10");
    EXPECT_EQ(edit("ETDesactivantB1")->text(), "5");
    EXPECT_TRUE(edit("ETActivantB2")->text().isEmpty());

    model.deliver(4043, "7;8", noPanel);
    EXPECT_EQ(edit("ETActivantB4")->text(), "7");
    EXPECT_EQ(edit("ETActivatB4")->text(), "8");
    EXPECT_TRUE(edit("ETDesactivantB4")->text().isEmpty()) << "a missing part empties the box";
}

TEST_F(Fields, TimeZoneListTakesTheOffset)
{
    const std::pair<const char *, int> cases[] = {
        {"3", 13}, {"+01,29", 11}, {"+01", 11}, {"-10", 0}, {"13", 23}, {"0", 10},
        {"", 11}, {"14", -1}, {"-11", -1}, {"2147483647", -1},
    };
    ComboBoxField *hora = model.comboBox(u"CBHora");
    for (const auto &[value, index] : cases) {
        const Delivery d = model.deliver(120, QString::fromLatin1(value), noPanel);
        EXPECT_EQ(d.comboBox, hora);
        EXPECT_FALSE(d.reachedCheckBoxes) << "the list ends the search";
        EXPECT_EQ(hora->currentIndex(), index) << '"' << value << '"';
    }
    model.deliver(120, "3", noPanel);
    EXPECT_EQ(hora->value(), "+03");
    model.deliver(120, "-5", noPanel);
    EXPECT_EQ(hora->value(), "-05");
}

TEST_F(Fields, CheckListTakesOneDigitPerItem)
{
    CheckListField *parts = model.checkList(u"CLBPartsActives");
    const Delivery d = model.deliver(106, "1011", noPanel);
    EXPECT_EQ(d.checkList, parts);
    EXPECT_FALSE(d.reachedCheckBoxes);
    EXPECT_TRUE(parts->isChecked(0));
    EXPECT_FALSE(parts->isChecked(1));
    EXPECT_TRUE(parts->isChecked(2));
    EXPECT_TRUE(parts->isChecked(3));
    EXPECT_EQ(parts->value(), "1011");

    // The scan stops at the first character that is not a digit.
    model.deliver(106, "0x00", noPanel);
    EXPECT_EQ(parts->value(), "0011");
    model.deliver(106, "0200111", noPanel);
    EXPECT_EQ(parts->value(), "0000") << "any digit but 1 unchecks; extra digits are ignored";
}

struct GridCase {
    const char *what;
    int number;
    const char *tab;
    const char *central;
    const char *grid; // nullptr: no grid takes it
};

TEST_F(Fields, TheFirstGridWhoseRowsHoldTheNumberTakesTheRecord)
{
    const GridCase cases[] = {
        {"input 5", 3005, "", "", "SGEntrades"},
        {"input 16", 3016, "", "", "SGEntrades"},
        {"past the inputs", 3017, "", "", nullptr},
        {"operator 16", 8516, "", "", "SGOperadores"},
        {"tamper", 3503, "", "", "SGTamper"},
        {"loss of COM", 3609, "", "", "SGPerduaCOM"},
        {"door button 1, output 4", 4019, "", "", "SGBoto1"},
        {"door button 2, output 1", 4020, "", "", "SGBoto2"},
        {"BC600 page and panel", 9610, "TSCentralBC600", "BC600", "SGCentralBC600"},
        {"BC216 panel", 9610, "TSCentralBC600", "<BC216>", "SGCentralBC600"},
        {"BC600 page, other panel", 9610, "TSCentralBC600", "Syncro", nullptr},
        {"BC600 page, other panel, first record", 9601, "TSCentralBC600", "Syncro", "SGCentralBC600"},
        {"BC600 panel, page not shown", 9610, "", "BC600", nullptr},
        {"Syncro page takes the shared block", 9610, "TSCentralSyncro", "BC600", "SGCentralSyncro"},
        {"zone 1000", 10100, "TSCentralAguilera", "AGE44", "SGLlistatZonesAgui"},
        {"zone list, 9500 converted", 10124, "TSCentralAguilera", "AGE44", nullptr},
        {"zone list without an Aguilera panel", 9102, "TSCentralAguilera", "Syncro", nullptr},
        {"bridged panel events", 9009, "TSCentralAguilera", "AE/C5", "SGCentralAgui"},
        {"Urano accepts one past its rows", 9771, "TSCentralUrano", "Urano", "SGCentralUrano"},
        {"Urano", 9772, "TSCentralUrano", "Urano", nullptr},
        {"Supra takes every row it writes", 9810, "TSCentralSupra", "Supra", "SGCentralSupra"},
        {"past Supra's last row", 9811, "TSCentralSupra", "Supra", nullptr},
        {"Zafir, its data rows", 9750, "TSCentralZafir", "Cofem-A", "SGCentralZafir"},
        {"AD600", 9675, "TSCentralAD600", "AD600", "SGCentralAD600"},
        {"BC600 app option needs no page", 1141, "", "", "SGBCApp"},
    };
    for (const GridCase &c : cases) {
        const Delivery d = model.deliver(c.number, "1;0;0;1130;x", panel(c.tab, c.central));
        if (c.grid) {
            ASSERT_NE(d.grid, nullptr) << c.what;
            EXPECT_EQ(d.grid->name(), c.grid) << c.what;
            EXPECT_FALSE(d.reachedCheckBoxes) << c.what;
        } else {
            EXPECT_EQ(d.grid, nullptr) << c.what << ": " << d.grid->name().toStdString();
        }
    }
}

TEST_F(Fields, AGridIsHandedTheRecordButNotFilled)
{
    const Delivery d = model.deliver(3005, "0;0;1;Puerta", noPanel);
    ASSERT_EQ(d.grid, grid("SGEntrades"));
    EXPECT_EQ(d.grid->rowOf(3005), 5);
    EXPECT_EQ(d.grid->cell(1, 5), "");
}

TEST_F(Fields, CheckBoxesTakeTheIntegerOne)
{
    CheckBoxField *dhcp = box("CBConfigADSLDHCP");
    const Delivery d = model.deliver(211, "1", noPanel);
    EXPECT_EQ(d.checkBox, dhcp);
    EXPECT_TRUE(dhcp->checked());
    EXPECT_EQ(dhcp->colour(), FieldColour::LightBlue);
    EXPECT_EQ(dhcp->indicator(), "SPConfigADSLDHCP");

    for (const char *value : {"0", "2", "", "1,0", "x"}) {
        model.deliver(211, "1", noPanel);
        model.deliver(211, QString::fromLatin1(value), noPanel);
        EXPECT_FALSE(dhcp->checked()) << '"' << value << '"';
    }
    model.deliver(1132, "+1", noPanel);
    EXPECT_TRUE(box("CBHexaCra")->checked());
}

TEST_F(Fields, TheVpnBoxFollowsConfigVpnWhateverTheValue)
{
    CheckBoxField *vpn = box("CBConfigVPN");
    model.ConfigVPN = true;
    Delivery d = model.deliver(309, "", noPanel);
    EXPECT_EQ(d.checkBox, vpn);
    EXPECT_TRUE(vpn->checked());
    EXPECT_EQ(vpn->colour(), FieldColour::LightBlue);

    model.ConfigVPN = false;
    model.deliver(309, "1", noPanel);
    EXPECT_FALSE(vpn->checked());

    // Any number that reaches the check boxes updates it, even an edit's.
    model.ConfigVPN = true;
    d = model.deliver(102, "ACME", noPanel);
    EXPECT_TRUE(d.reachedCheckBoxes);
    EXPECT_EQ(d.checkBox, nullptr);
    EXPECT_TRUE(vpn->checked());

    // So does another check box's number.
    model.ConfigVPN = false;
    model.deliver(211, "1", noPanel);
    EXPECT_FALSE(vpn->checked());
    EXPECT_TRUE(box("CBConfigADSLDHCP")->checked());

    // A grid match ends the search before it.
    model.ConfigVPN = true;
    model.deliver(309, "", noPanel);
    model.ConfigVPN = false;
    model.deliver(3001, "", noPanel);
    EXPECT_TRUE(vpn->checked());
}

TEST_F(Fields, AnUnknownNumberReachesNothingButTheVpnBox)
{
    const Delivery d = model.deliver(7777, "1", noPanel);
    EXPECT_FALSE(d.any());
    EXPECT_TRUE(d.reachedCheckBoxes);
}

// ---- Change marking --------------------------------------------------------

TEST_F(Fields, AnEditIsMarkedOnceWhenTheUserChangesItOnALiveLink)
{
    const ChangeContext live{true, false};
    EditField *e = edit("EProgRef");

    e->setText("set by the program");
    EXPECT_FALSE(model.EditChange(e, live)) << "not modified by the user";

    e->setTextByUser("typed");
    EXPECT_FALSE(model.EditChange(e, {false, false})) << "no link";
    EXPECT_FALSE(model.EditChange(e, {true, true})) << "busy";
    EXPECT_EQ(model.ncampsModificats, 0);

    EXPECT_TRUE(model.EditChange(e, live));
    EXPECT_EQ(e->colour(), FieldColour::Changed);
    e->setTextByUser("typed more");
    EXPECT_TRUE(model.EditChange(e, live));
    EXPECT_EQ(model.ncampsModificats, 1);

    edit("EProgTel")->setTextByUser("600");
    model.EditChange(edit("EProgTel"), live);
    EXPECT_EQ(model.ncampsModificats, 2);
}

TEST_F(Fields, ACheckBoxNothingWasReadIntoTakesTheClickBack)
{
    const ChangeContext live{true, false};
    CheckBoxField *hexa = box("CBHexaCra");
    hexa->setColour(FieldColour::ButtonFace);
    hexa->setChecked(true);
    EXPECT_FALSE(model.CheckBoxClick(hexa, live));
    EXPECT_FALSE(hexa->checked());
    EXPECT_EQ(model.ncampsModificats, 0);

    hexa->setColour(FieldColour::LightBlue);
    hexa->setChecked(true);
    EXPECT_TRUE(model.CheckBoxClick(hexa, live));
    EXPECT_TRUE(hexa->checked());
    EXPECT_EQ(hexa->colour(), FieldColour::Changed);
    EXPECT_EQ(model.ncampsModificats, 1);
}

TEST_F(Fields, ListsAreMarkedLikeTheOtherFields)
{
    EXPECT_FALSE(model.CLBPartsActivesClick({false, false}));
    EXPECT_TRUE(model.CLBPartsActivesClick({true, false}));
    EXPECT_TRUE(model.CLBPartsActivesClick({true, false}));
    EXPECT_EQ(model.ncampsModificats, 1);

    // The time-zone list is marked whether linked or not, and counted once.
    EXPECT_TRUE(model.CBHoraChange());
    EXPECT_TRUE(model.CBHoraChange());
    EXPECT_EQ(model.comboBox(u"CBHora")->colour(), FieldColour::Changed);
    EXPECT_EQ(model.ncampsModificats, 2);
}

// A control the user brings back to the value it had before his changes is
// no change any more: its colour returns to normal, its count is taken back,
// and the write leaves it out. Each kind of control, as the pages change it.
TEST_F(Fields, AControlChangedBackToItsValueIsUnchangedAgain)
{
    const ChangeContext live{true, false};
    model.deliver(104, "Nave 3", noPanel);
    model.deliver(211, "1", noPanel);
    model.deliver(106, "1010", noPanel);
    model.deliver(120, "1", noPanel);
    EditField *ref = edit("EProgRef");
    CheckBoxField *dhcp = box("CBConfigADSLDHCP");
    CheckListField *parts = model.checkList(u"CLBPartsActives");
    ComboBoxField *zone = model.comboBox(u"CBHora");

    const struct {
        const char *step;
        std::function<bool()> change;
        BoundField *field;
        FieldColour colour;
        int counted;
    } steps[] = {
        {"ref typed", [&] { ref->setTextByUser("Nave 3B"); return model.EditChange(ref, live); },
         ref, FieldColour::Changed, 1},
        {"ref typed back", [&] { ref->setTextByUser("Nave 3"); return model.EditChange(ref, live); },
         ref, FieldColour::Window, 0},
        {"box unticked", [&] { dhcp->setCheckedByUser(false); return model.CheckBoxClick(dhcp, live); },
         dhcp, FieldColour::Changed, 1},
        {"list item ticked", [&] { parts->setCheckedByUser(1, true); return model.CLBPartsActivesClick(live); },
         parts, FieldColour::Changed, 2},
        {"box ticked again", [&] { dhcp->setCheckedByUser(true); return model.CheckBoxClick(dhcp, live); },
         dhcp, FieldColour::LightBlue, 1},
        {"other item ticked", [&] { parts->setCheckedByUser(3, true); return model.CLBPartsActivesClick(live); },
         parts, FieldColour::Changed, 1},
        {"zone chosen", [&] { zone->setCurrentIndexByUser(14); return model.CBHoraChange(); },
         zone, FieldColour::Changed, 2},
        {"zone chosen again", [&] { zone->setCurrentIndexByUser(15); return model.CBHoraChange(); },
         zone, FieldColour::Changed, 2},
        {"zone back", [&] { zone->setCurrentIndexByUser(11); return model.CBHoraChange(); },
         zone, FieldColour::Window, 1},
        {"zone chosen as it is", [&] { zone->setCurrentIndexByUser(11); return model.CBHoraChange(); },
         zone, FieldColour::Window, 1},
        {"items back", [&] {
             parts->setCheckedByUser(1, false);
             model.CLBPartsActivesClick(live);
             parts->setCheckedByUser(3, false);
             return model.CLBPartsActivesClick(live);
         },
         parts, FieldColour::Window, 0},
        {"ref typed again", [&] { ref->setTextByUser("Nave"); return model.EditChange(ref, live); },
         ref, FieldColour::Changed, 1},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.step);
        const bool marked = s.change();
        EXPECT_EQ(marked, s.colour == FieldColour::Changed);
        EXPECT_EQ(s.field->colour(), s.colour);
        EXPECT_EQ(model.ncampsModificats, s.counted);
    }

    // The count never goes below nothing (a write sets it to 0 at its end).
    model.ncampsModificats = 0;
    ref->setTextByUser("Nave 3");
    model.EditChange(ref, live);
    EXPECT_EQ(ref->colour(), FieldColour::Window);
    EXPECT_EQ(model.ncampsModificats, 0);
}

// A field the program marked (an imported template) has no earlier value of
// the user's: changing it back and forth keeps it marked.
TEST_F(Fields, AFieldTheProgramMarkedStaysMarked)
{
    const ChangeContext live{true, false};
    EditField *ref = edit("EProgRef");
    ref->setTextByUser("typed"); // before the program marks it: forgotten
    ref->setColour(FieldColour::Changed);
    ref->setTextByUser("other");
    EXPECT_TRUE(model.EditChange(ref, live));
    ref->setTextByUser("typed");
    EXPECT_TRUE(model.EditChange(ref, live));
    ref->setTextByUser("");
    EXPECT_TRUE(model.EditChange(ref, live));
    EXPECT_EQ(ref->colour(), FieldColour::Changed);
}

TEST_F(Fields, AfterAReadOrWriteRedFieldsReturnToNormal)
{
    const ChangeContext live{true, false};
    EditField *ref = edit("EProgRef");
    ref->setTextByUser("x");
    model.EditChange(ref, live);
    ref->setEnabled(false);
    CheckBoxField *dhcp = box("CBConfigADSLDHCP");
    dhcp->setChecked(true);
    model.CheckBoxClick(dhcp, live);
    EditField *disabled = edit("EProgTel");
    disabled->setEnabled(false);

    model.CampsPantallaCLWindow();
    EXPECT_EQ(ref->colour(), FieldColour::Window);
    EXPECT_TRUE(ref->enabled());
    EXPECT_EQ(dhcp->colour(), FieldColour::LightBlue);
    EXPECT_FALSE(disabled->enabled()) << "only red fields are touched";
}

// ---- Clearing --------------------------------------------------------------

TEST_F(Fields, ClearingTheParametersEmptiesEveryField)
{
    model.ConfigVPN = true;
    model.deliver(102, "ACME", noPanel);
    model.deliver(120, "3", noPanel);
    model.deliver(106, "1111", noPanel);
    model.deliver(211, "1", noPanel);
    edit("EProgRef")->setTextByUser("x");
    model.EditChange(edit("EProgRef"), {true, false});
    grid("SGEntrades")->load(1, 3, "Puerta");
    grid("SGEntrades")->setFlagWord(4, 3, 3);
    grid("SGSortides")->setCell(2, 1, "1");
    grid("SGBoto2")->setFlagWord(1, 2, 1);
    grid("SGCentralSyncro")->load(2, 7, "245");
    grid("SGTelefons")->load(1, 1, "600000000");

    const auto cleared = countSignals(&model, &FieldModel::paramCleared);
    model.Esborra_param();
    EXPECT_EQ(*cleared, 1);

    for (const EditField *e : model.PunterEdit()) {
        EXPECT_TRUE(e->text().isEmpty()) << e->name().toStdString();
        EXPECT_TRUE(e->store().isEmpty());
        EXPECT_EQ(e->colour(), e->normalColour());
    }
    EXPECT_EQ(model.comboBox(u"CBHora")->currentIndex(), -1);
    EXPECT_EQ(model.checkList(u"CLBPartsActives")->value(), "0000");
    for (const CheckBoxField *b : model.PunterCheckBox()) {
        EXPECT_FALSE(b->checked());
        EXPECT_EQ(b->colour(), FieldColour::LightBlue);
    }

    GridModel *entrades = grid("SGEntrades");
    EXPECT_EQ(entrades->cell(0, 3), "3");
    EXPECT_EQ(entrades->stored(0, 3), "3");
    EXPECT_EQ(entrades->cell(1, 3), "");
    EXPECT_EQ(entrades->stored(1, 3), "");
    EXPECT_FALSE(entrades->normallyOpen(3));
    EXPECT_EQ(entrades->flagWord(4, 3), 0);
    EXPECT_EQ(grid("SGSortides")->cell(2, 1), "0") << "outputs clear to 0";
    EXPECT_EQ(grid("SGSortides")->stored(2, 1), "0");
    EXPECT_EQ(grid("SGBoto2")->flagWord(1, 2), 0);
    EXPECT_EQ(grid("SGBoto2")->cell(0, 4), "4");
    EXPECT_EQ(grid("SGCentralSyncro")->cell(2, 7), "");
    EXPECT_EQ(grid("SGTelefons")->cell(1, 1), "600000000") << "the cloud lists are not parameters";
}

TEST_F(Fields, ClearedGridsCarryTheirHeadingsAndRowLabels)
{
    const GridModel *entrades = grid("SGEntrades");
    EXPECT_EQ(entrades->heading(0), "N.");
    EXPECT_EQ(entrades->heading(4), "NO");
    EXPECT_EQ(grid("SGEntradesOpc")->heading(4), "Mensaje disparo/mensaje restaura");
    EXPECT_EQ(grid("SGOperadores")->heading(0), "   Operadora");
    EXPECT_EQ(grid("SGSortidesEnt")->heading(16), "E16");
    EXPECT_EQ(grid("SGSortidesEnt")->heading(17), "Todas");
    EXPECT_EQ(grid("SGTamper")->heading(5), "NO");
    EXPECT_EQ(grid("SGTest")->heading(2), "Hora: ");
    EXPECT_EQ(grid("SGSortidesOpc")->heading(2), "Email");
    EXPECT_EQ(grid("SGBoto3")->heading(1), "Activ.");
    EXPECT_EQ(grid("SGLlistatZonesAgui")->heading(2), "NOMBRE");

    const GridModel *perdua = grid("SGPerduaCOM");
    EXPECT_EQ(perdua->heading(5), QString::fromUtf8("Mensaje de fallo/Mensaje de recuperación"));
    EXPECT_EQ(perdua->cell(0, 1), QString::fromUtf8("Pérdida GSM"));
    EXPECT_EQ(perdua->cell(0, 5), QString::fromUtf8("Pérdida COM"));
    EXPECT_EQ(perdua->stored(0, 5), QString::fromUtf8("Pérdida COM"));

    EXPECT_EQ(grid("SGTamper")->cell(0, 1), "") << "no fixed column: the alias is column 0";
    EXPECT_EQ(grid("SGCentralBC600")->cell(0, 255), "255");
}

TEST_F(Fields, TheDisconnectedStateResetsCountersLinkAndDoorLists)
{
    // Changes not yet written (counted) keep the parameter fields; the rest
    // of the reset happens either way.
    for (const int changes : {0, 4}) {
        SCOPED_TRACE(changes);
        LinkState link;
        link.circuit = true;
        model.ncampsModificats = changes;
        model.ncampsGravats = 2;
        model.deliver(102, "ACME", noPanel);
        grid("SGUsuaris")->load(1, 1, "a@b.es");
        grid("SGTelefons")->load(1, 1, "600000000");

        const auto reset = countSignals(&model, &FieldModel::disconnectedReset);
        model.Esborra_Camps(link);
        EXPECT_EQ(*reset, 1);
        EXPECT_FALSE(link.circuit);
        EXPECT_EQ(model.ncampsModificats, changes);
        EXPECT_EQ(model.ncampsGravats, 0);
        EXPECT_EQ(edit("EProgEmpresa")->text().isEmpty(), changes == 0);
        EXPECT_TRUE(grid("SGUsuaris")->cell(1, 1).isEmpty());
        EXPECT_TRUE(grid("SGTelefons")->cell(1, 1).isEmpty());
        EXPECT_EQ(grid("SGUsuaris")->heading(0), "Borrar");
    }
}

TEST_F(Fields, DoorListsClearOneAtATime)
{
    grid("SGUsuaris")->load(1, 1, "a@b.es");
    grid("SGTelefons")->load(1, 1, "600000000");
    model.Esborra_Portes(1);
    EXPECT_TRUE(grid("SGTelefons")->cell(1, 1).isEmpty());
    EXPECT_EQ(grid("SGUsuaris")->cell(1, 1), "a@b.es");
    model.Esborra_Portes(2);
    EXPECT_TRUE(grid("SGUsuaris")->cell(1, 1).isEmpty());
}

// ---- Grid cells ------------------------------------------------------------

TEST_F(Fields, TickingACheckBoxCellMarksItUntilTheNextRead)
{
    GridModel *entrades = grid("SGEntrades");
    entrades->toggleCheck(4, 2);
    EXPECT_TRUE(entrades->normallyOpen(2));
    EXPECT_EQ(entrades->flagWord(4, 2), 3);
    EXPECT_EQ(entrades->stored(4, 2), "1");

    // Ticked again: unticked, but still changed.
    entrades->toggleCheck(4, 2);
    EXPECT_FALSE(entrades->normallyOpen(2));
    EXPECT_EQ(entrades->flagWord(4, 2), 2);
    EXPECT_EQ(entrades->stored(4, 2), "0");
    EXPECT_TRUE(entrades->data(entrades->index(1, 4), GridModel::ModifiedRole).toBool());

    // Only check-box columns tick.
    entrades->toggleCheck(1, 2);
    EXPECT_EQ(entrades->flagWord(1, 2), 0);
}

TEST_F(Fields, GridsAreTableModelsOverTheFieldStore)
{
    GridModel *opc = grid("SGEntradesOpc");
    EXPECT_EQ(opc->rowCount(), 16);
    EXPECT_EQ(opc->columnCount(), 5);
    EXPECT_EQ(opc->headerData(3, Qt::Horizontal).toString(), QString::fromUtf8("Código CID"));

    opc->load(3, 2, "1130");
    const QModelIndex cid = opc->index(1, 3);
    EXPECT_EQ(cid.data().toString(), "1130");
    EXPECT_FALSE(cid.data(GridModel::ModifiedRole).toBool());

    const auto changed = countSignals(opc, &QAbstractItemModel::dataChanged);
    EXPECT_TRUE(opc->setData(cid, "113A"));
    EXPECT_EQ(*changed, 1);
    EXPECT_EQ(opc->cell(3, 2), "113A");
    EXPECT_EQ(opc->stored(3, 2), "1130");
    EXPECT_TRUE(opc->cellDiffers(3, 2));
    EXPECT_TRUE(cid.data(GridModel::ModifiedRole).toBool());

    EXPECT_TRUE(opc->flags(cid) & Qt::ItemIsEditable);
    const GridModel *entrades = grid("SGEntrades");
    EXPECT_FALSE(entrades->flags(entrades->index(0, 0)) & Qt::ItemIsEditable) << "row numbers";
    EXPECT_TRUE(entrades->flags(entrades->index(0, 4)) & Qt::ItemIsUserCheckable);
}

TEST_F(Fields, CellsOutsideTheGridReadEmptyAndIgnoreWrites)
{
    GridModel *cra = grid("SGCra");
    cra->setCell(1, 1, "x");
    cra->load(0, 2, "x");
    cra->setFlagWord(-1, 1, 1);
    cra->toggleCheck(0, 0);
    EXPECT_EQ(cra->cell(0, 0), "");
    EXPECT_EQ(cra->cell(0, 2), "");
    EXPECT_EQ(cra->stored(5, 5), "");
    EXPECT_EQ(cra->marker(0, 9), GridModel::kMarkerWindow);
    EXPECT_FALSE(cra->setData(cra->index(3, 3), "x"));
}
