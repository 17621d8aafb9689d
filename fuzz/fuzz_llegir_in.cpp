// Feeds arbitrary information-stream records to Llegir_In in every mode of
// the events pane and of the link check, with a panel-record sink attached;
// the door-button names it passes on are split as the door view splits them.
#include "core/doors/DoorButtons.h"
#include "core/link/EventLog.h"
#include "core/link/InfoInterpreter.h"
#include "core/link/ModuleStatus.h"
#include "core/params/InfoTexts.h"
#include "core/params/NamedTexts.h"

#include <cstddef>
#include <cstdint>

using namespace velmar;

namespace {
struct Panels : PanelRecordSink {
    qsizetype seen = 0;
    void panelRecord(QChar, QChar, const QString &payload) override { seen += payload.size(); }
};

const InfoTexts &texts()
{
    static NamedTexts named;
    static InfoTexts t = [] {
        InfoTexts loaded(named);
        loaded.Llegir_DefInfo();
        return loaded;
    }();
    return t;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // First byte: modes; the rest is the record, one byte per character.
    const uint8_t flags = data[0];
    QString record = QString::fromLatin1(reinterpret_cast<const char *>(data + 1), int(size - 1));
    if (flags & 8)
        record = QStringLiteral("{#") + record + u'}';

    LinkState link;
    link.connex_remota = (flags & 1) ? QStringLiteral("MQTT") : QString();
    link.connexADSL = flags & 2;
    ModuleStatus status;
    EventLog log([] { return QDateTime(QDate(2024, 1, 1), QTime(0, 0)); });
    log.setBTot(flags & 4);
    InfoInterpreter in(link, texts(), status, log);
    Panels panels;
    if (flags & 16)
        in.setPanelSink(&panels);
    QObject::connect(&in, &InfoInterpreter::doorButtonNames, [](const QString &payload) {
        if (DoorButtons::namesOf(payload).size() != DoorButtons::kButtons)
            __builtin_trap();
    });

    link.StrCom = record;
    in.Llegir_In();
    in.interpret(record); // a second record on the same state (the 8700 dots, doors)

    if (link.connex_velmar_Agui < 0 || link.connex_velmar_Agui > 2)
        __builtin_trap();
    return 0;
}
