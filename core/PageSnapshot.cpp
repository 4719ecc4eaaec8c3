#include "core/PageSnapshot.h"

#include <QImageWriter>

#include <stdexcept>

void PageSnapshot::save(const QImage &picture, const QString &file)
{
    if (picture.isNull())
        throw std::runtime_error("The clipboard holds no picture of the page.");
    QImageWriter writer(file, picture.hasAlphaChannel() ? "png" : "bmp");
    if (!writer.write(picture))
        throw std::runtime_error(QStringLiteral("Cannot write the page picture to %1: %2")
                                     .arg(file, writer.errorString())
                                     .toStdString());
}
