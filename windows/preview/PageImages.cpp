#include "windows/preview/PageImages.h"

#include <QImageReader>

#include <stdexcept>
#include <string>

void PageImages::ensure(int index)
{
    if (index < 0)
        throw std::out_of_range("Subscript out of range");
    while (Image1.size() <= index)
        Image1.append(QImage());
}

void PageImages::load(int index, const QString &file)
{
    if (index < 0 || index >= Image1.size())
        throw std::out_of_range("Control array element " + std::to_string(index) + " doesn't exist");
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        throw std::runtime_error("Invalid picture: " + reader.errorString().toStdString());
    Image1[index] = picture;
}

void PageImages::clear(int index)
{
    if (index >= 0 && index < Image1.size())
        Image1[index] = QImage();
}
