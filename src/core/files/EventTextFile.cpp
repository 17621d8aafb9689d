#include "core/files/EventTextFile.h"

#include "core/params/FieldModel.h"
#include "core/params/GridModel.h"

namespace velmar::files {

namespace {

bool isTab(const panels::PanelPageForm &form, const char *tab)
{
    return qstrcmp(form.tab, tab) == 0;
}

bool isAnyTab(const panels::PanelPageForm &form, std::initializer_list<const char *> tabs)
{
    for (const char *t : tabs)
        if (isTab(form, t))
            return true;
    return false;
}

// Fields before the text: App, SMS, EMail, Contact ID, and the event kind
// in front of them on the 7-column pages.
int leadingFields(const panels::PanelPageForm &form)
{
    return form.form == panels::EventForm::Captioned ? 4 : 5;
}

// These two pages keep "0" and "000" as they stand; the others take them
// for empty cells.
bool zerosAreEmpty(const panels::PanelPageForm &form)
{
    return !isAnyTab(form, {"TSCentralSupra", "TSCentralDetnovCCD"});
}

enum class ListEnd { KindOrNotice, Kind, Never };

ListEnd listEnd(const panels::PanelPageForm &form)
{
    if (isAnyTab(form, {"TSCentralCofem", "TSCentralZafir"}))
        return ListEnd::Never;
    if (isAnyTab(form, {"TSCentralAD300", "TSCentralAD600", "TSCentralCtec", "TSCentralMA2000",
                        "TSCentralPL1000"}))
        return ListEnd::Kind;
    return ListEnd::KindOrNotice;
}

} // namespace

RowFormat eventTextFormat(const panels::PanelPageForm &form)
{
    RowFormat f;
    f.separator = u' ';
    f.fields = leadingFields(form) + 1;
    f.restIsText = true;
    // A row travels to the module as one record of at most 250 characters,
    // as long as its line.
    f.maxLineChars = 250;
    return f;
}

ParsedRows parseEventText(const QByteArray &bytes, const panels::PanelPageForm &form)
{
    return parseRows(bytes, eventTextFormat(form));
}

void importEventText(FieldModel &fields, const panels::PanelPageForm &form, const ParsedRows &file,
                     const QString &fileName)
{
    GridModel *grid = fields.grid(QString::fromLatin1(form.grid));
    if (!grid || !file.ok)
        return;
    if (EditField *name = fields.edit(QString::fromLatin1(form.fileEdit))) {
        name->setText(fileName);
        name->setColour(FieldColour::Changed);
    }
    grid->clear();
    const bool zeros = zerosAreEmpty(form);
    const int rows = qMin(int(file.rows.size()), grid->dataRows());
    for (int r = 1; r <= rows; ++r) {
        const QStringList &parts = file.rows.at(r - 1);
        for (int i = 0; i < parts.size(); ++i) {
            QString text = recordFieldText(parts.at(i));
            const bool option = i < parts.size() - 1;
            if (option && zeros && (text == u"0" || text == u"000"))
                text.clear();
            if (text.isEmpty())
                continue;
            grid->setCell(i + 1, r, text);
            grid->setMarker(i + 1, r, GridModel::kMarkerChanged);
        }
    }
    grid->setColour(FieldColour::Changed);
    fields.ncampsModificats += file.lines;
}

QByteArray exportEventText(const GridModel &grid, const panels::PanelPageForm &form)
{
    const int textColumn = grid.columns() - 1;
    const int cidColumn = textColumn - 1;
    const ListEnd end = listEnd(form);
    auto cellAt = [&grid](int column, int row) {
        return row == 0 ? grid.heading(column) : grid.cell(column, row);
    };
    QList<QStringList> lines;
    for (int r = 0; r <= grid.dataRows(); ++r) {
        if (end != ListEnd::Never && cellAt(1, r).isEmpty())
            break;
        if (end == ListEnd::KindOrNotice && cellAt(cidColumn, r).isEmpty() && cellAt(textColumn, r).isEmpty())
            break;
        QStringList line;
        for (int c = 1; c < textColumn; ++c) {
            const QString text = cellAt(c, r);
            line << (!text.isEmpty() ? text : c == cidColumn ? QStringLiteral("000") : QStringLiteral("0"));
        }
        line << cellAt(textColumn, r);
        lines << line;
    }
    return writeRows(lines, u' ');
}

bool hasEventErase(const panels::PanelPageForm &form)
{
    return *form.grid && *form.fileEdit
           && !isAnyTab(form, {"TSCentralAguilera", "TSCentralCofem", "TSCentralSupra",
                               "TSCentralZafir", "TSCentralDetnovCCD"});
}

QList<EraseCommand> eventEraseCommands(const GridModel &grid, const panels::PanelPageForm &form)
{
    if (!hasEventErase(form))
        return {};
    // The file name first, then every part of the page's own block (the
    // whole block, so that no event text of the panel stays behind), each
    // after a pause; the bus-address pages also clear the address block.
    QList<EraseCommand> commands{{QStringLiteral("vm+9500="), false}};
    bool first = true;
    for (const QString &c : panels::eventBlockErase(grid)) {
        commands << EraseCommand{c, !first};
        first = false;
    }
    if (isAnyTab(form, {"TSCentralAD600", "TSCentralCtec", "TSCentralMA2000", "TSCentralPL1000",
                        "TSCentralJadeBird"}))
        commands << EraseCommand{QStringLiteral("vm+975x=0"), true};
    return commands;
}

} // namespace velmar::files
