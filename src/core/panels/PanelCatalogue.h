#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace velmar::panels {

// One supported panel model: the texts of the module's panel type
// (`central`) that select it and the parts of the window that belong to it.
struct PanelModel {
    const char *model;        // the model's own name ("BC600", "Cofem-A (Zafir)")
    QList<const char *> selectedBy; // any of these contained in central selects it
    const char *unless;       // ... unless central also contains this ("" for none)
    const char *statusView;   // PEstat... on the status page
    const char *tab;          // programming page, "" when the model has none
    const char *caption;      // caption of that page's tab for this model
    const char *title;        // title label of the page for this model (untranslated)
    const char *statusRecord; // "A4", "" when none
    const char *eventRecord;  // "C4", "" when none
    const char *cloudNode;    // node of its event lists in the cloud, "" when none
    int statusRank;           // order in which the status view is chosen
    int tabRank;              // order in which the programming page is chosen (0: none)
};

// The catalogue, one row per model.
const QList<PanelModel> &catalogue();

// Whether `central` selects the model (the "contains" rule).
bool selects(const PanelModel &m, QStringView central);

// The model whose status view central selects, as identification chooses
// it; null when none (only the module's own view is shown).
const PanelModel *statusModel(QStringView central);
// The same from the cloud's status record: the BC600 and BC216 names are
// tried before the Aguilera names.
const PanelModel *cloudStatusModel(QStringView central);
// The model whose programming page central selects; null when none.
const PanelModel *pageModel(QStringView central);

// The programming tab of the attached panel with its caption and its title
// label; all empty when no page belongs to central.
struct PanelTab {
    QString tab;
    QString caption;
    QString title;
};
PanelTab panelTabFor(QStringView central);

// The model that an information record ("A4", "C7", ...) is meant for.
// Shared codes are decided by central, in the catalogue's order of trial; a
// code with a fallback model goes to it whatever is attached. Null when the
// record is to be ignored.
const PanelModel *recordModel(QStringView recordCode, QStringView central);

// The row of a model by its name; null when unknown.
const PanelModel *modelNamed(QStringView model);

} // namespace velmar::panels
