#include "core/import/DateLabels.h"

#include <QStringList>

#include <algorithm>

QString DateLabels::keyOf(const QString &label)
{
    QString key;
    for (const QChar ch : label)
        if (ch.isLetterOrNumber())
            key += ch.toLower();
    return key;
}

std::optional<ImportedDate::Kind> DateLabels::kindOf(const QString &label)
{
    // Anniversaries first: the French for a wedding anniversary holds the French for a
    // birthday ("anniversaire").
    static const QStringList anniversaries = {
        QStringLiteral("anniversary"),   QStringLiteral("hochzeitstag"), QStringLiteral("jahrestag"),
        QStringLiteral("anniversairedemariage"), QStringLiteral("aniversario"), QStringLiteral("anniversario"),
        QStringLiteral("trouwdag"),
    };
    static const QStringList birthdays = {
        QStringLiteral("birthday"),     QStringLiteral("geburtstag"), QStringLiteral("anniversaire"),
        QStringLiteral("datedenaissance"), QStringLiteral("cumpleaños"), QStringLiteral("compleanno"),
        QStringLiteral("verjaardag"),
    };
    const QString key = keyOf(label);
    const auto holdsAny = [&key](const QStringList &words) {
        return std::any_of(words.cbegin(), words.cend(), [&key](const QString &word) { return key.contains(word); });
    };
    if (holdsAny(anniversaries))
        return ImportedDate::Kind::Anniversary;
    if (holdsAny(birthdays))
        return ImportedDate::Kind::Birthday;
    return std::nullopt;
}

QString DateLabels::readable(const QString &label)
{
    QString text = label.trimmed();
    if (text.startsWith(QLatin1String("_$!<")) && text.endsWith(QLatin1String(">!$_")))
        text = text.sliced(4, text.size() - 8);
    return text;
}
