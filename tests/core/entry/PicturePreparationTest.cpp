#include "core/entry/PictureLibrary.h"
#include "core/entry/PicturePlaces.h"
#include "core/entry/PicturePreparation.h"
#include "core/entry/PictureReader.h"
#include "core/shell/CalendarEntryStore.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestPictures.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Pictures the person chooses: turned upright, cropped to their place, never enlarged,
// every unusable file refused with its name and reason, and the kept copy independent of
// the original.
class PicturePreparationTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cropsUprightToThePlace_data();
    void cropsUprightToThePlace();
    void refusesWhatItCannotUse_data();
    void refusesWhatItCannotUse();
    void readsHeic();
    void keptCopyOutlivesTheOriginal();

private:
    QString file(const QString &name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

namespace {

const QSizeF monthPlace(190.5, 100.0); // millimetres: 2250 × 1181 pixels at 300 per inch

QImage decoded(const QByteArray &jpeg)
{
    return QImage::fromData(jpeg, "JPEG");
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool near(const QColor &colour, Qt::GlobalColor expected)
{
    const QColor wanted(expected);
    return std::abs(colour.red() - wanted.red()) < 40 && std::abs(colour.green() - wanted.green()) < 40
        && std::abs(colour.blue() - wanted.blue()) < 40;
}

QByteArray bigEndian(quint32 value)
{
    const char bytes[] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    return QByteArray(bytes, 4);
}

// A PNG chunk with its length and checksum.
QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    const QByteArray checked = type + data;
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : checked) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return bigEndian(quint32(data.size())) + checked + bigEndian(crc ^ 0xFFFFFFFF);
}

// A PNG that claims the size in its header and holds almost nothing.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray header = bigEndian(width) + bigEndian(height);
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", QByteArray(8, '\0'))
        + pngChunk("IEND", {});
}

} // namespace

void PicturePreparationTest::init()
{
    QVERIFY(m_folder.isValid());
}

void PicturePreparationTest::cropsUprightToThePlace_data()
{
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("prepared");
    QTest::addColumn<bool>("redOnTheLeft");
    // A camera's 4:3 photo is cut to the place's shape and scaled to 300 per inch.
    QTest::newRow("large, upright") << QSize(4000, 3000) << 1 << QSize(2250, 1181) << true;
    // A small one keeps its pixels: cut, never enlarged.
    QTest::newRow("small, upright") << QSize(800, 600) << 1 << QSize(800, 420) << true;
    // Stored on its side, marked "turn a quarter clockwise": it comes out upright.
    QTest::newRow("marked as turned") << QSize(3000, 4000) << 6 << QSize(2250, 1181) << true;
    QTest::newRow("marked as upside down") << QSize(4000, 3000) << 3 << QSize(2250, 1181) << true;
}

void PicturePreparationTest::cropsUprightToThePlace()
{
    QFETCH(QSize, stored);
    QFETCH(int, orientation);
    // What the camera saw, stored the way the mark undoes.
    const QImage seen = TestPictures::marked(std::max(stored.width(), stored.height()),
                                             std::min(stored.width(), stored.height()));
    const int undone = orientation == 6 ? -90 : orientation == 3 ? 180 : 0;
    const QString path = file(QStringLiteral("photo.jpg"));
    TestPictures::write(path, TestPictures::withOrientation(
                                  TestPictures::encoded(seen.transformed(QTransform().rotate(undone)), "JPEG"),
                                  quint16(orientation)));

    const QImage prepared = decoded(PicturePreparation::prepare(path, {monthPlace}).first());
    QTEST(prepared.size(), "prepared");
    QFETCH(bool, redOnTheLeft);
    const int middle = prepared.height() / 2;
    QVERIFY2(near(prepared.pixelColor(prepared.width() / 8, middle), redOnTheLeft ? Qt::red : Qt::blue),
             qPrintable(prepared.pixelColor(prepared.width() / 8, middle).name()));
    QVERIFY(near(prepared.pixelColor(prepared.width() * 7 / 8, middle), redOnTheLeft ? Qt::blue : Qt::red));
}

