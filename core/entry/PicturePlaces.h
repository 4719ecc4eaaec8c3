#pragma once

#include <QString>

#include <optional>

// The thirteen places a calendar can hold a picture of the family's: its cover (0) and each
// month (1 January … 12 December).
namespace PicturePlaces {

inline constexpr int cover = 0;
inline constexpr int count = 13;

// "cover", "1" … "12": the place's key in the settings file and its name on the command
// line.
QString key(int place);
// The place a key names; nothing for any other text.
std::optional<int> fromKey(const QString &key);
// "Cover", "January" … in the program's language.
QString label(int place);

} // namespace PicturePlaces
