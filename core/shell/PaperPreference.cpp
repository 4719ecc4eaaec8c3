#include "core/shell/PaperPreference.h"

namespace {

const QString optionKey = QStringLiteral("PaperSize");

} // namespace

PaperSize PaperPreference::current()
{
    return PaperSizes::fromName(CalendarEntryStore().option(optionKey)).value_or(PaperSizes::localeDefault());
}

CalendarEntryStore::WriteResult PaperPreference::choose(PaperSize paper)
{
    return CalendarEntryStore().setOption(optionKey, PaperSizes::label(paper));
}
