#include "core/import/ICalendarWriter.h"

#include "core/import/EntryPieces.h"

#include <QDate>

#include <algorithm>
#include <limits>

#include <libical/ical.h>

#include <memory>

namespace {

struct ComponentFree {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
struct StringFree {
    void operator()(char *text) const { icalmemory_free_buffer(text); }
};

// Events of pieces without a year start in a leap year, so that February 29 is a day they
// can start on, and early enough that every year a person looks at shows them.
constexpr int firstYear = 2000;

// A piece with a year starts in that year, so that calendar programs count the years from
// it; February 29 of a common year starts on the 28th, as the rule has it come back.
QDate startOf(const ExportedDay &day, const EntryPiece &piece)
{
    if (!piece.year)
        return QDate(firstYear, day.month, day.day);
    const QDate start(*piece.year, day.month, day.day);
    return start.isValid() ? start : QDate(*piece.year, day.month, day.day - 1);
}

icaltimetype dateOf(const QDate &date)
{
    icaltimetype time = icaltime_null_date();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    return time;
}

icaltimetype utcTimeOf(const QDateTime &moment)
{
    return icaltime_from_timet_with_zone(static_cast<time_t>(moment.toSecsSinceEpoch()), 0,
                                         icaltimezone_get_utc_timezone());
}

// Every year on the start's day; February 29 on the last day of February.
icalrecurrencetype yearlyRule(const ExportedDay &day)
{
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    rule.freq = ICAL_YEARLY_RECURRENCE;
    if (day.month == 2 && day.day == 29) {
        rule.by_month[0] = 2;
        rule.by_month[1] = ICAL_RECURRENCE_ARRAY_MAX;
        rule.by_month_day[0] = -1;
        rule.by_month_day[1] = ICAL_RECURRENCE_ARRAY_MAX;
    }
    return rule;
}

// Whether the summary gives the entry back exactly: iCalendar text has no way to write a
// carriage return, and readers drop blanks at either end of a value.
bool summaryKeepsExactly(const QString &text)
{
    return !text.contains(u'\r') && !text.front().isSpace() && !text.back().isSpace();
}

// The entry in the form of its exact copy: UTF-8 with "%" and every byte that readers take
// apart or drop written as %XX, so that no reader changes it.
QByteArray exactCopyOf(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    QByteArray copy;
    copy.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value <= ' ' || value == 0x7F || QByteArrayView("%,;:\\\"").contains(byte))
            copy += '%' + QByteArray::number(value, 16).rightJustified(2, '0').toUpper();
        else
            copy += byte;
    }
    return copy;
}

// Seconds of the revision since 2020 as the event's sequence number: it grows with every
// change of the entries and stays the same while they do not.
int sequenceOf(const QDateTime &revised)
{
    const qint64 seconds = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC).secsTo(revised);
    return static_cast<int>(std::clamp<qint64>(seconds, 0, std::numeric_limits<int>::max()));
}

// "0413-<calendar>@daybloom" for a day's first event, "0413-2-<calendar>@daybloom" for its
// second: a day that gains a piece keeps the identity of the event it had.
QByteArray uidOf(const ExportedDay &day, qsizetype piece, const ExportedDays &calendar)
{
    const QString number = piece == 0 ? QString() : QStringLiteral("%1-").arg(piece + 1);
    return QStringLiteral("%1%2-%3%4@daybloom")
        .arg(day.month, 2, 10, QLatin1Char('0'))
        .arg(day.day, 2, 10, QLatin1Char('0'))
        .arg(number, calendar.calendarId)
        .toUtf8();
}

icalcomponent *eventOf(const ExportedDay &day, const EntryPiece &piece, const QByteArray &uid, const ExportedDays &calendar)
{
    const QDate start = startOf(day, piece);
    const QByteArray summary = piece.text.toUtf8();
    const icaltimetype revised = utcTimeOf(calendar.revised);
    icalcomponent *event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(uid.constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(revised));
    icalcomponent_add_property(event, icalproperty_new_lastmodified(revised));
    icalcomponent_add_property(event, icalproperty_new_sequence(sequenceOf(calendar.revised)));
    icalcomponent_add_property(event, icalproperty_new_dtstart(dateOf(start)));
    icalcomponent_add_property(event, icalproperty_new_dtend(dateOf(start.addDays(1))));
    icalcomponent_add_property(event, icalproperty_new_rrule(yearlyRule(day)));
    icalcomponent_add_property(event, icalproperty_new_summary(summary.constData()));
    if (!summaryKeepsExactly(piece.text)) {
        const QByteArray copy = exactCopyOf(piece.text);
        icalproperty *exact = icalproperty_new_x(copy.constData());
        icalproperty_set_x_name(exact, ICalendarWriter::exactEntryProperty);
        icalcomponent_add_property(event, exact);
    }
    // A birthday does not make the person busy.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

} // namespace

QByteArray ICalendarWriter::write(const ExportedDays &days)
{
    const std::unique_ptr<icalcomponent, ComponentFree> calendar(icalcomponent_vanew(
        ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"), icalproperty_new_prodid(productId),
        icalproperty_new_calscale("GREGORIAN"), nullptr));
    for (const ExportedDay &day : days.days) {
        const QList<EntryPiece> pieces = EntryPieces::of(day.text);
        for (qsizetype i = 0; i < pieces.size(); ++i)
            icalcomponent_add_component(calendar.get(), eventOf(day, pieces.at(i), uidOf(day, i, days), days));
    }
    const std::unique_ptr<char, StringFree> text(icalcomponent_as_ical_string_r(calendar.get()));
    return QByteArray(text.get());
}
