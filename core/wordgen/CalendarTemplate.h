#pragma once

#include "core/shell/PaperSize.h"

#include <QByteArray>
#include <QString>

// The calendar templates that the program carries inside itself, one per paper size, byte
// for byte, and the names they are written out under for a build.
class CalendarTemplate
{
public:
    // ":/template/calendar.dot" for Letter, ":/template/calendar-a4.dot", …
    static QString resourcePath(PaperSize paper);
    // "template.dot" for Letter, "template-a4.dot", …: a template left from a build on
    // another paper is never taken for this paper's.
    static QString fileName(PaperSize paper);
    // Where a build writes the paper's template: fileName() in the temporary folder.
    static QString writtenPath(PaperSize paper);
    // Writes the template afresh under writtenPath(): whatever was under the name (a file
    // left by a build that was cut short, a link: never followed) is replaced. Returns the
    // path. Throws std::runtime_error naming the cause when it cannot be written.
    static QString write(PaperSize paper, const QByteArray &bytes);

    // Throws std::runtime_error when the program was built without the paper's template.
    static QByteArray bytes(PaperSize paper);
};
