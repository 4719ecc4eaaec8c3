#pragma once

#include <QString>

// Small text routines the file readers, the writers and the day boxes share.
namespace PlainText {

// What no entry holds: a control character other than tab and the line breaks (CR, LF).
// Such characters are invisible or do something (bell, escape, delete) where they are
// shown, and calendar files may not carry them.
bool isControl(QChar ch);

// The text without such control characters; *dropped (when given) says whether it held any.
QString withoutControls(QString text, bool *dropped = nullptr);

// A name or title as a person would type it: tabs, line breaks and control characters as
// spaces (a control character in a name stands between words), runs of blanks one, and no
// blanks around it. *dropped (when given) says whether control characters were left out.
QString asTyped(QString text, bool *dropped = nullptr);

// How much of a text a message quotes: names and entries can be megabytes long.
inline constexpr qsizetype excerptLength = 200;

// The text as a message quotes it, on one line as asTyped() gives it: at most its first
// excerptLength characters, then "…" where it goes on.
QString excerpt(const QString &text);

// A blank inside a line: space or tab.
inline bool isBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// The value of a hexadecimal digit, -1 for any other character.
inline int hexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

} // namespace PlainText
