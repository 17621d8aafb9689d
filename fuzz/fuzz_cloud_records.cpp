// Feeds arbitrary answers of the cloud database to the readers of its
// records: the text form of a read, the module record flattened for the
// offline view (with its derived texts), the event history (its cells and
// CSV export too), the telephone, user and door records, the circuit
// search's module list and the panel status of a stored record.
#include "core/cloud/CircuitList.h"
#include "core/cloud/CloudRecords.h"
#include "core/cloud/OfflineStatus.h"
#include "core/history/EventTexts.h"
#include "core/history/HistoryExport.h"
#include "core/panels/PanelCatalogue.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstddef>
#include <cstdint>

using namespace velmar::cloud;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
    // As the client reads an answer: any JSON value, wrapped in an array.
    const QJsonDocument doc = QJsonDocument::fromJson("[" + body + "]");
    const QJsonValue value = doc.isArray() && !doc.array().isEmpty() ? doc.array().first() : QJsonValue();

    (void)textForm(value);
    const ModuleRecord record = flattenModuleRecord(body);
    (void)record.central();
    (void)record.coverage();
    (void)record.updatedLocal(QTimeZone::utc());
    (void)record.names(QStringLiteral("inputsAlies"), 16);
    (void)telephoneRows(value);
    (void)userRow(QStringLiteral("uid"), value, QStringLiteral("VLM0042"));
    (void)uidForEmail(value, QStringLiteral("ana@velmar.test"));
    (void)buttonsMarked(value);
    (void)readInteger(value);
    // The history as the page shows it and as the CSV export writes it.
    static const velmar::history::EventTexts texts = velmar::history::EventTexts::build();
    const QList<HistoryRow> history = historyRows(value, {}, QTimeZone::utc());
    velmar::history::ExportTable table;
    table.headings = velmar::history::historyHeadings();
    table.rows = velmar::history::historyCells(history, texts, {QStringLiteral("Portal")});
    (void)velmar::history::csvBytes(table);
    (void)versionNumber(QString::fromUtf8(body));
    int number = 0;
    for (const CircuitRow &row : circuitRows(value, QStringLiteral("ACME"), {}, {}))
        (void)circuitCells(row, ++number);
    if (const auto *model = velmar::panels::cloudStatusModel(record.central()))
        (void)storedPanelStatus(*model, record);
    return 0;
}
