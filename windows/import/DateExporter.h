#pragma once

#include <QString>

#include <functional>

class DayEntries;

// Ctrl+E in the main window: writes the calendar's dates to a file the person chooses, for
// calendar programs (.ics) or spreadsheets (.csv). What would refuse the file (its suffix,
// no entries, the rule for the person's files) is said before anything is asked; an
// existing file is replaced only when the person agrees; the outcome, or why the file
// could not be written, is shown.
class DateExporter
{
public:
    // Asks the person for the file to write; empty when they cancel.
    using FileChooser = std::function<QString()>;

    DateExporter(const DayEntries &entries, FileChooser chooseFile);

    void exportDates();

private:
    const DayEntries &m_entries;
    FileChooser m_chooseFile;
};
