#include "core/files/ListErase.h"

#include "core/files/EventTextFile.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/Scheduler.h"
#include "core/params/FieldModel.h"
#include "core/programming/ProgrammingState.h"
#include "core/programming/WriteCycle.h"

namespace velmar {

namespace {

constexpr int kEventErasePauseMs = 500;
constexpr int kZoneErasePauseMs = 300;
// The operator grid's number lies between these (the write's scope).
constexpr int kOperatorsFrom = 8499;
constexpr int kOperatorsTo = 0x8600;

} // namespace

ListErase::ListErase(LinkState &state, CommandChannel &channel, Scheduler &scheduler,
                     FieldModel &fields, ProgrammingState &view, WriteCycle &writer, QObject *parent)
    : QObject(parent),
      m_state(state),
      m_channel(channel),
      m_scheduler(scheduler),
      m_fields(fields),
      m_view(view),
      m_writer(writer)
{
}

bool ListErase::allowed() const
{
    return m_state.circuittrobat && !m_view.working();
}

bool ListErase::confirmed(const QString &text) const
{
    return m_view.ask(Question{tr("CONFIRMACION"), text, tr("     Sí    "), tr("    No    ")});
}

void ListErase::eraseEvents(const panels::PanelPageForm &form)
{
    GridModel *grid = m_fields.grid(QString::fromLatin1(form.grid));
    if (!grid || !files::hasEventErase(form) || !allowed())
        return;
    if (!confirmed(tr("Se borrarán todos los eventos programados del circuito\r\n¿Está seguro?")))
        return;
    Pacer p(m_scheduler);
    for (const files::EraseCommand &c : files::eventEraseCommands(*grid, form)) {
        if (c.pauseBefore)
            p.pause(kEventErasePauseMs);
        p.then([this, command = c.command] { m_channel.send(command); });
    }
    grid->clear();
    // The module's file name is gone with its texts.
    if (EditField *name = m_fields.edit(QString::fromLatin1(form.fileEdit))) {
        name->setText(QString());
        name->setStore(QString());
        name->setColour(name->normalColour());
    }
}

void ListErase::BBEsborraZonesClick()
{
    if (!allowed())
        return;
    if (!confirmed(tr("Se borrarán todas las zonas programadas del circuito\r\n¿Está seguro?")))
        return;
    Pacer p(m_scheduler);
    p.then([this] { m_channel.send(QStringLiteral("vm+9000=")); });
    for (int block = 0x91; block <= 0x99; ++block) {
        p.pause(kZoneErasePauseMs);
        p.then([this, block] {
            m_channel.send(QStringLiteral("vm+%1xx=0").arg(block, 2, 16, QLatin1Char('0')));
        });
    }
    m_fields.Esborra_LlistatZones();
    if (EditField *name = m_fields.edit(u"EImportarFitxer")) {
        name->setText(QString());
        name->setStore(QString());
        name->setColour(name->normalColour());
    }
}

void ListErase::BBEsborraOperadoresClick()
{
    GridModel *grid = m_fields.grid(u"SGOperadores");
    if (!grid || !allowed())
        return;
    if (!confirmed(tr("Se borrarán todas las operadoras del circuito\r\n¿Está seguro?")))
        return;
    grid->setColour(FieldColour::Changed);
    for (int r = 1; r <= grid->dataRows(); ++r)
        for (int c = 0; c < grid->columns(); ++c)
            grid->setCell(c, r, QString());
    m_writer.writeGridRecords(*grid, kOperatorsFrom, kOperatorsTo, tr("Borrando el listado de operadoras"));
}

} // namespace velmar
