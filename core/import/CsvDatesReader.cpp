#include "core/import/CsvDatesReader.h"

#include "core/entry/EntryYears.h"
#include "core/import/CsvDatesWriter.h"
#include "core/import/DateLabels.h"
#include "core/import/DateParts.h"
#include "core/import/EntryPieces.h"
#include "core/import/FileText.h"
#include "core/import/FormulaGuard.h"
#include "core/import/ImportCancelled.h"
#include "core/shell/PlainText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringView>

#include <algorithm>
#include <optional>

namespace {

using Kind = ImportedDate::Kind;

QString noRowsLine()
{
    return QCoreApplication::translate("CsvDatesReader", "the file holds no rows of names and dates");
}

// ---- The file's text and its records ----

// One record of the file: its fields, and whether the file ended inside its quotes.
struct CsvRecord {
    QStringList cells;
    bool unterminated = false;

    QString cell(qsizetype column) const { return column < cells.size() ? cells.at(column).trimmed() : QString(); }

    bool isBlank() const
    {
        return std::all_of(cells.cbegin(), cells.cend(), [](const QString &cell) { return cell.trimmed().isEmpty(); });
    }
};

// Whichever of tab, ";" and "," splits the first record into the most fields; "," when
// none does.
QChar separatorOf(QStringView text)
{
    qsizetype commas = 0;
    qsizetype semicolons = 0;
    qsizetype tabs = 0;
    bool inQuotes = false;
    for (const QChar ch : text) {
        if (ch == u'"')
            inQuotes = !inQuotes; // a doubled quote toggles twice
        else if (inQuotes)
            continue;
        else if (ch == u'\n' || ch == u'\r')
            break;
        else if (ch == u',')
            ++commas;
        else if (ch == u';')
            ++semicolons;
        else if (ch == u'\t')
            ++tabs;
    }
    if (tabs > commas && tabs > semicolons)
        return QChar(u'\t');
    return semicolons > commas ? QChar(u';') : QChar(u',');
}

// The records of the text. A quote opens a quoted field only at the start of a field; in a
// quoted field a doubled quote stands for one and separators and line breaks are text. A
// line break is CRLF, LF or CR. An empty line is a record of one empty field, so that rows
// keep the numbers a spreadsheet gives them.
QList<CsvRecord> recordsOf(QStringView text, QChar separator, const std::stop_token &stop)
{
    QList<CsvRecord> records;
    CsvRecord record;
    QString cell;
    bool inQuotes = false;
    bool atFieldStart = true;
    const auto endField = [&] {
        record.cells.append(cell);
        cell.clear();
        atFieldStart = true;
    };
    const auto endRecord = [&] {
        endField();
        records.append(std::move(record));
        record = {};
        ImportCancelled::throwIfRequested(stop);
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (inQuotes) {
            if (ch != u'"')
                cell += ch;
            else if (i + 1 < text.size() && text.at(i + 1) == u'"')
                cell += text.at(++i);
            else
                inQuotes = false;
        } else if (ch == u'"' && atFieldStart) {
            inQuotes = true;
            atFieldStart = false;
        } else if (ch == separator) {
            endField();
        } else if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            endRecord();
        } else {
            cell += ch;
            atFieldStart = false;
        }
    }
    if (inQuotes)
        record.unterminated = true;
    if (inQuotes || !atFieldStart || !record.cells.isEmpty())
        endRecord();
    return records;
}

// ---- Dates ----

// The number written by 1 to maxDigits ASCII digits, or -1.
int numberOf(QStringView digits, qsizetype maxDigits)
{
    return DateParts::number(digits, maxDigits).value_or(-1);
}

// A cell written in one of the date forms, its parts as written; whether they make a day of
// the calendar is decided when the date is read.
struct DateText {
    enum class Form { None, YearMonthDay, MonthDay, Slashed, Dotted };

    Form form = Form::None;
    int first = 0;  // the month of YearMonthDay and MonthDay, the day of Dotted, either of Slashed
    int second = 0; // the number after it
    int year = 0;
    qsizetype yearDigits = 0;
};

