#include "core/wordgen/CalendarDesigns.h"

#include "core/entry/PicturePlaces.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

namespace {

// The designs' names in the program's language; a design not listed shows its name.
struct DesignLabel {
    const char *name;
    const char *label;
};
constexpr DesignLabel labels[] = {
    {"classic", QT_TRANSLATE_NOOP("CalendarDesigns", "Classic")},
    {"wall", QT_TRANSLATE_NOOP("CalendarDesigns", "Wall calendar")},
    {"warm", QT_TRANSLATE_NOOP("CalendarDesigns", "Warm")},
    {"quiet", QT_TRANSLATE_NOOP("CalendarDesigns", "Quiet")},
};

QSizeF sizeOf(const QJsonValue &millimetres)
{
    const QJsonArray pair = millimetres.toArray();
    return pair.size() == 2 ? QSizeF(pair.at(0).toDouble(), pair.at(1).toDouble()) : QSizeF();
}

CalendarDesign::Layout layoutOf(const QJsonObject &paper)
{
    CalendarDesign::Layout layout;
    const QJsonObject templates = paper.value(QLatin1String("templates")).toObject();
    layout.perpetualTemplate = templates.value(QLatin1String("perpetual")).toString();
    layout.datedTemplate = templates.value(QLatin1String("dated")).toString();
    layout.pages = paper.value(QLatin1String("pages")).toInt();
    const QJsonObject places = paper.value(QLatin1String("picturePlaces")).toObject();
    layout.coverPicture = sizeOf(places.value(QLatin1String("cover")));
    layout.monthPicture = sizeOf(places.value(QLatin1String("month")));
    const QJsonObject line = paper.value(QLatin1String("entryLine")).toObject();
    layout.entryLineWidth = line.value(QLatin1String("widthPt")).toDouble();
    layout.datedEntryLineWidth = line.value(QLatin1String("datedWidthPt")).toDouble(layout.entryLineWidth);
    layout.entryFont = line.value(QLatin1String("font")).toString();
    layout.entryFontSize = line.value(QLatin1String("sizePt")).toDouble();
    const QJsonArray spare = paper.value(QLatin1String("spareLines")).toArray();
    for (qsizetype month = 0; month < qsizetype(layout.spareLines.size()) && month < spare.size(); ++month)
        layout.spareLines.at(size_t(month)) = spare.at(month).toInt();
    return layout;
}

QList<CalendarDesign> readManifest()
{
    QFile manifest(QStringLiteral(":/template/designs.json"));
    if (!manifest.open(QIODevice::ReadOnly))
        throw std::runtime_error("The program was built without its calendar designs.");
    QList<CalendarDesign> designs;
    for (const QJsonValue &value : QJsonDocument::fromJson(manifest.readAll()).object().value(QLatin1String("designs")).toArray()) {
        const QJsonObject object = value.toObject();
        CalendarDesign design;
        design.name = object.value(QLatin1String("name")).toString();
        design.hasCover = object.value(QLatin1String("cover")).toBool();
        design.hasPictures = object.value(QLatin1String("pictures")).toBool();
        const QJsonObject papers = object.value(QLatin1String("papers")).toObject();
        for (const PaperSize paper : PaperSizes::all)
            design.layouts.at(size_t(paper)) = layoutOf(papers.value(PaperSizes::name(paper)).toObject());
        designs.append(design);
    }
    return designs;
}

} // namespace

QString CalendarDesign::label() const
{
    for (const DesignLabel &known : labels)
        if (name == QLatin1String(known.name))
            return QCoreApplication::translate("CalendarDesigns", known.label);
    return name;
}

const CalendarDesign::Layout &CalendarDesign::layout(PaperSize paper) const
{
    return layouts.at(size_t(paper));
}

QSizeF CalendarDesign::picturePlace(int place, PaperSize paper) const
{
    if (!hasPictures)
        return QSizeF();
    return place == PicturePlaces::cover ? layout(paper).coverPicture : layout(paper).monthPicture;
}

const QList<CalendarDesign> &CalendarDesigns::all()
{
    static const QList<CalendarDesign> designs = readManifest();
    return designs;
}

std::optional<CalendarDesign> CalendarDesigns::named(const QString &name)
{
    for (const CalendarDesign &design : all())
        if (design.name == name)
            return design;
    return std::nullopt;
}

QStringList CalendarDesigns::names()
{
    QStringList names;
    for (const CalendarDesign &design : all())
        names.append(design.name);
    return names;
}

QString CalendarDesigns::knownNames()
{
    return names().join(QStringLiteral(", "));
}

QList<QSizeF> CalendarDesigns::pictureShapes(int place)
{
    QList<QSizeF> shapes;
    for (const CalendarDesign &design : all())
        for (const PaperSize paper : PaperSizes::all)
            if (const QSizeF size = design.picturePlace(place, paper); !size.isEmpty() && !shapes.contains(size))
                shapes.append(size);
    return shapes;
}
