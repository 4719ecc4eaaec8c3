#include "core/preview/PdfDocument.h"

#include <poppler-qt6.h>

namespace {

std::unique_ptr<Poppler::Document> prepared(std::unique_ptr<Poppler::Document> document)
{
    if (!document || document->isLocked() || document->numPages() < 1)
        return nullptr;
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    document->setPaperColor(Qt::white);
    return document;
}

} // namespace

std::unique_ptr<Poppler::Document> PdfDocument::fromData(const QByteArray &pdf)
{
    return prepared(Poppler::Document::loadFromData(pdf));
}

std::unique_ptr<Poppler::Document> PdfDocument::fromFile(const QString &path)
{
    return prepared(Poppler::Document::load(path));
}
