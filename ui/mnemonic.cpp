#include "ui/mnemonic.h"

QString WithMnemonic(const QString& text, const QString& letter)
{
    QString marked = text;
    marked.replace(QLatin1Char('&'), QLatin1String("&&"));
    if (letter.size() != 1 || !letter.at(0).isLetterOrNumber())
        return marked;
    const int at = marked.indexOf(letter, 0, Qt::CaseInsensitive);
    if (at < 0)
        return marked + QStringLiteral("(&") + letter.toUpper() + QLatin1Char(')');
    return marked.insert(at, QLatin1Char('&'));
}
