// Preparing a calendar's thirteen pictures from 24-megapixel phone photos as the Pictures
// dialog does (every shape the designs give each place, as many at once as there are
// processors, kept in the program's data folder): the time a picture takes, and each
// picture's share of the whole, beside a plain full decode of the same file (the least any
// program does with it), and the program's peak memory.
//
//     picture_bench [pictures]

#include "bench/BenchFigures.h"
#include "bench/CameraPhoto.h"
#include "core/entry/BackgroundPictures.h"
#include "core/entry/PicturePlaces.h"
#include "core/entry/PicturePreparation.h"
#include "core/wordgen/CalendarDesigns.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>


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

    // The pictures are prepared first, so that the peak below is the preparation's own; the
    // settings and the kept copies go to a folder of the benchmark's.
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
    QList<BackgroundPictures::Choice> choices;
    for (int i = 0; i < count; ++i) {
        const int place = i % PicturePlaces::count;
        choices.append({place, photos.at(i), CalendarDesigns::pictureShapes(place)});
    }
    QElapsedTimer whole;
    int kept = 0;
    int refused = 0;
    {
        BackgroundPictures work(choices);
        QObject::connect(&work, &BackgroundPictures::kept, &work, [&](int) { ++kept; }, Qt::DirectConnection);
        QObject::connect(&work, &BackgroundPictures::refused, &work, [&](int, const QString &) { ++refused; }, Qt::DirectConnection);
        QEventLoop loop;
        QObject::connect(&work, &BackgroundPictures::ended, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        whole.start();
        work.start();
        loop.exec();
    }
    const double wholeMs = whole.nsecsElapsed() / 1e6;
    qint64 bytes = 0;
    for (const QFileInfo &copy : QDir(folder.filePath(QStringLiteral("data/daybloom/pictures"))).entryInfoList(QDir::Files))
        bytes += copy.size();
    const double peak = memoryOf(QStringLiteral("self")).peak;
    QList<double> decoded;
    for (const QString &photo : photos) {
        QElapsedTimer timer;
        timer.start();
        const QImage whole = QImageReader(photo).read();
        decoded.append(timer.nsecsElapsed() / 1e6);
    }
    if (refused || kept != count) {
        std::printf("%d pictures refused: no figures\n", refused);
        return 1;
    }
    std::printf("%d pictures prepared (every shape of their place, %d at once) in %.0f ms: %.0f ms a picture\n", count,
                QThread::idealThreadCount(), wholeMs, wholeMs / count);
    std::printf("floor, a plain full decode of the same file, one at a time: median %.0f ms\n", median(decoded));
    std::printf("ratio, a picture's share of the whole to the floor: %.2f\n", wholeMs / count / median(decoded));
    std::printf("(the designs give the cover %lld shapes and a month %lld)\n", qlonglong(CalendarDesigns::pictureShapes(0).size()),
                qlonglong(CalendarDesigns::pictureShapes(1).size()));
    std::printf("kept copies: %.1f MB for %d pictures\n", bytes / 1e6, count);
    std::printf("memory before: %.0f MB; peak while preparing: %.0f MB (peak after the full decodes: %.0f MB)\n",
                before, peak, memoryOf(QStringLiteral("self")).peak);
    return 0;
}
