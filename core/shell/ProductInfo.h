#pragma once

#include <QString>

// Fixed names of the product: the caption of both windows, the settings section and the
// address that every error report asks the user to write to.
namespace ProductInfo {

inline const QString productName = QStringLiteral("Daybloom Family Dates and Keepsake Planner Layout Builder");
inline const QString settingsApplication = QStringLiteral("Quillmoor");
inline const QString supportAddress = QStringLiteral("support@daybloom.invalid");
// The prefix of every error report's location line.
inline const QString reportLocationPrefix = QStringLiteral("in Tessaly2021/08/31.");

} // namespace ProductInfo
