#include "ParamStore.h"

namespace velmar::sim {

namespace {

bool isHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool isWild(QChar c)
{
    return c == u'x' || c == u'X';
}

} // namespace

void ParamStore::setFactory(std::map<quint16, QString> values)
{
    m_factory = std::move(values);
    m_values = m_factory;
}

QString ParamStore::value(quint16 code) const
{
    const auto it = m_values.find(code);
    return it == m_values.end() ? QString() : it->second;
}

QString ParamStore::factoryValue(quint16 code) const
{
    const auto it = m_factory.find(code);
    return it == m_factory.end() ? QString() : it->second;
}

QString ParamStore::set(quint16 code, const QString &value)
{
    QString &slot = m_values[code];
    slot = value.left(kMaxValueChars);
    return slot;
}

QList<quint16> ParamStore::codes() const
{
    QList<quint16> out;
    out.reserve(qsizetype(m_values.size()));
    for (const auto &kv : m_values)
        out << kv.first;
    return out;
}

QList<quint16> ParamStore::matching(QStringView pattern) const
{
    QList<quint16> out;
    if (pattern.size() != 4)
        return out;
    for (const auto &kv : m_values) {
        const QString text = codeText(kv.first);
        bool ok = true;
        for (int i = 0; i < 4 && ok; ++i)
            ok = isWild(pattern[i]) || pattern[i].toUpper() == text[i];
        if (ok)
            out << kv.first;
    }
    return out;
}

QString ParamStore::codeText(quint16 code)
{
    return QStringLiteral("%1").arg(code, 4, 16, QLatin1Char('0')).toUpper();
}

std::optional<quint16> ParamStore::parseCode(QStringView text)
{
    if (text.size() != 4)
        return std::nullopt;
    for (QChar c : text)
        if (!isHex(c))
            return std::nullopt;
    bool ok = false;
    const uint v = text.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return quint16(v);
}

bool ParamStore::isPattern(QStringView text)
{
    if (text.size() != 4)
        return false;
    bool wild = false;
    for (QChar c : text) {
        if (isWild(c))
            wild = true;
        else if (!isHex(c))
            return false;
    }
    return wild;
}

} // namespace velmar::sim
