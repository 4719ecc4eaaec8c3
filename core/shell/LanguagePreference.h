#pragma once

#include "core/shell/CalendarEntryStore.h"

#include <QString>
#include <QStringList>

// The language the program speaks, kept in the settings file as the option "Language":
// a language code ("de"), or nothing for the system's language. The system's language is
// the first of the person's languages the program speaks; the C locale and every language
// it does not speak give English.
namespace LanguagePreference {

// "en", "de", "fr", "es", "it", "nl": English first, as it is the program's own.
QStringList languages();
// The language's name in itself, as a menu shows it: "Deutsch", "Français".
QString nativeName(const QString &language);

// The stored choice, or an empty string when the system's language is followed (also
// when the stored choice is not a language the program speaks).
QString chosen();
// The language in effect: the stored choice, else the system's.
QString current();
// Stores the choice at once (an empty string follows the system); it applies from the
// next start.
CalendarEntryStore::WriteResult choose(const QString &language);

} // namespace LanguagePreference
