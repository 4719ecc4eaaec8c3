#pragma once

#include "core/import/ImportedDates.h"
#include "core/import/SlashOrder.h"

#include <QString>

#include <optional>
#include <stop_token>

// Reads the dates of a contacts, spreadsheet or calendar file, told apart by its suffix:
// .vcf (contact cards), .csv, .tsv or .txt (rows of names and dates), .ics (calendar
// events). Only plain files are read, and no more than a contacts file could hold.
namespace DateFileReader {

// True for the suffixes read here.
bool isKnown(const QString &path);
// "contact cards (.vcf), spreadsheet rows (.csv, .tsv, .txt) or …", for messages.
QString knownKinds();

// The file's dates. Throws std::runtime_error naming the file and the cause when it cannot
// be read at all (missing, too large, an unknown suffix, a pipe, a device, a folder). When
// the file's dates could be read either way and the order is Ask, it gives no dates and
// sets *ambiguous. Throws ImportCancelled once `stop` is requested.
ImportedDates read(const QString &path, SlashOrder order, bool *ambiguous, const std::stop_token &stop = {});

} // namespace DateFileReader
