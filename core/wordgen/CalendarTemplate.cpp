#include "core/wordgen/CalendarTemplate.h"

#include "core/shell/FileReplacement.h"
#include "core/shell/TempFolder.h"

#include <QCoreApplication>
#include <QFile>

#include <stdexcept>

namespace {

QString suffixOf(PaperSize paper)
{
    return paper == PaperSize::Letter ? QString() : QLatin1Char('-') + PaperSizes::name(paper);
}

} // namespace

QString CalendarTemplate::resourcePath(PaperSize paper)
{
    return QStringLiteral(":/template/calendar%1.dot").arg(suffixOf(paper));
}

QString CalendarTemplate::fileName(PaperSize paper)
{
    return QStringLiteral("template%1.dot").arg(suffixOf(paper));
}

QString CalendarTemplate::writtenPath(PaperSize paper)
{
    return TempFolder::file(fileName(paper));
}

QString CalendarTemplate::write(PaperSize paper, const QByteArray &bytes)
{
    const QString path = writtenPath(paper);
    FileReplacement::replace(path, FileReplacement::Kind::Private, bytes);
    return path;
}

QByteArray CalendarTemplate::bytes(PaperSize paper)
{
    QFile resource(resourcePath(paper));
    if (!resource.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            QCoreApplication::translate("CalendarTemplate", "The %1 calendar template is missing from the program.").arg(PaperSizes::label(paper)).toStdString());
    return resource.readAll();
}
