#include "Transcript.h"

#include <QDateTime>

namespace velmar::sim {

bool Transcript::open(const QString &path, QString *error)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = QStringLiteral("%1: %2").arg(path, m_file.errorString());
        return false;
    }
    return true;
}

QString Transcript::escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

void Transcript::write(const char *kind, const QString &text)
{
    if (!m_file.isOpen())
        return;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
    m_file.write((stamp + u' ' + QLatin1String(kind) + u' ' + escaped(text) + u'\n').toUtf8());
    m_file.flush();
}

} // namespace velmar::sim
