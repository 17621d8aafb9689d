#pragma once

#include "core/params/BoundField.h"
#include "core/params/GridModel.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velmar {

class ParamCatalogue;
struct LinkState;

// What a value for a parameter number is matched against.
struct FieldContext {
    QString central;  // the attached panel's type text
    QString panelTab; // the panel programming tab that is shown, empty if none

    bool aguileraPageShown() const { return panelTab == u"TSCentralAguilera"; }
};

// Whether a user's change counts: the link is up (circuit) and the program
// is not busy (no busy cursor).
struct ChangeContext {
    bool circuit = false;
    bool busy = false;
};

// Where a value went (finding the controls of a parameter number).
struct Delivery {
    QList<EditField *> edits;
    ComboBoxField *comboBox = nullptr;
    CheckListField *checkList = nullptr;
    // The grid that takes the record; decoding the record into its row is
    // the read cycle's work. The value has not been stored anywhere.
    GridModel *grid = nullptr;
    // The check box whose number matched (CBConfigVPN follows ConfigVPN
    // whenever the search reaches the check boxes, matched or not).
    CheckBoxField *checkBox = nullptr;
    bool reachedCheckBoxes = false;
    // The parameter number the reply's code became (0: the code is ignored).
    int number = 0;

    bool any() const { return !edits.isEmpty() || comboBox || checkList || grid || checkBox; }
};

// The editor pages' controls as data: every bound control with its parameter
// number, the pointer tables the read and write cycles walk, the field store
// and the change marks. Widgets bind to the fields and grids by their control
// names; nothing here knows a widget.
class FieldModel : public QObject {
    Q_OBJECT
public:
    explicit FieldModel(QObject *parent = nullptr);

    // Binding: fills the pointer tables in their order and gives every
    // control whose tag is still below 100 the number of its hint. Safe to
    // call again (after a change of language): bound controls keep their
    // numbers. Returns the controls whose hint gave no number (none with the
    // shipped header); those keep their tags.
    QStringList InicialitzaPunters(const ParamCatalogue &catalogue);

    // Pointer tables, in the order the cycles visit the controls.
    const QList<EditField *> &PunterEdit() const { return m_punterEdit; }
    const QList<CheckBoxField *> &PunterCheckBox() const { return m_punterCheckBox; }
    const QList<CheckListField *> &PunterCheckListBox() const { return m_punterCheckListBox; }
    const QList<GridModel *> &PunterStringGrid() const { return m_punterStringGrid; }
    const QList<ComboBoxField *> &PunterComboBox() const { return m_punterComboBox; }

    // Controls by name (the objectName the widgets carry); null if unknown.
    BoundField *field(QStringView name) const;
    EditField *edit(QStringView name) const;
    CheckBoxField *checkBox(QStringView name) const;
    CheckListField *checkList(QStringView name) const;
    ComboBoxField *comboBox(QStringView name) const;
    GridModel *grid(QStringView name) const;
    const QList<GridModel *> &grids() const { return m_grids; }

    // Grid tag globals: copies of grid numbers, set by binding.
    int TagCraOpc = 0;
    int TagEntradesOpc = 0;
    int TagSortidesOpc = 0;
    int TagTamperOpc = 0;
    int TagAlimOpc = 0;
    int TagInici = 0;
    int TagTestOpc = 0;
    int TagPerduaCom = 0;
    int TagCentral = 0;
    int TagLlistatZones = 0;
    int TagBC600 = 0;
    int TagBCOpc = 0;
    int TagBotoPortes = 0;
    int TagCentralCofem = 0;
    int TagCentralUrano = 0;
    int TagCentralSyncro = 0;
    int TagCentralSupra = 0;
    int TagCentralZafir = 0;
    int TagCentralAD300 = 0;
    int TagCentralID3000 = 0;
    int TagCentralDetnovCCD = 0;
    int TagCentralAD600 = 0;
    int TagCentralCtec = 0;
    int TagCentralMA2000 = 0;
    int TagCentralJAdeBird = 0;
    int TagCentralPL1000 = 0;

