#include "windows/import/DateImporter.h"
#include "tests/support/HostileFiles.h"
#include "tests/support/MemoryDayEntries.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "tests/support/TestMain.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The window the importer works for: one control that must take no input meanwhile.
struct ImportWindow : QWidget {
    QLineEdit *box = new QLineEdit(this);
};

} // namespace

// Files are read in the background: the window answers meanwhile, Cancel leaves the
// calendar as it was, and what is shown quotes long entries by their start only.
class DateImporterTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    ScriptedCommonDialog m_dialogs;
    ImportWindow m_window;
    MemoryDayEntries m_entries;
    int m_wholeChanges = 0;
    DateImporter m_importer{m_window, m_dialogs, m_entries, [this](const QString &, const std::function<void()> &change) {
                                ++m_wholeChanges;
                                change();
                            }};

    QString hugeCard() { return writtenFile(m_folder.filePath(QStringLiteral("huge.vcf")), cardWithHugeName(40 * 1024 * 1024)); }

private slots:
    void init()
    {
        ScriptedMessages::takeRecords();
        m_entries.texts = {{QStringLiteral("txtApr12"), QStringLiteral("Picnic")}};
        m_entries.writes = 0;
    }

    // A contact whose name is 40 MB: while it is read the window's timers fire and its
    // controls wait; then one short message says the name was left out.
    void theWindowAnswersWhileALargeFileIsRead()
    {
        const QString card = hugeCard();
        QVERIFY(!card.isEmpty());
        int ticksWhileReading = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] { ticksWhileReading += m_importer.isImporting() ? 1 : 0; });
        ticks.start(5);

        m_importer.importFiles({card});
        QVERIFY(m_importer.isImporting());
        QVERIFY(!m_window.box->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!m_importer.isImporting(), 60000);
        QVERIFY2(ticksWhileReading > 0, "no timer fired while the file was read");
        QVERIFY(m_window.box->isEnabled());
        QVERIFY(!m_dialogs.progress().last()->open);

        const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 1);
        QVERIFY2(records.at(0).text.size() < 600, qPrintable(records.at(0).text.left(600)));
        QVERIFY(records.at(0).text.contains(QStringLiteral("April 13: ") + QString(200, u'A') + QChar(u'\u2026')));
        QCOMPARE(m_entries.writes, 0);
    }

    // Cancel ends the import at once: nothing is asked, nothing written, the window is as
    // it was, and nothing more comes of the files.
    void cancelChangesNothing()
    {
        const QString either = writtenFile(m_folder.filePath(QStringLiteral("either.csv")), "Name,Birthday\nAnna,04/05/1990\n");
        m_window.box->setFocus();
        m_importer.importFiles({hugeCard(), either});
        m_dialogs.progress().last()->cancel();
        QVERIFY(!m_importer.isImporting());
        QTest::qWait(200);
        QCOMPARE(ScriptedMessages::recordCount(), 0);
        QCOMPARE(m_entries.writes, 0);
        QCOMPARE(m_wholeChanges, 0);
        QVERIFY(m_window.box->isEnabled());
        QVERIFY(!m_dialogs.progress().last()->open);
    }

    // A file whose dates could be read either way is asked about from the window while the
    // reading waits, and read as answered; the progress names each file.
    void theQuestionIsAskedFromTheWindow()
    {
        const QString either = writtenFile(m_folder.filePath(QStringLiteral("either.csv")), "Name,Birthday\nAnna,04/05/1990\n");
        const QString cards = writtenFile(m_folder.filePath(QStringLiteral("cards.vcf")),
                                          "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bo\r\nBDAY:--0101\r\nEND:VCARD\r\n");
        ScriptedMessages::queueChoice(QStringLiteral("May 4 (Day First)"));
        ScriptedMessages::queueAnswer(MessagePresenter::Answer::Yes);
        m_importer.importFiles({either, cards});
        QTRY_VERIFY(!m_importer.isImporting());
        QCOMPARE(ScriptedMessages::takeRecords().size(), 2);
        QCOMPARE(m_entries.texts.value(QStringLiteral("txtMay3")), QStringLiteral("Anna Birthday (1990)"));
        QCOMPARE(m_entries.texts.value(QStringLiteral("txtJan0")), QStringLiteral("Bo Birthday"));
        QCOMPARE(m_wholeChanges, 1);
        const QStringList steps = m_dialogs.progress().last()->texts;
        QVERIFY2(steps.contains(QStringLiteral("Reading cards.vcf (file 2 of 2)…")), qPrintable(steps.join(u'|')));
    }
};

DAYBLOOM_TEST_MAIN(DateImporterTest)
#include "DateImporterTest.moc"
