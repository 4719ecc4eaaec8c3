#include "core/import/ICalendarReader.h"

#include "core/import/DateParts.h"
#include "core/import/EntryPieces.h"
#include "core/import/FileText.h"
#include "core/import/ImportCancelled.h"
#include "core/import/ICalendarWriter.h"
#include "core/shell/PlainText.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>

#include <libical/ical.h>

#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace {

struct ComponentFree {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
struct ParserFree {
    void operator()(icalparser *parser) const { icalparser_free(parser); }
};
struct LineFree {
    void operator()(char *line) const { icalmemory_free_buffer(line); }
};
using OwnedComponent = std::unique_ptr<icalcomponent, ComponentFree>;

// The file's bytes, handed to libical's parser a piece at a time as fgets would read them.
struct ByteStream {
    const QByteArray &bytes;
    qsizetype position = 0;
};

char *nextPiece(char *buffer, size_t size, void *data)
{
    auto *stream = static_cast<ByteStream *>(data);
    const QByteArray &bytes = stream->bytes;
    if (stream->position >= bytes.size() || size < 2)
        return nullptr;
    const qsizetype start = stream->position;
    const qsizetype room = static_cast<qsizetype>(size) - 1;
    qsizetype end = start;
    while (end < bytes.size() && end - start < room && bytes.at(end++) != '\n') {
    }
    std::memcpy(buffer, bytes.constData() + start, static_cast<size_t>(end - start));
    buffer[end - start] = '\0';
    stream->position = end;
    return buffer;
}

// What the parser made of the file: its top-level components in file order, and whether
// the file ended inside an event, which is then the last event of the components.
struct ParsedFile {
    std::vector<OwnedComponent> components;
    bool lastEventCutOff = false;
};

// The name after "BEGIN:" or "END:" on a content line, if the line is one of those.
std::optional<QByteArray> componentBoundary(const char *line, const char *keyword)
{
    const QByteArray text = QByteArray(line).trimmed();
    const qsizetype colon = text.indexOf(':');
    if (colon < 0 || qstricmp(text.left(colon).constData(), keyword) != 0)
        return std::nullopt;
    return text.mid(colon + 1).trimmed().toUpper();
}

// Parses line by line, because libical's string parser gives up the whole file when a
// component has no END line. The components still open at the end of the file are closed
// here with the END lines the file lacks, so that the ones completed before the cut are
// kept; icalparser_clean would do the same, but libical 3.0 frees what it returns a second
// time in icalparser_free.
ParsedFile parseFile(const QByteArray &content, const std::stop_token &stop)
{
    ParsedFile parsed;
    const std::unique_ptr<icalparser, ParserFree> parser(icalparser_new());
    if (!parser)
        return parsed;
    const auto addLine = [&](char *line) {
        if (icalcomponent *component = icalparser_add_line(parser.get(), line))
            parsed.components.emplace_back(component);
    };
    ByteStream stream{content};
    icalparser_set_gen_data(parser.get(), &stream);
    QList<QByteArray> open;
    for (;;) {
        const std::unique_ptr<char, LineFree> line(icalparser_get_line(parser.get(), nextPiece));
        if (!line)
            break;
        ImportCancelled::throwIfRequested(stop);
        if (const auto begun = componentBoundary(line.get(), "BEGIN")) {
            open.append(*begun);
        } else if (componentBoundary(line.get(), "END")) {
            // An END with nothing open ends nothing: libical prints a warning of its own for
            // it on standard error, and after a closed calendar it crashes.
            if (open.isEmpty())
                continue;
            open.removeLast();
        }
        addLine(line.get());
    }
    parsed.lastEventCutOff = open.contains("VEVENT");
    while (!open.isEmpty()) {
        QByteArray end = "END:" + open.takeLast();
        addLine(end.data());
    }
    return parsed;
}

// The events in and under a top-level component: a calendar holds them, but a file may
// also hold them bare.
void collectEvents(icalcomponent *component, std::vector<icalcomponent *> &events)
{
    if (icalcomponent_isa(component) == ICAL_VEVENT_COMPONENT) {
        events.push_back(component);
        return;
    }
    for (icalcomponent *child = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT); child;
         child = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT))
        collectEvents(child, events);
}

