#include "core/wordgen/CalendarTemplate.h"

#include "core/shell/FileReplacement.h"
#include "core/shell/TempFolder.h"
#include "core/wordgen/CalendarLook.h"

#include <QCoreApplication>
#include <QFile>

#include <stdexcept>

QString CalendarTemplate::resourcePath(const CalendarLook &look)
{
    return QStringLiteral(":/template/") + look.templateName();
}

QString CalendarTemplate::fileName(const CalendarLook &look)
{
    // "calendar-wall-a4.dot" is written as "template-wall-a4.dot".
    return QStringLiteral("template") + look.templateName().mid(qsizetype(qstrlen("calendar")));
}

QString CalendarTemplate::writtenPath(const CalendarLook &look)
{
    return TempFolder::file(fileName(look));
}

QString CalendarTemplate::write(const CalendarLook &look, const QByteArray &bytes)
{
    const QString path = writtenPath(look);
    FileReplacement::replace(path, FileReplacement::Kind::Private, bytes);
    return path;
}

QByteArray CalendarTemplate::bytes(const CalendarLook &look)
{
    QFile resource(resourcePath(look));
    if (look.templateName().isEmpty() || !resource.open(QIODevice::ReadOnly))
        throw std::runtime_error(QCoreApplication::translate("CalendarTemplate", "The %1 calendar template is missing from the program.")
                                     .arg(PaperSizes::label(look.paper))
                                     .toStdString());
    return resource.readAll();
}