DateText dateTextOf(QStringView cell)
{
    const auto withParts = [](DateText::Form form, QStringView first, QStringView second, QStringView year) {
        DateText text{form, numberOf(first, 2), numberOf(second, 2), numberOf(year, 8), year.size()};
        if (text.first < 0 || text.second < 0 || (form != DateText::Form::MonthDay && text.year < 0))
            return DateText();
        return text;
    };
    if (cell.startsWith(u"--")) {
        const QList<QStringView> parts = cell.sliced(2).split(u'-');
        return parts.size() == 2 ? withParts(DateText::Form::MonthDay, parts.at(0), parts.at(1), {}) : DateText();
    }
    static constexpr struct {
        char16_t separator;
        DateText::Form form;
    } forms[] = {{u'-', DateText::Form::YearMonthDay}, {u'/', DateText::Form::Slashed}, {u'.', DateText::Form::Dotted}};
    for (const auto &[separator, form] : forms) {
        if (!cell.contains(separator))
            continue;
        const QList<QStringView> parts = cell.split(separator);
        if (parts.size() != 3)
            return {};
        return form == DateText::Form::YearMonthDay ? withParts(form, parts.at(1), parts.at(2), parts.at(0))
                                                    : withParts(form, parts.at(0), parts.at(1), parts.at(2));
    }
    return {};
}

bool looksLikeDate(const QString &cell)
{
    return dateTextOf(cell).form != DateText::Form::None;
}

// Mail programs fill empty date cells with "0/0/00" or "0.0.0000": no date at all.
bool isFiller(const QString &cell)
{
    const DateText text = dateTextOf(cell);
    return text.form != DateText::Form::None && text.first == 0 && text.second == 0 && text.year == 0;
}

// The day a date text stands for, or why it stands for none.
struct DayReading {
    int month = 0;
    int day = 0;
    std::optional<int> year;
    QString problem;
};

DayReading unreadable(const QString &problem)
{
    DayReading reading;
    reading.problem = problem;
    return reading;
}

DayReading dayOf(const DateText &text, bool slashedDayFirst)
{
    using Form = DateText::Form;
    if (text.form == Form::None)
        return unreadable(QCoreApplication::translate("CsvDatesReader", "is not a date"));
    if (text.form != Form::MonthDay && text.yearDigits != 4)
        return unreadable(QCoreApplication::translate("CsvDatesReader", "has no four-digit year"));
    const bool dayFirst = text.form == Form::Dotted || (text.form == Form::Slashed && slashedDayFirst);
    DayReading reading;
    reading.month = dayFirst ? text.second : text.first;
    reading.day = dayFirst ? text.first : text.second;
    if (text.form != Form::MonthDay)
        reading.year = DateParts::meantYear(text.year);
    if (!DateParts::isCalendarDay(reading.month, reading.day, reading.year))
        reading.problem = QCoreApplication::translate("CsvDatesReader", "is not a real calendar day");
    return reading;
}

// ---- Columns ----

struct DateColumn {
    qsizetype column = 0;
    Kind kind = Kind::Birthday;
    // Where a contacts export writes what the date is ("Event 1 - Type" beside "Event 1 -
    // Value"): the kind is that cell's, -1 when the column's header tells it.
    qsizetype typeColumn = -1;
};

// Where a file keeps its names and dates, and the index of its first row of data.
struct ColumnLayout {
    // The name of a row is the first of these groups of columns that has text, the cells of
    // a group joined by a space (first and last name).
    QList<QList<qsizetype>> nameSources;
    QList<DateColumn> dateColumns;
    qsizetype firstDataRow = 0;
};

bool looksLikeText(const QString &cell)
{
    return std::any_of(cell.cbegin(), cell.cend(), [](QChar ch) { return ch.isLetter(); });
}

// The first column, other than the excluded ones, in which at least half of the filled
// cells from row `from` on pass the test; -1 when there is none.
qsizetype firstColumnWhere(const QList<CsvRecord> &rows, qsizetype from, bool (*test)(const QString &),
                           const QList<qsizetype> &excluded)
{
    qsizetype columns = 0;
    for (const CsvRecord &row : rows)
        columns = std::max(columns, row.cells.size());
    for (qsizetype column = 0; column < columns; ++column) {
        if (excluded.contains(column))
            continue;
        qsizetype filled = 0;
        qsizetype passing = 0;
        for (qsizetype r = from; r < rows.size(); ++r) {
            const QString cell = rows.at(r).cell(column);
            if (cell.isEmpty())
                continue;
            ++filled;
            passing += test(cell) ? 1 : 0;
        }
        if (filled > 0 && 2 * passing >= filled)
            return column;
    }
    return -1;
}

