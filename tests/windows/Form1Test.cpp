#include "windows/EntryPanel.h"
#include "core/ApplicationTitle.h"
#include "core/CalendarEntryStore.h"
#include "core/CalendarMonths.h"
#include "windows/Form1.h"
#include "tests/support/FakeWordEngine.h"
#include "tests/support/TestMain.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace {

const QString productName = QStringLiteral("Daybloom Family Dates and Keepsake Planner Layout Builder");

void storeEntries(const QMap<QString, QString> &entries)
{
    QSettings settings(CalendarEntryStore::fileName(), QSettings::IniFormat);
    settings.beginGroup(productName);
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

QString reportAt(int label, const QString &description)
{
    return description + QStringLiteral("\r\nin Tessaly2021/08/31.Form1.Form_Load at line ") + QString::number(label)
        + QStringLiteral("\r\rPlease email screenshot of this message to support@daybloom.invalid");
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private:
    const QString m_cursorBesideTest = QCoreApplication::applicationDirPath() + QStringLiteral("/HAND-M.CUR");

private slots:
    void init()
    {
        QFile::remove(CalendarEntryStore::fileName());
        QFile::remove(m_cursorBesideTest);
        ScriptedMessages::takeRecords();
    }

    void cleanup() { QFile::remove(m_cursorBesideTest); }

    void loadsAnEmptyCalendarWithoutWriting()
    {
        FakeWordEngine engine;
        Form1 form(engine);
        form.Form_Load();
        QVERIFY(!form.programEnded());
        QCOMPARE(form.windowTitle(), productName);
        QCOMPARE(ApplicationTitle::get(), QStringLiteral("Daybloom Family Dates and Keepsake"));
        QVERIFY(!form.windowIcon().isNull());
        QCOMPARE(form.size(), QSize(792, 570));
        QCOMPARE(form.entryPanel().scrollBar()->maximum(), 23625);
        // The office check started one instance and quit it.
        QCOMPARE(engine.instancesCreated(), 1);
        QCOMPARE(engine.calls(FakeOperation::Quit).size(), 1);
        QCOMPARE(engine.liveInstances(), 0);
        QCOMPARE(ScriptedMessages::recordCount(), 0);
        QVERIFY(!QFile::exists(CalendarEntryStore::fileName()));
    }

    void restoresStoredTextsExactlyAndWritesThemBack()
    {
        storeEntries({{QStringLiteral("txtJan0"), QStringLiteral("  Mom  ")},
                      {QStringLiteral("txtJan10"), QStringLiteral("eleventh")},
                      {QStringLiteral("txtFeb28"), QStringLiteral("Leap")},
                      {QStringLiteral("txtDec30"), QStringLiteral("Eve")},
                      {QStringLiteral("txtFeb29"), QStringLiteral("not a day")}});
        {
            // A comment survives only as long as nobody rewrites the file.
            QFile file(CalendarEntryStore::fileName());
            QVERIFY(file.open(QIODevice::Append));
            file.write("; untouched\n");
        }
        FakeWordEngine engine;
        Form1 form(engine);
        form.Form_Load();
        QStringList shown;
        for (int month = 0; month < CalendarMonths::count; ++month) {
            for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
                if (!form.entryPanel().entryText(month, index).isEmpty())
                    shown << CalendarMonths::entryName(month, index) + QLatin1Char('=') + form.entryPanel().entryText(month, index);
            }
        }
        QCOMPARE(shown, (QStringList{QStringLiteral("txtJan0=  Mom  "), QStringLiteral("txtJan10=eleventh"),
                                     QStringLiteral("txtFeb28=Leap"), QStringLiteral("txtDec30=Eve")}));
        QFile file(CalendarEntryStore::fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(!file.readAll().contains("; untouched"), "restored entries were not written back");
        QCOMPARE(CalendarEntryStore().read(QStringLiteral("txtJan0")), QStringLiteral("  Mom  "));
    }

    void tabOrderRunsThroughTheCalendarThenTheButtons()
    {
        FakeWordEngine engine;
        Form1 form(engine);
        form.Form_Load();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (int month = 0; month < CalendarMonths::count; ++month) {
            for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
                QCOMPARE(QApplication::focusWidget(), form.entryPanel().box(month, index));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("PushButton22"));
    }

    void failedStepsAreReportedAndTheLoadGoesOn()
    {
        ApplicationTitle::set(QStringLiteral("Earlier title"));
        {
            QFile file(m_cursorBesideTest);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a cursor");
        }
        FakeWordEngine engine;
        Form1 form(engine, QStringLiteral("Daybloom"));
        form.Form_Load();
        const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[0].text, reportAt(104, QStringLiteral("Invalid procedure call or argument")));
        QVERIFY(records[1].text.contains(QStringLiteral("Form1.Form_Load at line 108\r\r")));
        QCOMPARE(ApplicationTitle::get(), QStringLiteral("Earlier title"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Daybloom"));
        QVERIFY(!form.mousePointer().hasCustomCursor());
        QCOMPARE(form.entryPanel().scrollBar()->maximum(), 23625);
        QVERIFY(!form.programEnded());
    }

    void handCursorBesideTheProgramIsTheCustomPointer()
    {
        QVERIFY(QFile::copy(QStringLiteral(HAND_CURSOR_SOURCE), m_cursorBesideTest));
        FakeWordEngine engine;
        Form1 form(engine);
        form.Form_Load();
        QCOMPARE(form.mousePointer().value(), MousePointer::Default);
        form.mousePointer().set(MousePointer::Custom);
        QCOMPARE(form.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(form.cursor().hotSpot(), QPoint(7, 0));
    }

    void withoutOfficeOnlyTheAdviceShowsAndTheProgramEnds()
    {
        storeEntries({{QStringLiteral("txtJuly21"), QStringLiteral("Nancy Birthday")}});
        FakeWordEngine engine;
        engine.failAlways(FakeOperation::CreateApplication);
        Form1 form(engine);
        form.Form_Load();
        QVERIFY(form.programEnded());
        QVERIFY(!form.isVisible());
        const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].title, QStringLiteral("Daybloom Family Dates and Keepsake"));
        QCOMPARE(records[0].kind, MessagePresenter::Kind::Information);
        QCOMPARE(records[0].text,
                 QStringLiteral(
                     "Error 842001. A normal instance of Word could not be created.\r\n\r\n"
                     "1. Please make sure Word is installed on this computer.\r\n\r\n"
                     "2. Please open Word normally and make sure a blank document opens immediately without any "
                     "interrupting window (such as an Word file recovery window).\r\n\r\n"
                     "3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally "
                     "without any interrupting messages.\r\n\r\n"
                     "4. All versions of Word are supported by this software except for the rare Word Starter and "
                     "Student editions."));
        QCOMPARE(CalendarEntryStore().read(QStringLiteral("txtJuly21")), QStringLiteral("Nancy Birthday"));
    }

    void closingTheMainWindowEndsTheProgramAtOnce()
    {
        // Stands in for the preview window: its closing handler must not run.
        struct OtherWindow : QWidget {
            int closeRequests = 0;
            void closeEvent(QCloseEvent *) override { ++closeRequests; }
        };
        FakeWordEngine engine;
        Form1 form(engine);
        form.Form_Load();
        OtherWindow other;
        form.show();
        other.show();
        QEventLoop loop;
        QTimer::singleShot(0, &form, [&] { form.close(); });
        QTimer::singleShot(10000, &loop, [&] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!form.isVisible() && !other.isVisible());
        QCOMPARE(other.closeRequests, 0);
    }
};

DAYBLOOM_TEST_MAIN(Form1Test)
#include "Form1Test.moc"
