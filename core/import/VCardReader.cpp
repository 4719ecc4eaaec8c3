#include "core/import/VCardReader.h"

#include "core/import/DateLabels.h"
#include "core/import/DateParts.h"
#include "core/import/FileText.h"
#include "core/import/ImportCancelled.h"
#include "core/shell/PlainText.h"

#include <QCoreApplication>
#include <QMap>
#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

bool startsWithIgnoringCase(QByteArrayView text, QByteArrayView prefix)
{
    return text.size() >= prefix.size() && text.first(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

// Where the name and parameters of a content line end: its first ":" outside double quotes
// (a 4.0 parameter value may be quoted and hold a colon); -1 for a line without one.
qsizetype valueSeparator(QByteArrayView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == '"')
            quoted = !quoted;
        else if (line.at(i) == ':' && !quoted)
            return i;
    }
    return -1;
}

bool isQuotedPrintable(QByteArrayView line)
{
    return line.first(qMax<qsizetype>(valueSeparator(line), 0)).toByteArray().toUpper().contains("QUOTED-PRINTABLE");
}

// The logical lines of a vCard file: physical lines (ending in CRLF, LF or CR) joined where
// they were folded. A line starting with a space or tab continues the one before; vCard 3.0
// and 4.0 drop that one blank, 2.1 keeps it in the value. A quoted-printable value
// ending in "=" continues on the next line whatever it starts with. The reader follows each
// card's VERSION line for the folding rule.
class UnfoldedLines
{
public:
    explicit UnfoldedLines(QByteArrayView bytes) : mBytes(bytes) {}

    bool next(QByteArray &line)
    {
        std::optional<QByteArrayView> first = takeLine();
        if (!first)
            return false;
        line = first->toByteArray();
        const bool quotedPrintable = isQuotedPrintable(*first);
        while (const std::optional<QByteArrayView> following = takeLine()) {
            if (quotedPrintable && line.endsWith('=')) {
                line.chop(1);
                line += *following;
            } else if (!following->isEmpty() && PlainText::isBlank(following->front())) {
                line += mVersion21 ? *following : following->sliced(1);
            } else {
                mLookahead = following;
                break;
            }
        }
        followVersion(line);
        return true;
    }

private:
    std::optional<QByteArrayView> takeLine()
    {
        if (mLookahead)
            return std::exchange(mLookahead, std::nullopt);
        if (mPos >= mBytes.size())
            return std::nullopt;
        qsizetype end = mPos;
        while (end < mBytes.size() && mBytes.at(end) != '\r' && mBytes.at(end) != '\n')
            ++end;
        const QByteArrayView line = mBytes.sliced(mPos, end - mPos);
        mPos = end;
        if (mPos < mBytes.size() && mBytes.at(mPos) == '\r')
            ++mPos;
        if (mPos < mBytes.size() && mBytes.at(mPos) == '\n')
            ++mPos;
        return line;
    }

    void followVersion(QByteArrayView line)
    {
        if (startsWithIgnoringCase(line, "BEGIN:"))
            mVersion21 = false;
        else if (startsWithIgnoringCase(line, "VERSION:"))
            mVersion21 = line.sliced(8).trimmed() == "2.1";
    }

    QByteArrayView mBytes;
    qsizetype mPos = 0;
    std::optional<QByteArrayView> mLookahead;
    bool mVersion21 = false;
};

// "=XX" as the byte it stands for; an "=" not followed by two hexadecimal digits stays.
QByteArray quotedPrintableDecoded(QByteArrayView value)
{
    QByteArray bytes;
    bytes.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const int high = value.at(i) == '=' && i + 2 < value.size() ? PlainText::hexDigit(value.at(i + 1)) : -1;
        const int low = high >= 0 ? PlainText::hexDigit(value.at(i + 2)) : -1;
        if (low >= 0) {
            bytes += char(high * 16 + low);
            i += 2;
        } else {
            bytes += value.at(i);
        }
    }
    return bytes;
}

