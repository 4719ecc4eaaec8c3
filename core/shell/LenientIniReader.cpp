#include "core/shell/LenientIniReader.h"

#include "core/shell/PlainText.h"

#include <QStringDecoder>

namespace {


bool isOctal(char ch)
{
    return ch >= '0' && ch <= '7';
}

// "txt", a month's letters, a day index: the keys of the day entries.
bool isEntryKey(QByteArrayView key)
{
    if (!key.startsWith("txt"))
        return false;
    qsizetype i = 3;
    const qsizetype lettersStart = i;
    while (i < key.size() && ((key.at(i) >= 'A' && key.at(i) <= 'Z') || (key.at(i) >= 'a' && key.at(i) <= 'z')))
        ++i;
    const qsizetype digitsStart = i;
    while (i < key.size() && key.at(i) >= '0' && key.at(i) <= '9')
        ++i;
    return digitsStart > lettersStart && i > digitsStart && i == key.size();
}

// Decodes the escape that follows a backslash at value[i - 1], as QSettings does: the C
// escapes, "\x" with hexadecimal digits, octal digits; any other character is dropped.
void appendEscape(QByteArrayView value, qsizetype &i, QString &text)
{
    static constexpr char plain[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'},  {'t', '\t'},
                                        {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    const char ch = value.at(i++);
    for (const auto &escape : plain) {
        if (ch == escape[0]) {
            text += QLatin1Char(escape[1]);
            return;
        }
    }
    char16_t code = 0;
    if (ch == 'x') {
        if (i == value.size() || PlainText::hexDigit(value.at(i)) < 0)
            return;
        while (i < value.size() && PlainText::hexDigit(value.at(i)) >= 0)
            code = static_cast<char16_t>((code << 4) + PlainText::hexDigit(value.at(i++)));
        text += QChar(code);
    } else if (isOctal(ch)) {
        code = static_cast<char16_t>(ch - '0');
        while (i < value.size() && isOctal(value.at(i)))
            code = static_cast<char16_t>((code << 3) + (value.at(i++) - '0'));
        text += QChar(code);
    }
}

// UTF-8 as QSettings writes it; bytes that are not UTF-8 were written by another editor,
// in Windows-1252 (of which Latin-1 is part).
QString decoded(QByteArrayView bytes)
{
    // A byte-order mark that starts a value is part of its text, as QSettings reads it.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252");
    return windows1252.isValid() ? QString(windows1252.decode(bytes)) : QString::fromLatin1(bytes);
}

} // namespace

QString LenientIniReader::valueText(QByteArrayView value)
{
    QString text;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype keptBlanks = 0; // trailing blanks before this position are part of the text
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < value.size() && PlainText::isBlank(value.at(i)))
            ++i;
    };
    skipBlanks();
    while (i < value.size()) {
        const char ch = value.at(i);
        if (ch == '\\') {
            if (++i == value.size())
                break;
            appendEscape(value, i, text);
            keptBlanks = text.size();
        } else if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                keptBlanks = text.size();
            }
        } else if (ch == ';' && !inQuotes) {
            break; // the rest of the line is a comment
        } else {
            qsizetype end = i + 1;
            while (end < value.size() && value.at(end) != '\\' && value.at(end) != '"' && value.at(end) != ';')
                ++end;
            text += decoded(value.sliced(i, end - i));
            i = end;
        }
    }
    if (!quoted) {
        while (text.size() > keptBlanks && (text.back() == u' ' || text.back() == u'\t'))
            text.chop(1);
    }
    if (text.startsWith(QLatin1String("@@")))
        text.remove(0, 1);
    return text;
}

QString LenientIniReader::unescapedName(QByteArrayView name)
{
    const QString decoded = QString::fromUtf8(name);
    QString result;
    qsizetype i = 0;
    while (i < decoded.size()) {
        const QChar ch = decoded.at(i);
        if (ch == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        const bool wide = ch == u'%' && i + 1 < decoded.size() && decoded.at(i + 1) == u'U';
        const qsizetype digitsStart = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = false;
        const ushort code = ch == u'%' && digitsStart + digits <= decoded.size()
            ? decoded.mid(digitsStart, digits).toUShort(&ok, 16)
            : 0;
        if (ok) {
            result += QChar(code);
            i = digitsStart + digits;
        } else {
            result += ch;
            ++i;
        }
    }
    return result;
}

QMap<QString, QString> LenientIniReader::entries(const QByteArray &fileBytes, const QString &section)
{
    return LenientIniReader::section(fileBytes, section).entries;
}

LenientIniReader::Section LenientIniReader::section(const QByteArray &fileBytes, const QString &name)
{
    QByteArrayView data(fileBytes);
    if (data.startsWith("\xef\xbb\xbf"))
        data = data.sliced(3);

    Section found;
    bool inSection = false;
    qsizetype lineStart = 0;
    while (lineStart < data.size()) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < data.size() && data.at(lineEnd) != '\n' && data.at(lineEnd) != '\r')
            ++lineEnd;
        const QByteArrayView line = data.sliced(lineStart, lineEnd - lineStart).trimmed();
        lineStart = lineEnd + 1;

        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            if (close > 0) {
                inSection = unescapedName(line.sliced(1, close - 1).trimmed()) == name;
                found.headings += inSection ? 1 : 0;
            }
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inSection || equals < 0)
            continue;
        const QByteArrayView key = line.first(equals).trimmed();
        if (!isEntryKey(key))
            continue;
        const QString keyText = QString::fromLatin1(key);
        if (found.entries.contains(keyText) && !found.repeatedKeys.contains(keyText))
            found.repeatedKeys.append(keyText);
        found.entries.insert(keyText, valueText(line.sliced(equals + 1)));
    }
    return found;
}