QList<QList<qsizetype>> nameSourcesOf(const QStringList &keys)
{
    static const QList<QStringList> names = {
        {QStringLiteral("name")},
        {QStringLiteral("fullname")},
        {QStringLiteral("displayname")},
        {QStringLiteral("firstname"), QStringLiteral("middlename"), QStringLiteral("lastname")},
        {QStringLiteral("givenname"), QStringLiteral("additionalname"), QStringLiteral("familyname")},
    };
    QList<QList<qsizetype>> sources;
    for (const QStringList &group : names) {
        QList<qsizetype> columns;
        for (const QString &name : group)
            if (const qsizetype column = keys.indexOf(name); column >= 0)
                columns.append(column);
        if (!columns.isEmpty())
            sources.append(columns);
    }
    return sources;
}

// "event1value" and its "event1type" (or "event1label"), as web contacts exports name them.
qsizetype typeColumnOf(const QStringList &keys, const QString &valueKey)
{
    static const QRegularExpression eventValue(QStringLiteral("^event(\\d+)value$"));
    const QRegularExpressionMatch match = eventValue.match(valueKey);
    if (!match.hasMatch())
        return -1;
    for (const char *word : {"type", "label"})
        if (const qsizetype column = keys.indexOf(QStringLiteral("event") + match.captured(1) + QLatin1String(word)); column >= 0)
            return column;
    return -1;
}

QList<DateColumn> dateColumnsOf(const QStringList &keys)
{
    QList<DateColumn> columns;
    for (qsizetype column = 0; column < keys.size(); ++column) {
        if (const qsizetype typeColumn = typeColumnOf(keys, keys.at(column)); typeColumn >= 0)
            columns.append({column, Kind::Event, typeColumn});
        else if (const std::optional<Kind> kind = DateLabels::kindOf(keys.at(column)))
            columns.append({column, *kind});
    }
    return columns;
}

// Without a header naming the columns: the first column of dates gives birthdays and the
// first column of text the names. A first row whose cell in the date column is no date is
// a header of other names and left out.
std::optional<ColumnLayout> guessedLayout(const QList<CsvRecord> &rows)
{
    const qsizetype dateColumn = firstColumnWhere(rows, 0, looksLikeDate, {});
    if (dateColumn < 0)
        return std::nullopt;
    ColumnLayout layout;
    layout.dateColumns = {{dateColumn, Kind::Birthday}};
    layout.firstDataRow = looksLikeDate(rows.first().cell(dateColumn)) ? 0 : 1;
    if (const qsizetype nameColumn = firstColumnWhere(rows, layout.firstDataRow, looksLikeText, {dateColumn});
        nameColumn >= 0)
        layout.nameSources = {{nameColumn}};
    return layout;
}

std::optional<ColumnLayout> layoutOf(const QList<CsvRecord> &rows)
{
    QStringList keys;
    for (const QString &cell : rows.first().cells)
        keys.append(DateLabels::keyOf(cell));
    ColumnLayout layout;
    layout.dateColumns = dateColumnsOf(keys);
    if (layout.dateColumns.isEmpty())
        return guessedLayout(rows);
    layout.firstDataRow = 1;
    layout.nameSources = nameSourcesOf(keys);
    if (layout.nameSources.isEmpty()) {
        // Dates under a known header but names under an unknown one: the first text column.
        QList<qsizetype> dateColumns;
        for (const DateColumn &date : layout.dateColumns)
            dateColumns.append(date.column);
        if (const qsizetype nameColumn = firstColumnWhere(rows, 1, looksLikeText, dateColumns); nameColumn >= 0)
            layout.nameSources = {{nameColumn}};
    }
    return layout;
}

// ---- Exported entries ----

