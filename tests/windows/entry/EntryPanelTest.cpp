#include "tests/support/WindowParts.h"
#include "windows/entry/EntryPanel.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/shell/CalendarMonths.h"
#include "windows/shell/Form1.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "windows/widgets/PictureBox.h"
#include "tests/support/FakeWordEngine.h"
#include "tests/support/ClickButton.h"
#include "tests/support/SettingsFile.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSettings>
#include <QAccessible>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

void moveMouseOver(QWidget *widget)
{
    const QPointF local(2, 2);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void typeText(QWidget *box, const QString &text)
{
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text, Qt::NoModifier);
}

using Entries = QMap<QString, QString>; // key → text of the non-empty entries

// What the boxes show.
Entries shownEntries(const EntryPanel &panel)
{
    Entries entries;
    for (int month = 0; month < CalendarMonths::count; ++month) {
        for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
            if (!panel.box(month, index)->text().isEmpty())
                entries.insert(CalendarMonths::entryName(month, index), panel.box(month, index)->text());
        }
    }
    return entries;
}

// The keys of the file, and those with text.
QPair<QStringList, Entries> storedEntries()
{
    QSettings settings(CalendarEntryStore::fileName(), QSettings::IniFormat);
    settings.beginGroup(settingsSection);
    Entries entries;
    for (const QString &key : settings.childKeys()) {
        if (!settings.value(key).toString().isEmpty())
            entries.insert(key, settings.value(key).toString());
    }
    return {settings.childKeys(), entries};
}

} // namespace

class EntryPanelTest : public QObject
{
    Q_OBJECT

private:
    FakeWordEngine m_engine;
    ScriptedCommonDialog m_dialogs;
    std::unique_ptr<Form1> m_form;

    EntryPanel &panel() { return WindowParts::entryPanel(*m_form); }
    QLineEdit *box(int month, int index) { return panel().box(month, index); }
    int scrollValue() { return panel().scrollBar()->value(); }

    void focus(QLineEdit *box)
    {
        box->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        QDir(CalendarEntryStore::fileName()).removeRecursively();
        QFile::remove(CalendarEntryStore::fileName());
        ScriptedMessages::takeRecords();
        m_form = std::make_unique<Form1>(m_engine, m_dialogs);
        m_form->Form_Load();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    void cleanup()
    {
        m_form.reset();
        QDir(CalendarEntryStore::fileName()).removeRecursively();
    }

    void placeholdersFillTheMissingDaysAndTakeNoInput()
    {
        const QList<QLineEdit *> placeholders = m_form->findChildren<QLineEdit *>(QStringLiteral("txtDummy"));
        QList<int> indexes;
        for (const QLineEdit *placeholder : placeholders) {
            QVERIFY(!placeholder->isEnabled() && placeholder->focusPolicy() == Qt::NoFocus);
            indexes << placeholder->property("index").toInt();
        }
        std::sort(indexes.begin(), indexes.end());
        QCOMPARE(indexes, (QList<int>{0, 1, 2, 3, 343, 350}));
        QCOMPARE(m_form->findChildren<QLineEdit *>().size(), 366 + 6);
        QVERIFY(m_form->findChild<QLineEdit *>(QStringLiteral("txtFeb_28")));
        QVERIFY(!m_form->findChild<QLineEdit *>(QStringLiteral("txtFeb_29")));
        QCOMPARE(m_form->findChildren<QLabel *>(QStringLiteral("Label2")).size(), 372);
    }

    // A screen reader names each box by its day and reads its entry as the value.
    void boxesAreNamedByTheirDay()
    {
        WindowParts::calendar(*m_form).setEntryText(1, 28, QStringLiteral("Leap day"));
        const struct {
            int month, index;
            const char *name;
        } days[] = {{0, 0, "January 1"}, {1, 28, "February 29"}, {11, 30, "December 31"}};
        for (const auto &day : days) {
            QAccessibleInterface *box = QAccessible::queryAccessibleInterface(WindowParts::entryPanel(*m_form).box(day.month, day.index));
            QVERIFY(box);
            QCOMPARE(box->text(QAccessible::Name), QString::fromLatin1(day.name));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(WindowParts::entryPanel(*m_form).box(1, 28))->text(QAccessible::Value),
                 QStringLiteral("Leap day"));
    }

    void everyKeystrokeIsStored()
    {
        const QString key = QStringLiteral("txtApr12");
        QStringList stored; // what the settings file holds after each key
        focus(box(3, 12));
        for (const QChar letter : QStringLiteral("Mom")) {
            QTest::keyClick(box(3, 12), letter.toLatin1());
            stored << CalendarEntryStore().read(key);
        }
        QTest::keyClick(box(3, 12), Qt::Key_End);
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(box(3, 12), Qt::Key_Backspace);
            stored << CalendarEntryStore().read(key);
        }
        QCOMPARE(stored, (QStringList{QStringLiteral("M"), QStringLiteral("Mo"), QStringLiteral("Mom"), QStringLiteral("Mo"),
                                      QStringLiteral("M"), QString()}));
        QSettings settings(CalendarEntryStore::fileName(), QSettings::IniFormat);
        settings.beginGroup(m_form->windowTitle());
        QVERIFY(settings.contains(key));

        focus(box(0, 10));
        typeText(box(0, 10), QStringLiteral("Zoë "));
        typeText(box(0, 10), QStringLiteral("🎂"));
        QCOMPARE(CalendarEntryStore().read(QStringLiteral("txtJan10")), QStringLiteral("Zoë 🎂"));
    }

