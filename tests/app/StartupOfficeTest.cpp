#include "windows/shell/Form1.h"
#include "tests/support/OfficeProcesses.h"
#include "tests/support/OfficeAdvice.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "tests/support/TestMain.h"
#include "tests/office/LibreOfficeTestSupport.h"
#include "core/wordgen/IsInstalled.h"
#include "office/LibreOfficeEngine.h"

#include <QTest>

// The start-up check against a real private office.
class StartupOfficeTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { ScriptedMessages::takeRecords(); }

    // The office started ahead is the one checked; it stays ready for the first build and
    // ends with the engine.
    void installedOfficeIsStartedAndKeptReadyBeforeTheWindowShows()
    {
        {
            LibreOfficeEngine engine;
            engine.startInstanceAhead();
            Form1 form(engine, m_dialogs);
            form.Form_Load();
            QVERIFY(!form.programEnded());
            QCOMPARE(ScriptedMessages::recordCount(), 0);
            const QList<pid_t> offices = LibreOfficeTestSupport::officeChildren();
            QCOMPARE(offices.size(), 1);
            // The first build takes that office.
            std::unique_ptr<WordApplication> first = engine.createApplication();
            QCOMPARE(LibreOfficeTestSupport::officeChildren(), offices);
            first->quit();
            QVERIFY(OfficeProcesses::waitUntilQuiet(0));
        }
        QTRY_COMPARE_WITH_TIMEOUT(LibreOfficeTestSupport::officeChildren(), QList<pid_t>(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(LibreOfficeTestSupport::officeFolders(), QStringList(), 10000);
    }

    void missingOfficeGivesTheAdviceAndEndsTheProgram()
    {
        LibreOfficeEngine engine(QStringLiteral("/nonexistent/soffice.bin"));
        engine.startInstanceAhead();
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        QVERIFY(form.programEnded());
        QVERIFY(!form.isVisible());
        const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 1);
        QVERIFY(records[0].text.startsWith(officeAdvice + QStringLiteral("\r\n\r\n")));
        // The advice as always, and one line below it that names the real cause.
        const QStringList paragraphs = records[0].text.split(QStringLiteral("\r\n\r\n"));
        QCOMPARE(paragraphs.size(), 6);
        QVERIFY2(paragraphs.last().startsWith(QStringLiteral("Cause: LibreOffice Writer was not found")),
                 qPrintable(paragraphs.last()));
        QCOMPARE(LibreOfficeTestSupport::officeChildren(), QList<pid_t>());
    }

private:
    ScriptedCommonDialog m_dialogs;
};

DAYBLOOM_TEST_MAIN(StartupOfficeTest)
#include "StartupOfficeTest.moc"
