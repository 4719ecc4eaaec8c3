#include "core/preview/DesignPictures.h"

#include "core/preview/DocumentExport.h"
#include "core/preview/PdfDocument.h"
#include "core/shell/FileReplacement.h"
#include "core/shell/FileRoutines.h"
#include "core/shell/ProgramFiles.h"
#include "core/shell/TempFolder.h"
#include "core/wordgen/CalendarDesigns.h"
#include "core/wordgen/CalendarLook.h"
#include "core/wordgen/CalendarTemplate.h"
#include "core/wordgen/WordApplication.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QScopeGuard>

#include <poppler-qt6.h>

#include <stdexcept>

namespace {

constexpr int pagesShown = 2;
constexpr int pageGap = 12; // pixels between the pages, and around them

QByteArray templateBytes(const CalendarDesign &design, PaperSize paper)
{
    return CalendarTemplate::bytes(CalendarLook{design, paper, std::nullopt, QString(), {}});
}

QString folder()
{
    const QString cache = ProgramFiles::cacheFolder();
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/designs");
}

// "wall-a4-": the start every picture of the design on the paper has.
QString namePrefix(const CalendarDesign &design, PaperSize paper)
{
    return design.name + QLatin1Char('-') + PaperSizes::name(paper) + QLatin1Char('-');
}

// The first pages side by side on a light grey ground, each with a thin shadow line.
QImage sideBySide(Poppler::Document &pdf)
{
    QList<QImage> pages;
    for (int index = 0; index < std::min(pagesShown, pdf.numPages()); ++index) {
        const std::unique_ptr<Poppler::Page> page = pdf.page(index);
        if (!page || page->pageSizeF().height() <= 0)
            continue;
        const double dotsPerInch = DesignPictures::pageHeight * 72.0 / page->pageSizeF().height();
        pages.append(page->renderToImage(dotsPerInch, dotsPerInch));
    }
    if (pages.isEmpty())
        throw std::runtime_error(QCoreApplication::translate("DesignPictures", "The office laid out no page.").toStdString());
    int width = pageGap;
    for (const QImage &page : pages)
        width += page.width() + pageGap;
    QImage picture(width, DesignPictures::pageHeight + 2 * pageGap, QImage::Format_RGB32);
    picture.fill(QColor(0xe8, 0xe8, 0xe8));
    QPainter painter(&picture);
    int left = pageGap;
    for (const QImage &page : pages) {
        painter.fillRect(left + 2, pageGap + 2, page.width(), page.height(), QColor(0xb0, 0xb0, 0xb0));
        painter.drawImage(left, pageGap, page);
        left += page.width() + pageGap;
    }
    return picture;
}

} // namespace

DesignPictures::DesignPictures(PaperSize paper)
    : m_paper(paper)
{
}

QString DesignPictures::keptFile(const CalendarDesign &design) const
{
    const QString kept = folder();
    if (kept.isEmpty())
        return {};
    QByteArray bytes;
    try {
        bytes = templateBytes(design, m_paper);
    } catch (const std::runtime_error &) {
        return {};
    }
    const QString digest = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16));
    return kept + QLatin1Char('/') + namePrefix(design, m_paper) + digest + QStringLiteral(".png");
}

QImage DesignPictures::kept(const CalendarDesign &design) const
{
    const QString file = keptFile(design);
    return file.isEmpty() ? QImage() : QImage(file, "PNG");
}

QImage DesignPictures::draw(WordApplication &word, const CalendarDesign &design) const
{
    const QString stem = QStringLiteral("design-") + namePrefix(design, m_paper);
    const QString templatePath = TempFolder::file(stem + QStringLiteral("template.dot"));
    const QString pdfPath = TempFolder::file(stem + QStringLiteral("pages.pdf"));
    const auto removeFiles = qScopeGuard([&] {
        DeleteFileRobust(templatePath);
        DeleteFileRobust(pdfPath);
    });
    FileReplacement::replace(templatePath, FileReplacement::Kind::Private, templateBytes(design, m_paper));
    word.openDocument(templatePath, true);
    DocumentExport::fromOpenDocument(word, pdfPath, DocumentFormat::Pdf, FileReplacement::Kind::Private);
    word.closeDocumentWithoutSaving();

    const std::unique_ptr<Poppler::Document> pdf = PdfDocument::fromFile(pdfPath);
    if (!pdf)
        throw std::runtime_error(QCoreApplication::translate("DesignPictures", "The office laid out no page.").toStdString());
    const QImage picture = sideBySide(*pdf);
    keep(design, picture);
    return picture;
}

void DesignPictures::keep(const CalendarDesign &design, const QImage &picture) const
{
    const QString file = keptFile(design);
    if (file.isEmpty() || !QDir().mkpath(folder()))
        return;
    QSaveFile saved(file);
    if (!saved.open(QIODevice::WriteOnly) || !picture.save(&saved, "PNG") || !saved.commit())
        return;
    const QString keptName = QFileInfo(file).fileName();
    QDir kept(folder());
    for (const QString &older : kept.entryList({namePrefix(design, m_paper) + QStringLiteral("*.png")}, QDir::Files))
        if (older != keptName)
            kept.remove(older);
}
