#pragma once

// Internal to the office engine: included only within office/, never by a header that
// code outside office/ sees.

#include <QString>

#include <rtl/ustring.hxx>

// The office's string type, named as its own code names it.
using rtl::OUString;

namespace UnoStrings {

inline QString toQString(const OUString &text)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(text.getStr()), text.getLength());
}

inline OUString toOUString(const QString &text)
{
    return OUString(reinterpret_cast<const sal_Unicode *>(text.utf16()), text.size());
}

// The file URL of a local path (percent-encoded as the office expects). Throws OfficeError
// when the path cannot be expressed as a URL.
OUString fileUrl(const QString &path);

} // namespace UnoStrings
