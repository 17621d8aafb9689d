#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace velmar {

// One line of a template: key "=" value " {" comment "}".
struct TemplateEntry {
    QString key;
    QString value;
    QString comment;
};

// A template file as read: its kind and its entries, looked up by key.
struct TemplateContent {
    bool partial = false;
    QList<TemplateEntry> entries; // in file order, appended through add()

    void add(const TemplateEntry &e);
    // The value of the first entry whose key matches, whatever the letter
    // case; none when no line carries the key.
    std::optional<QString> value(const QString &key) const;

private:
    // Upper-cased key -> its first entry: a large file is looked up once per
    // control and grid row.
    QHash<QString, qsizetype> m_first;
};

// What reading a file gave: the content, or why it was refused.
struct TemplateRead {
    std::optional<TemplateContent> content;
    QString error;
};

// The largest template read: a complete one with the longest panel lists
// stays far below it.
inline constexpr qsizetype kTemplateMaxBytes = 4 * 1024 * 1024;

inline const char *const kTemplateComplete = "PLANTILLA COMPLETA";
inline const char *const kTemplatePartial = "PLANTILLA PARCIAL";

// Reads the whole file before anything is applied, so that a damaged file
// (empty, too large, binary, with a line that is no entry, cut short) is
// refused as a whole. Windows-1252 unless a byte-order mark says otherwise.
TemplateRead parseTemplate(QByteArrayView bytes);

// The file as written: header, then one CRLF-ended line per entry in
// Windows-1252. Line breaks in values and comments are left out, since they
// would end the entry.
QByteArray encodeTemplate(bool partial, const QList<TemplateEntry> &entries);

} // namespace velmar
