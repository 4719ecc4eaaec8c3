#pragma once

#include "core/shell/CalendarEntryStore.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

// The settings file's section of day entries, as QSettings names it and as its heading is
// written in the file.
inline const QString settingsSection = QStringLiteral("Daybloom Family Dates and Keepsake Planner Layout Builder");
inline constexpr char settingsSectionHeading[] = "[Daybloom%20Family%20Dates%20and%20Keepsake%20Planner%20Layout%20Builder]\n";

// The settings file's bytes; empty when there is none.
inline QByteArray settingsFileBytes()
{
    QFile file(CalendarEntryStore::fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString settingsFolder()
{
    return QFileInfo(CalendarEntryStore::fileName()).path();
}