// The cells of each row of a calendar this program exported, told by its header: 4 with
// the years' column, 3 in files written before it; 0 for any other file.
qsizetype entryListCells(const CsvRecord &header)
{
    const QString cells = header.cells.join(u',');
    if (cells == QLatin1String(CsvDatesWriter::header))
        return 4;
    return cells == QLatin1String(CsvDatesWriter::headerWithoutYears) ? 3 : 0;
}

// The rows of an exported calendar: month and day as numbers, the entry as it was before
// the export guarded it against spreadsheet formulas, a day's pieces joined again. A year
// the person wrote into the Year column of an entry without one is added to it.
ImportedDates entriesOf(const QList<CsvRecord> &rows, qsizetype cells, const std::stop_token &stop)
{
    ImportedDates result;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        ImportCancelled::throwIfRequested(stop);
        const CsvRecord &row = rows.at(r);
        if (row.isBlank())
            continue;
        const int month = numberOf(row.cell(0), 2);
        const int day = numberOf(row.cell(1), 2);
        if (row.unterminated || row.cells.size() != cells || !DateParts::isCalendarDay(month, day, std::nullopt)) {
            result.skipped.append(QCoreApplication::translate("CsvDatesReader", "row %1: not a month, a day and an entry").arg(r + 1));
            continue;
        }
        QString entry = FormulaGuard::removed(row.cells.at(2));
        const QString year = row.cell(3);
        if (!year.isEmpty()) {
            const int number = numberOf(year, 4);
            if (number < EntryYears::earliestYear) {
                result.skipped.append(QCoreApplication::translate("CsvDatesReader", "row %1: \"%2\" is not a year")
                                          .arg(r + 1)
                                          .arg(PlainText::excerpt(year)));
                continue;
            }
            if (!EntryPieces::hasYear(entry))
                entry = EntryYears::withYear(entry, number);
        }
        EntryPieces::append(result.dates, {.month = month, .day = day, .kind = Kind::Entry, .name = entry, .year = {}});
    }
    return result;
}

// ---- Rows ----

// The row's name; *controlsDropped says whether its cells held control characters.
QString nameOf(const CsvRecord &row, const ColumnLayout &layout, bool *controlsDropped)
{
    for (const QList<qsizetype> &source : layout.nameSources) {
        QStringList parts;
        for (const qsizetype column : source) {
            bool dropped = false;
            if (const QString part = PlainText::asTyped(row.cell(column), &dropped); !part.isEmpty()) {
                parts.append(part);
                *controlsDropped = *controlsDropped || dropped;
            }
        }
        if (!parts.isEmpty())
            return parts.join(u' ');
    }
    return {};
}

// Cells as a message quotes them.
QStringList excerpts(const QStringList &cells)
{
    QStringList quoted;
    for (const QString &cell : cells)
        quoted.append(PlainText::excerpt(cell));
    return quoted;
}

// How the file's slashed dates show their order: by a number above 12, or not at all.
enum class SlashEvidence { NoSlashedDates, MonthFirst, DayFirst, Either };

// The order the slashed dates of the data rows show, and the first of them in `example`.
SlashEvidence slashEvidenceOf(const QList<CsvRecord> &rows, const ColumnLayout &layout, QString &example)
{
    bool dayFirst = false;
    bool monthFirst = false;
    for (qsizetype r = layout.firstDataRow; r < rows.size(); ++r) {
        if (rows.at(r).unterminated)
            continue;
        for (const DateColumn &column : layout.dateColumns) {
            const QString cell = rows.at(r).cell(column.column);
            const DateText text = dateTextOf(cell);
            if (text.form != DateText::Form::Slashed || text.yearDigits != 4)
                continue;
            if (example.isEmpty())
                example = QStringLiteral("row %1: \"%2\"").arg(r + 1).arg(excerpts(rows.at(r).cells).join(QStringLiteral("\", \"")));
            dayFirst = dayFirst || (text.first > 12 && text.first <= 31);
            monthFirst = monthFirst || (text.second > 12 && text.second <= 31);
        }
    }
    if (dayFirst != monthFirst)
        return dayFirst ? SlashEvidence::DayFirst : SlashEvidence::MonthFirst;
    return example.isEmpty() ? SlashEvidence::NoSlashedDates : SlashEvidence::Either;
}

