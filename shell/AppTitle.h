#pragma once

#include "shell/ProductInfo.h"

#include <QString>

// The application title is the product name cut at blanks to at most 40 characters.
namespace AppTitle {

inline constexpr int maximumLength = 40;

// Drops the last word (and the blank before it) until the text is at most 40 characters
// long; the name is cut at least once, even when it is short enough already. Throws
// std::invalid_argument("Invalid procedure call or argument") when a cut finds no blank.
QString fromName(const QString &name);

} // namespace AppTitle

// Sets the application title from the name (the product name by default). On an error
// the title keeps its previous value.
void SetAppTitle(const QString &name = ProductInfo::productName);