    // A paste keeps no control character and no more than the box holds, and a short
    // notice says what was left out; a plain paste says nothing.
    void pastesLeaveOutWhatNoDayHolds_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("notice");
        const QString full(32767, u'f');
        QTest::newRow("plain") << QStringLiteral("Mom ") << QStringLiteral("Birthday\r\n\t!") << QStringLiteral("Mom Birthday\r\n\t!")
                               << QString();
        QTest::newRow("control characters") << QString() << QStringLiteral("Ann\x07\x1b[31m Bob\x7f\u0085") << QStringLiteral("Ann[31m Bob")
                                            << QStringLiteral("Control characters (invisible codes) were left out.");
        QTest::newRow("40,000 characters") << QStringLiteral("A: ") << QString(40000, u'x')
                                           << QStringLiteral("A: ") + QString(32764, u'x')
                                           << QStringLiteral("A day's box holds at most 32,767 characters: the rest was left out.");
        QTest::newRow("into a full box") << full << QStringLiteral("more") << full
                                         << QStringLiteral("A day's box holds at most 32,767 characters: the rest was left out.");
    }

    void pastesLeaveOutWhatNoDayHolds()
    {
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        QFETCH(QString, notice);
        WindowParts::calendar(*m_form).setEntryText(3, 12, before);
        focus(box(3, 12));
        QTest::keyClick(box(3, 12), Qt::Key_End);
        QSignalSpy notices(&WindowParts::entryPanel(*m_form), &EntryPanel::notice);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(box(3, 12), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box(3, 12)->text(), after);
        QCOMPARE(CalendarEntryStore().read(QStringLiteral("txtApr12")), after);
        QCOMPARE(notices.size(), notice.isEmpty() ? 0 : 1);
        if (!notice.isEmpty())
            QCOMPARE(notices.at(0).at(0).toString(), notice);
    }

    void focusScrollsTheBoxToTheLastVisibleRow_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::newRow("January 20") << 0 << 19 << 15;
        QTest::newRow("April 20") << 3 << 19 << 15;
        QTest::newRow("January 21") << 0 << 20 << 270;
        QTest::newRow("May 1") << 4 << 0 << 4035;
        QTest::newRow("September 1") << 8 << 0 << 14100;
        QTest::newRow("December 31") << 11 << 30 << 23550;
    }

    void focusScrollsTheBoxToTheLastVisibleRow()
    {
        QFETCH(int, month);
        QFETCH(int, index);
        QFETCH(int, value);
        panel().scrollBar()->setValue(9000);
        focus(box(month, index));
        QCOMPARE(scrollValue(), value);
        QCOMPARE(panel().panel()->y(), -value / 15);
        // Scrolled, the box's top sits 315 twips (21 pixels) above the viewport's bottom.
        if (value > 15)
            QCOMPARE(box(month, index)->mapTo(panel().viewport(), QPoint(0, 0)).y(), (6900 - 315) / 15);
    }

    void tabFromJanuary31ReturnsThePanelToItsTop()
    {
        focus(box(0, 30));
        QCOMPARE(scrollValue(), 3420);
        QTest::keyClick(box(0, 30), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box(1, 0));
        QCOMPARE(scrollValue(), 15);
    }

    void focusSelectsTheWholeTextExceptInJanuary()
    {
        box(3, 12)->setText(QStringLiteral("Mary Birthday"));
        box(0, 15)->setText(QStringLiteral("Elvis Anniversary"));
        QTest::mouseClick(box(3, 12), Qt::LeftButton, Qt::NoModifier, QPoint(30, 10));
        QTRY_COMPARE(box(3, 12)->selectedText(), QStringLiteral("Mary Birthday"));
        QCOMPARE(box(3, 12)->cursorPosition(), 13);

        QTest::mouseClick(box(0, 15), Qt::LeftButton, Qt::NoModifier, QPoint(30, 10));
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), box(0, 15));
        QCOMPARE(box(0, 15)->selectedText(), QString());
    }

    void draggingTheThumbMovesThePanelContinuously()
    {
        QScrollBar *scrollBar = panel().scrollBar();
        scrollBar->setSliderDown(true);
        scrollBar->setSliderPosition(4500);
        QCOMPARE(panel().panel()->y(), -300);
        scrollBar->setSliderPosition(9000);
        QCOMPARE(panel().panel()->y(), -600);
        scrollBar->setSliderDown(false);
        QCOMPARE(scrollBar->value(), 9000);
    }

    void pointerFollowsTheMouseButNeverReplacesTheHourglass()
    {
        MousePointer &pointer = WindowParts::pointer(*m_form);
        QWidget *button = m_form->findChild<QWidget *>(QStringLiteral("PushButton1"));
        QWidget *frame = m_form->findChild<QWidget *>(QStringLiteral("Frame3"));
        QWidget *dayNumber = m_form->findChildren<QLabel *>(QStringLiteral("Label2")).first();

        moveMouseOver(button);
        QCOMPARE(pointer.value(), MousePointer::Custom);
        moveMouseOver(dayNumber);
        QCOMPARE(pointer.value(), MousePointer::Custom);
        moveMouseOver(box(5, 3));
        QCOMPARE(pointer.value(), MousePointer::Default);
        moveMouseOver(button);
        moveMouseOver(frame);
        QCOMPARE(pointer.value(), MousePointer::Default);
        moveMouseOver(button);
        moveMouseOver(m_form.get());
        QCOMPARE(pointer.value(), MousePointer::Default);

        pointer.set(MousePointer::Hourglass);
        for (QWidget *widget : std::initializer_list<QWidget *>{button, frame, box(5, 3), m_form.get()}) {
            moveMouseOver(widget);
            QCOMPARE(pointer.value(), MousePointer::Hourglass);
        }
    }

    void refusedWritesKeepTheTextWarnOnceAndAreRetried()
    {
        QVERIFY(QDir().mkpath(CalendarEntryStore::fileName()));
        focus(box(3, 12));
        QTest::keyClicks(box(3, 12), QStringLiteral("Mom"));
        focus(box(11, 4));
        QTest::keyClicks(box(11, 4), QStringLiteral("Brian"));
        QCOMPARE(box(3, 12)->text(), QStringLiteral("Mom"));
        QList<ScriptedMessages::Record> records = ScriptedMessages::takeRecords();
        QCOMPARE(records.size(), 1);
        QVERIFY2(records[0].text.contains(QStringLiteral("April 13")), qPrintable(records[0].text));
        QVERIFY(records[0].text.contains(CalendarEntryStore::fileName()));

        // The file can be written again: the next change saves every unsaved entry.
        QVERIFY(QDir(CalendarEntryStore::fileName()).removeRecursively());
        focus(box(6, 21));
        QTest::keyClicks(box(6, 21), QStringLiteral("N"));
        CalendarEntryStore store;
        QCOMPARE(store.read(QStringLiteral("txtApr12")), QStringLiteral("Mom"));
        QCOMPARE(store.read(QStringLiteral("txtDec4")), QStringLiteral("Brian"));
        QCOMPARE(store.read(QStringLiteral("txtJuly21")), QStringLiteral("N"));
        QCOMPARE(ScriptedMessages::recordCount(), 0);

        // A new fault after everything was saved is reported again.
        QVERIFY(QFile::remove(CalendarEntryStore::fileName()));
        QVERIFY(QDir().mkpath(CalendarEntryStore::fileName()));
        QTest::keyClicks(box(6, 21), QStringLiteral("a"));
        QCOMPARE(ScriptedMessages::recordCount(), 1);
    }

    void samplesReplaceOnlyTheirEightDays()
    {
        WindowParts::calendar(*m_form).setEntryText(0, 0, QStringLiteral("New Year"));
        WindowParts::calendar(*m_form).setEntryText(3, 12, QStringLiteral("Someone else"));
        clickButton(*m_form, QStringLiteral("PushButton2"));
        clickButton(*m_form, QStringLiteral("PushButton2"));
        const Entries expected{
            {QStringLiteral("txtJan0"), QStringLiteral("New Year")},
            {QStringLiteral("txtNov15"), QStringLiteral("Ruth Birthday")},
            {QStringLiteral("txtDec4"), QStringLiteral("Brian Birthday")},
            {QStringLiteral("txtDec7"), QStringLiteral("John Birthday")},
            {QStringLiteral("txtJan27"), QStringLiteral("Grampa Birthday")},
            {QStringLiteral("txtJan15"), QStringLiteral("Elvis Anniversary")},
            {QStringLiteral("txtApr12"), QStringLiteral("Mary Birthday")},
            {QStringLiteral("txtJuly21"), QStringLiteral("Nancy Birthday")},
            {QStringLiteral("txtSep15"), QStringLiteral("Mom Birthday")},
        };
        QCOMPARE(shownEntries(panel()), expected);
        QCOMPARE(storedEntries().second, expected);
        QCOMPARE(ScriptedMessages::recordCount(), 0);
    }

    void clearEmptiesEveryDayAndKeepsTheKeys()
    {
        clickButton(*m_form, QStringLiteral("PushButton1"));
        QVERIFY2(!QFile::exists(CalendarEntryStore::fileName()), "clearing an empty calendar wrote to the store");

        clickButton(*m_form, QStringLiteral("PushButton2"));
        WindowParts::calendar(*m_form).setEntryText(1, 28, QStringLiteral("Leap Day"));
        panel().scrollBar()->setValue(5000);
        clickButton(*m_form, QStringLiteral("PushButton1"));
        QCOMPARE(shownEntries(panel()), Entries());
        QCOMPARE(storedEntries().second, Entries());
        QCOMPARE(storedEntries().first.size(), 9);
        QCOMPARE(panel().scrollBar()->value(), 5000);

        m_form = std::make_unique<Form1>(m_engine, m_dialogs);

        m_form->Form_Load();
        QCOMPARE(shownEntries(panel()), Entries());
    }
};

DAYBLOOM_TEST_MAIN(EntryPanelTest)
#include "EntryPanelTest.moc"
