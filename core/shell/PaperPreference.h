#pragma once

#include "core/shell/CalendarEntryStore.h"
#include "core/shell/PaperSize.h"

// The paper the person chose for the calendar, kept in the settings file as the option
// "PaperSize". Until they choose, the calendar is laid out for their locale's paper.
namespace PaperPreference {

// The stored choice; the locale's paper when none is stored or the stored one is unknown.
PaperSize current();
// Stores the choice at once; the next build uses it.
CalendarEntryStore::WriteResult choose(PaperSize paper);

} // namespace PaperPreference
