#pragma once

#include "core/shell/ProductInfo.h"

#include <QString>

// The application title: the caption of every message box that has none of its own. It is
// the product name cut at blanks to at most 40 characters, set once at start-up; until then
// it is the platform's default, the program's own name.
namespace ApplicationTitle {

inline constexpr int maximumLength = 40;

// Drops the last word (and the blank before it) until the text is at most 40 characters
// long; the name is cut at least once, even when it is short enough already. Throws
// std::invalid_argument("Invalid procedure call or argument") when a cut finds no blank.
QString fromName(const QString &name);

QString get();
void set(const QString &title);

} // namespace ApplicationTitle

// Sets the application title from the name (the product name by default). On an error
// the title keeps its previous value.
void SetAppTitle(const QString &name = ProductInfo::productName);
