#pragma once

#include "core/import/SlashOrder.h"

class QLocale;

// How people of a locale write a date such as 04/05/1990: day first where the locale's
// short date puts the day before the month (Germany, France, Britain), else month first
// (the United States, the C locale, and year-month-day locales such as Japan's).
namespace LocaleSlashOrder {

SlashOrder of(const QLocale &locale);

} // namespace LocaleSlashOrder
