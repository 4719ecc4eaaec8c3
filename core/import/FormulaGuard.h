#pragma once

#include <QString>

// Keeps a spreadsheet from taking an exported entry for a formula. A cell that begins with
// =, +, -, @, a tab or a carriage return is a formula (or becomes one) in spreadsheet
// programs, which a file from elsewhere could use to run commands or send data away; such a
// cell is written with a leading apostrophe, which spreadsheets show as text.
//
// An entry that itself begins with apostrophes before such a character gets one more, so
// that taking exactly one apostrophe off every cell of that shape gives back each entry
// exactly: "=1" is written "'=1" and "'=1" is written "''=1", while "'tis" stays as it is.
namespace FormulaGuard {

// The text as a cell of the exported file holds it.
QString added(const QString &text);
// The entry a cell of an exported file stands for.
QString removed(const QString &cell);

} // namespace FormulaGuard
