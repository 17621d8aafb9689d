#pragma once

#include "core/params/GridModel.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velmar::editor {

// A key as the editors' filters see it: the characters a grid or an edit box
// is offered, not the navigation keys (arrows, Enter, Tab, Delete), which
// always keep their normal meaning.
enum class KeyKind {
    Character, // a printable character
    Backspace,
    Copy,      // Ctrl+C
    Paste,     // Ctrl+V
    Escape,
    Control,   // any other control character (Ctrl+X, Ctrl+A, ...)
};

struct Key {
    KeyKind kind = KeyKind::Character;
    QChar ch;

    static Key character(QChar c) { return {KeyKind::Character, c}; }
    static Key of(KeyKind k) { return {k, QChar()}; }
};

// How the cells of a grid column are edited.
enum class CellKind {
    Fixed,     // row labels: accept nothing, not even a paste
    Text,      // typed freely
    Alias,     // typed, at most 12 characters; backspace only once full
    Digits,    // digits and backspace
    ContactId, // hexadecimal Contact ID code, at most 8 digits
    EventKind, // panel event kind: hexadecimal, 3 or 4 digits
    Name,      // zone name: at most 32 characters
    Option,    // chosen from the grid's in-place list; typing only opens or closes it
    Hora,      // time of day HH:MM, judged key by key
    Phone,     // digits, "+" and backspace
    Check,     // check box kept in the cell's flag word
    TextCheck, // check box kept as "1"/"0" in the cell (door lists)
    ReadOnly,  // shown, never edited
};

struct ColumnEditor {
    CellKind kind = CellKind::Text;
    int maxLength = 0;     // EventKind: 3 or 4
    bool showsList = false; // selecting a cell of the column shows the grid's in-place list
};

// The in-place option list of a grid.
struct OptionList {
    QString name;          // its control name (CBSG...); empty: the grid has none
    QStringList items;
    QString preselection;  // item selected when the list opens; empty: none
    int width = 0;         // pixels; 0: as wide as the cell
    bool valueBeforeEquals = false; // the cell takes the item's text up to "="
    bool escapeToggles = false;     // Escape (and typing in a list column) toggles it
    bool clickToggles = false;      // a click anywhere on the grid toggles it
    bool clickOpens = false;        // a click on a list cell opens it (even the current cell)
};

// What becomes of a key typed into a grid cell.
enum class KeyVerdict {
    Accept,     // the key acts on the cell as usual
    Refuse,     // the key is dropped
    Copy,       // the cell's text goes to the clipboard
    Paste,      // the clipboard's text replaces the cell's (see pasteAccepted)
    ToggleList, // the grid's list is hidden if shown, else shown over the cell
    CloseList,  // the grid's list is hidden; the key does nothing else to the cell
};

// Column editors, from the grid's name and its untranslated headings.
ColumnEditor columnEditor(const GridDesign &grid, int column);
OptionList optionList(const GridDesign &grid);

// The key filter of a grid cell holding cellText.
KeyVerdict judgeKey(const GridDesign &grid, int column, const QString &cellText, Key key);
// Whether a paste into the column takes the clipboard's text.
bool pasteAccepted(const GridDesign &grid, int column, const QString &clipboard);
// The text a cell takes from the user (typed, pasted or chosen): the cells
// of a grid whose rows travel as records never hold the record separator
// or a line break; the door lists keep the text as given.
QString userCellText(const GridDesign &grid, const QString &text);
// The text a chosen list item puts into the cell.
QString optionValue(const OptionList &list, const QString &item);

// Key filters of the single edit boxes.
enum class EditFilter {
    None,
    Number,    // digits and backspace: ports, times, PIN
    Hexa,      // hexadecimal digits and backspace: subscriber accounts
    Telephone, // digits, "+", ";" and backspace: telephone lists
};
EditFilter editFilterOf(QStringView controlName);
// Only characters and backspace are judged; clipboard and other control keys pass.
bool editAccepts(EditFilter filter, Key key);

// The time-of-day rule on its own (the "Hora: " column of the periodic test).
bool horaAccepts(const QString &cellText, Key key);

} // namespace velmar::editor
