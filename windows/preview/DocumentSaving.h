#pragma once

#include "core/wordgen/DocumentFormat.h"

#include <QString>

class CommonDialog;
class QWidget;
class WordEngine;

// "Save Results To Word File": the person names a file in the save dialog and the generated
// document is written there in one of the output formats (DocumentFormats): as Word 97-2003
// a copy of the document itself, in another format a file an office writes from it. The type is the one the typed name's suffix names, else
// the chosen filter's, whose suffix the name then gets. A file that may not be written
// (FileReplacement's rule for the person's files: a read-only file or folder, a folder, a
// device, the program's own files, another user's link in a shared folder) is refused with
// one plain message before anything is asked; an existing file is replaced only after the
// person agreed, and only by a complete file. "Done." only when something was written.
class DocumentSaving
{
public:
    // engine: writes the formats other than the document's own; may be null.
    DocumentSaving(QWidget &window, WordEngine *engine, CommonDialog &commonDialog);

    // Reported as the preview window's PushButton6_Click.
    void save(const QString &wordFile);

    struct Target {
        QString fileName;
        DocumentFormat format;
    };
    // The file and type a name chosen with the filter of that index asks for.
    static Target target(const QString &chosenName, int filter);

private:
    void write(const QString &wordFile, const Target &target) const;

    QWidget &m_window;
    WordEngine *m_engine;
    CommonDialog &CommonDialog1;
};
