#pragma once

#include <QString>

// The safety copy of the settings file, taken before a change of many days at once:
// Quillmoor.ini.bak beside it, one rolling copy, written whole or not at all. Copying it
// back over Quillmoor.ini while the program is closed restores the calendar as it was.
namespace SettingsBackup {

QString fileName();
// Copies the settings file; empty when done (or when there is no file yet), otherwise why not.
QString keep();

} // namespace SettingsBackup
