#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class BackgroundImport;
class CommonDialog;
class DayEntries;
class PausedControls;
class ProgressDialog;
class QMimeData;
class QWidget;

// Brings the family's dates in from contacts, spreadsheet and calendar files dropped on
// the main window or chosen with Ctrl+I: shows what would change (how many entries, on how
// many days that already hold text, what was skipped and why) and changes the entries only
// when the person confirms. Every change is stored as typing stores it.
//
// The files are read and the change worked out in the background (BackgroundImport), so
// that the window goes on painting and can be closed; meanwhile its controls take no
// input, and a progress dialog shows after a moment, whose Cancel ends the import with
// nothing changed. One import runs at a time; a cancelled one winds down in the
// background, without holding the window up.
class DateImporter
{
    Q_DECLARE_TR_FUNCTIONS(DateImporter)

public:
    // Runs a change of many days at once, so that it can be taken back as one step.
    using WholeChange = std::function<void(const QString &what, const std::function<void()> &change)>;

    DateImporter(QWidget &window, CommonDialog &commonDialog, DayEntries &entries, WholeChange wholeChange);
    ~DateImporter();

    // Ctrl+I: the file dialog "Import Dates".
    void chooseFiles();
    // True when what is dragged over the window holds local files of a kind the import
    // reads.
    static bool takesDropped(const QMimeData *dragged);
    // Imports those of the dropped files, once the drop has been answered (so that the
    // program they came from is not kept waiting); false when there is none.
    bool importDropped(const QMimeData *dropped);
    // Starts reading the files and returns; what they would change is shown when they are
    // read. Does nothing while an import runs.
    void importFiles(const QStringList &paths);
    bool isImporting() const { return m_work != nullptr; }
    // Ends a running import with nothing changed.
    void cancel();

private:
    void showStep(const QString &text);
    void askOrder(const QString &path, const QString &example);
    void confirm();
    void end();
    void forget(const BackgroundImport *work);

    QWidget &m_window;
    CommonDialog &m_commonDialog;
    DayEntries &m_entries;
    WholeChange m_wholeChange;
    // Receive what the background work says, in the window's thread: m_heard what the
    // running import says, no longer heard once it ends; m_endings when a work's thread
    // has ended, so that it can go without waiting.
    QObject m_heard;
    QObject m_endings;
    QStringList m_paths;
    std::unique_ptr<PausedControls> m_paused;
    std::unique_ptr<ProgressDialog> m_progress;
    // Last: stopped and waited for first.
    std::vector<std::unique_ptr<BackgroundImport>> m_endingWork; // ended imports whose threads wind down
    std::unique_ptr<BackgroundImport> m_work;
};