// Text from bytes in the named charset; where none is named (or it is UTF-8 or unknown to
// Qt), UTF-8 where the bytes are valid UTF-8 and the file's guessed encoding otherwise.
QString decodedText(const QByteArray &bytes, const QByteArray &charset, const QByteArray &fileEncoding)
{
    if (!charset.isEmpty() && charset.compare("UTF-8", Qt::CaseInsensitive) != 0) {
        QStringDecoder named(charset.constData());
        if (named.isValid())
            return named(bytes);
    }
    return FileText::decoded(bytes, fileEncoding);
}

// One content line taken apart: "item1.BDAY;VALUE=date:1985-04-13".
class ContentLine
{
public:
    ContentLine(QByteArrayView line, const QByteArray &fileEncoding)
        : mFileEncoding(fileEncoding)
    {
        const qsizetype colon = valueSeparator(line);
        if (colon < 0)
            return;
        mValue = line.sliced(colon + 1).toByteArray();
        const QList<QByteArrayView> parts = splitOutsideQuotes(line.first(colon), ';');
        const QByteArrayView name = parts.front();
        const qsizetype dot = name.lastIndexOf('.');
        mName = name.sliced(dot + 1).toByteArray().toUpper();
        mGroup = dot < 0 ? QByteArray() : name.first(dot).toByteArray().toUpper();
        for (const QByteArrayView parameter : parts.sliced(1)) {
            const qsizetype equals = parameter.indexOf('=');
            const QByteArray key = (equals < 0 ? parameter : parameter.first(equals)).trimmed().toByteArray().toUpper();
            QByteArray value = equals < 0 ? QByteArray() : parameter.sliced(equals + 1).trimmed().toByteArray();
            if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
                value = value.sliced(1, value.size() - 2);
            if (key == "ENCODING" || key == "QUOTED-PRINTABLE")
                mQuotedPrintable = mQuotedPrintable || key == "QUOTED-PRINTABLE" || value.toUpper() == "QUOTED-PRINTABLE";
            else if (key == "CHARSET")
                mCharset = value;
            else if (key == "VALUE")
                mValueType = value.toLower();
            else if (key == "X-APPLE-OMIT-YEAR")
                mOmittedYear = DateParts::number(QString::fromLatin1(value));
        }
    }

    // Upper case, without its group; empty for a line that is not a property.
    const QByteArray &name() const { return mName; }
    // "ITEM1" of "item1.X-ABDATE": the group that ties a date to its label; may be empty.
    const QByteArray &group() const { return mGroup; }
    // "date", "text", …: the VALUE parameter in lower case, empty when not given.
    const QByteArray &valueType() const { return mValueType; }
    // The year that a date's value holds in place of none, where the line says so
    // ("BDAY;X-APPLE-OMIT-YEAR=1604:1604-04-13", also with other years).
    std::optional<int> omittedYear() const { return mOmittedYear; }
    // The value decoded per its encoding and charset; escapes are left for the caller, who
    // knows whether the value is structured.
    QString text() const
    {
        return decodedText(mQuotedPrintable ? quotedPrintableDecoded(mValue) : mValue, mCharset, mFileEncoding);
    }

private:
    static QList<QByteArrayView> splitOutsideQuotes(QByteArrayView text, char separator)
    {
        QList<QByteArrayView> parts;
        bool quoted = false;
        qsizetype start = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == '"')
                quoted = !quoted;
            else if (text.at(i) == separator && !quoted) {
                parts += text.sliced(start, i - start);
                start = i + 1;
            }
        }
        parts += text.sliced(start);
        return parts;
    }

    QByteArray mName;
    QByteArray mGroup;
    QByteArray mValue;
    QByteArray mCharset;
    QByteArray mValueType;
    QByteArray mFileEncoding;
    std::optional<int> mOmittedYear;
    bool mQuotedPrintable = false;
};

