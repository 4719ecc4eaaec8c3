#pragma once

#include "core/shell/FileReplacement.h"
#include "core/wordgen/DocumentFormat.h"

#include <QString>

class WordApplication;
class WordEngine;

// Writes the calendar to a file in the format asked for: one the person chose, or one in
// the program's private folder (whose = Private), each under its rule for links. The office
// writes the new file beside the target, which then takes the target's place in one
// step (FileReplacement): an existing file is replaced only by a complete one, and when
// anything fails it stays as it was and nothing else is left in its folder. Every failure throws
// std::runtime_error (OfficeError from the office) with a description a person can read.
namespace DocumentExport {

// From a document on disk, which an office instance of the engine opens.
void fromDocument(WordEngine &engine, const QString &document, const QString &target, DocumentFormat format,
                  FileReplacement::Kind whose);

// From the document the instance has open.
void fromOpenDocument(WordApplication &word, const QString &target, DocumentFormat format,
                      FileReplacement::Kind whose);
// The same in the format of that row: one the office does not write is made by the row's
// makeFromPdf from a PDF the office writes into the private temporary folder, which goes.
void fromOpenDocument(WordApplication &word, const QString &target, const DocumentFormatRow &format,
                      FileReplacement::Kind whose);

} // namespace DocumentExport
