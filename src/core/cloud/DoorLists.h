#pragma once

#include "core/cloud/CloudRecords.h"

#include <QList>
#include <QObject>

#include <functional>

namespace velmar {

class CloudDirectory;
class FieldModel;
class GridModel;

namespace doorlists {

// The cells of a row whose change is written: phones their number,
// reference, enabled and button; users their e-mail, enabled and buttons
// (the alias is the account's own, the last column the hidden user key).
inline const QList<int> kPhoneColumns{1, 2, 3, 4};
inline const QList<int> kUserColumns{1, 3, 4};
inline constexpr int kDeleteColumn = 0;
inline constexpr int kUserKeyColumn = 5;

// The rows of the list (up to its end) with one of `columns` differing
// from the field store, in order.
QList<int> changedRows(const GridModel &grid, const QList<int> &columns);
// The rows of the list whose delete cell holds "1", in order.
QList<int> markedRows(const GridModel &grid);

// Row i of the grid, cells and field store, from entry i of a read; rows
// beyond the grid are left out.
void fillPhones(GridModel &grid, const QList<cloud::TelephoneRow> &rows);
void fillUsers(GridModel &grid, const QList<cloud::UserRow> &rows);

} // namespace doorlists

// The door phone and user lists of the module in hand, kept in the cloud:
// read into their grids (cells and field store alike, so that later edits
// show as changes), the changed rows saved and the marked rows deleted.
// The writes go one after the other and the list is read again once every
// one of them has answered, whether they succeeded or not.
class DoorLists : public QObject {
    Q_OBJECT
public:
    // The Esborra_Portes option of each list.
    enum class List { Phones = 1, Users = 2 };
    Q_ENUM(List)

    DoorLists(CloudDirectory &cloud, FieldModel &fields, QObject *parent = nullptr);

    // "Cargar tel." and "Cargar usuario": the grid cleared, then read.
    void BBLlegirTelClick() { read(List::Phones); }
    void BBLlegirUsuarisClick() { read(List::Users); }
    // "Guardar" of each list: every changed row written, then read again.
    void BBGuardarTelClick();
    void BbGuardarUsuarisClick();
    // "Eliminar" of each list: every marked row deleted, then read again.
    void BBEliminarTelClick();
    void BBEliminarUsuarisClick();

    // A read, save or delete of the list is under way; another click on
    // that list is dropped until it ends.
    bool working(List list) const { return m_working[index(list)]; }

signals:
    void workingChanged(velmar::DoorLists::List list, bool working);
    // The grid holds the list as read.
    void listRead(velmar::DoorLists::List list);
    // A message for the user (seconds > 0: it closes by itself).
    void message(const QString &title, const QString &text, int seconds);
    // Users were written or deleted: the door buttons' view shows every
    // door closed and no names until the doors are read again.
    void doorViewReset();

private:
    // One cloud operation; it calls `done` once, with false when it failed
    // (ErrorFirebase then says why, unless the user has been told already).
    using Step = std::function<void(std::function<void(bool ok)> done)>;

    static int index(List list) { return list == List::Phones ? 0 : 1; }
    void setWorking(List list, bool working);
    void read(List list);
    void startRead(List list);
    void finishRead(List list);
    // The steps one after the other, then the list read again.
    void run(List list, QList<Step> steps);
    // The same with one step for each of the grid's rows.
    void run(List list, const QList<int> &rows, const std::function<Step(const GridModel &, int row)> &stepFor);
    void next(List list, QList<Step> steps, QStringList errors);
    GridModel &grid(List list) const;

    CloudDirectory &m_cloud;
    FieldModel &m_fields;
    bool m_working[2] = {false, false};
    bool m_reading[2] = {false, false}; // a read of ours is awaited
};

} // namespace velmar
