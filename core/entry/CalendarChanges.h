#pragma once

#include "core/entry/CalendarHistory.h"

#include <QString>

#include <functional>

class Calendar;

// The changes of the whole calendar (clearing it, the samples, an import), in the window
// and on the command line alike: the settings file is copied aside first
// (SettingsBackup), then the change runs as one step that can be taken back and done
// again as a whole.
class CalendarChanges
{
public:
    // Told, in words for the person, when the safety copy could not be written; the change
    // runs all the same.
    using Warning = std::function<void(const QString &text)>;

    CalendarChanges(Calendar &calendar, Warning warn);

    // Runs the change of many days; true when it changed any entry, and so can be taken
    // back.
    bool run(const QString &what, const std::function<void()> &change);
    // Take back the last change, or do again the last one taken back; the change's name,
    // empty when there was none.
    QString undo();
    QString redo();

    const CalendarHistory &history() const { return m_history; }

private:
    Calendar &m_calendar;
    Warning m_warn;
    CalendarHistory m_history;
};
