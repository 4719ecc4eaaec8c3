#include "windows/preview/DocumentPrinter.h"

#include "core/preview/PdfDocument.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include <poppler-qt6.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace {

std::unique_ptr<Poppler::Document> load(const QString &pdfFile)
{
    std::unique_ptr<Poppler::Document> document = PdfDocument::fromFile(pdfFile);
    if (!document)
        throw std::runtime_error(QCoreApplication::translate("DocumentPrinter", "the pages of %1 could not be read").arg(pdfFile).toStdString());
    // Drawn with the printer's own painter: text and lines stay sharp at any resolution.
    document->setRenderBackend(Poppler::Document::QPainterBackend);
    return document;
}

} // namespace

int DocumentPrinter::pageCount(const QString &pdfFile)
{
    const std::unique_ptr<Poppler::Document> document = PdfDocument::fromFile(pdfFile);
    return document ? document->numPages() : 0;
}

QPageSize DocumentPrinter::pageSize(const QString &pdfFile)
{
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(pdfFile);
    const std::unique_ptr<Poppler::Page> first = document && !document->isLocked() ? document->page(0) : nullptr;
    if (!first)
        return QPageSize(QPageSize::Letter);
    return QPageSize(first->pageSizeF(), QPageSize::Point, QString(), QPageSize::FuzzyMatch);
}

void DocumentPrinter::print(const QString &pdfFile, QPrinter &printer)
{
    const std::unique_ptr<Poppler::Document> document = load(pdfFile);
    const int last = document->numPages();
    const int from = printer.fromPage() > 0 ? std::min(printer.fromPage(), last) : 1;
    const int to = printer.toPage() > 0 ? std::min(printer.toPage(), last) : last;
    // A printer that makes copies itself is asked to; otherwise each copy is sent.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    printer.setFullPage(true);

    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(QCoreApplication::translate("DocumentPrinter", "the printer %1 refused the job").arg(printer.printerName()).toStdString());
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    bool first = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (int number = from; number <= to; ++number) {
            const std::unique_ptr<Poppler::Page> page = document->page(number - 1);
            if (!page)
                continue;
            if (!first && !printer.newPage())
                throw std::runtime_error("the printer stopped taking pages");
            first = false;
            // The page fills the paper at the printer's resolution; on paper of another
            // shape it keeps its proportions and is centred.
            const QSizeF points = page->pageSizeF();
            const double dotsPerPoint = std::min(paper.width() / points.width(), paper.height() / points.height());
            painter.save();
            painter.translate((paper.width() - points.width() * dotsPerPoint) / 2,
                              (paper.height() - points.height() * dotsPerPoint) / 2);
            page->renderToPainter(&painter, 72.0 * dotsPerPoint, 72.0 * dotsPerPoint);
            painter.restore();
        }
    }
    if (!painter.end())
        throw std::runtime_error(QCoreApplication::translate("DocumentPrinter", "the printer %1 did not take the job").arg(printer.printerName()).toStdString());
}
