#include "core/cloud/DoorLists.h"

#include "core/cloud/CloudDirectory.h"
#include "core/params/FieldModel.h"
#include "core/params/GridModel.h"

namespace velmar {

namespace doorlists {

QList<int> changedRows(const GridModel &grid, const QList<int> &columns)
{
    QList<int> rows;
    const int length = listLength(grid);
    for (int r = 1; r <= length; ++r)
        for (int c : columns)
            if (grid.cellDiffers(c, r)) {
                rows << r;
                break;
            }
    return rows;
}

QList<int> markedRows(const GridModel &grid)
{
    QList<int> rows;
    const int length = listLength(grid);
    for (int r = 1; r <= length; ++r)
        if (grid.cell(kDeleteColumn, r) == u"1")
            rows << r;
    return rows;
}

namespace {

void fillRow(GridModel &grid, int row, const QStringList &cells)
{
    for (int c = 0; c < cells.size(); ++c)
        grid.load(c, row, cells.at(c));
}

} // namespace

void fillPhones(GridModel &grid, const QList<cloud::TelephoneRow> &rows)
{
    const int n = qMin(int(rows.size()), grid.dataRows());
    for (int i = 0; i < n; ++i) {
        const cloud::TelephoneRow &t = rows.at(i);
        fillRow(grid, i + 1, {QString(), t.number, t.userName, t.enabled, t.button});
    }
}

void fillUsers(GridModel &grid, const QList<cloud::UserRow> &rows)
{
    const int n = qMin(int(rows.size()), grid.dataRows());
    for (int i = 0; i < n; ++i) {
        const cloud::UserRow &u = rows.at(i);
        fillRow(grid, i + 1, {QString(), u.email, u.nickname, u.enabled, u.buttons, u.uid});
    }
}

} // namespace doorlists

using namespace doorlists;

DoorLists::DoorLists(CloudDirectory &cloud, FieldModel &fields, QObject *parent)
    : QObject(parent), m_cloud(cloud), m_fields(fields)
{
    connect(&cloud, &CloudDirectory::telephonesRead, this, [this](const QList<cloud::TelephoneRow> &rows) {
        fillPhones(grid(List::Phones), rows);
        finishRead(List::Phones);
    });
    connect(&cloud, &CloudDirectory::usersRead, this, [this](const QList<cloud::UserRow> &rows) {
        fillUsers(grid(List::Users), rows);
        finishRead(List::Users);
    });
    // What the directory tells while a list is worked on is this page's to show.
    connect(&cloud, &CloudDirectory::message, this, [this](const QString &title, const QString &text, int seconds) {
        if (working(List::Phones) || working(List::Users))
            emit message(title, text, seconds);
    });
}

GridModel &DoorLists::grid(List list) const
{
    return *m_fields.grid(list == List::Phones ? u"SGTelefons" : u"SGUsuaris");
}

void DoorLists::setWorking(List list, bool working)
{
    if (m_working[index(list)] == working)
        return;
    m_working[index(list)] = working;
    emit workingChanged(list, working);
}

void DoorLists::read(List list)
{
    if (working(list))
        return;
    setWorking(list, true);
    startRead(list);
}

void DoorLists::startRead(List list)
{
    m_reading[index(list)] = true;
    m_fields.Esborra_Portes(int(list));
    if (list == List::Phones)
        m_cloud.Llegir_Telefons();
    else
        m_cloud.LLegir_Usuaris();
}

void DoorLists::finishRead(List list)
{
    if (!std::exchange(m_reading[index(list)], false))
        return;
    emit listRead(list);
    setWorking(list, false);
}

void DoorLists::run(List list, QList<Step> steps)
{
    if (working(list))
        return;
    setWorking(list, true);
    next(list, std::move(steps), {});
}

void DoorLists::next(List list, QList<Step> steps, QStringList errors)
{
    if (steps.isEmpty()) {
        // Refused writes are told; the new read shows what the cloud holds.
        if (!errors.isEmpty())
            emit message(tr("ERROR"), errors.join(u'\r'), 0);
        startRead(list);
        if (list == List::Users)
            emit doorViewReset();
        return;
    }
    const Step step = steps.takeFirst();
    step([this, list, steps, errors](bool ok) mutable {
        // The next write clears ErrorFirebase: this one's reason is kept now.
        const QString error = ok ? QString() : m_cloud.ErrorFirebase();
        if (!error.isEmpty() && !errors.contains(error))
            errors << error;
        // Queued: an operation that answers at once must not deepen the stack.
        QMetaObject::invokeMethod(
            this, [this, list, steps, errors] { next(list, steps, errors); }, Qt::QueuedConnection);
    });
}

void DoorLists::run(List list, const QList<int> &rows, const std::function<Step(const GridModel &, int)> &stepFor)
{
    const GridModel &g = grid(list);
    QList<Step> steps;
    for (int r : rows)
        steps << stepFor(g, r);
    run(list, steps);
}

void DoorLists::BBGuardarTelClick()
{
    run(List::Phones, changedRows(grid(List::Phones), kPhoneColumns), [this](const GridModel &g, int r) -> Step {
        return [this, number = g.cell(1, r), reference = g.cell(2, r), enabled = g.cell(3, r),
                button = g.cell(4, r)](std::function<void(bool)> done) {
            m_cloud.ActualitzaTelefons(number, reference, button, enabled, std::move(done));
        };
    });
}

void DoorLists::BBEliminarTelClick()
{
    run(List::Phones, markedRows(grid(List::Phones)), [this](const GridModel &g, int r) -> Step {
        return [this, number = g.cell(1, r)](std::function<void(bool)> done) {
            m_cloud.EsborraTelefons(number, [done] { done(true); });
        };
    });
}

void DoorLists::BbGuardarUsuarisClick()
{
    run(List::Users, changedRows(grid(List::Users), kUserColumns), [this](const GridModel &g, int r) -> Step {
        return [this, key = g.cell(kUserKeyColumn, r), enabled = g.cell(3, r), email = g.cell(1, r),
                buttons = g.cell(4, r)](std::function<void(bool)> done) {
            m_cloud.ActualitzaUsuaris(key, enabled, email, buttons, std::move(done));
        };
    });
}

void DoorLists::BBEliminarUsuarisClick()
{
    run(List::Users, markedRows(grid(List::Users)), [this](const GridModel &g, int r) -> Step {
        return [this, key = g.cell(kUserKeyColumn, r)](std::function<void(bool)> done) {
            m_cloud.EsborraUsuaris(key, [done] { done(true); });
        };
    });
}

} // namespace velmar
