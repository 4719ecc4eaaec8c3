#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The system's print dialog: the person chooses the printer, the pages and the copies.
// Tests answer it without showing anything: setNextAnswer() sets the printer up (a PDF file
// as the printer, a page range) and says whether the dialog was accepted.
class PrintDialog
{
public:
    // True when the person chose to print; the printer then holds their choices. pageCount:
    // the pages there are to choose from.
    static bool choose(QPrinter &printer, int pageCount, QWidget *parent);

    using Answer = std::function<bool(QPrinter &printer)>;
    static void setNextAnswer(Answer answer);
};
