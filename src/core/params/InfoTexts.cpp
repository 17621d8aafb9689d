#include "core/params/InfoTexts.h"

#include "core/params/NamedTexts.h"

#include <QFile>

namespace velmar {

QString InfoTexts::resourcePath()
{
    return QStringLiteral(":/core/definfo/DEFINFO.h");
}

void InfoTexts::Llegir_DefInfo()
{
    m_named.CreaTaulaResourceString();
    QFile file(resourcePath());
    parse(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

void InfoTexts::parse(const QByteArray &header)
{
    m_pairs.clear();
    m_first.clear();
    m_unknown.clear();

    // The header is a single-byte C source; its codes and names are ASCII.
    const QString all = QString::fromLatin1(header);
    const QLatin1String marker("#define infoTxt_");
    for (QStringView line : QStringView(all).split(u'\n')) {
        if (!line.contains(marker))
            continue;
        // From the ninth character on: the macro name, the blanks and the
        // string "{#code:"txt_name"tail"; split at the double quotes.
        const QStringView rest = line.mid(qMin<qsizetype>(8, line.size())).trimmed();
        const QList<QStringView> pieces = rest.split(u'"');
        if (pieces.size() < 3)
            continue;
        const QStringView code = pieces.at(1).mid(qMin<qsizetype>(2, pieces.at(1).size()), 4);
        const QString name = pieces.at(2).trimmed().toString();
        if (code.size() != 4 || name.isEmpty())
            continue;
        if (!m_named.contains(name)) {
            m_unknown << name;
            continue;
        }
        const QString key = code.toString();
        if (!m_first.contains(key))
            m_first.insert(key, m_pairs.size());
        m_pairs.append({key, m_named.GetNamedResourceString(name)});
    }
}

QString InfoTexts::text(QStringView code) const
{
    const auto it = m_first.constFind(code.toString());
    return it == m_first.constEnd() ? QString() : m_pairs.at(*it).text;
}

bool InfoTexts::contains(QStringView code) const
{
    return m_first.contains(code.toString());
}

} // namespace velmar