// The pieces of a text value between unescaped separators, still escaped.
QList<QStringView> splitUnescaped(QStringView text, QChar separator)
{
    QList<QStringView> pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\\')
            ++i;
        else if (text.at(i) == separator) {
            pieces += text.sliced(start, i - start);
            start = i + 1;
        }
    }
    pieces += text.sliced(start);
    return pieces;
}

// "\," "\;" "\\" and "\n" as the characters they stand for; any other backslash stays, as
// 2.1 values use it as a plain character.
QString unescaped(QStringView text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (text.at(i) != u'\\' || !QStringView(u",;\\nN").contains(next)) {
            plain += text.at(i);
            continue;
        }
        plain += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
        ++i;
    }
    return plain;
}

// A name of the card as it goes into the calendar, and whether control characters were
// left out of it.
struct CardName {
    QString text;
    bool controlsDropped = false;

    static CardName typed(const QString &written)
    {
        CardName name;
        name.text = PlainText::asTyped(written, &name.controlsDropped);
        return name;
    }
};

// "Given Family" from the structured name "Family;Given;Additional;Prefix;Suffix"; a
// component holding several names (separated by commas) keeps them all.
CardName structuredName(const QString &value)
{
    const QList<QStringView> components = splitUnescaped(value, u';');
    QStringList words;
    for (const qsizetype index : {1, 0}) {
        if (index < components.size()) {
            for (const QStringView name : splitUnescaped(components.at(index), u','))
                words += unescaped(name);
        }
    }
    return CardName::typed(words.join(u' '));
}

struct CalendarDay {
    int month = 0;
    int day = 0;
    std::optional<int> year;
};

// The month, day and year of a date value, any time of day ignored: "1985-04-13", "19850413",
// "--0413", "--04-13". The parts as written, not yet checked against the calendar.
std::optional<CalendarDay> writtenDay(QStringView value)
{
    const qsizetype time = value.indexOf(u'T', 0, Qt::CaseInsensitive);
    const QStringView date = time < 0 ? value : value.first(time);
    QStringView year;
    QStringView monthDay;
    if (date.startsWith(u"--"))
        monthDay = date.sliced(2);
    else if (date.size() == 8)
        year = date.first(4), monthDay = date.sliced(4);
    else if (date.size() == 10 && date.at(4) == u'-')
        year = date.first(4), monthDay = date.sliced(5);
    else
        return std::nullopt;
    const bool dashed = monthDay.size() == 5 && monthDay.at(2) == u'-';
    if (monthDay.size() != 4 && !dashed)
        return std::nullopt;
    const std::optional<int> month = DateParts::number(monthDay.first(2));
    const std::optional<int> day = DateParts::number(monthDay.sliced(dashed ? 3 : 2));
    const std::optional<int> yearValue = DateParts::number(year);
    if (!month || !day || (!year.isEmpty() && !yearValue))
        return std::nullopt;
    return CalendarDay{*month, *day, yearValue};
}

// A date property's reading: the calendar day it names, or why it names none.
struct DateReading {
    std::optional<CalendarDay> day;
    QString problem;
};

// A date as a card writes it: its value, whether the card typed it as text, what it is,
// and the year its value holds where it has none.
struct WrittenDate {
    QString value;
    bool isText = false;
    ImportedDate::Kind kind = ImportedDate::Kind::Birthday;
    std::optional<int> omittedYear;
};

DateReading readDate(const WrittenDate &written)
{
    const QString kindWord =
        written.kind == ImportedDate::Kind::Birthday ? QStringLiteral("birthday") : QStringLiteral("anniversary");
    const QString value = written.value.trimmed();
    const auto quoted = [&] { return u'"' + PlainText::excerpt(value) + u'"'; };
    if (written.isText)
        return {std::nullopt, kindWord + u' ' + quoted() + QStringLiteral(" is text, not a date")};
    std::optional<CalendarDay> day = writtenDay(value);
    if (!day)
        return {std::nullopt, QStringLiteral("unreadable ") + kindWord + u' ' + quoted()};
    day->year = day->year == written.omittedYear ? std::nullopt : DateParts::meantYear(day->year);
    if (!DateParts::isCalendarDay(day->month, day->day, day->year))
        return {std::nullopt, kindWord + u' ' + quoted() + QStringLiteral(" is not a calendar day")};
    return {day, QString()};
}

