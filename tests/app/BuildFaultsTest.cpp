// A build with the real office when things go wrong underneath it: the office that
// pictures the pages killed or stopped in the middle of its work, and a full disk. The
// temporary folder is a small disk of its own that the test can fill.

#include "tests/support/WindowParts.h"
#include "tests/support/OfficeProcesses.h"
#include "tests/office/LibreOfficeTestSupport.h"
#include "tests/support/ClickButton.h"
#include "tests/support/ReportedErrors.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "tests/support/SmallTempDisk.h"
#include "tests/support/TestMain.h"

#include "core/shell/PaperPreference.h"
#include "core/shell/ProcessState.h"
#include "core/shell/TempFolder.h"
#include "office/LibreOfficeEngine.h"
#include "windows/preview/Form2.h"
#include "windows/shell/Form1.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QElapsedTimer>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <csignal>
#include <memory>
#include <optional>

using namespace LibreOfficeTestSupport;

namespace {

int picturedPages(const Form2 &preview)
{
    int pictured = 0;
    for (int page = 0; page < preview.pageListCount(); ++page)
        pictured += !preview.pageImage(page).isNull();
    return pictured;
}

QStringList documentsLeft()
{
    return QDir(TempFolder::path()).entryList({QStringLiteral("kestrel*")}, QDir::Files);
}

// True when the office has a generated document open.
bool holdsDocument(pid_t office)
{
    const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(office));
    const QStringList entries = descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    return std::any_of(entries.cbegin(), entries.cend(), [&](const QString &descriptor) {
        return QFile::symLinkTarget(descriptors.filePath(descriptor)).contains(QStringLiteral("/kestrel"));
    });
}

QList<pid_t> officesHoldingDocument()
{
    QList<pid_t> holding = officeChildren();
    holding.removeIf([](pid_t office) { return !holdsDocument(office); });
    return holding;
}

} // namespace

class BuildFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(PaperPreference::choose(PaperSize::Letter).saved);
        m_form = std::make_unique<Form1>(*m_engine, m_dialogs);
        m_form->Form_Load();
        QVERIFY(!m_form->programEnded());
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        // A first build makes the preview window, whose page list tells when the pages are
        // being pictured.
        clickButton(*m_form, QStringLiteral("PushButton22"));
        QCOMPARE(takeReportedErrors(), QStringList());
        QVERIFY(preview().isVisible());
        preview().PushButton8_Click();
    }

    // Every case starts from the main window.
    void init()
    {
        if (preview().isVisible())
            preview().PushButton8_Click();
        takeReportedErrors();
    }

    void cleanupTestCase()
    {
        m_form.reset();
        m_engine.reset();
        QCOMPARE(officeChildren(), QList<pid_t>());
    }

    // The office that pictures the pages killed or stopped while it opens the document: a
    // fresh office pictures them all and nothing is reported. When every office is (the
    // fresh one too), no page can be pictured: one report, no preview, the main window
    // stays and the document goes. Either way a stopped office is noticed at once, long
    // before the office's time limits, and no office is left stopped or unreaped.
    void picturingOfficeLost_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("everyOffice");
        QTest::newRow("killed") << int(SIGKILL) << false;
        QTest::newRow("stopped") << int(SIGSTOP) << false;
        QTest::newRow("killed, and its replacement") << int(SIGKILL) << true;
        QTest::newRow("stopped, and its replacement") << int(SIGSTOP) << true;
    }

    void picturingOfficeLost()
    {
        QFETCH(int, signal);
        QFETCH(bool, everyOffice);
        QVERIFY(OfficeProcesses::waitUntilQuiet(2));
        // The page list is cleared once the document is saved: the office that opens it
        // after that, and that office alone, is the one that pictures the pages.
        const auto *pageList = preview().findChild<QTreeWidget *>(QStringLiteral("ListView1"));
        QVERIFY(pageList);
        std::optional<QList<pid_t>> spared; // the offices that saved the document
        QSet<pid_t> victims;
        const auto strike = [&](pid_t office) {
            ::kill(office, signal);
            victims.insert(office);
        };
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (!spared)
                return;
            for (const pid_t office : officeChildren()) {
                if (spared->contains(office) || victims.contains(office) || !ProcessState::runs(office))
                    continue;
                if ((everyOffice && !victims.isEmpty()) || (victims.isEmpty() && holdsDocument(office)))
                    strike(office);
            }
        });
        const QMetaObject::Connection cleared = connect(pageList->model(), &QAbstractItemModel::modelReset, this, [&] {
            if (!spared)
                spared = officesHoldingDocument();
        });
        watch.start(1);
        QElapsedTimer clock;
        clock.start();

        clickButton(*m_form, QStringLiteral("PushButton22"));
        watch.stop();
        disconnect(cleared);
        qInfo("build with the picturing office %s: %lld ms", QTest::currentDataTag(), clock.elapsed());
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));

        QVERIFY(!victims.isEmpty());
        const QStringList reports = takeReportedErrors();
        if (everyOffice) {
            QCOMPARE(reports.size(), 1);
            QVERIFY2(reports.first().startsWith(QStringLiteral("SaveDocAsJPG:")), qPrintable(reports.first()));
            QVERIFY(!preview().isVisible());
            QVERIFY(m_form->isVisible());
            QCOMPARE(documentsLeft(), QStringList());
        } else {
            QCOMPARE(reports, QStringList());
            QVERIFY(preview().isVisible());
            QCOMPARE(preview().pageListCount(), 6);
            QCOMPARE(picturedPages(preview()), 6);
        }
        QCOMPARE(WindowParts::pointer(*m_form).value(), MousePointer::Default); // the build is over
        // Every office struck is gone at once, reaped, and none is left stopped.
        for (const pid_t victim : std::as_const(victims))
            QTRY_VERIFY2_WITH_TIMEOUT(!processExists(victim), qPrintable(QString::number(victim)), 5000);
        const QList<pid_t> offices = officeChildren();
        QVERIFY(std::none_of(offices.cbegin(), offices.cend(), [](pid_t office) { return ProcessState::stopped(office); }));
    }

    // A build whose temporary folder's disk is full names the disk at once, rather than
    // waiting for the office to fail saving; no preview opens and nothing is left.
    void aFullDiskIsNamed()
    {
        if (!SmallTempDisk::isMounted())
            QSKIP("TEMP cannot be put on a small disk of its own here (mounting needs root)");
        QVERIFY(OfficeProcesses::waitUntilQuiet(2));
        const SmallTempDisk::Filled full(4 * 1024 * 1024);
        QElapsedTimer clock;
        clock.start();

        clickButton(*m_form, QStringLiteral("PushButton22"));

        qInfo("build on a full disk: %lld ms", clock.elapsed());
        const QList<ScriptedMessages::Record> shown = ScriptedMessages::takeRecords();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().text.contains(QStringLiteral("not enough space left on its disk"))
                     && shown.first().text.contains(TempFolder::path()),
                 qPrintable(shown.first().text));
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!preview().isVisible());
        QVERIFY(m_form->isVisible());
        QCOMPARE(documentsLeft(), QStringList());
    }

private:
    Form2 &preview() { return *WindowParts::previewWindow(); }

    std::unique_ptr<LibreOfficeEngine> m_engine = std::make_unique<LibreOfficeEngine>();
    ScriptedCommonDialog m_dialogs;
    std::unique_ptr<Form1> m_form;
};

DAYBLOOM_TEST_MAIN_WITH(BuildFaultsTest, SmallTempDisk)
#include "BuildFaultsTest.moc"
