#include "core/editor/AddressCheck.h"

#include <QRegularExpression>
#include <QStringList>

namespace velmar::editor {

namespace {

const QRegularExpression &ipExpression()
{
    static const QRegularExpression re(QStringLiteral(
        "\\b(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\."
        "(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\b"));
    return re;
}

const QRegularExpression &emailExpression()
{
    // The hyphen stands last in the domain's class: PCRE2 refuses a range
    // that starts at a class escape, which would fail every address.
    static const QRegularExpression re(QStringLiteral(
        "^[a-zA-Z0-9][\\w\\.-]*[a-zA-Z0-9]@[\\w\\.-]*[a-zA-Z0-9]\\.[a-zA-Z]{2,7}$"));
    return re;
}

QString withoutLeadingBlanks(const QString &s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i).isSpace())
        ++i;
    return s.mid(i);
}

} // namespace

bool IPIncorrecta(const QString &text)
{
    const QRegularExpression &re = ipExpression();
    return re.isValid() && re.match(text).hasMatch();
}

bool EmailInCorrecte(const QString &text)
{
    const QRegularExpression &re = emailExpression();
    if (!re.isValid())
        return false;
    QStringList pieces;
    if (text.contains(u';'))
        pieces = text.split(u';');
    else if (text.contains(u','))
        pieces = text.split(u',');
    else
        return re.match(text).hasMatch();
    for (const QString &piece : std::as_const(pieces))
        if (!re.match(withoutLeadingBlanks(piece)).hasMatch())
            return false;
    return true;
}

bool ipRejected(const QString &text)
{
    return !text.isEmpty() && !IPIncorrecta(text);
}

bool emailRejected(const QString &text)
{
    return !text.isEmpty() && !EmailInCorrecte(text);
}

} // namespace velmar::editor