// Adds the row's dates to the result, or a line for each of its dates it leaves out.
void readRow(const CsvRecord &row, qsizetype rowNumber, const ColumnLayout &layout, bool slashedDayFirst,
             ImportedDates &result)
{
    const QString where = QStringLiteral("row %1: ").arg(rowNumber);
    if (row.unterminated) {
        result.skipped.append(where + QCoreApplication::translate("CsvDatesReader", "the file ends inside quotes, so the row is cut short"));
        return;
    }
    if (row.isBlank())
        return;
    bool controlsDropped = false;
    const QString name = nameOf(row, layout, &controlsDropped);
    if (name.isEmpty()) {
        result.skipped.append(where + QCoreApplication::translate("CsvDatesReader", "no name"));
        return;
    }
    const QString who = where + PlainText::excerpt(name);
    const auto quoted = [](const QString &cell) { return u'"' + PlainText::excerpt(cell) + u'"'; };
    bool hasDate = false;
    for (const DateColumn &column : layout.dateColumns) {
        const QString cell = row.cell(column.column);
        if (cell.isEmpty() || isFiller(cell))
            continue;
        hasDate = true;
        Kind kind = column.kind;
        if (column.typeColumn >= 0) {
            const QString type = row.cell(column.typeColumn);
            const std::optional<Kind> typed = DateLabels::kindOf(type);
            if (!typed) {
                result.skipped.append(who + QStringLiteral(": ") + quoted(cell) + QStringLiteral(" is ")
                                      + (type.isEmpty() ? QCoreApplication::translate("CsvDatesReader", "a date of no type")
                                                        : quoted(type) + QStringLiteral(", not a birthday or anniversary")));
                continue;
            }
            kind = *typed;
        }
        const DayReading day = dayOf(dateTextOf(cell), slashedDayFirst);
        if (!day.problem.isEmpty()) {
            result.skipped.append(who + QStringLiteral(": ") + quoted(cell) + u' ' + day.problem);
            continue;
        }
        result.dates.append({.month = day.month, .day = day.day, .kind = kind, .name = name, .year = day.year,
                             .controlsDropped = controlsDropped});
    }
    if (!hasDate)
        result.skipped.append(who + QCoreApplication::translate("CsvDatesReader", ": no date"));
}

} // namespace

ImportedDates CsvDatesReader::read(const QByteArray &content, SlashOrder order, bool *ambiguous, const std::stop_token &stop)
{
    if (ambiguous)
        *ambiguous = false;
    ImportedDates result;
    // Text files hold no NUL bytes; a file that does is a picture, an archive or the like.
    const QString text = FileText::text(content);
    const QList<CsvRecord> rows = text.contains(QChar(u'\0')) ? QList<CsvRecord>() : recordsOf(text, separatorOf(text), stop);
    if (const qsizetype cells = rows.isEmpty() ? 0 : entryListCells(rows.first()); cells > 0)
        return entriesOf(rows, cells, stop);
    const std::optional<ColumnLayout> layout = rows.isEmpty() ? std::nullopt : layoutOf(rows);
    if (!layout) {
        result.skipped.append(noRowsLine());
        return result;
    }
    QString example;
    const SlashEvidence evidence = slashEvidenceOf(rows, *layout, example);
    if (order == SlashOrder::Ask && evidence == SlashEvidence::Either) {
        if (ambiguous)
            *ambiguous = true;
        result.skipped.append(
            QCoreApplication::translate("CsvDatesReader", "the dates could be read as month/day or as day/month, such as %1").arg(example));
        return result;
    }
    const bool slashedDayFirst =
        order == SlashOrder::DayFirst || (order == SlashOrder::Ask && evidence == SlashEvidence::DayFirst);
    for (qsizetype r = layout->firstDataRow; r < rows.size(); ++r) {
        ImportCancelled::throwIfRequested(stop);
        readRow(rows.at(r), r + 1, *layout, slashedDayFirst, result);
    }
    if (result.dates.isEmpty() && result.skipped.isEmpty())
        result.skipped.append(noRowsLine());
    return result;
}
