#pragma once

#include <QString>

// Makes the program speak a language: its own texts from the translation built into it
// (":/translations/daybloom_<language>.qm"), Qt's dialogs from the system's Qt
// translations, and month names and dates from the language's locale data. English is
// the language the texts are written in: it loads nothing.
namespace ProgramTranslation {

// Needs the application object; call once, before any window or message is made.
void install(const QString &language);

} // namespace ProgramTranslation
