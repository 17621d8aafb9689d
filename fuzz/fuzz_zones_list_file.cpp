// Zone list files into their grid and back out.
#include "FileRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    velmar::fuzz::listRoundTrip(velmar::files::ListKind::Zones, data, size);
    return 0;
}