// The kinds of Android's contact events, by the number its exports write for each; a
// custom one (0) is told by its label.
std::optional<ImportedDate::Kind> androidEventKind(QStringView type, const QString &label)
{
    if (type == u"1")
        return ImportedDate::Kind::Anniversary;
    if (type == u"3")
        return ImportedDate::Kind::Birthday;
    return type == u"0" ? DateLabels::kindOf(label) : std::nullopt;
}

// What one card says, gathered line by line until its END:VCARD, then turned into dates.
class CardFields
{
public:
    explicit CardFields(int number) : mNumber(number) {}

    void add(const ContentLine &line)
    {
        const QByteArray &name = line.name();
        if (name == "FN" && mFormattedName.text.isEmpty())
            mFormattedName = CardName::typed(unescaped(line.text()));
        else if (name == "N" && mStructuredName.text.isEmpty())
            mStructuredName = structuredName(line.text());
        else if (name == "NICKNAME" && mNickname.text.isEmpty())
            mNickname = CardName::typed(unescaped(splitUnescaped(line.text(), u',').front()));
        else if (name == "BDAY")
            addDate({line.text(), line.valueType() == "text", ImportedDate::Kind::Birthday, line.omittedYear()});
        else if (name == "ANNIVERSARY" || name == "X-ANNIVERSARY" || name == "X-EVOLUTION-ANNIVERSARY")
            addDate({line.text(), line.valueType() == "text", ImportedDate::Kind::Anniversary, line.omittedYear()});
        else if (name == "X-ABDATE")
            mGroupedDates[line.group()] = {line.text(), false, ImportedDate::Kind::Birthday, line.omittedYear()};
        else if (name == "X-ABLABEL")
            mGroupLabels[line.group()] = unescaped(line.text());
        else if (name == "X-ANDROID-CUSTOM")
            addAndroidEvent(line.text());
    }

    void finish(ImportedDates &result)
    {
        resolveGroupedDates();
        const CardName &person = personName();
        const QString &name = person.text;
        const QString label = name.isEmpty() ? QStringLiteral("card %1").arg(mNumber)
                                             : QStringLiteral("card %1 (%2)").arg(mNumber).arg(PlainText::excerpt(name));
        for (const QString &problem : std::as_const(mNotUnderstood))
            result.skipped += label + QStringLiteral(": ") + problem;
        if (mDates.isEmpty()) {
            if (mNotUnderstood.isEmpty())
                result.skipped += label + QCoreApplication::translate("VCardReader", ": no birthday or anniversary");
            return;
        }
        if (name.isEmpty()) {
            result.skipped += label + QCoreApplication::translate("VCardReader", ": no name");
            return;
        }
        QList<ImportedDate> found;
        for (const WrittenDate &written : std::as_const(mDates)) {
            const DateReading reading = readDate(written);
            if (!reading.day) {
                result.skipped += label + QStringLiteral(": ") + reading.problem;
                continue;
            }
            const ImportedDate date{reading.day->month, reading.day->day, written.kind, name, reading.day->year,
                                    person.controlsDropped};
            // Programs that write a date under two names (an anniversary, an Android
            // birthday beside BDAY) give it once.
            const bool repeated = std::any_of(found.cbegin(), found.cend(), [&](const ImportedDate &other) {
                return other.kind == date.kind && other.month == date.month && other.day == date.day && other.year == date.year;
            });
            if (!repeated)
                found += date;
        }
        result.dates += found;
    }

private:
    void addDate(const WrittenDate &written)
    {
        // An empty BDAY line is how some programs write "no birthday".
        if (!written.value.trimmed().isEmpty())
            mDates.append(written);
    }

