// Feeds arbitrary information-stream records through Llegir_In to the status
// display (indicators, link lines, covers, gauges), and arbitrary Tags to the
// lamp board, as a panel decoder would write them, before a blink tick.
#include "core/link/EventLog.h"
#include "core/link/InfoInterpreter.h"
#include "core/link/LinkState.h"
#include "core/link/ModuleStatus.h"
#include "core/params/InfoTexts.h"
#include "core/params/NamedTexts.h"
#include "core/status/LampBoard.h"
#include "core/status/StatusBarLook.h"
#include "core/status/StatusDisplay.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5)
        return 0;
    // First four bytes: a Tag for a lamp chosen by the same bytes.
    int tag = 0;
    std::memcpy(&tag, data, sizeof tag);
    static NamedTexts named;
    static InfoTexts texts(named);
    static LampBoard board;
    LinkState link;
    ModuleStatus status;
    EventLog log;
    StatusDisplay display(link, status);
    InfoInterpreter interpreter(link, texts, status, log);

    const QString record = QString::fromLatin1(reinterpret_cast<const char *>(data + 4), int(size - 4));
    link.central = record.left(8);
    interpreter.interpret(QStringLiteral("{#") + record + u'}');
    display.partsActives(record.right(4));
    (void)statusbar::panelLinkPanel(link.connex_velmar_Agui, link.central, record);

    const auto group = LampGroup(unsigned(tag) % kLampGroupCount);
    auto lamps = board.group(group);
    lamps[(unsigned(tag) >> 8) % lamps.size()].Tag = tag;
    board.tick();
    return 0;
}
