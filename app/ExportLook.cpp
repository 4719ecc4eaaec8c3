#include "app/ExportLook.h"

#include "app/CommandLine.h"
#include "core/entry/PicturePlaces.h"
#include "core/entry/PicturePreparation.h"
#include "core/shell/FileReplacement.h"
#include "core/shell/PaperPreference.h"
#include "core/shell/TempFolder.h"

#include <stdexcept>

CalendarLook ExportLook::of(const CommandLine &command)
{
    CalendarLook look = CalendarLook::chosen(command.paper().value_or(PaperPreference::current()));
    if (command.design())
        look.design = *CalendarDesigns::named(*command.design());
    if (command.year())
        look.year = *command.year();
    if (command.pictures().isEmpty())
        return look;

    QMap<int, QString> given;
    for (auto picture = command.pictures().cbegin(); picture != command.pictures().cend(); ++picture)
        given.insert(picture.key(), preparedPicture(look, picture.key(), picture.value()));
    look.picture = [given, kept = look.picture](int place, const QSizeF &printedMillimetres) {
        return given.contains(place) ? given.value(place) : kept(place, printedMillimetres);
    };
    return look;
}

QString ExportLook::preparedPicture(const CalendarLook &look, int place, const QString &file)
{
    const QSizeF size = look.design.picturePlace(place, look.paper);
    if (size.isEmpty())
        throw std::runtime_error(tr("the %1 design has no place for a picture of %2")
                                     .arg(look.design.name, PicturePlaces::label(place))
                                     .toStdString());
    const QString path = TempFolder::file(QStringLiteral("picture-%1.jpg").arg(PicturePlaces::key(place)));
    FileReplacement::replace(path, FileReplacement::Kind::Private, PicturePreparation::prepare(file, {size}).constFirst());
    return path;
}
