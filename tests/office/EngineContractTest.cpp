// The contract of the office engine interface: the same calls, run on the fake engine that
// the callers' tests use and on the LibreOffice engine, give the same results and fail
// with the same kind of error. A row that fails for the fake only is a drift of the fake.

#include "core/wordgen/ClipboardPicture.h"
#include "core/wordgen/OfficeError.h"
#include "core/wordgen/PagePicture.h"
#include "core/wordgen/WordEngine.h"
#include "office/LibreOfficeEngine.h"
#include "tests/office/LibreOfficeTestSupport.h"
#include "tests/support/FakeWordEngine.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestPictures.h"

#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <functional>
#include <memory>

namespace {

// One engine under test and what the test looks at beside the interface.
struct Subject {
    std::unique_ptr<WordEngine> engine;
    // Offices that run: started and not yet ended (none once the engine has gone).
    std::function<int(const Subject &)> runningOffices;
    // The office of the instance last handed out is lost at its next call: killed, as
    // the system would, or, in the fake, said so.
    std::function<void()> loseOffice;
    std::unique_ptr<WordApplication> word;
};

Subject fakeSubject()
{
    auto fake = std::make_unique<FakeWordEngine>();
    // As the wall calendar's template has them; the classic one has none.
    fake->setBookmarks(FakeWordEngine::wallTextBookmarks(), FakeWordEngine::wallPictureBookmarks());
    FakeWordEngine *engine = fake.get();
    return {std::move(fake), [](const Subject &s) { return s.engine ? static_cast<const FakeWordEngine &>(*s.engine).liveInstances() : 0; },
            [engine] { engine->loseInstanceAt(FakeOperation::SelectCell, int(engine->calls(FakeOperation::SelectCell).size()) + 1); },
            nullptr};
}

Subject officeSubject()
{
    return {std::make_unique<LibreOfficeEngine>(), [](const Subject &) { return int(LibreOfficeTestSupport::officeChildren().size()); },
            [] {
                const QList<pid_t> offices = LibreOfficeTestSupport::officeChildren();
                if (!offices.isEmpty())
                    ::kill(offices.constLast(), SIGKILL);
            },
            nullptr};
}

// A call's result as text: what it returned ("" for nothing), or the kind of its error.
QString outcome(const std::function<QString()> &call)
{
    try {
        return call();
    } catch (const OfficeInstanceLost &) {
        return QStringLiteral("lost");
    } catch (const OfficeError &) {
        return QStringLiteral("refused");
    } catch (const std::exception &error) {
        return QStringLiteral("other error: ") + QString::fromUtf8(error.what());
    }
}

QString done(const std::function<void()> &call)
{
    call();
    return QString();
}

// The picture of the first page, as copyAsPicture hands it over: its pixel size and its
// natural width on screen.
QString firstPagePicture(WordApplication &word)
{
    word.copyAsPicture();
    const QImage picture = ClipboardPicture::GetClipboardPicture(0);
    return QStringLiteral("%1x%2 shown %3").arg(picture.width()).arg(picture.height()).arg(PagePicture::naturalSize(picture).width());
}

struct Step {
    const char *what;
    std::function<QString(Subject &)> call;
    QString expected;
};

// Runs the steps in order; the steps whose outcome differs from the expected one, as
// "what: outcome (expected …)".
QStringList drifts(Subject &subject, const QList<Step> &steps)
{
    QStringList differing;
    for (const Step &step : steps) {
        const QString actual = outcome([&] { return step.call(subject); });
        if (actual != step.expected)
            differing.append(QStringLiteral("%1: %2 (expected %3)").arg(QLatin1String(step.what), actual, step.expected));
    }
    return differing;
}

QString folderOf(const QString &file)
{
    return QFileInfo(file).absolutePath();
}

} // namespace

class EngineContractTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_template = LibreOfficeTestSupport::writeTemplate();
        QVERIFY(!m_template.isEmpty());
    }

    void cleanup()
    {
        // Every office the engine started has ended with it.
        QTRY_VERIFY_WITH_TIMEOUT(LibreOfficeTestSupport::officeChildren().isEmpty(), 10000);
    }

    void documentCalls_data() { engines(); }

    void documentCalls()
    {
        QFETCH(bool, office);
        Subject subject = office ? officeSubject() : fakeSubject();
        const QString folder = folderOf(m_template);
        const auto word = [](Subject &s) -> WordApplication & { return *s.word; };
        const QList<Step> steps{
            {"create", [](Subject &s) { return done([&] { s.word = s.engine->createApplication(); }); }, QString()},
            {"close with none open", [&](Subject &s) { return done([&] { word(s).closeDocument(); }); }, QString()},
            {"close unsaved with none open", [&](Subject &s) { return done([&] { word(s).closeDocumentWithoutSaving(); }); }, QString()},
            {"page count with none open", [&](Subject &s) { return QString::number(word(s).pageCount()); }, "refused"},
            {"repaginate with none open", [&](Subject &s) { return done([&] { word(s).repaginate(); }); }, "refused"},
            {"select with none open", [&](Subject &s) { return done([&] { word(s).selectCell(1, 2, 2); }); }, "refused"},
            {"open a missing file", [&](Subject &s) { return done([&] { word(s).openDocument(folder + "/missing.dot", true); }); }, "refused"},
            {"open the template", [&](Subject &s) { return done([&] { word(s).openDocument(m_template, true); }); }, QString()},
            {"type with no cell selected", [&](Subject &s) { return done([&] { word(s).typeText("x"); }); }, "refused"},
            {"select table 13", [&](Subject &s) { return done([&] { word(s).selectCell(13, 2, 2); }); }, "refused"},
            {"select the heading's second cell", [&](Subject &s) { return done([&] { word(s).selectCell(1, 1, 2); }); }, "refused"},
            {"select February 30", [&](Subject &s) { return done([&] { word(s).selectCell(2, 31, 2); }); }, "refused"},
            {"select a third cell", [&](Subject &s) { return done([&] { word(s).selectCell(1, 2, 3); }); }, "refused"},
            {"select January 1", [&](Subject &s) { return done([&] { word(s).selectCell(1, 2, 2); }); }, QString()},
            {"type", [&](Subject &s) { return done([&] { word(s).typeText("New Year"); }); }, QString()},
            {"delete the selected cell's text", [&](Subject &s) { return done([&] { word(s).deleteSelection(); }); }, QString()},
            {"type again into the cell still selected", [&](Subject &s) { return done([&] { word(s).typeText("Brunch"); }); }, QString()},
            {"fill January", [&](Subject &s) { return done([&] { word(s).fillColumn(1, 2, 2, QStringList(31, "day")); }); }, QString()},
            {"fill February past its end", [&](Subject &s) { return done([&] { word(s).fillColumn(2, 2, 2, QStringList(30, "day")); }); }, "refused"},
            {"fill a third column", [&](Subject &s) { return done([&] { word(s).fillColumn(1, 2, 3, QStringList(2, "day")); }); }, "refused"},
            {"alerts off", [&](Subject &s) { return done([&] { word(s).setDisplayAlerts(false); }); }, QString()},
            {"repaginate", [&](Subject &s) { return done([&] { word(s).repaginate(); }); }, QString()},
            {"page count", [&](Subject &s) { return QString::number(word(s).pageCount()); }, "6"},
            {"picture page 1", [&](Subject &s) { return firstPagePicture(word(s)); }, "680x880 shown 340"},
            {"next page", [&](Subject &s) { return done([&] { word(s).goToNextPage(); }); }, QString()},
            {"select to the start", [&](Subject &s) { return done([&] { word(s).homeKeyExtend(); }); }, QString()},
            {"delete page 1", [&](Subject &s) { return done([&] { word(s).deleteSelection(); }); }, QString()},
            {"page count after deleting a page", [&](Subject &s) { return QString::number(word(s).pageCount()); }, "5"},
            {"select to the end and delete", [&](Subject &s) {
                 return done([&] {
                     word(s).endKeyExtend();
                     word(s).deleteSelection();
                 });
             }, QString()},
            {"page count after deleting the rest", [&](Subject &s) { return QString::number(word(s).pageCount()); }, "0"},
            {"picture with no page left", [&](Subject &s) { return firstPagePicture(word(s)); }, "680x880 shown 340"},
            {"save into a missing folder", [&](Subject &s) { return done([&] { word(s).saveAs(folder + "/missing/x.doc"); }); }, "refused"},
            {"save", [&](Subject &s) {
                 word(s).saveAs(folder + "/contract.doc");
                 return QFileInfo(folder + "/contract.doc").size() > 0 ? QString() : QStringLiteral("empty file");
             }, QString()},
            {"write a PDF copy", [&](Subject &s) {
                 word(s).saveCopyAs(folder + "/contract.pdf", DocumentFormat::Pdf);
                 return QFileInfo(folder + "/contract.pdf").size() > 0 ? QString() : QStringLiteral("empty file");
             }, QString()},
            {"close", [&](Subject &s) { return done([&] { word(s).closeDocument(); }); }, QString()},
            {"page count once closed", [&](Subject &s) { return QString::number(word(s).pageCount()); }, "refused"},
            {"quit", [&](Subject &s) { return done([&] { word(s).quit(); }); }, QString()},
            {"quit again", [&](Subject &s) { return done([&] { word(s).quit(); }); }, QString()},
            {"open once quit", [&](Subject &s) { return done([&] { word(s).openDocument(m_template, true); }); }, "refused"},
            {"alerts once quit", [&](Subject &s) { return done([&] { word(s).setDisplayAlerts(false); }); }, "refused"},
            {"pictures for two device pixels a pixel",
             [&](Subject &s) {
                 s.engine->setPagePixelRatio(2);
                 s.word = s.engine->createApplication();
                 word(s).openDocument(m_template, true);
                 const QString picture = firstPagePicture(word(s));
                 word(s).quit();
                 return picture;
             },
             "1360x1760 shown 340"},
        };
        const QStringList differing = drifts(subject, steps);
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join(QLatin1Char('\n'))));
    }

    // The operations of the keepsake designs, on the wall calendar's template: its styles,
    // bookmarks and picture places.
    void keepsakeCalls_data() { engines(); }

    void keepsakeCalls()
    {
        QFETCH(bool, office);
        Subject subject = office ? officeSubject() : fakeSubject();
        const QString folder = folderOf(m_template);
        const QString wall = folder + QStringLiteral("/template-wall.dot");
        QFile::remove(wall);
        QVERIFY(QFile::copy(QStringLiteral(":/template/calendar-wall.dot"), wall));
        const QString photo = folder + QStringLiteral("/photo.jpg");
        TestPictures::write(photo, TestPictures::encoded(TestPictures::marked(300, 130), "JPEG"));
        const QString notAPicture = folder + QStringLiteral("/photo.txt");
        TestPictures::write(notAPicture, "no picture");
        const auto word = [](Subject &s) -> WordApplication & { return *s.word; };
        // A refusal that names what it refuses.
        const auto naming = [](const QString &name, const std::function<void()> &call) {
            try {
                call();
                return QString();
            } catch (const OfficeError &error) {
                return QString::fromUtf8(error.what()).contains(name) ? QStringLiteral("refused, naming it") : QStringLiteral("refused");
            }
        };
        const TextRuns milestone{{"Mom ", ""}, {"70th", "Milestone"}, {" party", ""}};
        const QList<Step> steps{
            {"open the wall template", [&](Subject &s) {
                 return done([&] {
                     s.word = s.engine->createApplication();
                     word(s).openDocument(wall, true);
                 });
             }, QString()},
            {"weekend day numbers", [&](Subject &s) { return done([&] { word(s).setColumnParagraphStyles(1, 2, 1, {"", "Weekend Day Number", "Weekend Day Number", ""}); }); }, QString()},
            {"no style at all", [&](Subject &s) { return done([&] { word(s).setColumnParagraphStyles(1, 2, 1, QStringList(31)); }); }, QString()},
            {"a style the template lacks", [&](Subject &s) { return done([&] { word(s).setColumnParagraphStyles(1, 2, 1, {"Holiday Number"}); }); }, "refused"},
            {"styles past February's end", [&](Subject &s) { return done([&] { word(s).setColumnParagraphStyles(2, 2, 1, QStringList(30, "Day Number")); }); }, "refused"},
            {"a milestone", [&](Subject &s) { return done([&] { word(s).fillColumnRuns(1, 2, 2, {milestone, {{"plain", ""}}}); }); }, QString()},
            {"runs past February's end", [&](Subject &s) { return done([&] { word(s).fillColumnRuns(2, 2, 2, QList<TextRuns>(30, milestone)); }); }, "refused"},
            {"the cover's title", [&](Subject &s) { return done([&] { word(s).setBookmarkText("CoverTitle", "The Millers' dates"); }); }, QString()},
            {"the cover's year, twice", [&](Subject &s) {
                 return done([&] {
                     word(s).setBookmarkText("CoverYear", "2026");
                     word(s).setBookmarkText("CoverYear", "2027");
                 });
             }, QString()},
            {"text over a picture place", [&](Subject &s) { return naming("CoverPicture", [&] { word(s).setBookmarkText("CoverPicture", "x"); }); }, "refused, naming it"},
            {"an unknown bookmark's text", [&](Subject &s) { return naming("CoverSubtitle", [&] { word(s).setBookmarkText("CoverSubtitle", "x"); }); }, "refused, naming it"},
            {"a month's photo", [&](Subject &s) { return done([&] { word(s).placePicture("MonthPicture2", photo); }); }, QString()},
            {"the same place again", [&](Subject &s) { return done([&] { word(s).placePicture("MonthPicture2", photo); }); }, QString()},
            {"a photo where no picture is", [&](Subject &s) { return naming("CoverTitle", [&] { word(s).placePicture("CoverTitle", photo); }); }, "refused, naming it"},
            {"a photo in an unknown bookmark", [&](Subject &s) { return naming("MonthPicture13", [&] { word(s).placePicture("MonthPicture13", photo); }); }, "refused, naming it"},
            {"a missing photo", [&](Subject &s) { return done([&] { word(s).placePicture("MonthPicture3", folder + "/missing.jpg"); }); }, "refused"},
            {"a file that is no picture", [&](Subject &s) { return done([&] { word(s).placePicture("MonthPicture3", notAPicture); }); }, "refused"},
            {"saved", [&](Subject &s) { return done([&] { word(s).saveAs(folder + "/wall.doc"); }); }, QString()},
            {"quit", [&](Subject &s) { return done([&] { word(s).quit(); }); }, QString()},
        };
        const QStringList differing = drifts(subject, steps);
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join(QLatin1Char('\n'))));
    }

    // Offices started ahead and kept unused run until a build takes them; one that is
    // taken is not started anew.
    void instancesAheadAndKept_data() { engines(); }

    void instancesAheadAndKept()
    {
        QFETCH(bool, office);
        Subject subject = office ? officeSubject() : fakeSubject();
        const QList<Step> steps{
            {"nothing asked", [](Subject &s) { return offices(s, 0); }, "0"},
            {"one started ahead", [](Subject &s) {
                 s.engine->startInstanceAhead();
                 return offices(s, 1);
             }, "1"},
            {"taken by the start-up check", [](Subject &s) {
                 s.word = s.engine->createApplication();
                 return offices(s, 1);
             }, "1"},
            {"kept unused", [](Subject &s) {
                 s.engine->keepUnused(std::move(s.word));
                 return offices(s, 1);
             }, "1"},
            {"a build's offices got ready", [](Subject &s) {
                 s.engine->prepareAhead(QByteArray());
                 return offices(s, 2);
             }, "2"},
            {"one taken", [](Subject &s) {
                 s.word = s.engine->createApplication();
                 return offices(s, 2);
             }, "2"},
            {"the one taken works", [&](Subject &s) { return done([&] { s.word->openDocument(m_template, true); }); }, QString()},
            {"it quits", [](Subject &s) {
                 s.word->quit();
                 s.word.reset();
                 return offices(s, 1);
             }, "1"},
            {"the engine goes", [](Subject &s) {
                 s.engine.reset();
                 return offices(s, 0);
             }, "0"},
        };
        const QStringList differing = drifts(subject, steps);
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join(QLatin1Char('\n'))));
    }

    // Once an instance's office is lost, every call on it says so and quitting it does
    // not fail; the engine's next instance works.
    void aLostOffice_data() { engines(); }

    void aLostOffice()
    {
        QFETCH(bool, office);
        Subject subject = office ? officeSubject() : fakeSubject();
        const QList<Step> steps{
            {"create and open", [&](Subject &s) {
                 return done([&] {
                     s.word = s.engine->createApplication();
                     s.word->openDocument(m_template, true);
                 });
             }, QString()},
            {"the office is lost", [](Subject &s) { return done([&] { s.loseOffice(); }); }, QString()},
            {"select", [](Subject &s) { return done([&] { s.word->selectCell(1, 2, 2); }); }, "lost"},
            {"type", [](Subject &s) { return done([&] { s.word->typeText("x"); }); }, "lost"},
            {"close unsaved", [](Subject &s) { return done([&] { s.word->closeDocumentWithoutSaving(); }); }, "lost"},
            {"quit", [](Subject &s) { return done([&] { s.word->quit(); }); }, QString()},
            {"a new instance works", [&](Subject &s) {
                 return done([&] {
                     s.word = s.engine->createApplication();
                     s.word->openDocument(m_template, true);
                     s.word->selectCell(1, 2, 2);
                     s.word->quit();
                 });
             }, QString()},
        };
        const QStringList differing = drifts(subject, steps);
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join(QLatin1Char('\n'))));
    }

private:
    static void engines()
    {
        QTest::addColumn<bool>("office");
        QTest::newRow("fake") << false;
        QTest::newRow("LibreOffice") << true;
    }

    // The number of offices that run, once offices started or ended in the background
    // have come to the number expected and stayed there a moment, or have not within
    // twenty seconds (a fake's at once).
    static QString offices(const Subject &subject, int expected)
    {
        int count = subject.runningOffices(subject);
        for (int stayed = 0, round = 0; stayed < 4 && round < 400; ++round) {
            QTest::qWait(50);
            const int now = subject.runningOffices(subject);
            stayed = now == expected && now == count ? stayed + 1 : 0;
            count = now;
        }
        return QString::number(count);
    }

    QString m_template;
};

DAYBLOOM_TEST_MAIN(EngineContractTest)

#include "EngineContractTest.moc"
