#pragma once

#include "core/status/LampBoard.h"

#include <QColor>
#include <QList>
#include <QString>

namespace velmar::ui {

// The front of a panel status view as data: lamps of the blink board,
// single indicators the view colours itself, kind counters that select an
// event list, the event display and the order buttons. One PanelView draws
// any front; adding a model's view is adding a row (PanelFronts.cpp).

struct FrontLamp {
    QString name;
    LampGroup group;
    int index;
    QString caption;
    QString panel = {}; // the zone panel it sits in (shown or hidden whole), "" none
};

// Colours of an indicator or counter when lit and when off; invalid
// colours take the view's own.
struct FrontLook {
    QColor lit = {};
    QColor litText = {};
    QColor off = {};
    QColor offText = {};
    bool whileLive = false; // lit only while the panel talks to the module
};

struct FrontItem {
    QString name;    // objectName
    QString caption; // untranslated (context "PanelFronts"), translated where shown
    QString kind;    // counters: the event list they select
    FrontLook look = {};
    QString number = {}; // counters: the name the decoder gives its count, if not its own
};

// Texts a front takes from the model name identification gave.
struct FrontVariant {
    QString contains; // the first variant whose text the name holds; "" any
    QString title;    // after "CENTRAL DE INCENDIOS "
    QString badge;    // text of the front's badge label
};

struct Front {
    QString model;   // catalogue name
    QString view;    // PEstat...
    QString title;
    QList<FrontLamp> lamps;
    QList<FrontItem> indicators; // coloured from the decoded status
    QList<FrontItem> counters;
    QString display; // the event display, "" when none
    QList<FrontItem> buttons;
    // Set after the rows (PanelFronts.cpp, extras).
    QList<FrontVariant> variants = {};
    QString badge = {};        // objectName of the variant's label
    bool bigHeadings = false;  // event headings bold, 14 pt, in the live colour
};

const QList<Front> &fronts();
const Front *frontOf(const QString &model);

} // namespace velmar::ui
