#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <map>
#include <optional>

namespace velmar::sim {

// The module's programming: one text per four-digit hexadecimal code, with
// the factory values it returns to on a factory reset.
class ParamStore {
public:
    // Longest value the module keeps; longer writes are cut.
    static constexpr int kMaxValueChars = 250;

    void setFactory(std::map<quint16, QString> values);
    void restoreFactory() { m_values = m_factory; }

    bool contains(quint16 code) const { return m_values.count(code) != 0; }
    QString value(quint16 code) const;
    QString factoryValue(quint16 code) const;
    // Stores a value (cut to kMaxValueChars) and returns what was stored.
    QString set(quint16 code, const QString &value);
    int size() const { return int(m_values.size()); }

    // All codes in ascending order.
    QList<quint16> codes() const;
    // Codes whose four-character text matches the pattern, where "x" or "X"
    // stands for any character ("30xx", "970x").
    QList<quint16> matching(QStringView pattern) const;

    // "0102" for 0x0102.
    static QString codeText(quint16 code);
    // Exactly four hexadecimal digits, either case.
    static std::optional<quint16> parseCode(QStringView text);
    // Four characters, each a hexadecimal digit or "x"/"X", at least one "x".
    static bool isPattern(QStringView text);

private:
    std::map<quint16, QString> m_values;
    std::map<quint16, QString> m_factory;
};

} // namespace velmar::sim
