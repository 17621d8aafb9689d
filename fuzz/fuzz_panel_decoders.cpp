// Feeds arbitrary text to every panel status and event decoder, the
// Aguilera lists too: status records and event records come from the panel
// through the module, event lists from the cloud. The first byte chooses the list kind and whether
// the text is split as a cloud list first.
#include "core/panels/AguileraStatus.h"
#include "core/panels/EventDecoders.h"
#include "core/panels/PanelCatalogue.h"
#include "core/panels/StatusDecoders.h"
#include "core/status/LampBoard.h"

#include <cstddef>
#include <cstdint>

using namespace velmar;
using namespace velmar::panels;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static const QString kinds[] = {QStringLiteral("Fire"), QStringLiteral("Fault"), QStringLiteral("Disablement"),
                                    QStringLiteral("Test"), QStringLiteral("TechAlarm"), QString()};
    const QString &kind = kinds[data[0] % std::size(kinds)];
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data + 1), int(size - 1));
    QStringList entries{text};
    if (data[0] & 0x80)
        entries = eventEntries(text, data[0] & 0x40);

    static LampBoard board;
    for (const PanelModel &m : catalogue()) {
        if (StatusDecoder d = statusDecoderFor(QLatin1String(m.model)))
            applyLamps(board, d(text));
    }
    board.tick();

    // The AE/SA record has no lamp Tags: its lists instead.
    const AesaStatus aesa = Info_Central_AESA(text);
    for (int l = 1; l <= 4; ++l)
        (void)aguileraListText(aesa, AguiList(l));

    int n = 1;
    for (const QString &e : entries) {
        for (IdFamily f : {IdFamily::ID3000, IdFamily::MA2000, IdFamily::PL1000})
            (void)decodeIdEvent(f, e, n);
        (void)decodeBC600(e);
        (void)decodeBC216(e);
        (void)bc600ChangedKind(e);
        (void)decodeAvenar(e, kind, n);
        (void)decodeSyncroEntry(e);
        (void)decodeSyncroRecord(e);
        (void)decodeAD300(e, kind, n, int(entries.size()));
        (void)decodeAD600(e, kind, n, int(entries.size()));
        (void)decodeJadeBird(e);
        (void)decodeCtec(e, kind);
        ++n;
    }
    return 0;
}
