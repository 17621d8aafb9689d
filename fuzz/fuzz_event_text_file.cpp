// Panel event-text files into the page's grid and back out.
#include "FileRoundTrip.h"
#include "core/files/EventTextFile.h"

#include <cstddef>
#include <cstdint>

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    FieldModel &model = fuzz::pagesModel();
    QList<const panels::PanelPageForm *> forms;
    for (const panels::PanelPageForm &f : panels::pageForms())
        if (*f.grid && *f.fileEdit && qstrcmp(f.tab, "TSCentralAguilera") != 0)
            forms << &f;
    const panels::PanelPageForm &form = *forms.at(data[0] % forms.size());
    GridModel &grid = *model.grid(QString::fromLatin1(form.grid));
    fuzz::roundTrip(
        QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)),
        [&form](const QByteArray &b) { return files::parseEventText(b, form); },
        [&](const files::ParsedRows &r) { files::importEventText(model, form, r, QStringLiteral("f.txt")); },
        [&] { return files::exportEventText(grid, form); });
    return 0;
}
