#pragma once

#include "core/import/ImportedDates.h"

#include <QString>

#include <optional>

// What a label names: a column header ("Birthday", "Date de naissance"), an event's type
// in a contacts export ("Anniversary"), the label of a grouped date in a contact card
// ("_$!<Anniversary>!$_"). Birthdays and anniversaries are told in English, German,
// French, Spanish, Italian and Dutch; case, blanks and punctuation do not matter.
namespace DateLabels {

std::optional<ImportedDate::Kind> kindOf(const QString &label);

// The label reduced to small letters and digits, as labels are compared: "Date de
// naissance", "date_de_naissance" and "DateDeNaissance" are all "datedenaissance".
QString keyOf(const QString &label);

// The label as a person reads it: Apple's "_$!<Other>!$_" as "Other".
QString readable(const QString &label);

} // namespace DateLabels
