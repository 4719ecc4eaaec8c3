#pragma once

#include <QObject>
#include <QString>

#include <functional>

class CalendarHistory;
class QAction;
class QMenu;
class QMenuBar;

// The main window's menus: File (import, export, quit), Edit (undo and redo of the changes
// to the whole calendar, named after the step), Calendar (the design, the pictures, the
// year, the paper, the language) and Help (the user
// guide, About). The menu items carry the window's keyboard shortcuts.
class MainMenu : public QObject
{
    Q_OBJECT

public:
    struct Commands {
        std::function<void()> importDates;
        std::function<void()> exportDates;
        std::function<void()> quit;
        std::function<void()> undo;
        std::function<void()> redo;
        std::function<void()> chooseDesign;
        std::function<void()> choosePictures;
    };

    MainMenu(QMenuBar &menuBar, const CalendarHistory &history, Commands commands);

    // Names Undo and Redo after the steps they would take, and disables them when there is
    // none. Called after every change to the history.
    void historyChanged();

private:
    QMenu *addMenu(const QString &title, const QString &accessibleName);
    void addFileMenu();
    void addEditMenu();
    void addCalendarMenu();
    void addLanguageMenu(QMenu &calendar);
    void addHelpMenu();
    void showUserGuide();
    void showAbout();

    QMenuBar &m_menuBar;
    const CalendarHistory &m_history;
    Commands m_commands;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};
