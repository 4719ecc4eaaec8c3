#pragma once

#include <QByteArray>
#include <QString>

class ProfileSeed;

// The private user profile an office instance starts on: a copy of the engine's set-up
// seed when there is one, otherwise a new profile holding only the settings every instance
// needs (no document lock files, no autosave, the installed version recorded).
namespace OfficeProfile {

// Fills profileFolder for the office program: true when from the seed. Throws OfficeError
// when it cannot be written.
bool prepare(const QString &profileFolder, const QString &program, const ProfileSeed *seed);

// The settings item that records the installed version of the office program as the last
// one used, as in every profile an office has run with once; empty when the version
// cannot be read. Without it an office runs a second of graphics self-tests at each start.
QByteArray lastVersionSetting(const QString &program);

} // namespace OfficeProfile
