#include "core/shell/LanguagePreference.h"

#include <QLocale>

namespace {

const QString optionKey = QStringLiteral("Language");

struct Language {
    QLocale::Language language;
    const char *code;
    const char *nativeName;
};

constexpr Language spoken[] = {
    {QLocale::English, "en", "English"},  {QLocale::German, "de", "Deutsch"},
    {QLocale::French, "fr", "Français"},  {QLocale::Spanish, "es", "Español"},
    {QLocale::Italian, "it", "Italiano"}, {QLocale::Dutch, "nl", "Nederlands"},
};

QString codeOf(QLocale::Language language)
{
    for (const Language &each : spoken) {
        if (each.language == language)
            return QString::fromLatin1(each.code);
    }
    return {};
}

QString systemLanguage()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return QStringLiteral("en");
    for (const QString &name : system.uiLanguages()) {
        if (const QString code = codeOf(QLocale(name).language()); !code.isEmpty())
            return code;
    }
    return QStringLiteral("en");
}

} // namespace

QStringList LanguagePreference::languages()
{
    QStringList codes;
    for (const Language &each : spoken)
        codes.append(QString::fromLatin1(each.code));
    return codes;
}

QString LanguagePreference::nativeName(const QString &language)
{
    for (const Language &each : spoken) {
        if (language == QLatin1String(each.code))
            return QString::fromUtf8(each.nativeName);
    }
    return language;
}

QString LanguagePreference::chosen()
{
    const QString stored = CalendarEntryStore().option(optionKey);
    return languages().contains(stored) ? stored : QString();
}

QString LanguagePreference::current()
{
    const QString choice = chosen();
    return choice.isEmpty() ? systemLanguage() : choice;
}

CalendarEntryStore::WriteResult LanguagePreference::choose(const QString &language)
{
    return CalendarEntryStore().setOption(optionKey, language);
}
