#include "tests/support/RecordingPreviewPages.h"
#include "tests/support/ReportedErrors.h"
#include "tests/support/FakeWordEngine.h"
#include "tests/support/BusyCount.h"
#include "tests/support/TestMain.h"

#include "core/wordgen/PagePicture.h"
#include "core/shell/TempFolder.h"
#include "core/wordgen/ClipboardPicture.h"
#include "core/wordgen/PageCapture.h"
#include "tests/support/TestPictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

QString makeDocument(const QString &name)
{
    const QString path = TempFolder::file(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("saved calendar") < 0)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QStringList pageItems(int count)
{
    QStringList items;
    for (int n = 1; n <= count; ++n)
        items.append(QStringLiteral("Page ") + QString::number(n));
    return items;
}

bool samePicture(const QImage &actual, const QImage &expected)
{
    return TestPictures::samePage(actual, expected);
}

} // namespace

class PageCaptureTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        takeReportedErrors();
        ClipboardPicture::clear();
    }

    void cleanup() { QVERIFY(!QFile::exists(TempFolder::file(QStringLiteral("temp.bmp")))); }

    void picturesEveryPageInOrder()
    {
        FakeWordEngine engine;
        RecordingPreviewPages preview;
        BusyCount busy;
        const QString document = makeDocument(QStringLiteral("kestrel11111111.doc"));

        PageCapture(engine, preview, busy.showBusy()).SaveDocAsJPG(document);

        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(preview.items, pageItems(6));
        QCOMPARE(preview.images.size(), 6);
        for (int n = 1; n <= 6; ++n)
            QVERIFY2(samePicture(preview.images[n - 1], FakeWordEngine::pagePicture(document, n)),
                     qPrintable(QStringLiteral("page %1").arg(n)));
        QCOMPARE(PagePicture::naturalSize(preview.images[0]), QSize(340, 440));
        // Opened for editing (its pages are deleted), then closed without saving.
        QCOMPARE(engine.calls(FakeOperation::OpenDocument).at(0).arguments, document);
        QCOMPARE(engine.calls(FakeOperation::DeleteSelection).size(), 5);
        QCOMPARE(engine.calls(FakeOperation::EndKeyExtend).size(), 1);
        QCOMPARE(engine.calls(FakeOperation::CloseDocumentWithoutSaving).size(), 1);
        QCOMPARE(engine.calls(FakeOperation::CloseDocument).size(), 0);
        QCOMPARE(engine.calls().constLast().operation, FakeOperation::Quit);
        QCOMPARE(engine.liveInstances(), 0);
        QCOMPARE(engine.instancesEndedWithoutQuit(), 0);
        // Busy at every page; the builder restores the pointer, not the capture.
        QCOMPARE(busy.shown, 6);
    }

    void shortDocumentTakesOnePass_data()
    {
        QTest::addColumn<int>("pageCount");
        QTest::newRow("one page") << 1;
        QTest::newRow("no page count") << 0;
    }

    void shortDocumentTakesOnePass()
    {
        QFETCH(int, pageCount);
        FakeWordEngine engine;
        engine.setPageCount(pageCount);
        RecordingPreviewPages preview;
        BusyCount busy;
        const QString document = makeDocument(QStringLiteral("kestrel22222222.doc"));

        PageCapture(engine, preview, busy.showBusy()).SaveDocAsJPG(document);

        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(preview.items, pageItems(1));
        QVERIFY(samePicture(preview.images[0], FakeWordEngine::pagePicture(document, 1)));
        QCOMPARE(engine.calls(FakeOperation::CopyAsPicture).size(), 1);
        QCOMPARE(engine.calls(FakeOperation::DeleteSelection).size(), 0);
        QCOMPARE(engine.calls(FakeOperation::GoToNextPage).size(), 0);
    }

    void laterCaptureReusesElementsAndListsOnlyItsPages()
    {
        FakeWordEngine engine;
        RecordingPreviewPages preview;
        BusyCount busy;
        const QString first = makeDocument(QStringLiteral("kestrel33333333.doc"));
        const QString second = makeDocument(QStringLiteral("kestrel44444444.doc"));
        PageCapture(engine, preview, busy.showBusy()).SaveDocAsJPG(first);

        preview.clearPageList();
        engine.setPageCount(3);
        PageCapture(engine, preview, busy.showBusy()).SaveDocAsJPG(second);

        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(preview.items, pageItems(3));
        QCOMPARE(preview.images.size(), 6);
        for (int n = 1; n <= 3; ++n)
            QVERIFY(samePicture(preview.images[n - 1], FakeWordEngine::pagePicture(second, n)));
        for (int n = 4; n <= 6; ++n)
            QVERIFY(samePicture(preview.images[n - 1], FakeWordEngine::pagePicture(first, n)));
    }

    // A first try that fails is made good by a second one with a fresh office: nothing is
    // reported and every page is there, pictured once, by the second office alone.
    void firstTryFailureIsMadeGoodBySecondTry_data()
    {
        QTest::addColumn<std::function<void(FakeWordEngine &)>>("fault");
        QTest::newRow("office lost at page 3") << std::function([](FakeWordEngine &engine) { engine.loseInstanceAt(FakeOperation::CopyAsPicture, 3); });
        QTest::newRow("cannot start") << std::function([](FakeWordEngine &engine) { engine.failCall(FakeOperation::CreateApplication, 1); });
        QTest::newRow("cannot open") << std::function([](FakeWordEngine &engine) { engine.failCall(FakeOperation::OpenDocument, 1); });
        QTest::newRow("no picture of page 2") << std::function([](FakeWordEngine &engine) { engine.leaveNoPictureOnCopy(2); });
        QTest::newRow("page 1 not deleted") << std::function([](FakeWordEngine &engine) { engine.failCall(FakeOperation::DeleteSelection, 1); });
    }

    void firstTryFailureIsMadeGoodBySecondTry()
    {
        QFETCH(std::function<void(FakeWordEngine &)>, fault);
        FakeWordEngine engine;
        fault(engine);
        RecordingPreviewPages preview;
        BusyCount busy;
        const QString document = makeDocument(QStringLiteral("kestrel12121212.doc"));

        PageCapture(engine, preview, busy.showBusy()).SaveDocAsJPG(document);

        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(preview.items, pageItems(6));
        for (int n = 1; n <= 6; ++n)
            QVERIFY2(samePicture(preview.images[n - 1], FakeWordEngine::pagePicture(document, n)),
                     qPrintable(QStringLiteral("page %1").arg(n)));
        QCOMPARE(engine.liveInstances(), 0);
        // The first try's office is done with before the second one is made, and only the
        // second one pictures pages after that.
        const QList<FakeCall> calls = engine.calls();
        const auto secondOfficeStarts = std::find_if(calls.crbegin(), calls.crend(), [](const FakeCall &call) {
            return call.operation == FakeOperation::CreateApplication;
        });
        QVERIFY(secondOfficeStarts != calls.crend());
        QVERIFY(std::all_of(calls.crbegin(), secondOfficeStarts,
                            [&](const FakeCall &call) { return call.instance == secondOfficeStarts->instance; }));
    }

    // A page without a picture in both tries never shows what an earlier build left in its
    // element, nor the picture of the page before it that is still on the clipboard; its
    // one failure is reported once.
    void pageWithoutPictureIsCleared_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("copyFails");
        QTest::addColumn<QStringList>("reports");
        QTest::newRow("clipboard empty, page 1") << 1 << false << QStringList{"SaveDocAsJPG:148"};
        QTest::newRow("clipboard empty, page 4") << 4 << false << QStringList{"SaveDocAsJPG:148"};
        QTest::newRow("copy fails, page 4") << 4 << true << QStringList{"SaveDocAsJPG:132"};
    }

    void pageWithoutPictureIsCleared()
    {
        QFETCH(int, page);
        QFETCH(bool, copyFails);
        QFETCH(QStringList, reports);
        FakeWordEngine engine;
        RecordingPreviewPages preview;
        BusyCount busy;
        PageCapture(engine, preview, busy.showBusy()).SaveDocAsJPG(makeDocument(QStringLiteral("kestrel55555555.doc")));
        preview.clearPageList();
        // The page's copy in each try: the build above made six copies, each try makes six.
        for (const int copy : {6 + page, 12 + page}) {
            if (copyFails)
                engine.failCall(FakeOperation::CopyAsPicture, copy);
            else
                engine.leaveNoPictureOnCopy(copy);
        }
        const QString document = makeDocument(QStringLiteral("kestrel66666666.doc"));

        PageCapture(engine, preview, busy.showBusy()).SaveDocAsJPG(document);

        QCOMPARE(takeReportedErrors(), reports);
        QCOMPARE(preview.items, pageItems(6));
        for (int n = 1; n <= 6; ++n) {
            if (n == page)
                QVERIFY(preview.images[n - 1].isNull());
            else
                QVERIFY(samePicture(preview.images[n - 1], FakeWordEngine::pagePicture(document, n)));
        }
    }

    // Without an instance or a document nothing can be pictured: one report, no page,
    // and whatever the clipboard held is not taken for a page.
    void officeFailureReportsOnce_data()
    {
        QTest::addColumn<FakeOperation>("failing");
        QTest::addColumn<QString>("report");
        QTest::newRow("cannot start") << FakeOperation::CreateApplication << QStringLiteral("SaveDocAsJPG:116");
        QTest::newRow("cannot open") << FakeOperation::OpenDocument << QStringLiteral("SaveDocAsJPG:118");
    }

    void officeFailureReportsOnce()
    {
        QFETCH(FakeOperation, failing);
        QFETCH(QString, report);
        FakeWordEngine engine;
        engine.failAlways(failing);
        RecordingPreviewPages preview;
        BusyCount busy;
        ClipboardPicture::put(FakeWordEngine::pagePicture(QStringLiteral("other.doc"), 1));

        PageCapture(engine, preview, busy.showBusy()).SaveDocAsJPG(makeDocument(QStringLiteral("kestrel77777777.doc")));

        QCOMPARE(takeReportedErrors(), QStringList{report});
        QCOMPARE(preview.items, QStringList());
        QVERIFY(preview.images[0].isNull());
        QCOMPARE(engine.liveInstances(), 0);
    }

    // The statement's first call fails in each try (the second try's first call of it is
    // call secondTry); closing and ending the office come after the pages are pictured, and
    // their failure costs no second try.
    void failingStatementReportsItsLabel_data()
    {
        QTest::addColumn<FakeOperation>("failing");
        QTest::addColumn<int>("secondTry");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<QString>("report");
        QTest::newRow("repaginate") << FakeOperation::Repaginate << 2 << 6 << QStringLiteral("SaveDocAsJPG:120");
        QTest::newRow("page count") << FakeOperation::PageCount << 2 << 1 << QStringLiteral("SaveDocAsJPG:122");
        QTest::newRow("end key") << FakeOperation::EndKeyExtend << 2 << 6 << QStringLiteral("SaveDocAsJPG:140");
        QTest::newRow("go to") << FakeOperation::GoToNextPage << 6 << 6 << QStringLiteral("SaveDocAsJPG:142");
        QTest::newRow("home key") << FakeOperation::HomeKeyExtend << 6 << 6 << QStringLiteral("SaveDocAsJPG:144");
        QTest::newRow("delete") << FakeOperation::DeleteSelection << 6 << 6 << QStringLiteral("SaveDocAsJPG:146");
        QTest::newRow("close") << FakeOperation::CloseDocumentWithoutSaving << 0 << 6 << QStringLiteral("SaveDocAsJPG:166");
        QTest::newRow("quit") << FakeOperation::Quit << 0 << 6 << QStringLiteral("SaveDocAsJPG:168");
    }

    // One failing statement costs one report and the capture goes on with the next one.
    void failingStatementReportsItsLabel()
    {
        QFETCH(FakeOperation, failing);
        QFETCH(int, secondTry);
        QFETCH(int, pageCount);
        QFETCH(QString, report);
        FakeWordEngine engine;
        engine.failCall(failing, 1);
        if (secondTry > 0)
            engine.failCall(failing, secondTry);
        RecordingPreviewPages preview;
        BusyCount busy;

        PageCapture(engine, preview, busy.showBusy()).SaveDocAsJPG(makeDocument(QStringLiteral("kestrel88888888.doc")));

        QCOMPARE(takeReportedErrors(), QStringList{report});
        QCOMPARE(preview.items, pageItems(pageCount));
        QCOMPARE(engine.liveInstances(), 0);
        QCOMPARE(engine.instancesCreated(), secondTry > 0 ? 2 : 1);
    }
};

DAYBLOOM_TEST_MAIN(PageCaptureTest)
#include "PageCaptureTest.moc"
