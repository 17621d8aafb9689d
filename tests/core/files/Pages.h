#pragma once

#include "core/panels/PanelPages.h"
#include "core/params/FieldModel.h"
#include "core/params/ParamCatalogue.h"

namespace velmar::test {

// The field model with every page's grids bound and headed, as the window
// has them with the given panel attached.
struct Pages {
    ParamCatalogue catalogue;
    FieldModel fields;
    explicit Pages(const char *central = "")
    {
        catalogue.Llegir_parametres();
        fields.InicialitzaPunters(catalogue);
        fields.Esborra_param();
        panels::installPageForms(fields, QString::fromLatin1(central));
    }
    GridModel &grid(const char *name) { return *fields.grid(QString::fromLatin1(name)); }
    QStringList row(const char *name, int r, int from = 1)
    {
        QStringList cells;
        for (int c = from; c < grid(name).columns(); ++c)
            cells << grid(name).cell(c, r);
        return cells;
    }
};

inline const panels::PanelPageForm &form(const char *tab)
{
    return *panels::pageForm(QString::fromLatin1(tab));
}

} // namespace velmar::test