// Whether libical could not read the value of the event's property of this name: the
// parser drops such a property and says so only in an X-LIC-ERROR property of the event.
bool unreadableValue(icalcomponent *event, const char *propertyName)
{
    const QByteArray about = " " + QByteArray(propertyName) + " property";
    for (icalproperty *error = icalcomponent_get_first_property(event, ICAL_XLICERROR_PROPERTY); error;
         error = icalcomponent_get_next_property(event, ICAL_XLICERROR_PROPERTY)) {
        const icalparameter *errorType = icalproperty_get_first_parameter(error, ICAL_XLICERRORTYPE_PARAMETER);
        const char *text = icalproperty_get_xlicerror(error);
        if (errorType && icalparameter_get_xlicerrortype(errorType) == ICAL_XLICERRORTYPE_VALUEPARSEERROR && text &&
            std::strstr(text, about.constData()))
            return true;
    }
    return false;
}

// Whether the event is in a calendar this program exported, whose summaries are entries.
bool isExportedEntry(icalcomponent *event)
{
    icalcomponent *calendar = icalcomponent_get_parent(event);
    const icalproperty *product =
        calendar ? icalcomponent_get_first_property(calendar, ICAL_PRODID_PROPERTY) : nullptr;
    const char *id = product ? icalproperty_get_prodid(product) : nullptr;
    return id && std::strcmp(id, ICalendarWriter::productId) == 0;
}


// The value of the event's first property of this name of no standard ("X-…"); nothing
// where it has none.
std::optional<QByteArray> extensionValue(icalcomponent *event, const char *propertyName)
{
    for (icalproperty *property = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); property;
         property = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        const char *name = icalproperty_get_x_name(property);
        if (name && qstricmp(name, propertyName) == 0)
            return QByteArray(icalproperty_get_x(property));
    }
    return std::nullopt;
}

// The year the event began, where the file means one: its start's, unless it is a year
// that stands for "no year". A birthday calendar made from contacts says what its start's
// year is: "X-NEXTCLOUD-BC-UNKNOWN-YEAR:1" for a placeholder (1970, in older versions
// 1900), "X-NEXTCLOUD-BC-YEAR" for the real year where the start is moved to 1970.
std::optional<int> yearOf(icalcomponent *event, const icaltimetype &start)
{
    if (const std::optional<QByteArray> real = extensionValue(event, "X-NEXTCLOUD-BC-YEAR"))
        return DateParts::meantYear(DateParts::number(QString::fromLatin1(real->trimmed())));
    if (extensionValue(event, "X-NEXTCLOUD-BC-UNKNOWN-YEAR").value_or(QByteArray()).trimmed() == "1")
        return std::nullopt;
    return DateParts::meantYear(start.year);
}

// The event's title on one line: line breaks and control characters as blanks. An
// exported entry stays exactly as it was; ImportPlan leaves its control characters out.
ImportedDate titleOf(icalcomponent *event)
{
    ImportedDate title;
    if (isExportedEntry(event)) {
        title.kind = ImportedDate::Kind::Entry;
        // The entry exactly, where the summary could not carry it (ICalendarWriter).
        if (const std::optional<QByteArray> exact = extensionValue(event, ICalendarWriter::exactEntryProperty)) {
            title.name = QString::fromUtf8(QByteArray::fromPercentEncoding(*exact));
            return title;
        }
    }
    const icalproperty *property = icalcomponent_get_first_property(event, ICAL_SUMMARY_PROPERTY);
    const QString text = QString::fromUtf8(property ? icalproperty_get_summary(property) : nullptr);
    title.name = title.kind == ImportedDate::Kind::Entry ? text : PlainText::asTyped(text, &title.controlsDropped);
    return title;
}

