#include "tests/support/RecordingPreviewPages.h"

#include <stdexcept>

void RecordingPreviewPages::clearPageList()
{
    items.clear();
}

void RecordingPreviewPages::addPageListItem(const QString &text)
{
    items.append(text);
}

int RecordingPreviewPages::pageListCount() const
{
    return static_cast<int>(items.size());
}

void RecordingPreviewPages::ensurePageImage(int index)
{
    while (images.size() <= index)
        images.append(QImage());
}

void RecordingPreviewPages::loadPageImage(int index, const QString &file)
{
    QImage picture(file);
    if (picture.isNull())
        throw std::runtime_error("Invalid picture");
    element(index) = picture;
}

void RecordingPreviewPages::clearPageImage(int index)
{
    element(index) = QImage();
}

QImage RecordingPreviewPages::pageImage(int index) const
{
    return images.value(index);
}

void RecordingPreviewPages::showFirstPage()
{
    firstPageShown = images.at(0);
}

void RecordingPreviewPages::setWordFile(const QString &path)
{
    wordFile = path;
}

void RecordingPreviewPages::showPreview()
{
    ++showCount;
}

QImage &RecordingPreviewPages::element(int index)
{
    if (index < 0 || index >= images.size())
        throw std::runtime_error("Control array element does not exist");
    return images[index];
}