void PicturePreparationTest::refusesWhatItCannotUse_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    const QByteArray jpeg = TestPictures::encoded(TestPictures::marked(1200, 900), "JPEG");
    TestPictures::write(file(QStringLiteral("notes.jpg")), "Mom Birthday\n");
    TestPictures::write(file(QStringLiteral("cut.jpg")), jpeg.left(jpeg.size() / 2));
    TestPictures::write(file(QStringLiteral("huge.png")), pngClaiming(20000, 20000));
    QDir(m_folder.path()).mkdir(QStringLiteral("folder.jpg"));
    QTest::newRow("not a picture") << file(QStringLiteral("notes.jpg")) << "it is not a picture";
    QTest::newRow("cut short") << file(QStringLiteral("cut.jpg")) << "the picture is damaged";
    QTest::newRow("20000 x 20000") << file(QStringLiteral("huge.png")) << "it is too large: 20000 × 20000 pixels";
    QTest::newRow("a folder") << file(QStringLiteral("folder.jpg")) << "it is a folder";
    QTest::newRow("a device") << QStringLiteral("/dev/zero") << "it is not a regular file";
    QTest::newRow("missing") << file(QStringLiteral("gone.jpg")) << "No such file";
}

void PicturePreparationTest::refusesWhatItCannotUse()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);
    try {
        PicturePreparation::prepare(path, {monthPlace});
        QFAIL("the file was used");
    } catch (const PictureReader::Failure &failure) {
        const QString message = QString::fromStdString(failure.what());
        QVERIFY2(message.contains(path) && failure.reason().contains(reason), qPrintable(message));
    }
}

void PicturePreparationTest::readsHeic()
{
    const QString encoder = QStandardPaths::findExecutable(QStringLiteral("heif-enc"));
    if (encoder.isEmpty())
        QSKIP("heif-enc (libheif-examples) is needed to make a HEIC picture");
    const QString jpeg = file(QStringLiteral("phone.jpg"));
    const QString heic = file(QStringLiteral("phone.heic"));
    TestPictures::write(jpeg, TestPictures::encoded(TestPictures::marked(1600, 1200), "JPEG"));
    QCOMPARE(QProcess::execute(encoder, {QStringLiteral("-q"), QStringLiteral("90"), jpeg, QStringLiteral("-o"), heic}), 0);
    const QImage prepared = decoded(PicturePreparation::prepare(heic, {monthPlace}).first());
    QCOMPARE(prepared.size(), QSize(1600, 840));
    QVERIFY(near(prepared.pixelColor(100, prepared.height() / 2), Qt::red));
}

void PicturePreparationTest::keptCopyOutlivesTheOriginal()
{
    CalendarEntryStore store;
    PictureLibrary library(store);
    const QString original = file(QStringLiteral("cover.jpg"));
    TestPictures::write(original, TestPictures::encoded(TestPictures::marked(1200, 1000), "JPEG"));
    // The cover on two papers: a square place and a taller one, one copy each.
    const QSizeF square(100, 100);
    const QSizeF tall(100, 120);
    library.choose(PicturePlaces::cover, original, {square, tall});
    QVERIFY(QFile::remove(original));
    QCOMPARE(decoded(contentOf(library.path(PicturePlaces::cover, square))).size(), QSize(1000, 1000));
    QCOMPARE(decoded(contentOf(library.path(PicturePlaces::cover, tall))).size(), QSize(833, 1000));
    // A shape it has no copy for takes the nearest one.
    QCOMPARE(library.path(PicturePlaces::cover, QSizeF(90, 91)), library.path(PicturePlaces::cover, square));
    const QString kept = library.path(PicturePlaces::cover, square);
    QVERIFY(kept.startsWith(PictureLibrary::folder()));

    // A new choice replaces the copies; removing leaves no copy and no name.
    TestPictures::write(original, TestPictures::encoded(TestPictures::marked(900, 900), "JPEG"));
    library.choose(PicturePlaces::cover, original, {square});
    QVERIFY(library.path(PicturePlaces::cover, square) != kept);
    QCOMPARE(QDir(PictureLibrary::folder()).entryList(QDir::Files).size(), 1);
    library.remove(PicturePlaces::cover);
    QVERIFY(!library.hasPicture(PicturePlaces::cover));
    QVERIFY(library.path(PicturePlaces::cover, square).isEmpty());
    QCOMPARE(QDir(PictureLibrary::folder()).entryList(QDir::Files), QStringList());
    QCOMPARE(store.picture(QStringLiteral("cover")), QString());
}

DAYBLOOM_TEST_MAIN(PicturePreparationTest)
#include "PicturePreparationTest.moc"
