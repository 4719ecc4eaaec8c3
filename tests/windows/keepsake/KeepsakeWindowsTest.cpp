#include "core/entry/CalendarOptions.h"
#include "core/entry/PictureLibrary.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/shell/PaperSize.h"
#include "core/wordgen/CalendarDesigns.h"
#include "windows/entry/EntryPanel.h"
#include "windows/keepsake/PicturesDialog.h"
#include "windows/shell/Form1.h"
#include "tests/support/WindowParts.h"
#include "tests/support/FakeWordEngine.h"
#include "tests/support/MenuItems.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestPictures.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

// The main window's side of the printed calendar's look: pictures prepared in the
// background, a refused one alone; the year chosen in the menu and told in the tooltips;
// the one question before a build.
class KeepsakeWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void refusedPictureKeepsTheOthers();
    void yearMenuStoresTheYearTheTooltipsCount();
    void buildAsksOnceWhenThereIsSomethingToSay_data();
    void buildAsksOnceWhenThereIsSomethingToSay();

private:
    ScriptedCommonDialog m_dialogs;
};

void KeepsakeWindowsTest::init()
{
    QFile::remove(CalendarEntryStore::fileName());
    ScriptedMessages::takeRecords();
}

void KeepsakeWindowsTest::refusedPictureKeepsTheOthers()
{
    QTemporaryDir folder;
    TestPictures::write(folder.filePath(QStringLiteral("a-first.jpg")),
                        TestPictures::encoded(TestPictures::marked(900, 600), "JPG"));
    TestPictures::write(folder.filePath(QStringLiteral("b-letter.jpg")), "Dear Ann, this is not a picture.");
    TestPictures::write(folder.filePath(QStringLiteral("c-third.png")),
                        TestPictures::encoded(TestPictures::marked(600, 900), "PNG"));
    PicturesDialog dialog(m_dialogs, QStringLiteral("wall"), PaperSize::A4, nullptr);
    // Dropped on January in any order: they go into January, February and March by name.
    dialog.choose(1, {folder.filePath(QStringLiteral("c-third.png")), folder.filePath(QStringLiteral("b-letter.jpg")),
                      folder.filePath(QStringLiteral("a-first.jpg"))});
    QTRY_VERIFY(!dialog.isPreparing());

    CalendarEntryStore store;
    const PictureLibrary library(store);
    QVERIFY(library.hasPicture(1));
    QVERIFY(!library.hasPicture(2));
    QVERIFY(library.hasPicture(3));
    const QList<ScriptedMessages::Record> said = ScriptedMessages::takeRecords();
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().text.contains(QStringLiteral("b-letter.jpg")), qPrintable(said.first().text));
    QVERIFY(!said.first().text.contains(QStringLiteral("first")));
    QVERIFY(!m_dialogs.progress().isEmpty());
    QVERIFY(!m_dialogs.progress().last()->open);
}

void KeepsakeWindowsTest::yearMenuStoresTheYearTheTooltipsCount()
{
    FakeWordEngine engine;
    Form1 form(engine, m_dialogs);
    form.Form_Load();
    WindowParts::calendar(form).setEntryText(0, 0, QStringLiteral("Mom Birthday (1956)"));
    QLineEdit *box = WindowParts::entryPanel(form).box(0, 0);
    // What shows after the pointer rests on the box: "(none)" when the box shows nothing.
    const auto tooltipOverBox = [box] {
        QToolTip::showText(box->mapToGlobal(QPoint(2, 2)), QStringLiteral("(none)"), box);
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(box, &event);
        return QToolTip::text();
    };
    CalendarEntryStore store;
    const CalendarOptions options(store, CalendarDesigns::names());

    const int year = CalendarOptions::offeredYears(QDate::currentDate()).first();
    chooseMenuItem(form, QStringLiteral("year-%1").arg(year));
    QCOMPARE(options.year(), year);
    QCOMPARE(tooltipOverBox(), QStringLiteral("%1 in %2").arg(year - 1956).arg(year));

    chooseMenuItem(form, QStringLiteral("year-every"));
    QCOMPARE(options.year(), std::nullopt);
    QCOMPARE(tooltipOverBox(), QStringLiteral("(none)"));
}

void KeepsakeWindowsTest::buildAsksOnceWhenThereIsSomethingToSay_data()
{
    QTest::addColumn<bool>("crowded");
    QTest::addColumn<QString>("answer"); // empty: nothing is asked
    QTest::addColumn<bool>("built");

    QTest::newRow("nothing to say") << false << QString() << true;
    QTest::newRow("crowded, cancelled") << true << QStringLiteral("Cancel") << false;
    QTest::newRow("crowded, built anyway") << true << QStringLiteral("Build anyway") << true;
}

void KeepsakeWindowsTest::buildAsksOnceWhenThereIsSomethingToSay()
{
    QFETCH(bool, crowded);
    QFETCH(QString, answer);
    QFETCH(bool, built);
    FakeWordEngine engine;
    Form1 form(engine, m_dialogs);
    form.Form_Load();
    if (crowded)
        for (int index = 0; index < 5; ++index)
            WindowParts::calendar(form).setEntryText(2, index, QStringLiteral("Grandma Elisabeth Birthday and Grandpa Joe Wedding"));
    if (!answer.isEmpty())
        ScriptedMessages::queueChoice(answer);
    ScriptedMessages::takeRecords();
    const int before = engine.instancesCreated();

    form.PushButton22_Click();

    const QList<ScriptedMessages::Record> said = ScriptedMessages::takeRecords();
    QCOMPARE(said.size(), answer.isEmpty() ? 0 : 1);
    if (!answer.isEmpty())
        QVERIFY2(said.first().text.contains(QStringLiteral("• March")), qPrintable(said.first().text));
    QCOMPARE(engine.instancesCreated() > before, built);
}

DAYBLOOM_TEST_MAIN(KeepsakeWindowsTest)
#include "KeepsakeWindowsTest.moc"
