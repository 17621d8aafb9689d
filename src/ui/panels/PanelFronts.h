#pragma once

#include "core/status/LampBoard.h"

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
};

struct FrontItem {
    QString name;    // objectName
    QString caption; // untranslated (context "PanelFronts"), translated where shown
    QString kind;    // counters: the event list they select
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
};

const QList<Front> &fronts();
const Front *frontOf(const QString &model);

} // namespace velmar::ui
