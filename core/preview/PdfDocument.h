#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace Poppler {
class Document;
}

// Opens laid-out pages from a PDF for drawing, set up the one way the program draws them:
// antialiased text and lines on white paper. Both return nothing when the PDF is missing,
// damaged, locked or holds no page.
namespace PdfDocument {

std::unique_ptr<Poppler::Document> fromData(const QByteArray &pdf);
std::unique_ptr<Poppler::Document> fromFile(const QString &path);

} // namespace PdfDocument
