#include "windows/preview/Form2.h"
#include "windows/widgets/SystemCommonDialog.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "core/shell/ApplicationTitle.h"
#include "core/shell/CalendarEntryStore.h"
#include "tests/support/ScriptedMessages.h"
#include "core/shell/TempFolder.h"
#include "tests/support/ClickButton.h"
#include "tests/support/FakeWordEngine.h"
#include "tests/support/FileReaders.h"
#include "tests/support/MenuItems.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/RefusedTargets.h"
#include "tests/support/TestMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <optional>

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
    void refusedTargets_data();
    void refusedTargets();
    void refusedBeforeAnything_data();
    void refusedBeforeAnything();

private:
    void save(const QString &chosenName, int filterIndex = 0);

    QString wordFile() const { return m_form->wordFile(); }

    ScriptedCommonDialog m_dialogs;
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
    m_form = std::make_unique<Form2>(m_main.get(), m_engine.get(), m_dialogs);
    m_form->Form_Load();
    m_form->setWordFile(TempFolder::file(QStringLiteral("kestrel87654321.doc")));
    write(wordFile(), m_document);
}

void Form2SavingTest::cleanup()
{
    QFile::remove(wordFile());
    m_form.reset();
    m_main.reset();
    m_folder.reset();
}

void Form2SavingTest::save(const QString &chosenName, int filterIndex)
{
    m_dialogs.queueSave(chosenName, filterIndex);
    clickButton(*m_form, QStringLiteral("PushButton6"));
}

void Form2SavingTest::saveToNewName()
{
    const QString target = m_folder->filePath(QStringLiteral("My Calendar.doc"));
    save(target);
    QCOMPARE(fileContent(target), m_document);
    QVERIFY(QFile::exists(wordFile())); // the preview keeps its document

    QCOMPARE(m_dialogs.saveRequests().size(), 1);
    QCOMPARE(m_dialogs.saveRequests().at(0).title, QStringLiteral("Save File"));
    // Word first, as the default, then the other formats.
    QCOMPARE(m_dialogs.saveRequests().at(0).filters,
             QStringList({QStringLiteral("Word Files (*.doc)"), QStringLiteral("PDF Files (*.pdf)"),
                          QStringLiteral("Word 2007-365 Files (*.docx)"), QStringLiteral("OpenDocument Text Files (*.odt)")}));
    QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.at(0).text, QStringLiteral("Done."));
    QCOMPARE(records.at(0).title, ApplicationTitle::get());
    QCOMPARE(records.at(0).kind, MessagePresenter::Kind::Information);

    // The same name a second time: now it is asked about.
    ScriptedMessages::queueAnswer(MessagePresenter::Answer::No);
    save(target);
    records = ScriptedMessages::takeRecords();
    QCOMPARE(records.size(), 1);
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
    // "Done." only when something was written.
    const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
    QCOMPARE(records.size(), yes ? 2 : 1);
    QCOMPARE(records.at(0).text, QStringLiteral("Are you sure you wish to overwrite ") + target + QStringLiteral(" ?"));
    QCOMPARE(records.at(0).title, ApplicationTitle::get());
    QCOMPARE(records.at(0).kind, MessagePresenter::Kind::Question);
    if (yes)
        QCOMPARE(records.at(1).text, QStringLiteral("Done."));
}

void Form2SavingTest::cancel_data()
{
    QTest::addColumn<bool>("folderFirst");
    QTest::newRow("cancelled at once") << false;
    QTest::newRow("a folder refused, then cancelled") << true;
}

// Cancelling copies nothing and says nothing, also when the system's dialog first refused
// a folder as the name (it opens the folder instead).
void Form2SavingTest::cancel()
{
    QFETCH(bool, folderFirst);
    const QString folder = m_folder->filePath(QStringLiteral("Calendars"));
    QVERIFY(QDir().mkpath(folder));
    if (!folderFirst) {
        save(QString());
    } else {
        QString openedFolder;
        SystemCommonDialog system;
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
        const CommonDialog::SaveAnswer answer = system.showSave(m_form.get(), {QStringLiteral("Save File"), {}, {}});
        QCOMPARE(answer.fileName, QString());
        QCOMPARE(openedFolder, folder);
        save(answer.fileName, answer.filter);
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
    QFile::remove(wordFile());
    if (targetExists) {
        write(target, old);
        ScriptedMessages::queueAnswer(MessagePresenter::Answer::Yes);
    } else {
        QVERIFY(QDir().mkpath(wordFile())); // a folder cannot be read as a file
    }
    save(target);
    QDir().rmdir(wordFile());

    QCOMPARE(fileContent(target), targetExists ? old : QByteArray());
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden).size(), targetExists ? 1 : 0);
    QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
    if (targetExists)
        QVERIFY(records.takeFirst().text.startsWith(QStringLiteral("Are you sure")));
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.at(0).title, QStringLiteral("Application Error"));
    QVERIFY(records.at(0).text.startsWith(QStringLiteral("Cannot read ") + wordFile()));
    QVERIFY2(records.at(0).text.contains(
                 QStringLiteral("\r\nin Tessaly2021/08/31.Form2.PushButton6_Click at line 130\r\r")),
             qPrintable(records.at(0).text));
}

