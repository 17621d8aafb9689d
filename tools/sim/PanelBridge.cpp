#include "PanelBridge.h"

namespace velmar::sim {

QByteArray PanelBridge::answer(const QByteArray &bytes)
{
    QByteArray frame(kHeader, 2);
    frame += char((bytes.size() >> 8) & 0xFF);
    frame += char(bytes.size() & 0xFF);
    frame += bytes;
    uchar sum = 0;
    for (char b : bytes)
        sum = uchar(sum + uchar(b));
    frame += char(sum);
    return frame;
}

} // namespace velmar::sim
