#include "windows/preview/Form2.h"
#include "windows/preview/SaveFileDialog.h"
#include "core/shell/ApplicationTitle.h"
#include "tests/support/ScriptedMessages.h"
#include "core/shell/TempFolder.h"
#include "tests/support/ClickButton.h"
#include "tests/support/FakeWordEngine.h"
#include "tests/support/FileReaders.h"
#include "tests/support/TestMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#include <csignal>
#include <sys/resource.h>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class Form2SavingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogFilter_data();
    void dialogFilter();
    void saveToNewName();
    void overwrite_data();
    void overwrite();
    void cancel_data();
    void cancel();
    void failedCopy_data();
    void failedCopy();
    void writeFailingMidwayKeepsTheOldFile();
    void otherFormats_data();
    void otherFormats();
    void otherFormatFailingKeepsTheOldFile();

private:
    void save(const QString &chosenName, int filterIndex = 0);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<FakeWordEngine> m_engine;
    std::unique_ptr<Form2> m_form;
    QByteArray m_document = QByteArray("generated calendar\0\x01\x02 bytes", 28);
};

void Form2SavingTest::init()
{
    ScriptedMessages::takeRecords();
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_main = std::make_unique<QWidget>();
    m_engine = std::make_unique<FakeWordEngine>();
    m_form = std::make_unique<Form2>(m_main.get(), m_engine.get());
    m_form->Form_Load();
    m_form->mWordFile = TempFolder::file(QStringLiteral("kestrel87654321.doc"));
    write(m_form->mWordFile, m_document);
}

void Form2SavingTest::cleanup()
{
    QFile::remove(m_form->mWordFile);
    m_form.reset();
    m_main.reset();
    m_folder.reset();
}

void Form2SavingTest::save(const QString &chosenName, int filterIndex)
{
    SaveFileDialog::setNextFileName(chosenName, filterIndex);
    clickButton(*m_form, QStringLiteral("PushButton6"));
}

void Form2SavingTest::dialogFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("dialogFilter");
    QTest::newRow("Word files") << "Word Files (*.doc)|*.doc" << "Word Files (*.doc)";
    QTest::newRow("patterns not shown") << "Text|*.txt;*.log" << "Text (*.txt *.log)";
    QTest::newRow("two entries") << "Word Files (*.doc)|*.doc|All|*.*" << "Word Files (*.doc);;All (*.*)";
}

void Form2SavingTest::dialogFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, dialogFilter);
    QCOMPARE(SaveFileDialog::toDialogFilter(filter), dialogFilter);
}

void Form2SavingTest::saveToNewName()
{
    const QString target = m_folder->filePath(QStringLiteral("My Calendar.doc"));
    save(target);
    QCOMPARE(fileContent(target), m_document);
    QVERIFY(QFile::exists(m_form->mWordFile)); // the preview keeps its document

    const auto shown = SaveFileDialog::lastShown();
    QVERIFY(shown);
    QCOMPARE(shown->title, QStringLiteral("Save File"));
    // Word first, as the default, then the other formats.
    QCOMPARE(shown->filter, QStringLiteral("Word Files (*.doc);;PDF Files (*.pdf);;Word 2007-365 Files (*.docx);;"
                                           "OpenDocument Text Files (*.odt)"));
    QVERIFY(QDir(shown->directory).exists());
    QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.at(0).text, QStringLiteral("Done."));
    QCOMPARE(records.at(0).title, ApplicationTitle::get());
    QCOMPARE(records.at(0).kind, MessagePresenter::Kind::Information);

    // The same name a second time: now it is asked about.
    ScriptedMessages::queueAnswer(MessagePresenter::Answer::No);
    save(target);
    records = ScriptedMessages::takeRecords();
    QCOMPARE(records.size(), 2);
    QVERIFY(records.at(0).text.startsWith(QStringLiteral("Are you sure you wish to overwrite ")));
}

void Form2SavingTest::overwrite_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes replaces") << true;
    QTest::newRow("No keeps") << false;
}

void Form2SavingTest::overwrite()
{
    QFETCH(bool, yes);
    const QString target = m_folder->filePath(QStringLiteral("calendar.doc"));
    write(target, "an older calendar, longer than the new one");
    ScriptedMessages::queueAnswer(yes ? MessagePresenter::Answer::Yes : MessagePresenter::Answer::No);
    save(target);

    QCOMPARE(fileContent(target), yes ? m_document : QByteArray("an older calendar, longer than the new one"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{QStringLiteral("calendar.doc")});
    const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(0).text, QStringLiteral("Are you sure you wish to overwrite ") + target + QStringLiteral(" ?"));
    QCOMPARE(records.at(0).title, ApplicationTitle::get());
    QCOMPARE(records.at(0).kind, MessagePresenter::Kind::Question);
    QCOMPARE(records.at(1).text, QStringLiteral("Done."));
}

void Form2SavingTest::cancel_data()
{
    QTest::addColumn<bool>("folderFirst");
    QTest::newRow("cancelled at once") << false;
    QTest::newRow("a folder refused, then cancelled") << true;
}

