#include "office/RenderedPages.h"

#include "core/PagePicture.h"
#include "core/OfficeError.h"

#include <poppler-qt6.h>

RenderedPages::RenderedPages(const QByteArray &pdf)
    : m_document(Poppler::Document::loadFromData(pdf))
{
    if (!m_document || m_document->isLocked() || m_document->numPages() < 1)
        throw OfficeError(QStringLiteral("The office's pages could not be read."));
    m_document->setRenderHint(Poppler::Document::Antialiasing);
    m_document->setRenderHint(Poppler::Document::TextAntialiasing);
    m_document->setPaperColor(Qt::white);
}

RenderedPages::~RenderedPages() = default;

int RenderedPages::count() const
{
    return m_document->numPages();
}

QImage RenderedPages::picture(int number) const
{
    const std::unique_ptr<Poppler::Page> page = number >= 1 && number <= count() ? m_document->page(number - 1) : nullptr;
    if (!page)
        throw OfficeError(QStringLiteral("Page %1 of %2 does not exist.").arg(number).arg(count()));
    QImage picture = page->renderToImage(renderDotsPerInch, renderDotsPerInch);
    if (picture.isNull())
        throw OfficeError(QStringLiteral("Page %1 could not be rendered.").arg(number));
    PagePicture::setNaturalWidth(picture, naturalWidthPixels);
    return picture;
}

QImage RenderedPages::blankPicture() const
{
    QImage blank = picture(1);
    blank.fill(Qt::white);
    return blank;
}
