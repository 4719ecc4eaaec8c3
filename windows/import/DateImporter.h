#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <functional>

class CommonDialog;
class DayEntries;
class QWidget;

// Brings the family's dates in from contacts, spreadsheet and calendar files dropped on
// the main window or chosen with Ctrl+I: shows what would change (how many entries, on how
// many days that already hold text, what was skipped and why) and changes the entries only
// when the person confirms. Every change is stored as typing stores it.
class DateImporter
{
    Q_DECLARE_TR_FUNCTIONS(DateImporter)

public:
    // Runs a change of many days at once, so that it can be taken back as one step.
    using WholeChange = std::function<void(const QString &what, const std::function<void()> &change)>;

    DateImporter(QWidget &window, CommonDialog &commonDialog, DayEntries &entries, WholeChange wholeChange);

    // Ctrl+I: the file dialog "Import Dates".
    void chooseFiles();
    void importFiles(const QStringList &paths);

private:
    QWidget &m_window;
    CommonDialog &m_commonDialog;
    DayEntries &m_entries;
    WholeChange m_wholeChange;
};
