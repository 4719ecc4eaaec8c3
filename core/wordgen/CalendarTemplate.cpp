#include "core/wordgen/CalendarTemplate.h"

#include <QFile>

#include <stdexcept>

QByteArray CalendarTemplate::bytes()
{
    QFile resource(resourcePath());
    if (!resource.open(QIODevice::ReadOnly))
        throw std::runtime_error("The calendar template is missing from the program.");
    return resource.readAll();
}
