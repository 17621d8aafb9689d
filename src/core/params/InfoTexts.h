#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velmar {

class NamedTexts;

// One event message of the information stream: its four-character event
// code and the text shown for it in the current language.
struct DefInfoPair {
    QString code;
    QString text;
};

// Llista_DefInfo: event codes of the module's information messages and their
// texts, parsed from the firmware's DEFINFO header (an embedded resource)
// through the named texts, so every message follows the interface language.
class InfoTexts {
public:
    explicit InfoTexts(NamedTexts &named) : m_named(named) {}

    // Resource path of the embedded header.
    static QString resourcePath();

    // Llegir_DefInfo: rebuilds the named texts, then the table from the
    // embedded header. Run at start-up and after every language change.
    void Llegir_DefInfo();

    // Parses header text (single-byte, CRLF or LF) into the table through the
    // named texts as they are now. Lines that do not have the shape of an
    // information message are skipped.
    void parse(const QByteArray &header);

    const QList<DefInfoPair> &Llista_DefInfo() const { return m_pairs; }

    // The text of an event code: the first pair with that code wins; a code
    // that is not in the table gives the empty text.
    QString text(QStringView code) const;
    bool contains(QStringView code) const;

    // Text names of the header that the named texts do not know (their lines
    // were skipped); empty for a sound header.
    const QStringList &unknownNames() const { return m_unknown; }

private:
    NamedTexts &m_named;
    QList<DefInfoPair> m_pairs;
    QHash<QString, qsizetype> m_first; // code -> index of its first pair
    QStringList m_unknown;
};

} // namespace velmar
