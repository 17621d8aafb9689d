#include "core/shell/Languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace velmar {

namespace languages {

const QList<Language> &all()
{
    static const QList<Language> list{
        {QStringLiteral("LanguageSpanish"), QStringLiteral("Español"), kSpanish, QStringLiteral("SPANISH"),
         {QStringLiteral("ESN"), QStringLiteral("ES")}, true, {QStringLiteral("es")}},
        {QStringLiteral("LanguageEnglish"), QStringLiteral("English"), kEnglish, QStringLiteral("ENGLISH"),
         {QStringLiteral("ENU"), QStringLiteral("EN")}, false, {}},
        {QStringLiteral("LanguageFrancais"), QStringLiteral("Français"), kFrench, QStringLiteral("FRANCAIS"),
         {QStringLiteral("FRA"), QStringLiteral("FR")}, false, {QStringLiteral("fr")}},
        {QStringLiteral("LanguagePortugues"), QStringLiteral("Português"), kPortuguese,
         QStringLiteral("PORTUGUES"), {QStringLiteral("PTG"), QStringLiteral("PT")}, false,
         // European Portuguese first; Debian ships Qt's base texts in Brazilian only.
         {QStringLiteral("pt_PT"), QStringLiteral("pt"), QStringLiteral("pt_BR")}},
    };
    return list;
}

const Language *byIdentifier(int identifier)
{
    for (const Language &l : all())
        if (l.identifier == identifier)
            return &l;
    return nullptr;
}

const Language *byKeyword(const QString &keyword)
{
    for (const Language &l : all())
        if (l.keyword == keyword)
            return &l;
    return nullptr;
}

const Language &forLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::English:
        return *byIdentifier(kEnglish);
    case QLocale::French:
        return *byIdentifier(kFrench);
    case QLocale::Portuguese:
        return *byIdentifier(kPortuguese);
    default:
        return *byIdentifier(kSpanish);
    }
}

const Language *atStartUp(const QString &stored, bool firstStart, const QLocale &locale)
{
    // The default "SPANISH" only stands for any other language on a first start.
    if (firstStart || stored.isEmpty())
        return &forLocale(locale);
    return byKeyword(stored);
}

} // namespace languages

LanguageModules::LanguageModules(QString prefix)
    : LanguageModules(std::move(prefix), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
{
}

LanguageModules::LanguageModules(QString prefix, QString qtDirectory)
    : m_prefix(std::move(prefix)), m_qtDirectory(std::move(qtDirectory))
{
}

LanguageModules::~LanguageModules()
{
    if (m_installed)
        QCoreApplication::removeTranslator(m_installed.get());
    if (m_installedQt)
        QCoreApplication::removeTranslator(m_installedQt.get());
}

LanguageModules::Module LanguageModules::LoadNewResourceModule(int identifier) const
{
    const Language *language = languages::byIdentifier(identifier);
    if (!language)
        return {};
    Module module;
    if (language->builtIn) {
        module.found = true;
    } else {
        for (const QString &suffix : language->suffixes) {
            const QString file = m_prefix + suffix.toLower() + QStringLiteral(".qm");
            if (!QFile::exists(file))
                continue;
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(file)) {
                module.found = true;
                module.translator = std::move(translator);
                break;
            }
        }
    }
    if (!module.found)
        return {};
    // Qt's own texts follow when the machine has them; without them Qt's
    // dialogs stay in English and the program's texts are still switched.
    for (const QString &locale : language->qtLocales) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral("qtbase_") + locale, m_qtDirectory)) {
            module.qt = std::move(translator);
            break;
        }
    }
    return module;
}

void LanguageModules::SetResourceHInstance(int identifier, Module module)
{
    if (!module.found)
        return;
    std::unique_ptr<QTranslator> previous = std::move(m_installed);
    std::unique_ptr<QTranslator> previousQt = std::move(m_installedQt);
    m_installed = std::move(module.translator);
    m_installedQt = std::move(module.qt);
    m_current = identifier;
    // The new modules first, then the old ones out: each step tells the
    // application, and the texts never fall back to Spanish in between
    // unless Spanish was chosen.
    if (m_installedQt)
        QCoreApplication::installTranslator(m_installedQt.get());
    if (m_installed)
        QCoreApplication::installTranslator(m_installed.get());
    if (previousQt)
        QCoreApplication::removeTranslator(previousQt.get());
    if (previous)
        QCoreApplication::removeTranslator(previous.get());
}

bool LanguageModules::switchTo(int identifier)
{
    Module module = LoadNewResourceModule(identifier);
    if (!module.found)
        return false;
    SetResourceHInstance(identifier, std::move(module));
    return true;
}

} // namespace velmar