    // "vnd.android.cursor.item/contact_event;1985-04-13;3;label;…": Android's own events.
    // Its other custom lines (nicknames, relations, …) hold no dates.
    void addAndroidEvent(const QString &value)
    {
        const QList<QStringView> fields = splitUnescaped(value, u';');
        if (fields.size() < 3 || fields.at(0).trimmed() != u"vnd.android.cursor.item/contact_event")
            return;
        const QString date = unescaped(fields.at(1));
        const QString label = fields.size() > 3 ? unescaped(fields.at(3)).trimmed() : QString();
        if (const std::optional<ImportedDate::Kind> kind = androidEventKind(fields.at(2).trimmed(), label))
            addDate({date, false, *kind, std::nullopt});
        else
            mNotUnderstood += QStringLiteral("date \"%1\" of type %2 is not a birthday or anniversary")
                                  .arg(PlainText::excerpt(date.trimmed()),
                                       label.isEmpty() ? PlainText::excerpt(fields.at(2).trimmed().toString())
                                                       : u'"' + PlainText::excerpt(label) + u'"');
    }

    // Apple's dates with a label of their own ("item1.X-ABDATE" with "item1.X-ABLabel").
    void resolveGroupedDates()
    {
        for (auto it = mGroupedDates.cbegin(); it != mGroupedDates.cend(); ++it) {
            const QString label = mGroupLabels.value(it.key());
            const QString value = it.value().value.trimmed();
            if (const std::optional<ImportedDate::Kind> kind = DateLabels::kindOf(label)) {
                WrittenDate date = it.value();
                date.kind = *kind;
                addDate(date);
            } else if (label.isEmpty()) {
                mNotUnderstood += QStringLiteral("date \"%1\" has no label").arg(PlainText::excerpt(value));
            } else {
                mNotUnderstood += QStringLiteral("date \"%1\" labelled \"%2\" is not a birthday or anniversary")
                                      .arg(PlainText::excerpt(value), PlainText::excerpt(DateLabels::readable(label)));
            }
        }
        mGroupedDates.clear();
    }

    const CardName &personName() const
    {
        if (!mFormattedName.text.isEmpty())
            return mFormattedName;
        return mStructuredName.text.isEmpty() ? mNickname : mStructuredName;
    }

    int mNumber;
    CardName mFormattedName;
    CardName mStructuredName;
    CardName mNickname;
    QList<WrittenDate> mDates;
    QMap<QByteArray, WrittenDate> mGroupedDates; // group → date, in the order of the groups; its kind from its label
    QMap<QByteArray, QString> mGroupLabels;  // group → label
    QStringList mNotUnderstood;
};

bool isCardBoundary(const ContentLine &line, QByteArrayView which)
{
    return line.name() == which && line.text().trimmed().compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0;
}

} // namespace

ImportedDates VCardReader::read(const QByteArray &content, const std::stop_token &stop)
{
    ImportedDates result;
    const QByteArray bytes = FileText::withoutByteOrderMark(content);
    const QByteArray fileEncoding = FileText::guessedEncoding(bytes);
    UnfoldedLines lines(bytes);
    std::optional<CardFields> card;
    int cards = 0;
    QByteArray text;
    while (lines.next(text)) {
        ImportCancelled::throwIfRequested(stop);
        const ContentLine line(text, fileEncoding);
        if (isCardBoundary(line, "BEGIN")) {
            // A card that never ended is read as far as it goes.
            if (card)
                card->finish(result);
            card.emplace(++cards);
        } else if (card && isCardBoundary(line, "END")) {
            card->finish(result);
            card.reset();
        } else if (card) {
            card->add(line);
        }
    }
    if (card)
        card->finish(result);
    if (cards == 0)
        result.skipped += QCoreApplication::translate("VCardReader", "the file holds no contact cards");
    return result;
}
