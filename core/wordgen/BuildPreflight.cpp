#include "core/wordgen/BuildPreflight.h"

#include "core/entry/DayEntries.h"
#include "core/entry/PicturePlaces.h"
#include "core/entry/PicturePreparation.h"
#include "core/shell/CalendarMonths.h"
#include "core/shell/MonthNames.h"
#include "core/wordgen/CalendarLook.h"
#include "core/wordgen/CoverAndPictures.h"
#include "core/wordgen/YearEdition.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>

#include <cmath>

namespace {

// How wide a text prints in the design's entry font, in points. When the font is not
// installed, a character is taken as half the font's size wide, as an average text runs.
class EntryLineMeasure
{
public:
    EntryLineMeasure(const QString &family, double sizePoints)
        : m_sizePoints(sizePoints)
    {
        // Measured at sixteen times the size, on a device of 72 dots per inch (a point a
        // pixel), so that rounding to whole pixels costs nothing worth counting.
        m_font.setFamily(family);
        m_font.setPointSizeF(sizePoints * scale);
        m_font.setHintingPreference(QFont::PreferNoHinting);
        m_device.setDotsPerMeterX(dotsPerMeterAt72);
        m_device.setDotsPerMeterY(dotsPerMeterAt72);
        m_found = !family.isEmpty() && QFontInfo(m_font).family().compare(family, Qt::CaseInsensitive) == 0;
    }

    double width(const QString &text) const
    {
        if (!m_found)
            return double(text.size()) * m_sizePoints / 2;
        return QFontMetricsF(m_font, &m_device).horizontalAdvance(text) / scale;
    }

    // The lines a paragraph takes in a line of that width, wrapped at blanks (a word wider
    // than the line is broken).
    int lines(const QString &paragraph, double lineWidth) const
    {
        const double space = width(QStringLiteral(" "));
        int lines = 1;
        double filled = 0;
        for (const QString &word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            double wide = width(word);
            if (filled > 0 && filled + space + wide <= lineWidth) {
                filled += space + wide;
                continue;
            }
            if (filled > 0)
                ++lines;
            while (wide > lineWidth) {
                ++lines;
                wide -= lineWidth;
            }
            filled = wide;
        }
        return lines;
    }

private:
    static constexpr double scale = 16;
    static constexpr int dotsPerMeterAt72 = 2835; // 72 / 0.0254

    double m_sizePoints;
    QFont m_font;
    QImage m_device{1, 1, QImage::Format_RGB32};
    bool m_found = false;
};

QString printedText(const DayEntries &entries, const std::optional<YearEdition> &edition, int month, int index)
{
    if (!edition)
        return entries.entryText(month, index);
    return plainText(edition->entryCell(entries, month, index));
}

// The lines a day's entry takes beyond its one.
int extraLines(const EntryLineMeasure &measure, const QString &entry, double lineWidth)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    int lines = 0;
    for (const QString &paragraph : entry.split(lineBreak))
        lines += measure.lines(paragraph, lineWidth);
    return lines - 1;
}

QString listed(const QStringList &items)
{
    return QStringLiteral("• ") + items.join(QStringLiteral("\n• "));
}

} // namespace

BuildPreflight::Findings BuildPreflight::check(const CalendarLook &look, const DayEntries &entries)
{
    Findings findings;
    for (const CoverAndPictures::Picture &picture : CoverAndPictures::pictures(look)) {
        const QSizeF printed = look.design.picturePlace(picture.place, look.paper);
        const QSize pixels = QImageReader(picture.file).size();
        if (!pixels.isValid())
            continue;
        const double resolution = PicturePreparation::printedResolution(pixels, printed);
        if (resolution < PicturePreparation::sharpPixelsPerInch)
            findings.softPictures.append({picture.place, resolution});
    }

    const CalendarDesign::Layout &layout = look.layout();
    const double lineWidth = look.isDated() ? layout.datedEntryLineWidth : layout.entryLineWidth;
    if (lineWidth <= 0)
        return findings;
    const EntryLineMeasure measure(layout.entryFont, layout.entryFontSize);
    std::optional<YearEdition> edition;
    if (look.year)
        edition.emplace(*look.year);
    for (int month = 0; month < CalendarMonths::count; ++month) {
        int extra = 0;
        for (int index = 0; index < CalendarMonths::table.at(size_t(month)).days; ++index)
            extra += extraLines(measure, printedText(entries, edition, month, index), lineWidth);
        if (extra > layout.spareLines.at(size_t(month)))
            findings.crowdedMonths.append(month);
    }
    return findings;
}

QString BuildPreflight::message(const Findings &findings)
{
    QStringList sections;
    if (!findings.softPictures.isEmpty()) {
        QStringList pictures;
        for (const SoftPicture &picture : findings.softPictures)
            //: A picture in a list of those that would print blurry: %1 is its place ("Cover",
            //: "January"), %2 the pixels per inch it would print at.
            pictures.append(QCoreApplication::translate("BuildPreflight", "%1: %2 pixels per inch")
                                .arg(PicturePlaces::label(picture.place))
                                .arg(std::floor(picture.pixelsPerInch)));
        sections.append(QCoreApplication::translate(
                            "BuildPreflight", "These pictures are too small for their place and would print blurry "
                                              "(at least %1 pixels per inch look sharp):")
                            .arg(PicturePreparation::sharpPixelsPerInch)
                        + QLatin1Char('\n') + listed(pictures));
    }
    if (!findings.crowdedMonths.isEmpty()) {
        QStringList months;
        for (const int month : findings.crowdedMonths)
            months.append(MonthNames::caption(month).trimmed());
        sections.append(QCoreApplication::translate("BuildPreflight",
                                                    "The entries of these months are too long to fit on the month's "
                                                    "page; the month would run onto the next page:")
                        + QLatin1Char('\n') + listed(months));
    }
    if (sections.isEmpty())
        return {};
    sections.append(QCoreApplication::translate("BuildPreflight", "Make the calendar anyway?"));
    return sections.join(QStringLiteral("\n\n"));
}
