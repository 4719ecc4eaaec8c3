#include "tests/support/WindowParts.h"
#include "windows/entry/EntryPanel.h"
#include "windows/entry/EntryTextValidator.h"
#include "windows/entry/PanelGeometry.h"
#include "windows/widgets/Twips.h"
#include "core/shell/PaperPreference.h"
#include "core/shell/LanguagePreference.h"
#include "core/shell/ApplicationTitle.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/shell/CalendarMonths.h"
#include "core/shell/SettingsBackup.h"
#include "windows/shell/Form1.h"
#include "windows/preview/Form2.h"
#include "windows/preview/PersistentPictureBox.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "tests/support/ClickButton.h"
#include "tests/support/MenuItems.h"
#include "tests/support/FakeWordEngine.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/FileReaders.h"
#include "tests/support/HostileFiles.h"
#include "tests/support/OfficeAdvice.h"
#include "tests/support/SettingsFile.h"
#include "tests/support/TestPictures.h"
#include "tests/support/TestMain.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

void storeEntries(const QMap<QString, QString> &entries)
{
    QSettings settings(CalendarEntryStore::fileName(), QSettings::IniFormat);
    settings.beginGroup(settingsSection);
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
    ScriptedCommonDialog m_dialogs;
    const QString m_cursorBesideTest = QCoreApplication::applicationDirPath() + QStringLiteral("/HAND-M.CUR");

private slots:
    void init()
    {
        ScriptedMessages::install(); // ending the program puts the terminal presenter back
        QDir(CalendarEntryStore::fileName()).removeRecursively();
        QFile::remove(CalendarEntryStore::fileName());
        for (const QString &aside : QDir(settingsFolder()).entryList({QStringLiteral("Quillmoor.ini.damaged-*")}))
            QFile::remove(QDir(settingsFolder()).filePath(aside));
        QFile::remove(m_cursorBesideTest);
        ScriptedMessages::takeRecords();
    }

    void cleanup() { QFile::remove(m_cursorBesideTest); }

    void loadsAnEmptyCalendarWithoutWriting()
    {
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        QVERIFY(!form.programEnded());
        QCOMPARE(form.windowTitle(), settingsSection);
        QCOMPARE(ApplicationTitle::get(), QStringLiteral("Daybloom Family Dates and Keepsake"));
        QVERIFY(!form.windowIcon().isNull());
        QCOMPARE(WindowParts::entryPanel(form).scrollBar()->maximum(), 23625);
        // The office check started one instance and kept it, unused, for the first build.
        QCOMPARE(engine.instancesCreated(), 1);
        QCOMPARE(engine.calls(FakeOperation::Quit).size(), 0);
        QCOMPARE(engine.liveInstances(), 1);
        QCOMPARE(ScriptedMessages::recordCount(), 0);
        QVERIFY(!QFile::exists(CalendarEntryStore::fileName()));
    }

    void restoringShowsTheStoredTextsAndChangesNothing()
    {
        const QString longEntry(1024 * 1024, u'x');
        storeEntries({{QStringLiteral("txtJan0"), QStringLiteral("  Mom  ")},
                      {QStringLiteral("txtJan10"), QStringLiteral("eleventh")},
                      {QStringLiteral("txtFeb28"), QStringLiteral("Leap")},
                      {QStringLiteral("txtDec30"), QStringLiteral("Eve")},
                      {QStringLiteral("txtFeb29"), QStringLiteral("not a day")},
                      {QStringLiteral("txtMar0"), longEntry}});
        {
            // Written by hand: a comment, and a value with a comma but without quotes.
            QFile file(CalendarEntryStore::fileName());
            QVERIFY(file.open(QIODevice::Append));
            file.write("; untouched\ntxtFeb1=Mom, Dad Birthday\n");
        }
        const QByteArray stored = settingsFileBytes();
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        const QSignalSpy notices(&WindowParts::entryPanel(form), &EntryPanel::notice);
        form.Form_Load();
        const EntryPanel &panel = WindowParts::entryPanel(form);
        const Calendar &calendar = WindowParts::calendar(form);
        QStringList shown;
        for (int month = 0; month < CalendarMonths::count; ++month) {
            for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
                if (!calendar.entryText(month, index).isEmpty() && month != 2) // March 1: below
                    shown << CalendarMonths::entryName(month, index) + QLatin1Char('=') + calendar.entryText(month, index);
            }
        }
        QCOMPARE(shown, (QStringList{QStringLiteral("txtJan0=  Mom  "), QStringLiteral("txtJan10=eleventh"),
                                     QStringLiteral("txtFeb1=Mom, Dad Birthday"), QStringLiteral("txtFeb28=Leap"),
                                     QStringLiteral("txtDec30=Eve")}));
        // Too long for its box: shown cut, kept whole.
        QCOMPARE(panel.box(2, 0)->text(), longEntry.left(EntryTextValidator::longestText));
        QCOMPARE(notices.size(), 0);
        QCOMPARE(calendar.entryText(2, 0), longEntry);
        QVERIFY(settingsFileBytes() == stored);
        QCOMPARE(ScriptedMessages::recordCount(), 0);
    }

    // A read-only settings file, or none and no folder for it that can be made (as when
    // the home folder is not the person's).
    void anUnwritableFileIsReportedOnceAtStartUp_data()
    {
        QTest::addColumn<bool>("folderMissing");
        QTest::newRow("read-only folder") << false;
        QTest::newRow("no folder, none can be made") << true;
    }

    void anUnwritableFileIsReportedOnceAtStartUp()
    {
        QFETCH(bool, folderMissing);
        const QMap<QString, QString> entries{{QStringLiteral("txtJan1"), QStringLiteral("Second")},
                                             {QStringLiteral("txtJan2"), QStringLiteral("Third")}};
        if (folderMissing)
            QVERIFY(QDir(settingsFolder()).removeRecursively());
        else
            storeEntries(entries);
        const auto folderBack = qScopeGuard([] { QDir().mkpath(settingsFolder()); });
        const QByteArray stored = settingsFileBytes();
        ReadOnlyFolder readOnly(folderMissing ? QFileInfo(settingsFolder()).path() : settingsFolder());
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 1);
        const QString unwritable = CalendarEntryStore::fileName() + QStringLiteral(" cannot be written (Permission denied)");
        QVERIFY2(records[0].text.contains(unwritable), qPrintable(records[0].text));
        QVERIFY2(!records[0].text.contains(QStringLiteral("January")), qPrintable(records[0].text));
        QCOMPARE(WindowParts::calendar(form).entryText(0, 1), folderMissing ? QString() : entries.value(QStringLiteral("txtJan1")));
        QCOMPARE(WindowParts::calendar(form).entryText(0, 2), folderMissing ? QString() : entries.value(QStringLiteral("txtJan2")));

        // Typing meets the refusal as any change does.
        QTest::keyClicks(WindowParts::entryPanel(form).box(0, 0), QStringLiteral("N"));
        records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 1);
        QVERIFY2(records[0].text.startsWith(QStringLiteral("The entry for January 1 could not be saved")),
                 qPrintable(records[0].text));
        QVERIFY(settingsFileBytes() == stored);
    }

    void aDamagedFileIsCopiedAsideAndItsEntriesKept_data()
    {
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("said");
        QByteArray randomBytes(4096, 0);
        QRandomGenerator generator(19);
        for (char &byte : randomBytes)
            byte = static_cast<char>(generator.bounded(256));
        // QSettings reports a format error for the random bytes; after the stray quote it
        // reads on without a word and loses every line up to the end of the file.
        const QString unclean = QStringLiteral("could not be read cleanly.");
        QTest::newRow("random bytes") << randomBytes << false << unclean;
        QTest::newRow("unclosed quote") << QByteArray("[General]\nnote=\"unclosed\n") << false << unclean;
        QTest::newRow("read-only folder") << randomBytes << true << unclean;
        // QSettings reads only the last of a day written twice; the first stays in the copy.
        QTest::newRow("the section twice") << QByteArray(settingsSectionHeading) + "txtJan0=Before\n" << false
                                           << QStringLiteral("more than once (January 1): the last text written for each is used.");
    }

    void aDamagedFileIsCopiedAsideAndItsEntriesKept()
    {
        QFETCH(QByteArray, damage);
        QFETCH(bool, readOnly);
        QFETCH(QString, said);
        const QByteArray damaged = damage
            + "\n" + settingsSectionHeading + "txtJan0=AfterGarbage\ntxtFeb1=Mom, Dad Birthday\ntxtFeb29=not a day\n";
        {
            QFile file(CalendarEntryStore::fileName());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(damaged);
        }
        std::optional<ReadOnlyFolder> folder;
        if (readOnly)
            folder.emplace(settingsFolder());
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 1);
        QVERIFY2(records[0].text.contains(QStringLiteral("Entries recovered: 2.")) && records[0].text.contains(said),
                 qPrintable(records[0].text));
        QCOMPARE(WindowParts::calendar(form).entryText(0, 0), QStringLiteral("AfterGarbage"));
        QCOMPARE(WindowParts::calendar(form).entryText(1, 1), QStringLiteral("Mom, Dad Birthday"));
        folder.reset();

        const QStringList asides = QDir(settingsFolder()).entryList({QStringLiteral("Quillmoor.ini.damaged-*")});
        if (readOnly) {
            QVERIFY2(records[0].text.contains(QStringLiteral("could not be copied aside")), qPrintable(records[0].text));
            QVERIFY(settingsFileBytes() == damaged);
            QCOMPARE(WindowParts::calendar(form).writer().unsavedCount(), 2);
            return;
        }
        QCOMPARE(asides.size(), 1);
        const QString aside = QDir(settingsFolder()).filePath(asides[0]);
        QVERIFY(records[0].text.contains(aside));
        QFile copy(aside);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QVERIFY(copy.readAll() == damaged);
        QSettings clean(CalendarEntryStore::fileName(), QSettings::IniFormat);
        QCOMPARE(clean.allKeys(),
                 (QStringList{settingsSection + QStringLiteral("/txtFeb1"), settingsSection + QStringLiteral("/txtJan0")}));
        QCOMPARE(clean.status(), QSettings::NoError);
        QCOMPARE(CalendarEntryStore().read(QStringLiteral("txtJan0")), QStringLiteral("AfterGarbage"));
    }

    // Values written by hand that the next keystroke would change (bytes of another
    // editor's encoding, a comma without quotes) are found at start as a damaged file is:
    // the file is copied aside, the person told, and the values stored as meant.
    void handEditedValuesAreKeptAsMeant()
    {
        const QByteArray edited = QByteArray(settingsSectionHeading)
            + "txtMay4=Jos\xe9 caf\xe9\ntxtMay0=Tom,Ann Birthday\ntxtFeb1=Mom, Dad Birthday\n[Options]\nPaperSize=A5\n";
        {
            QFile file(CalendarEntryStore::fileName());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(edited);
        }
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 1);
        QVERIFY2(records[0].text.contains(QStringLiteral("A copy of it as it was is kept")), qPrintable(records[0].text));
        const QStringList asides = QDir(settingsFolder()).entryList({QStringLiteral("Quillmoor.ini.damaged-*")});
        QCOMPARE(asides.size(), 1);
        QCOMPARE(fileContent(QDir(settingsFolder()).filePath(asides.first())), edited);

        QTest::keyClicks(WindowParts::entryPanel(form).box(0, 0), QStringLiteral("N"));
        const CalendarEntryStore store;
        QCOMPARE(store.read(QStringLiteral("txtMay4")), QStringLiteral("Jos\u00e9 caf\u00e9"));
        QCOMPARE(store.read(QStringLiteral("txtMay0")), QStringLiteral("Tom,Ann Birthday"));
        QCOMPARE(store.read(QStringLiteral("txtFeb1")), QStringLiteral("Mom, Dad Birthday"));
        QCOMPARE(store.option(QStringLiteral("PaperSize")), QStringLiteral("A5"));
        QVERIFY(store.readsCleanly());
    }

    void tabOrderRunsThroughTheCalendarThenTheButtons()
    {
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (int month = 0; month < CalendarMonths::count; ++month) {
            for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
                QCOMPARE(QApplication::focusWidget(), WindowParts::entryPanel(form).box(month, index));
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
        Form1 form(engine, m_dialogs, QStringLiteral("Daybloom"));
        form.Form_Load();
        const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[0].text, reportAt(104, QStringLiteral("Invalid procedure call or argument")));
        QVERIFY(records[1].text.contains(QStringLiteral("Form1.Form_Load at line 108\r\r")));
        QCOMPARE(ApplicationTitle::get(), QStringLiteral("Earlier title"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Daybloom"));
        QVERIFY(!WindowParts::pointer(form).hasCustomCursor());
        QCOMPARE(WindowParts::entryPanel(form).scrollBar()->maximum(), 23625);
        QVERIFY(!form.programEnded());
    }

    void handCursorBesideTheProgramIsTheCustomPointer()
    {
        QVERIFY(QFile::copy(QStringLiteral(HAND_CURSOR_SOURCE), m_cursorBesideTest));
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        QCOMPARE(WindowParts::pointer(form).value(), MousePointer::Default);
        WindowParts::pointer(form).set(MousePointer::Custom);
        QCOMPARE(form.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(form.cursor().hotSpot(), QPoint(7, 0));
    }

    void withoutOfficeOnlyTheAdviceShowsAndTheProgramEnds()
    {
        storeEntries({{QStringLiteral("txtJuly21"), QStringLiteral("Nancy Birthday")}});
        FakeWordEngine engine;
        engine.failAlways(FakeOperation::CreateApplication);
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        QVERIFY(form.programEnded());
        QVERIFY(!form.isVisible());
        const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].title, QStringLiteral("Daybloom Family Dates and Keepsake"));
        QCOMPARE(records[0].kind, MessagePresenter::Kind::Information);
        QCOMPARE(records[0].text, officeAdvice + QStringLiteral("\r\n\r\nCause: Simulated failure of createApplication."));
        QCOMPARE(CalendarEntryStore().read(QStringLiteral("txtJuly21")), QStringLiteral("Nancy Birthday"));
    }

    // Clearing by mistake costs nothing: Ctrl+Z brings every entry back (in the boxes and
    // in the file, whole even when longer than a box takes), Ctrl+Shift+Z clears again,
    // and a safety copy of the file was taken first. The samples are taken back the same way.
    void wholeCalendarChangesAreTakenBack()
    {
        const QString marysText = QStringLiteral("Mary's own text") + QString(40000, u'.');
        storeEntries({{QStringLiteral("txtJan0"), QStringLiteral("New Year")},
                      {QStringLiteral("txtApr12"), marysText},
                      {QStringLiteral("txtDec30"), QStringLiteral("Silvester")}});
        const QByteArray fileBefore = fileContent(CalendarEntryStore::fileName());
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QLineEdit *box = WindowParts::entryPanel(form).box(5, 10);
        box->setFocus();
        const auto texts = [&form] {
            return QStringList{WindowParts::calendar(form).entryText(0, 0), WindowParts::calendar(form).entryText(3, 12),
                               WindowParts::calendar(form).entryText(11, 30)};
        };
        const QStringList original{QStringLiteral("New Year"), marysText, QStringLiteral("Silvester")};

        clickButton(form, QStringLiteral("PushButton1"));
        QCOMPARE(texts(), QStringList(3, QString()));
        QCOMPARE(fileContent(SettingsBackup::fileName()), fileBefore);

        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(texts(), original);
        QVERIFY(CalendarEntryStore().read(QStringLiteral("txtApr12")) == marysText);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(texts(), QStringList(3, QString()));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(texts(), original);

        clickButton(form, QStringLiteral("PushButton2"));
        QCOMPARE(WindowParts::calendar(form).entryText(3, 12), QStringLiteral("Mary Birthday"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(texts(), original);
        QCOMPARE(CalendarEntryStore().read(QStringLiteral("txtNov15")), QString());

        // Typing keeps the box's own undo: Ctrl+Z takes back the typing, not a step.
        QTest::keyClicks(box, QStringLiteral("abc"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QString());
        QCOMPARE(texts(), original);
    }

    // Contact cards dropped on the window: what would change is shown first, and only a
    // Yes stores it; dropping the same file again adds nothing.
    void droppedContactsAreAddedOnlyWhenConfirmed()
    {
        storeEntries({{QStringLiteral("txtApr12"), QStringLiteral("Picnic")}});
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        ScriptedMessages::takeRecords();
        const QString cards = QDir(qEnvironmentVariable("TEMP")).filePath(QStringLiteral("family.vcf"));
        QFile file(cards);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Mary Smith\r\nBDAY:1985-04-13\r\nEND:VCARD\r\n"
                   "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob Jones\r\nEND:VCARD\r\n");
        file.close();
        const auto drop = [&] {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(cards)});
            QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&form, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent dropped(QPointF(400, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&form, &dropped);
        };

        // The files are read once the drop is answered, in the background.
        const auto dropAndWait = [&] {
            drop();
            QTRY_VERIFY(ScriptedMessages::recordCount() > 0 && !m_dialogs.progress().last()->open);
        };
        ScriptedMessages::queueAnswer(MessagePresenter::Answer::No);
        dropAndWait();
        QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 1);
        QVERIFY2(records.at(0).text.startsWith(QStringLiteral("1 new entries on 1 days, 1 of which already hold text")),
                 qPrintable(records.at(0).text));
        QVERIFY(records.at(0).text.contains(QStringLiteral("Bob Jones")));
        QCOMPARE(WindowParts::calendar(form).entryText(3, 12), QStringLiteral("Picnic"));

        ScriptedMessages::queueAnswer(MessagePresenter::Answer::Yes);
        dropAndWait();
        QCOMPARE(ScriptedMessages::takeRecords().size(), 1);
        QCOMPARE(WindowParts::calendar(form).entryText(3, 12), QStringLiteral("Picnic; Mary Smith Birthday (1985)"));
        QCOMPARE(CalendarEntryStore().read(QStringLiteral("txtApr12")), QStringLiteral("Picnic; Mary Smith Birthday (1985)"));

        dropAndWait();
        records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.at(0).kind, MessagePresenter::Kind::Information);
        QVERIFY(records.at(0).text.startsWith(QStringLiteral("Nothing new to add")));
    }

    // ... also while a large file is imported: the import ends with nothing said or changed.
    void closingTheMainWindowEndsTheProgramAtOnce()
    {
        // Stands in for the preview window: its closing handler must not run.
        struct OtherWindow : QWidget {
            int closeRequests = 0;
            void closeEvent(QCloseEvent *) override { ++closeRequests; }
        };
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        OtherWindow other;
        form.show();
        other.show();
        const QString cards = writtenFile(QDir(qEnvironmentVariable("TEMP")).filePath(QStringLiteral("huge.vcf")),
                                          cardWithHugeName(40 * 1024 * 1024));
        m_dialogs.queueOpen({cards});
        chooseMenuItem(form, QStringLiteral("importDates"));
        QVERIFY(m_dialogs.progress().last()->open);
        QEventLoop loop;
        QTimer::singleShot(0, &form, [&] { form.close(); });
        QTimer::singleShot(10000, &loop, [&] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!form.isVisible() && !other.isVisible());
        QCOMPARE(other.closeRequests, 0);
        QVERIFY(!m_dialogs.progress().last()->open);
        QTest::qWait(300);
        QCOMPARE(ScriptedMessages::recordCount(), 0);
        QVERIFY(QFile::remove(cards));
    }

    // The program has been ended once above, so no event loop runs any more: the tests
    // below see the end of the program as the window closing and hiding.

    // Every item of the main window's menus does its command.
    void menuItemsDoTheirCommands()
    {
        storeEntries({{QStringLiteral("txtJan0"), QStringLiteral("New Year")}});
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        QAction *undo = MenuItems::find(form, QStringLiteral("undo"));
        QAction *redo = MenuItems::find(form, QStringLiteral("redo"));
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());

        clickButton(form, QStringLiteral("PushButton1"));
        QCOMPARE(undo->text(), QStringLiteral("&Undo: Calendar cleared"));
        QVERIFY(!redo->isEnabled());
        chooseMenuItem(form, QStringLiteral("undo"));
        QCOMPARE(WindowParts::calendar(form).entryText(0, 0), QStringLiteral("New Year"));
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("&Redo: Calendar cleared"));
        chooseMenuItem(form, QStringLiteral("redo"));
        QCOMPARE(WindowParts::calendar(form).entryText(0, 0), QString());
        chooseMenuItem(form, QStringLiteral("undo"));

        const QString exported = QDir(settingsFolder()).filePath(QStringLiteral("menu-export.csv"));
        QFile::remove(exported);
        m_dialogs.queueSave(exported, 1);
        chooseMenuItem(form, QStringLiteral("exportDates"));
        QVERIFY(fileContent(exported).contains("New Year"));
        QFile::remove(exported);
        m_dialogs.queueOpen({}); // the file dialog shows; the person cancels it
        chooseMenuItem(form, QStringLiteral("importDates"));
        QVERIFY(m_dialogs.allAnswered());

        for (const auto &[name, paper] : {std::pair{"paper-a4", PaperSize::A4}, std::pair{"paper-a5", PaperSize::A5},
                                          std::pair{"paper-letter", PaperSize::Letter}}) {
            chooseMenuItem(form, QString::fromLatin1(name));
            QCOMPARE(PaperPreference::current(), paper);
            QVERIFY(MenuItems::find(form, QString::fromLatin1(name))->isChecked());
        }
        QCOMPARE(CalendarEntryStore().read(QStringLiteral("txtJan0")), QStringLiteral("New Year"));
        ScriptedMessages::takeRecords();
        chooseMenuItem(form, QStringLiteral("language-de"));
        QCOMPARE(LanguagePreference::chosen(), QStringLiteral("de"));
        chooseMenuItem(form, QStringLiteral("language-system"));
        QCOMPARE(LanguagePreference::chosen(), QString());
        QCOMPARE(ScriptedMessages::takeRecords().size(), 2); // it speaks from the next start

        ScriptedMessages::takeRecords();
        chooseMenuItem(form, QStringLiteral("about"));
        chooseMenuItem(form, QStringLiteral("userGuide")); // not installed beside the test
        const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 2);
        QVERIFY(records.at(0).text.contains(QStringLiteral("MIT licence")));
        QVERIFY(records.at(1).text.contains(QStringLiteral("man daybloom")));

        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // Under the menu bar, the client area keeps its size and the controls their places.
        const auto *clientArea = form.findChild<QWidget *>(QStringLiteral("clientArea"));
        QCOMPARE(clientArea->size(), QSize(792, 570));
        QVERIFY(form.findChild<QMenuBar *>()->height() > 0);
        QCOMPARE(clientArea->geometry().top(), form.findChild<QMenuBar *>()->geometry().bottom() + 1);
        QCOMPARE(form.size(), QSize(792, clientArea->geometry().bottom() + 1));
        QCOMPARE(WindowParts::entryPanel(form).mapTo(clientArea, QPoint()), Twips::rect(PanelGeometry::frame).topLeft());
        chooseMenuItem(form, QStringLiteral("quit"));
        QVERIFY(!form.isVisible());
    }

    void closingWithUnsavedEntriesAsksFirst()
    {
        storeEntries({{QStringLiteral("txtJan0"), QStringLiteral("New Year")}});
        // A folder that the user of a read-only settings folder may write to.
        const QString elsewhere = QFileInfo(settingsFolder()).path() + QStringLiteral("/elsewhere");
        QVERIFY(QDir().mkpath(elsewhere));
        QVERIFY(QFile::setPermissions(elsewhere, QFile::Permissions(0x7777)));
        const QString saved = elsewhere + QStringLiteral("/saved.ini");
        QFile::remove(saved);
        {
            ReadOnlyFolder readOnly(settingsFolder());
            FakeWordEngine engine;
            Form1 form(engine, m_dialogs);
            form.Form_Load();
            form.show();
            QTest::keyClicks(WindowParts::entryPanel(form).box(3, 12), QStringLiteral("Mom"));
            ScriptedMessages::takeRecords(); // at start-up, and the refused write

            // Retry while the fault lasts asks again, so does a file that cannot be
            // written, and Cancel keeps the window.
            ScriptedMessages::queueChoice(QStringLiteral("Retry"));
            ScriptedMessages::queueChoice(QStringLiteral("Save to Another File..."));
            m_dialogs.queueSave(elsewhere + QStringLiteral("/missing/entries.ini"));
            ScriptedMessages::queueChoice(QStringLiteral("Cancel"));
            QVERIFY(!form.close());
            QVERIFY(form.isVisible());
            const QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
            QCOMPARE(records.size(), 4);
            for (int i : {0, 1, 3}) {
                QCOMPARE(records[i].kind, MessagePresenter::Kind::Choice);
                QVERIFY2(records[i].text.startsWith(QStringLiteral("Unsaved entries: 1. They could not be saved because "
                                                                   "the settings file %1 cannot be written")
                                                        .arg(CalendarEntryStore::fileName())),
                         qPrintable(records[i].text));
            }
            QVERIFY2(records[2].text.startsWith(QStringLiteral("Cannot write %1/missing/entries.ini: the folder ").arg(elsewhere)),
                     qPrintable(records[2].text));

            ScriptedMessages::queueChoice(QStringLiteral("Save to Another File..."));
            m_dialogs.queueSave(elsewhere + QStringLiteral("/saved")); // the suffix comes with the filter
            QVERIFY(form.close());
            QVERIFY(!form.isVisible());
            QCOMPARE(ScriptedMessages::takeRecords().size(), 1);
        }
        // The saved file holds every day and can replace the settings file.
        QCOMPARE(QSettings(saved, QSettings::IniFormat).allKeys().size(), 366);
        QVERIFY(QFile::remove(CalendarEntryStore::fileName()));
        QVERIFY(QFile::rename(saved, CalendarEntryStore::fileName()));
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        QCOMPARE(WindowParts::calendar(form).entryText(0, 0), QStringLiteral("New Year"));
        QCOMPARE(WindowParts::calendar(form).entryText(3, 12), QStringLiteral("Mom"));
        QCOMPARE(ScriptedMessages::recordCount(), 0);
    }

    // An end nobody can be asked about (a signal) asks nothing and loses nothing: entries
    // the settings file refused go to a file beside it.
    void closingWithoutAskingKeepsUnsavedEntriesBesideTheSettings()
    {
        QVERIFY(QDir().mkpath(CalendarEntryStore::fileName())); // the settings file cannot be written
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        form.show();
        QTest::keyClicks(WindowParts::entryPanel(form).box(3, 12), QStringLiteral("Mom"));
        ScriptedMessages::takeRecords(); // at start-up, and the refused write

        form.closeWithoutAsking();
        QVERIFY(!form.isVisible());
        QCOMPARE(ScriptedMessages::recordCount(), 0);
        const QStringList beside = QDir(settingsFolder()).entryList({QStringLiteral("Quillmoor.ini.unsaved-*")});
        QCOMPARE(beside.size(), 1);
        const QString kept = QDir(settingsFolder()).filePath(beside.first());
        QSettings entries(kept, QSettings::IniFormat);
        entries.beginGroup(settingsSection);
        QCOMPARE(entries.allKeys().size(), 366);
        QCOMPARE(entries.value(QStringLiteral("txtApr12")).toString(), QStringLiteral("Mom"));
        QVERIFY(QFile::remove(kept));
    }

    // The preview shows once page 1 is pictured; the person can choose a listed page while
    // the others are still pictured, and the list ends with every page and its picture.
    void thePreviewShowsFromPageOneAndItsListEndsComplete()
    {
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        form.show();
        QTest::keyClicks(WindowParts::entryPanel(form).box(0, 0), QStringLiteral("A"));
        // Before page 4 is pictured: what the person sees, and a click on "Page 2".
        bool shownWhilePicturing = false;
        QStringList listedWhilePicturing;
        QImage shownAfterClick;
        int copies = 0;
        engine.setBeforeCall([&](const FakeCall &call) {
            if (call.operation != FakeOperation::CopyAsPicture || ++copies != 4)
                return;
            Form2 *preview = WindowParts::previewWindow();
            shownWhilePicturing = preview && preview->isVisible() && !form.isVisible();
            if (!shownWhilePicturing)
                return;
            auto *list = preview->findChild<QTreeWidget *>(QStringLiteral("ListView1"));
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                listedWhilePicturing.append(list->topLevelItem(row)->text(0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                              list->visualItemRect(list->topLevelItem(1)).center());
            shownAfterClick = WindowParts::pageViewport(*preview).zoomOri()->picture();
        });
        clickButton(form, QStringLiteral("PushButton22"));

        QVERIFY(shownWhilePicturing);
        QCOMPARE(listedWhilePicturing, (QStringList{QStringLiteral("Page 1"), QStringLiteral("Page 2"), QStringLiteral("Page 3")}));
        Form2 *preview = WindowParts::previewWindow();
        QVERIFY(TestPictures::samePage(shownAfterClick, FakeWordEngine::pagePicture(preview->wordFile(), 2)));
        auto *list = preview->findChild<QTreeWidget *>(QStringLiteral("ListView1"));
        QCOMPARE(list->topLevelItemCount(), 6);
        for (int n = 1; n <= 6; ++n) {
            QCOMPARE(list->topLevelItem(n - 1)->text(0), QStringLiteral("Page %1").arg(n));
            QVERIFY2(TestPictures::samePage(preview->pageImage(n - 1), FakeWordEngine::pagePicture(preview->wordFile(), n)),
                     qPrintable(QStringLiteral("page %1").arg(n)));
        }
        QVERIFY(!form.isVisible());
        QCOMPARE(ScriptedMessages::recordCount(), 0);
    }

    void closingThePreviewAsksBeforeTheDocumentGoes()
    {
        QVERIFY(QDir().mkpath(CalendarEntryStore::fileName()));
        FakeWordEngine engine;
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        form.show();
        QTest::keyClicks(WindowParts::entryPanel(form).box(0, 0), QStringLiteral("A"));
        clickButton(form, QStringLiteral("PushButton22"));
        Form2 *preview = WindowParts::previewWindow();
        QVERIFY(preview && preview->isVisible());
        const QString document = preview->wordFile();
        QVERIFY(QFile::exists(document));
        ScriptedMessages::takeRecords();

        ScriptedMessages::queueChoice(QStringLiteral("Cancel"));
        QVERIFY(!preview->close());
        QVERIFY(preview->isVisible());
        QVERIFY(QFile::exists(document));

        ScriptedMessages::queueChoice(QStringLiteral("Close Anyway"));
        QVERIFY(preview->close());
        QVERIFY(!preview->isVisible());
        QVERIFY(!QFile::exists(document));
        QCOMPARE(ScriptedMessages::takeRecords().size(), 2);
    }
};

DAYBLOOM_TEST_MAIN(Form1Test)
#include "Form1Test.moc"
