#include "tests/support/TestMain.h"

#include "core/wordgen/PagePicture.h"
#include "core/shell/TempFolder.h"
#include "core/wordgen/ClipboardPicture.h"
#include "core/wordgen/DocumentNameGenerator.h"
#include "core/wordgen/PageSnapshot.h"

#include <QDir>
#include <QPainter>
#include <QTest>

#include <set>

namespace {

QList<int> draw(DocumentNameGenerator &generator, int count)
{
    QList<int> digits;
    for (int i = 0; i < count; ++i) {
        generator.reseed();
        digits.append(generator.drawDigit());
    }
    return digits;
}

} // namespace

// The small pieces of a build: the name digits, the clipboard reader and the snapshot file.
class NameDigitsClipboardSnapshotTest : public QObject
{
    Q_OBJECT

private slots:
    void digitsAreOneToNine()
    {
        int second = 0;
        DocumentNameGenerator generator([&second] { return second++ / 3; });
        const QList<int> digits = draw(generator, 9000);
        const std::set<int> seen(digits.cbegin(), digits.cend());
        QCOMPARE(seen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }

    // Re-seeding with the seed of the previous draw continues the sequence; a new seed
    // starts the sequence that belongs to it.
    void reseedingFollowsTheTimeOfDay()
    {
        int second = 100;
        DocumentNameGenerator generator([&second] { return second; });
        const QList<int> first = draw(generator, 8);
        const QList<int> continued = draw(generator, 8);
        QVERIFY(first != continued);

        second = 101;
        const QList<int> otherSecond = draw(generator, 8);
        second = 100;
        QCOMPARE(draw(generator, 8), first);

        DocumentNameGenerator fresh([] { return 101; });
        QCOMPARE(draw(fresh, 8), otherSecond);
    }

    void clipboardIsReadUntilAPictureComes_data()
    {
        QTest::addColumn<int>("failedReads");
        QTest::addColumn<int>("expectedReads");
        QTest::addColumn<bool>("expectPicture");
        QTest::newRow("first read") << 0 << 1 << true;
        QTest::newRow("last allowed read") << 999 << 1000 << true;
        QTest::newRow("never") << 5000 << 1000 << false;
    }

    void clipboardIsReadUntilAPictureComes()
    {
        QFETCH(int, failedReads);
        QFETCH(int, expectedReads);
        QFETCH(bool, expectPicture);
        int reads = 0;
        const QImage picture = ClipboardPicture::readFrom([&] {
            return ++reads > failedReads ? QImage(4, 4, QImage::Format_RGB32) : QImage();
        });
        QCOMPARE(reads, expectedReads);
        QCOMPARE(!picture.isNull(), expectPicture);
    }

    // The snapshot gives back exactly the picture it was given, resolution included,
    // whatever its name says.
    void snapshotKeepsThePicture_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<bool>("coloured");
        QTest::newRow("opaque") << QImage::Format_RGB32 << true;
        QTest::newRow("opaque, greys only (a rendered page)") << QImage::Format_RGB32 << false;
        QTest::newRow("transparent") << QImage::Format_ARGB32 << true;
    }

    void snapshotKeepsThePicture()
    {
        QFETCH(QImage::Format, format);
        QFETCH(bool, coloured);
        QImage picture(1224, 1584, format);
        picture.fill(QColor(255, 255, 255, format == QImage::Format_ARGB32 ? 128 : 255));
        QPainter painter(&picture);
        painter.drawText(QRect(0, 0, 1224, 400), Qt::AlignCenter, QStringLiteral("January"));
        painter.fillRect(100, 500, 7, 3, coloured ? QColor(10, 200, 30) : QColor(77, 77, 77));
        painter.fillRect(0, 1583, 1224, 1, QColor(1, 1, 1));
        painter.end();
        PagePicture::setNaturalWidth(picture, 340);
        const QString file = TempFolder::file(PageSnapshot::fileName());

        PageSnapshot::save(picture, file);
        const QImage back(file);
        QDir().remove(file);

        QCOMPARE(back.convertToFormat(format), picture);
        QCOMPARE(back.dotsPerMeterX(), picture.dotsPerMeterX());
        QCOMPARE(PagePicture::naturalSize(back), QSize(340, 440));
    }
};

DAYBLOOM_TEST_MAIN(NameDigitsClipboardSnapshotTest)
#include "NameDigitsClipboardSnapshotTest.moc"
