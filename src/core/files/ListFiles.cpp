#include "core/files/ListFiles.h"

#include "core/params/FieldModel.h"
#include "core/params/GridModel.h"

#include <QRegularExpression>

namespace velmar::files {

namespace {

class ListText {
    Q_DECLARE_TR_FUNCTIONS(ListText)
};

constexpr int kZoneNameChars = 32;
constexpr int kZoneCodeChars = 8;

QStringList headingsOf(const GridModel &grid)
{
    QStringList h;
    for (int c = 0; c < grid.columns(); ++c)
        h << grid.heading(c);
    return h;
}

QString checkPhone(const QStringList &f)
{
    if (!f.at(0).isEmpty() && f.at(0) != u"1")
        return ListText::tr("marca de borrado incorrecta");
    if (!f.at(3).isEmpty() && f.at(3) != u"1" && f.at(3) != u"0")
        return ListText::tr("valor de habilitación incorrecto");
    return {};
}

QString checkZone(const QStringList &f)
{
    bool ok = false;
    const int zone = f.at(0).toInt(&ok);
    if (!ok || f.at(0).startsWith(u'+'))
        return ListText::tr("el número de zona no es correcto");
    if (zone < 1 || zone > 1023)
        return ListText::tr("número de zona fuera de rango (1 a 1023)");
    const ZoneEntry e = zoneEntry(f.at(1));
    if (e.code.size() > kZoneCodeChars)
        return ListText::tr("código CID demasiado largo");
    if (e.name.size() > kZoneNameChars)
        return ListText::tr("nombre de más de %1 caracteres").arg(kZoneNameChars);
    return {};
}

} // namespace

ZoneEntry zoneEntry(const QString &rest)
{
    const qsizetype blank = rest.indexOf(u' ');
    const QString first = blank < 0 ? rest : rest.left(blank);
    // Contact ID codes are hexadecimal ("1F3"): a word of hexadecimal digits
    // with at least one decimal digit among them is a code too, so that
    // every exported list reads back as it was; a plain word is a name.
    bool integer = false;
    first.toInt(&integer);
    bool hex = false;
    const qulonglong value = first.toULongLong(&hex, 16);
    const bool code = !first.isEmpty() && (integer || (hex && first.contains(QRegularExpression(QStringLiteral("[0-9]")))));
    if (!code)
        return {QString(), rest};
    return {value == 0 ? QString() : first, blank < 0 ? QString() : rest.mid(blank + 1)};
}

RowFormat listFormat(ListKind kind)
{
    RowFormat f;
    switch (kind) {
    case ListKind::Operators:
        f.separator = u',';
        f.fields = 4;
        break;
    case ListKind::Phones:
        f.separator = u',';
        f.fields = 5;
        f.check = checkPhone;
        // Such a line is let through and left out.
        f.skippedLine = QStringLiteral(",,,");
        break;
    case ListKind::Zones:
        f.separator = u' ';
        f.fields = 2;
        f.restIsText = true;
        f.tabsAsBlanks = true;
        f.check = checkZone;
        break;
    }
    return f;
}

ParsedRows parseList(const QByteArray &bytes, ListKind kind)
{
    return parseRows(bytes, listFormat(kind));
}

GridModel *listGrid(FieldModel &fields, ListKind kind)
{
    switch (kind) {
    case ListKind::Operators:
        return fields.grid(u"SGOperadores");
    case ListKind::Phones:
        return fields.grid(u"SGTelefons");
    case ListKind::Zones:
        return fields.grid(u"SGLlistatZonesAgui");
    }
    return nullptr;
}

void importList(FieldModel &fields, ListKind kind, const ParsedRows &file, const QString &fileName)
{
    GridModel *grid = listGrid(fields, kind);
    if (!grid || !file.ok)
        return;
    if (kind == ListKind::Zones) {
        if (EditField *name = fields.edit(u"EImportarFitxer")) {
            name->setText(fileName);
            name->setColour(FieldColour::Changed);
        }
        grid->clear();
        for (const QStringList &f : file.rows) {
            // Each zone into its own row: the row is the zone the module keeps it as.
            const int row = f.at(0).toInt();
            const ZoneEntry e = zoneEntry(f.at(1));
            grid->setCell(1, row, e.code);
            grid->setCell(2, row, recordFieldText(e.name));
        }
        grid->setColour(FieldColour::Changed);
        fields.ncampsModificats += file.lines;
        return;
    }
    const int rows = qMin(int(file.rows.size()), grid->dataRows());
    for (int r = 1; r <= rows; ++r) {
        const QStringList &f = file.rows.at(r - 1);
        for (int c = 0; c < f.size() && c < grid->columns(); ++c)
            grid->setCell(c, r, recordFieldText(f.at(c)));
    }
    if (kind == ListKind::Operators)
        grid->setColour(FieldColour::Changed);
}

QByteArray exportList(const GridModel &grid, ListKind kind)
{
    QList<QStringList> lines{headingsOf(grid)};
    const int rows = kind == ListKind::Operators ? grid.dataRows() : listLength(grid);
    for (int r = 1; r <= rows; ++r) {
        QStringList line;
        for (int c = 0; c < grid.columns(); ++c)
            line << grid.cell(c, r);
        if (kind == ListKind::Zones && line.at(1).isEmpty())
            line[1] = QStringLiteral("000");
        lines << line;
    }
    return writeRows(lines, kind == ListKind::Zones ? u' ' : u',');
}

} // namespace velmar::files
