#pragma once

#include <QByteArray>
#include <QString>

// The calendar template that the program carries inside itself, byte for byte, and the
// name it is written out under for a build.
class CalendarTemplate
{
public:
    static QString resourcePath() { return QStringLiteral(":/template/calendar.dot"); }
    static QString fileName() { return QStringLiteral("template.dot"); }

    // Throws std::runtime_error when the program was built without its template.
    static QByteArray bytes();
};
