#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velmar {

// NamedResources: the texts the module's information messages and some panel
// adapters refer to by name ("txt_..." and "rs..."), in the current language.
// Rebuilt after every language change so the texts follow the translator.
class NamedTexts {
public:
    // Translation context of the texts (for the .ts files).
    static constexpr const char *kContext = "NamedTexts";

    // CreaTaulaResourceString: (re)builds the table from the translator
    // installed now; the previous table is discarded.
    void CreaTaulaResourceString();

    // GetNamedResourceString: the text of a name, or the empty text for a
    // name that is not in the table.
    QString GetNamedResourceString(QStringView name) const;
    bool contains(QStringView name) const;

    qsizetype size() const { return m_texts.size(); }

    // The names of the table, in table order.
    static QStringList names();

private:
    QHash<QString, QString> m_texts;
};

} // namespace velmar
