#include "office/RenderedPages.h"

#include "core/preview/PdfDocument.h"
#include "core/wordgen/OfficeError.h"
#include "core/wordgen/PagePicture.h"

#include <poppler-qt6.h>

#include <algorithm>

namespace {

constexpr double pointsPerInch = 72.0; // the unit of a PDF page's size

std::unique_ptr<Poppler::Document> load(const QByteArray &pdf)
{
    std::unique_ptr<Poppler::Document> document = PdfDocument::fromData(pdf);
    if (!document)
        throw OfficeError(QStringLiteral("The office's pages could not be read."));
    return document;
}

} // namespace

RenderedPages::RenderedPages(const QByteArray &pdf, double pixelRatio)
    : m_pictureWidthPixels(widestViewOfNaturalWidth * naturalWidthPixels * std::max(1.0, pixelRatio))
{
    // Two threads, each on a document of its own (a document is not to be shared between
    // threads), render the odd and the even pages, first pages first: the first picture is
    // there while the others are still being drawn.
    std::unique_ptr<Poppler::Document> odd = load(pdf);
    std::unique_ptr<Poppler::Document> even = load(pdf);
    m_pictures.resize(odd->numPages());
    m_rendered.assign(size_t(odd->numPages()), false);
    m_renderers.emplace_back([this, document = std::shared_ptr<Poppler::Document>(std::move(odd))] { render(*document, 0); });
    m_renderers.emplace_back([this, document = std::shared_ptr<Poppler::Document>(std::move(even))] { render(*document, 1); });
}

RenderedPages::~RenderedPages()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    for (std::thread &renderer : m_renderers)
        renderer.join();
}

void RenderedPages::render(const Poppler::Document &document, int first)
{
    for (int index = first; index < int(m_pictures.size()); index += 2) {
        {
            const std::lock_guard lock(m_mutex);
            if (m_stopping)
                return;
        }
        QImage picture;
        if (const std::unique_ptr<Poppler::Page> page = document.page(index); page && page->pageSizeF().width() > 0) {
            const double dotsPerInch = m_pictureWidthPixels * pointsPerInch / page->pageSizeF().width();
            picture = page->renderToImage(dotsPerInch, dotsPerInch);
            if (!picture.isNull())
                PagePicture::setNaturalWidth(picture, naturalWidthPixels);
        }
        const std::lock_guard lock(m_mutex);
        m_pictures[index] = picture;
        m_rendered[size_t(index)] = true;
        m_changed.notify_all();
    }
}

int RenderedPages::count() const
{
    return int(m_pictures.size());
}

QImage RenderedPages::picture(int number) const
{
    if (number < 1 || number > count())
        throw OfficeError(QStringLiteral("Page %1 of %2 does not exist.").arg(number).arg(count()));
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return bool(m_rendered[size_t(number - 1)]); });
    const QImage picture = m_pictures.at(number - 1);
    if (picture.isNull())
        throw OfficeError(QStringLiteral("Page %1 could not be rendered.").arg(number));
    return picture;
}

QImage RenderedPages::blankPicture() const
{
    QImage blank = picture(1);
    blank.fill(Qt::white);
    return blank;
}