// The destination refuses the copy after it has been opened and partly written (a full
// disk, a size limit): the file that was there stays whole and nothing is left beside it.
void Form2SavingTest::writeFailingMidwayKeepsTheOldFile()
{
    const QByteArray large(512 * 1024, 'x');
    write(wordFile(), large);
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

// The typed name's suffix decides the format when it names one, the filter chosen
// otherwise, whose suffix the name then gets.
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
    QTest::newRow("pdf typed, Word chosen") << 0 << QStringLiteral("x.pdf") << QStringLiteral("x.pdf");
    QTest::newRow("ODT typed, PDF chosen") << 1 << QStringLiteral("Year.ODT") << QStringLiteral("Year.ODT");
    QTest::newRow("unknown suffix typed") << 1 << QStringLiteral("family.2027") << QStringLiteral("family.2027.pdf");
}

void Form2SavingTest::otherFormats()
{
    QFETCH(int, filter);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    const QString target = m_folder->filePath(written);

    save(m_folder->filePath(typed), filter);

    const QString format = QFileInfo(written).suffix().toLower();
    QVERIFY(fileContent(target).startsWith(format.toUtf8() + '\n'));
    QCOMPARE(m_engine->calls(FakeOperation::OpenDocument).value(0).arguments, wordFile() + QStringLiteral(" read-only"));
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

// One rule in every format: a link is followed and stays, a read-only file or something
// that is no file is refused with one message naming it, before anything is asked.
void Form2SavingTest::refusedTargets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("refusal"); // empty: written through the link
    QTest::newRow("read-only doc") << "locked.doc" << 0 << "it is read-only";
    QTest::newRow("read-only pdf") << "locked.pdf" << 1 << "it is read-only";
    QTest::newRow("link to a doc") << "link.doc" << 0 << "";
    QTest::newRow("link to a pdf") << "link.pdf" << 1 << "";
    QTest::newRow("device") << "device.odt" << 3 << "it is a device, not a file (it links to /dev/null)";
}

void Form2SavingTest::refusedTargets()
{
    QFETCH(QString, name);
    QFETCH(int, filter);
    QFETCH(QString, refusal);
    const QString suffix = QFileInfo(name).suffix();
    write(m_folder->filePath(QStringLiteral("locked.") + suffix), "last year's calendar");
    QVERIFY(QFile::setPermissions(m_folder->filePath(QStringLiteral("locked.") + suffix), QFile::ReadOwner | QFile::ReadOther));
    write(m_folder->filePath(QStringLiteral("real.") + suffix), "last year's calendar");
    QVERIFY(QFile::link(QStringLiteral("real.") + suffix, m_folder->filePath(QStringLiteral("link.") + suffix)));
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), m_folder->filePath(QStringLiteral("device.odt"))));
    const QString target = m_folder->filePath(name);
    if (refusal.isEmpty()) {
        ScriptedMessages::queueAnswer(MessagePresenter::Answer::Yes);
        save(target, filter);
    } else {
        AsNobody person(m_folder->path(), 0777);
        save(target, filter);
    }

    const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
    if (refusal.isEmpty()) {
        QVERIFY(QFileInfo(target).isSymLink());
        QVERIFY(fileContent(m_folder->filePath(QStringLiteral("real.") + suffix)).startsWith(suffix == QLatin1String("doc") ? m_document : QByteArray("pdf\n")));
        QCOMPARE(records.size(), 2);
        QVERIFY2(records.at(0).text.startsWith(target + QStringLiteral(" is a link to ")), qPrintable(records.at(0).text));
        QCOMPARE(records.at(1).text, QStringLiteral("Done."));
    } else {
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.at(0).text, QStringLiteral("Cannot write %1: %2.").arg(target, refusal));
        QCOMPARE(fileContent(m_folder->filePath(QStringLiteral("locked.") + suffix)), QByteArray("last year's calendar"));
    }
}

// The save and a print to a file follow the one rule for the person's files: each special
// target is refused with one plain message before anything is asked, and nothing changes.
void Form2SavingTest::refusedBeforeAnything_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("special");
    for (const char *path : {"save", "print to a file"})
        for (const QString &special : RefusedTargets::names())
            QTest::addRow("%s: %s", path, qPrintable(special)) << QString::fromLatin1(path) << special;
}

void Form2SavingTest::refusedBeforeAnything()
{
    QFETCH(QString, path);
    QFETCH(QString, special);
    const QTemporaryDir folder(QDir::homePath() + QStringLiteral("/targets-XXXXXX"));
    const RefusedTargets targets(folder.path(), CalendarEntryStore::fileName(), QStringLiteral("pdf"));
    std::optional<AsNobody> person;
    if (path == QLatin1String("save")) {
        person.emplace(folder.path(), 0777);
        save(targets.target(special), 1);
    } else {
        m_dialogs.queuePrinter([&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(targets.target(special));
            person.emplace(folder.path(), 0777);
            return true;
        });
        chooseMenuItem(*m_form, QStringLiteral("print"));
    }
    person.reset();

    const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.at(0).kind, MessagePresenter::Kind::Information);
    QVERIFY2(targets.isRefusal(special, records.at(0).text), qPrintable(records.at(0).text));
    QCOMPARE(targets.changes(), QStringList());
}

DAYBLOOM_TEST_MAIN(Form2SavingTest)
#include "tst_Form2Saving.moc"
