#include "office/LaidOutPages.h"

#include "core/wordgen/OfficeError.h"
#include "office/OfficeDocument.h"
#include "office/RenderedPages.h"

#include <QFile>
#include <QScopeGuard>

LaidOutPages::LaidOutPages(QString scratchFolder)
    : m_scratchFolder(std::move(scratchFolder))
{
}

LaidOutPages::~LaidOutPages() = default;

RenderedPages &LaidOutPages::of(OfficeDocument &document, double pixelRatio)
{
    if (!m_pages) {
        const QString pdfPath = m_scratchFolder + QStringLiteral("/pages.pdf");
        const auto removePdf = qScopeGuard([&] { QFile::remove(pdfPath); });
        document.exportPdf(pdfPath);
        QFile pdf(pdfPath);
        if (!pdf.open(QIODevice::ReadOnly))
            throw OfficeError(QStringLiteral("The office's pages could not be read: %1").arg(pdf.errorString()));
        m_pages = std::make_unique<RenderedPages>(pdf.readAll(), pixelRatio);
        m_selection.reset(m_pages->count());
    }
    return *m_pages;
}

void LaidOutPages::forget()
{
    m_pages.reset();
}