bool isEmptyList(const short *list)
{
    return list[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

bool isEmptyOrOnly(const short *list, int value)
{
    return isEmptyList(list) || (list[0] == value && list[1] == ICAL_RECURRENCE_ARRAY_MAX);
}

// Whether every occurrence of a yearly rule falls on the month and day of its start: no
// weekday, week or day-of-year rule, and at most the start's own month and day named. The
// last day of the month (-1) is the start's day when the start is that day, as February 29
// is kept in common years.
bool keepsStartDay(const icalrecurrencetype &rule, const icaltimetype &start)
{
    const bool gregorian = !rule.rscale || qstricmp(rule.rscale, "GREGORIAN") == 0;
    const bool startsOnLastDay = start.day == QDate(start.year, start.month, 1).daysInMonth();
    return gregorian && isEmptyList(rule.by_day) && isEmptyList(rule.by_year_day) && isEmptyList(rule.by_week_no) &&
           isEmptyList(rule.by_set_pos) && isEmptyOrOnly(rule.by_month, start.month) &&
           (isEmptyOrOnly(rule.by_month_day, start.day) || (startsOnLastDay && isEmptyOrOnly(rule.by_month_day, -1)));
}

// One event's date, or why it has none.
struct EventOutcome {
    std::optional<ImportedDate> date;
    QString reason;
};

EventOutcome skippedBecause(const char *reason)
{
    return {std::nullopt, QString::fromLatin1(reason)};
}

// The event's date, its title taken as `title` gives it.
EventOutcome readEvent(icalcomponent *event, ImportedDate title)
{
    if (title.name.isEmpty())
        return skippedBecause("no summary");
    icalproperty *startProperty = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    if (!startProperty)
        return skippedBecause(unreadableValue(event, "DTSTART") ? "unreadable start date" : "no start date");
    // The date as written: a DATE-TIME's zone would only move it away from what the
    // person entered.
    const icaltimetype start = icalproperty_get_dtstart(startProperty);
    if (!QDate::isValid(start.year, start.month, start.day))
        return skippedBecause("unreadable start date");
    icalproperty *ruleProperty = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!ruleProperty)
        // The calendar holds the dates that come back each year.
        return skippedBecause(unreadableValue(event, "RRULE") ? "unreadable repeat rule" : "happens once");
    const icalrecurrencetype rule = icalproperty_get_rrule(ruleProperty);
    if (rule.freq != ICAL_YEARLY_RECURRENCE)
        return {std::nullopt, QStringLiteral("repeats %1, not yearly")
                                  .arg(QString::fromLatin1(icalrecur_freq_to_string(rule.freq)).toLower())};
    if (!keepsStartDay(rule, start))
        return skippedBecause("repeats yearly on other days than its start");
    title.month = start.month;
    title.day = start.day;
    if (title.kind == ImportedDate::Kind::Entry) {
        // The program's own events: February 29 comes back on the last day of February,
        // starting on the 28th in a common year; the entry's text holds its years.
        if (start.month == 2 && rule.by_month_day[0] == -1)
            title.day = 29;
    } else {
        title.year = yearOf(event, start);
    }
    return {title, {}};
}

} // namespace

ImportedDates ICalendarReader::read(const QByteArray &content, const std::stop_token &stop)
{
    ImportedDates result;
    const ParsedFile parsed = parseFile(FileText::withoutByteOrderMark(content), stop);
    std::vector<icalcomponent *> events;
    for (const OwnedComponent &component : parsed.components)
        collectEvents(component.get(), events);
    if (events.empty()) {
        result.skipped << QCoreApplication::translate("ICalendarReader", "the file holds no calendar events");
        return result;
    }
    for (size_t i = 0; i < events.size(); ++i) {
        ImportCancelled::throwIfRequested(stop);
        const ImportedDate title = titleOf(events[i]);
        const bool cutOff = parsed.lastEventCutOff && i + 1 == events.size();
        const EventOutcome outcome =
            cutOff ? skippedBecause("cut off at the end of the file") : readEvent(events[i], title);
        if (outcome.date)
            EntryPieces::append(result.dates, *outcome.date);
        else
            result.skipped << QStringLiteral("%1: %2").arg(
                title.name.isEmpty() ? QStringLiteral("event %1").arg(i + 1) : PlainText::excerpt(title.name), outcome.reason);
    }
    return result;
}
