#include "core/shell/Languages.h"

#include <QCoreApplication>
#include <QFile>

namespace velmar {

namespace languages {

const QList<Language> &all()
{
    static const QList<Language> list{
        {QStringLiteral("LanguageSpanish"), QStringLiteral("Español"), kSpanish, QStringLiteral("SPANISH"),
         {QStringLiteral("ESN"), QStringLiteral("ES")}, true},
        {QStringLiteral("LanguageEnglish"), QStringLiteral("English"), kEnglish, QStringLiteral("ENGLISH"),
         {QStringLiteral("ENU"), QStringLiteral("EN")}, false},
        {QStringLiteral("LanguageFrancais"), QStringLiteral("Français"), kFrench, QStringLiteral("FRANCAIS"),
         {QStringLiteral("FRA"), QStringLiteral("FR")}, false},
        {QStringLiteral("LanguagePortugues"), QStringLiteral("Português"), kPortuguese,
         QStringLiteral("PORTUGUES"), {QStringLiteral("PTG"), QStringLiteral("PT")}, false},
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

} // namespace languages

LanguageModules::LanguageModules(QString prefix) : m_prefix(std::move(prefix)) {}

LanguageModules::~LanguageModules()
{
    if (m_installed)
        QCoreApplication::removeTranslator(m_installed.get());
}

LanguageModules::Module LanguageModules::LoadNewResourceModule(int identifier) const
{
    const Language *language = languages::byIdentifier(identifier);
    if (!language)
        return {};
    if (language->builtIn)
        return {true, nullptr};
    for (const QString &suffix : language->suffixes) {
        const QString file = m_prefix + suffix.toLower() + QStringLiteral(".qm");
        if (!QFile::exists(file))
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file))
            return {true, std::move(translator)};
    }
    return {};
}

void LanguageModules::SetResourceHInstance(int identifier, Module module)
{
    if (!module.found)
        return;
    std::unique_ptr<QTranslator> previous = std::move(m_installed);
    m_installed = std::move(module.translator);
    m_current = identifier;
    // The new module first, then the old one out: each step tells the
    // application, and the texts never fall back to Spanish in between
    // unless Spanish was chosen.
    if (m_installed)
        QCoreApplication::installTranslator(m_installed.get());
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
