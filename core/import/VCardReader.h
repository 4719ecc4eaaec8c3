#pragma once

#include "core/import/ImportedDates.h"

#include <QByteArray>

#include <stop_token>

// Reads the birthdays (BDAY) and anniversaries (ANNIVERSARY, X-ANNIVERSARY,
// X-EVOLUTION-ANNIVERSARY) of the contact cards in a .vcf file, as contacts programs, phones
// and web mail export them in vCard 2.1, 3.0 and 4.0.
//
// Lines may end in CRLF, LF or CR and are unfolded (a line starting with a blank continues
// the one before; in 2.1 a quoted-printable value ending in "=" continues on the next line).
// Values are decoded per their ENCODING and CHARSET; a value without a charset is UTF-8
// where its bytes are valid UTF-8 and otherwise in the encoding guessed for the whole file
// (FileText). A UTF-8 or UTF-16 byte-order mark is honoured.
//
// The person's name is FN, else the given and family name of N, else the first NICKNAME.
// Dates are "1985-04-13", "19850413", "--0413" or "--04-13", with or without a time of day;
// the years 1604 (Apple's) and 0000 stand for "no year", as does the year a date's
// X-APPLE-OMIT-YEAR parameter names ("BDAY;X-APPLE-OMIT-YEAR=1900:1900-04-13"). A card without a date, without a
// name, or with a date that is not a calendar day gives a line in `skipped` instead
// ("card 3 (Anna Berg): no birthday or anniversary"), cards counted from 1.
class VCardReader
{
public:
    // Throws ImportCancelled once `stop` is requested.
    static ImportedDates read(const QByteArray &content, const std::stop_token &stop = {});
};
