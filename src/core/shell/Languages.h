#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace velmar {

// One interface language: its menu entry, caption, Windows language
// identifier (the entry's Tag), the keyword kept in "REG8" and the suffixes
// of its resource module, in the order tried.
struct Language {
    QString menuName;   // LanguageSpanish, ...
    QString caption;    // "Español", ... (each in its own language)
    int identifier = 0; // 3082, 1033, 1036, 2070
    QString keyword;    // "SPANISH", ...
    QStringList suffixes;
    bool builtIn = false; // Spanish: the texts of the program itself
    // Qt's own catalogues (file dialogs, edit menus, standard buttons), in
    // the order tried; none for English, Qt's own language.
    QStringList qtLocales;
};

namespace languages {

constexpr int kSpanish = 3082;
constexpr int kEnglish = 1033;
constexpr int kFrench = 1036;
constexpr int kPortuguese = 2070;

// The four languages in menu order: Spanish, English, French, Portuguese.
const QList<Language> &all();
const Language *byIdentifier(int identifier);
// nullptr for any text that is not one of the four keywords.
const Language *byKeyword(const QString &keyword);
// The language of a first start: the locale's language when it is one of the
// four (whatever its country), else the built-in Spanish.
const Language &forLocale(const QLocale &locale);
// The language to start in: the stored keyword ("REG8") when there is one
// and it is not a first start, else the locale's (forLocale); a stored text
// that is no keyword gives nullptr (the built-in texts stay).
const Language *atStartUp(const QString &stored, bool firstStart, const QLocale &locale);

} // namespace languages

// The resource modules of the languages and the one installed now. A module
// is a compiled translation named after the language's suffixes
// (":/translations/velmar_enu.qm", then "..._en.qm"); Spanish needs none.
class LanguageModules {
public:
    // prefix: where the modules are looked for, the suffix and ".qm" follow.
    explicit LanguageModules(QString prefix = QStringLiteral(":/translations/velmar_"));
    // qtDirectory: where Qt's own catalogues ("qtbase_<locale>.qm") are
    // looked for; by default Qt's installed translations.
    LanguageModules(QString prefix, QString qtDirectory);
    ~LanguageModules();

    struct Module {
        bool found = false;                      // false: no module for the language
        std::unique_ptr<QTranslator> translator; // empty for the built-in language
        std::unique_ptr<QTranslator> qt;         // Qt's own texts; empty when none is installed
    };

    // LoadNewResourceModule: the module of a language, tried by each suffix.
    Module LoadNewResourceModule(int identifier) const;
    // SetResourceHInstance: installs a module found for `identifier`; every
    // later lookup goes through it and the previous one is released. The
    // application is told (QEvent::LanguageChange) when the texts changed.
    void SetResourceHInstance(int identifier, Module module);

    // Both steps; false (and nothing changed) when the language has no module.
    bool switchTo(int identifier);

    int current() const { return m_current; }

private:
    QString m_prefix;
    QString m_qtDirectory;
    std::unique_ptr<QTranslator> m_installed;
    std::unique_ptr<QTranslator> m_installedQt;
    int m_current = languages::kSpanish;
};

} // namespace velmar
