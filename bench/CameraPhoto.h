#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>

// A photo-like 6000 × 4000 JPEG: gradients, shapes and grain, so that it compresses as a
// camera's does (several megabytes), written once.
inline QString cameraPhoto(const QTemporaryDir &folder, int number)
{
    QImage photo(6000, 4000, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, 0, 4000);
    sky.setColorAt(0, QColor::fromHsv((number * 27) % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv((number * 27 + 90) % 360, 160, 90));
    painter.fillRect(photo.rect(), sky);
    QRandomGenerator random(quint32(number + 1));
    for (int shape = 0; shape < 400; ++shape) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 140, 60 + random.bounded(190)));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(random.bounded(6000), random.bounded(4000), 40 + random.bounded(600), 40 + random.bounded(600));
    }
    painter.end();
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int grain = int(random.bounded(24)) - 12;
            line[x] = qRgb(std::clamp(qRed(line[x]) + grain, 0, 255), std::clamp(qGreen(line[x]) + grain, 0, 255),
                           std::clamp(qBlue(line[x]) + grain, 0, 255));
        }
    }
    const QString path = folder.filePath(QStringLiteral("photo%1.jpg").arg(number));
    photo.save(path, "JPEG", 92);
    return path;
}

