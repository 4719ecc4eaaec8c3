#pragma once

#include <QString>

#include <functional>

class EntryWriter;

// Asked before the program ends, so that entries the settings file refused are not lost
// without the user's word. The unsaved entries are first tried once more; when that
// fails the user is told how many are unsaved and why, and chooses: try again, save all
// entries to a file of their choice (in the settings file's format, so that it can
// replace the settings file), close anyway, or cancel the closing.
class UnsavedEntriesCheck
{
public:
    // Asks the user for a file to save the entries to; empty when they cancel.
    using FileChooser = std::function<QString()>;

    UnsavedEntriesCheck(EntryWriter &writer, FileChooser chooseFile);

    // True when the program may end now.
    bool mayClose();
    // For an end nobody can be asked about (the session ends, the program is told to end):
    // the unsaved entries are tried once more and, when that fails, every entry is written
    // to a file beside the settings file (in the home folder when that folder refuses),
    // which the log names.
    void keepWithoutAsking();

    static QString question(int unsavedCount, const QString &problem);

private:
    bool saveToChosenFile();

    EntryWriter &m_writer;
    FileChooser m_chooseFile;
};
