#pragma once

#include "core/shell/PaperSize.h"

#include <QImage>
#include <QString>

class WordApplication;
struct CalendarDesign;

// A picture of a design's first pages, so that the person sees each design before
// choosing it: the office lays the design's own template for the paper out as PDF, and its
// first two pages are drawn side by side. Pictures are kept in the program's cache folder
// under a name holding a digest of the template, so that a changed template is drawn anew;
// a design's older pictures go when its new one is kept.
class DesignPictures
{
public:
    // Height of a page in the picture, in pixels.
    static constexpr int pageHeight = 300;

    explicit DesignPictures(PaperSize paper);

    // The kept picture of the design; a null image when there is none yet.
    QImage kept(const CalendarDesign &design) const;
    // Draws the design's picture with the office instance and keeps it. Throws
    // std::runtime_error (OfficeError from the office) naming the cause.
    QImage draw(WordApplication &word, const CalendarDesign &design) const;

    // Where the design's picture is kept (which need not exist); empty without a cache
    // folder or without the design's template.
    QString keptFile(const CalendarDesign &design) const;

private:
    // Keeps the picture, when the cache folder takes it: a picture not kept is drawn again
    // next time, nothing worse.
    void keep(const CalendarDesign &design, const QImage &picture) const;

    PaperSize m_paper;
};
