#pragma once

#include <QString>

namespace velmar {

// Version of this program, shown in the title and sent to the cloud check.
inline constexpr char16_t versioprog[] = u"2.5.06.18";

// The window title of the running version; the stored one is always replaced by it.
inline QString titolPrograma()
{
    return QStringLiteral("VLM - Software de programación Ver. ") + QString::fromUtf16(versioprog);
}

} // namespace velmar