// Cancelling copies nothing and says nothing, also when the dialog first refused a folder
// as the name (it opens the folder instead).
void Form2SavingTest::cancel()
{
    QFETCH(bool, folderFirst);
    const QString folder = m_folder->filePath(QStringLiteral("Calendars"));
    QVERIFY(QDir().mkpath(folder));
    if (!folderFirst) {
        save(QString());
    } else {
        QString openedFolder;
        QTimer::singleShot(0, m_form.get(), [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            name->setText(folder);
            QTest::keyClick(name, Qt::Key_Return);
            if (dialog->isVisible())
                openedFolder = dialog->directory().absolutePath();
            dialog->reject();
        });
        clickButton(*m_form, QStringLiteral("PushButton6"));
        QCOMPARE(openedFolder, folder);
    }
    QVERIFY(QDir(folder).isEmpty());
    QVERIFY(QDir(m_folder->path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(ScriptedMessages::recordCount(), 0);
}

void Form2SavingTest::failedCopy_data()
{
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("over an existing file, document gone") << true;
    QTest::newRow("to a new name, document unreadable") << false;
}

// The copy fails: a file that was there stays whole, nothing else is left behind, and the
// user sees the failure only, not "Done.".
void Form2SavingTest::failedCopy()
{
    QFETCH(bool, targetExists);
    const QString target = m_folder->filePath(QStringLiteral("calendar.doc"));
    const QByteArray old("the only copy of last year's calendar");
    QFile::remove(m_form->mWordFile);
    if (targetExists) {
        write(target, old);
        ScriptedMessages::queueAnswer(MessagePresenter::Answer::Yes);
    } else {
        QVERIFY(QDir().mkpath(m_form->mWordFile)); // a folder cannot be read as a file
    }
    save(target);
    QDir().rmdir(m_form->mWordFile);

    QCOMPARE(fileContent(target), targetExists ? old : QByteArray());
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden).size(), targetExists ? 1 : 0);
    QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
    if (targetExists)
        QVERIFY(records.takeFirst().text.startsWith(QStringLiteral("Are you sure")));
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.at(0).title, QStringLiteral("Application Error"));
    QVERIFY(records.at(0).text.startsWith(QStringLiteral("Cannot read ") + m_form->mWordFile));
    QVERIFY2(records.at(0).text.contains(
                 QStringLiteral("\r\nin Tessaly2021/08/31.Form2.PushButton6_Click at line 130\r\r")),
             qPrintable(records.at(0).text));
}

// The destination refuses the copy after it has been opened and partly written (a full
// disk, a size limit): the file that was there stays whole and nothing is left beside it.
void Form2SavingTest::writeFailingMidwayKeepsTheOldFile()
{
    const QByteArray large(512 * 1024, 'x');
    write(m_form->mWordFile, large);
    const QString target = m_folder->filePath(QStringLiteral("calendar.doc"));
    const QByteArray old("last year's calendar");
    write(target, old);

    // Files may grow to 64 KiB only; a write past that fails with EFBIG instead of a signal.
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    ScriptedMessages::queueAnswer(MessagePresenter::Answer::Yes);
    save(target);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(fileContent(target), old);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("calendar.doc")});
    QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(1).title, QStringLiteral("Application Error"));
    QVERIFY2(records.at(1).text.startsWith(QStringLiteral("Cannot write ") + target), qPrintable(records.at(1).text));
}

// The filter chosen decides the format; a name typed without a suffix gets the filter's.
// An office writes the file from the generated document, beside the target, and it takes
// the target's place whole.
void Form2SavingTest::otherFormats_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("PDF, no suffix typed") << 1 << QStringLiteral("calendar") << QStringLiteral("calendar.pdf");
    QTest::newRow("docx") << 2 << QStringLiteral("calendar.docx") << QStringLiteral("calendar.docx");
    QTest::newRow("odt, no suffix typed") << 3 << QStringLiteral("family") << QStringLiteral("family.odt");
}

void Form2SavingTest::otherFormats()
{
    QFETCH(int, filter);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    const QString target = m_folder->filePath(written);

    save(m_folder->filePath(typed), filter);

    const QString format = QFileInfo(written).suffix();
    QVERIFY(fileContent(target).startsWith(format.toUtf8() + '\n'));
    QCOMPARE(m_engine->calls(FakeOperation::OpenDocument).value(0).arguments, m_form->mWordFile + QStringLiteral(" read-only"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{written});
    QCOMPARE(m_engine->liveInstances(), 0);
    const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.at(0).text, QStringLiteral("Done."));
}

// The office cannot write the file: the file that was there stays whole, nothing else is
// left, and the user sees one report, not "Done.".
void Form2SavingTest::otherFormatFailingKeepsTheOldFile()
{
    m_engine->failAlways(FakeOperation::SaveCopyAs);
    const QString target = m_folder->filePath(QStringLiteral("calendar.pdf"));
    write(target, "last year's calendar");
    ScriptedMessages::queueAnswer(MessagePresenter::Answer::Yes);

    save(target, 1);

    QCOMPARE(fileContent(target), QByteArray("last year's calendar"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("calendar.pdf")});
    const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(1).title, QStringLiteral("Application Error"));
    QVERIFY2(records.at(1).text.contains(QStringLiteral("at line 130")), qPrintable(records.at(1).text));
}

DAYBLOOM_TEST_MAIN(Form2SavingTest)
#include "tst_Form2Saving.moc"
