#pragma once

#include <QString>

class CommonDialog;
class MousePointer;
class QWidget;
class WordEngine;

// Ctrl+P in the preview: the calendar goes to a printer as the office lays it out, page
// range and copies as the person chooses in the print dialog, or to a file chosen there,
// written under the rule for the person's files (FileReplacement). Every failure is one
// message naming its cause.
class CalendarPrinting
{
public:
    // engine: lays the pages out; may be null (then nothing can be printed).
    CalendarPrinting(QWidget &window, WordEngine *engine, CommonDialog &commonDialog, MousePointer &pointer);

    void print(const QString &wordFile);

private:
    static bool fileAgreed(const QString &fileName);

    QWidget &m_window;
    WordEngine *m_engine;
    CommonDialog &m_commonDialog;
    MousePointer &m_pointer;
};
