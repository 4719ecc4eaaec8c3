#pragma once

#include "core/entry/CalendarChanges.h"
#include "core/shell/UnsavedEntriesCheck.h"
#include "windows/shell/BuildController.h"
#include "windows/import/DateExporter.h"
#include "windows/import/DateImporter.h"
#include "windows/keepsake/KeepsakeCommands.h"
#include "windows/widgets/MousePointer.h"
#include "windows/widgets/WindowSetup.h"
#include "windows/shell/SkinEngine.h"

#include <QString>
#include <QWidget>

class Calendar;
class CommonDialog;
class EntryPanel;
class MainMenu;
class ErrorReport;
class PushButton;
class WordEngine;

// The main window: its menus, and under them three command buttons above the calendar
// entry panel, which shows the window's calendar (a Calendar, its child). Constructing it
// only assembles the controls; the load step (Form_Load), which restores the entries and
// checks the office, runs when start-up calls it, while the window is still invisible.
// When that step finds that no office can be started, the program must end without
// showing the window (programEnded()). Closing it ends the program at once, unless entries
// the settings file refused are still unsaved: then the user decides first (as when the
// preview window closes); an import still running ends first, with nothing changed.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // commonDialog: asks for files to import and to save to, and for the printer.
    Form1(WordEngine &engine, CommonDialog &commonDialog, QWidget *parent = nullptr);
    // productName: the caption and the source of the application title.
    Form1(WordEngine &engine, CommonDialog &commonDialog, const QString &productName, QWidget *parent = nullptr);

    // Skin, caption, cursor, the entries restored from the settings file, and last the
    // office check.
    void Form_Load();
    // True when the load step ended the program, or the program was told to end before the
    // window was shown: the window must not be shown.
    bool programEnded() const { return m_programEnded || m_closing; }
    // Ends the program without asking anything (the session ends, the program is told to
    // end): entries the settings file refused are kept in a file beside it. During the
    // load step the office check then ends quietly, without its advice.
    void closeWithoutAsking();

    void PushButton22_Click();
    void PushButton1_Click();
    void PushButton2_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Contacts, spreadsheet and calendar files dropped on the window are imported.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void createWindow();
    void createButtons();
    void createMenu();
    void connectButtons();

    void restoreEntries(const ErrorReport &report);
    // Runs a change of many days at once (CalendarChanges); a notice near the buttons says
    // that Ctrl+Z takes it back.
    void changeWholeCalendar(const QString &what, const std::function<void()> &change);
    void takeBack();
    void doAgain();
    void showNotice(const QString &text);
    QString chooseEntriesFile();
    QString chooseDatesFile();

    WordEngine &m_engine;
    CommonDialog &m_commonDialog;
    const QString m_productName;
    // The entries the window shows and changes; made first, as everything below uses it.
    Calendar *const m_calendar;
    MousePointer m_mousePointer{this};
    SkinEngine SkinFramework1;
    // The menu bar and the client area under it, which holds the controls.
    const WindowSetup::WindowParts m_window;
    // Made before the buttons: the window's keyboard order starts with the first control
    // made, and the day boxes come first in it.
    EntryPanel *const m_entryPanel;
    UnsavedEntriesCheck m_unsavedEntries;
    BuildController m_build;
    CalendarChanges m_changes;
    DateImporter m_importer;
    DateExporter m_exporter;
    KeepsakeCommands m_keepsake;
    PushButton *PushButton22 = nullptr;
    PushButton *PushButton1 = nullptr;
    PushButton *PushButton2 = nullptr;
    MainMenu *m_menu = nullptr;
    bool m_programEnded = false;
    bool m_closing = false; // the program is ending: told to, or its window closed
};