    // Fields marked as changed, and grid records written so far.
    int ncampsModificats = 0;
    int ncampsGravats = 0;
    // The module is in VPN mode: set on identification, cleared when a
    // non-empty value arrives for 301 or 309; CBConfigVPN shows it.
    bool ConfigVPN = false;

    // Finding the controls of a parameter number and giving them the value:
    // for callers that name a control by its own number.
    Delivery deliver(int number, const QString &value, const FieldContext &context);
    // The same for a reply from the module ("+" code ":" value): the code
    // becomes a number, and only controls whose own code it is take the
    // value. Several codes share a number ("9750" the bus address, "9696"
    // record 150 of a 96xx block, "9732" row 50 of the Zafir grid).
    Delivery deliverReply(QStringView code, const QString &value, const FieldContext &context);

    // Change notifications from the editor pages. Each returns whether the
    // control is now marked as changed: the first change marks it and counts
    // it once; changed back to its value from before (the ...ByUser setters
    // remember it) it returns to its colour at rest and the count goes down.
    bool EditChange(EditField *edit, const ChangeContext &context);
    // Call after the box's state has flipped; a box nothing was read into
    // yet (button-face colour) is unticked again.
    bool CheckBoxClick(CheckBoxField *box, const ChangeContext &context);
    bool CLBPartsActivesClick(const ChangeContext &context);
    // The time-zone list is marked whether a module is linked or not.
    bool CBHoraChange();

    // Clearing.
    void Esborra_param();
    // The model's share of the disconnected state: counters, link flag,
    // parameter fields and the door lists; the parameter fields stay while
    // ncampsModificats counts changes not yet written. The window does the
    // rest on disconnectedReset().
    void Esborra_Camps(LinkState &link);
    void CampsPantallaCLWindow();

    void Esborra_Cra();
    void Esborra_entrades();
    void Esborra_sortides();
    void Esborra_Tamper();
    void Esborra_Alim();
    void Esborra_Inici();
    void Esborra_Test();
    void Esborra_PerduaCOM();
    void Esborra_operadores();
    void Esborra_Central();
    void Esborra_LlistatZones();
    void Esborra_BC600();
    void Esborra_BCApp();
    void Esborra_BotonsPortes();
    void Esborra_CentralCofem();
    void Esborra_CentralUrano();
    void Esborra_CentralSyncro();
    void Esborra_CentralAvenarBosch();
    void Esborra_CentralAD300();
    void Esborra_CentralSupra();
    void Esborra_CentralZafir();
    void Esborra_CentralID3000();
    void Esborra_CentralDetnovCCD();
    void Esborra_CentralAD600();
    void Esborra_CentralCtec();
    void Esborra_CentralMA2000();
    void Esborra_CentralJadeBird();
    void Esborra_CentralPL1000();
    // 0: both door lists; 1: the phone list; 2: the user list. Headings,
    // cells and stores are cleared; the page hides the lists' save and
    // delete commands on doorListsCleared.
    void Esborra_Portes(int opcio);

signals:
    // Esborra_param ran: the panel pages' event panes are to be emptied.
    void paramCleared();
    // Esborra_Camps ran: views, status bar and commands go to the
    // disconnected state.
    void disconnectedReset();
    // Esborra_Portes ran with this option.
    void doorListsCleared(int opcio);

private:
    // code empty: any control of the number; else only those of that code.
    Delivery route(int number, QStringView code, const QString &value, const FieldContext &context);
    void clearGrids(std::initializer_list<const char *> names);
    // The user changed the field; rest: its colour when unchanged.
    bool userChanged(BoundField *f, FieldColour rest);

    QList<EditField *> m_edits;
    QList<CheckBoxField *> m_checkBoxes;
    QList<CheckListField *> m_checkLists;
    QList<ComboBoxField *> m_comboBoxes;
    QList<GridModel *> m_grids;
    QHash<QString, BoundField *> m_byName;
    QHash<QString, GridModel *> m_gridByName;

    QList<EditField *> m_punterEdit;
    QList<CheckBoxField *> m_punterCheckBox;
    QList<CheckListField *> m_punterCheckListBox;
    QList<GridModel *> m_punterStringGrid;
    QList<ComboBoxField *> m_punterComboBox;
};

} // namespace velmar
