#pragma once

#include <QPageSize>
#include <QString>

class QPrinter;

// Prints the pages of a PDF file (the calendar as the office lays it out) on a printer,
// drawn as the printer draws, not as pictures of the screen: the pages in the range the
// printer was given (all when none), as many copies as it was asked for.
namespace DocumentPrinter {

// The number of pages in the file; 0 when it cannot be read.
int pageCount(const QString &pdfFile);
// The size of the file's first page (A4, Letter, … when it is one of those), for the
// printer's paper; Letter when the file cannot be read.
QPageSize pageSize(const QString &pdfFile);

// Throws std::runtime_error naming the cause when the file cannot be read or the printer
// refuses the job.
void print(const QString &pdfFile, QPrinter &printer);

} // namespace DocumentPrinter
