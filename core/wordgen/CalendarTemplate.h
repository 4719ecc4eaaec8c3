#pragma once

#include <QByteArray>
#include <QString>

struct CalendarLook;

// The calendar templates that the program carries inside itself, one per design, paper and
// edition (as the designs' manifest names them), byte for byte, and the names they are
// written out under for a build.
class CalendarTemplate
{
public:
    // ":/template/calendar.dot" for the classic design on Letter, ":/template/calendar-a4.dot",
    // ":/template/calendar-wall-a5.dot", …
    static QString resourcePath(const CalendarLook &look);
    // "template.dot", "template-a4.dot", "template-wall-a5.dot", …: a template left from a
    // build of another design, paper or edition is never taken for this one's.
    static QString fileName(const CalendarLook &look);
    // Where a build writes the look's template: fileName() in the temporary folder.
    static QString writtenPath(const CalendarLook &look);
    // Writes the template afresh under writtenPath(): whatever was under the name (a file
    // left by a build that was cut short, a link: never followed) is replaced. Returns the
    // path. Throws std::runtime_error naming the cause when it cannot be written.
    static QString write(const CalendarLook &look, const QByteArray &bytes);

    // Throws std::runtime_error when the program was built without the look's template.
    static QByteArray bytes(const CalendarLook &look);
};
