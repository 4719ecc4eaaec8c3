// Preparing a calendar's thirteen pictures from 24-megapixel phone photos: the time each
// takes beside a plain full decode of the same file (the least any program does with it),
// and the program's peak memory.
//
//     picture_bench [pictures]

#include "bench/BenchFigures.h"
#include "core/entry/PicturePreparation.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A photo-like 6000 × 4000 JPEG: gradients, shapes and grain, so that it compresses as a
// camera's does (several megabytes), written once.
QString cameraPhoto(const QTemporaryDir &folder, int number)
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

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 13;
    QTemporaryDir folder;
    QStringList photos;
    for (int i = 0; i < count; ++i)
        photos.append(cameraPhoto(folder, i));
    std::printf("%d photos of 6000 x 4000 pixels, %.1f MB each on average\n", count,
                double(QDir(folder.path()).entryInfoList(QDir::Files).first().size()) / 1e6);
    malloc_trim(0);
    const double before = memoryOf(QStringLiteral("self")).now;

    // The place of a month picture on an A4 wall calendar: 186 × 100 mm. The pictures are
    // prepared first, so that the peak below is the preparation's own.
    const QSizeF place(186.0, 100.0);
    QList<double> prepared;
    qint64 bytes = 0;
    for (const QString &photo : photos) {
        QElapsedTimer timer;
        timer.start();
        bytes += PicturePreparation::prepare(photo, {place}).first().size();
        prepared.append(timer.nsecsElapsed() / 1e6);
    }
    const double peak = memoryOf(QStringLiteral("self")).peak;
    QList<double> decoded;
    for (const QString &photo : photos) {
        QElapsedTimer timer;
        timer.start();
        const QImage whole = QImageReader(photo).read();
        decoded.append(timer.nsecsElapsed() / 1e6);
    }
    std::printf("prepare one picture (crop, scale to 300 ppi, JPEG): median %.0f ms, slowest %.0f ms\n",
                median(prepared), *std::max_element(prepared.cbegin(), prepared.cend()));
    std::printf("floor, a plain full decode of the same file:      median %.0f ms\n", median(decoded));
    std::printf("ratio: %.2f\n", median(prepared) / median(decoded));
    std::printf("prepared copies: %.1f MB for %d pictures\n", bytes / 1e6, count);
    std::printf("memory before: %.0f MB; peak while preparing: %.0f MB (peak after the full decodes: %.0f MB)\n",
                before, peak, memoryOf(QStringLiteral("self")).peak);
    return 0;
}
