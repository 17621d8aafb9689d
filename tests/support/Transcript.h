#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

namespace velmar::test {

// The lines velmar-sim received, in order, from its --transcript file
// (control characters as the transcript escapes them).
inline QStringList transcriptReceived(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList rx;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QString text = QString::fromUtf8(line);
        const qsizetype at = text.indexOf(QLatin1String(" RX "));
        if (at >= 0)
            rx << text.mid(at + 4);
    }
    return rx;
}

} // namespace velmar::test
