#pragma once

#include <QString>

// Small text routines the file readers share.
namespace PlainText {

// A name or title as a person would type it: control characters and line breaks become
// spaces, runs of blanks one, and no blanks around it.
QString asTyped(QString text);

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
