#include "windows/shell/MainMenu.h"

#include "core/entry/CalendarHistory.h"
#include "core/shell/LanguagePreference.h"
#include "core/shell/PaperPreference.h"
#include "core/shell/PaperSize.h"
#include "core/shell/ProductInfo.h"
#include "core/shell/UserMessages.h"
#include "windows/keepsake/YearMenu.h"
#include "windows/widgets/MenuItem.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

MainMenu::MainMenu(QMenuBar &menuBar, const CalendarHistory &history, Commands commands)
    : QObject(&menuBar)
    , m_menuBar(menuBar)
    , m_history(history)
    , m_commands(std::move(commands))
{
    addFileMenu();
    addEditMenu();
    addCalendarMenu();
    addHelpMenu();
    historyChanged();
}

QMenu *MainMenu::addMenu(const QString &title, const QString &accessibleName)
{
    QMenu *menu = m_menuBar.addMenu(title);
    menu->setAccessibleName(accessibleName);
    return menu;
}

void MainMenu::addFileMenu()
{
    QMenu *file = addMenu(tr("&File"), tr("File"));
    MenuItem::add(*file, QStringLiteral("importDates"), tr("&Import dates…"), m_commands.importDates)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    MenuItem::add(*file, QStringLiteral("exportDates"), tr("&Export dates…"), m_commands.exportDates)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addSeparator();
    QAction *quit = MenuItem::add(*file, QStringLiteral("quit"), tr("&Quit"), m_commands.quit);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);
}

// A day box with typing of its own to undo keeps Ctrl+Z and Ctrl+Shift+Z (see DayBox).
void MainMenu::addEditMenu()
{
    QMenu *edit = addMenu(tr("&Edit"), tr("Edit"));
    m_undo = MenuItem::add(*edit, QStringLiteral("undo"), tr("&Undo"), m_commands.undo);
    m_undo->setShortcuts(QKeySequence::Undo);
    m_redo = MenuItem::add(*edit, QStringLiteral("redo"), tr("&Redo"), m_commands.redo);
    m_redo->setShortcuts(QKeySequence::Redo);
}

void MainMenu::historyChanged()
{
    const QString undoName = m_history.undoName();
    m_undo->setEnabled(!undoName.isEmpty());
    m_undo->setText(undoName.isEmpty() ? tr("&Undo") : tr("&Undo: %1").arg(undoName));
    const QString redoName = m_history.redoName();
    m_redo->setEnabled(!redoName.isEmpty());
    m_redo->setText(redoName.isEmpty() ? tr("&Redo") : tr("&Redo: %1").arg(redoName));
}

// The paper is stored the moment it is chosen; the next build lays the calendar out for it.
void MainMenu::addCalendarMenu()
{
    QMenu *calendar = addMenu(tr("&Calendar"), tr("Calendar"));
    MenuItem::add(*calendar, QStringLiteral("design"), tr("&Design…"), m_commands.chooseDesign);
    MenuItem::add(*calendar, QStringLiteral("pictures"), tr("P&ictures…"), m_commands.choosePictures);
    YearMenu::add(*calendar, QDate::currentDate());
    calendar->addSeparator();
    QMenu *paper = calendar->addMenu(tr("&Paper size"));
    paper->setAccessibleName(tr("Paper size"));
    auto *papers = new QActionGroup(paper);
    papers->setExclusive(true);
    const PaperSize current = PaperPreference::current();
    for (const PaperSize size : PaperSizes::all) {
        QAction *choice = MenuItem::add(*paper, QStringLiteral("paper-") + PaperSizes::name(size),
                                  QStringLiteral("&") + PaperSizes::label(size), [size] {
                                      const CalendarEntryStore::WriteResult stored = PaperPreference::choose(size);
                                      if (!stored.saved)
                                          UserMessages::information(
                                              tr("The paper size could not be stored: %1").arg(stored.problem));
                                  });
        choice->setCheckable(true);
        choice->setChecked(size == current);
        papers->addAction(choice);
    }
    addLanguageMenu(*calendar);
}

// The language is stored the moment it is chosen and speaks from the next start.
void MainMenu::addLanguageMenu(QMenu &calendar)
{
    QMenu *language = calendar.addMenu(tr("&Language"));
    language->setAccessibleName(tr("Language"));
    auto *languages = new QActionGroup(language);
    languages->setExclusive(true);
    const QString chosen = LanguagePreference::chosen();
    QStringList codes = LanguagePreference::languages();
    codes.prepend(QString()); // the system's language
    for (const QString &code : codes) {
        const QString label = code.isEmpty() ? tr("&System") : QStringLiteral("&") + LanguagePreference::nativeName(code);
        QAction *choice = MenuItem::add(*language, QStringLiteral("language-") + (code.isEmpty() ? QStringLiteral("system") : code),
                                        label, [code] {
                                            const CalendarEntryStore::WriteResult stored = LanguagePreference::choose(code);
                                            UserMessages::information(
                                                stored.saved ? tr("The language changes when the program starts again.")
                                                             : tr("The language could not be stored: %1").arg(stored.problem));
                                        });
        choice->setCheckable(true);
        choice->setChecked(code == chosen);
        languages->addAction(choice);
    }
}

void MainMenu::addHelpMenu()
{
    QMenu *help = addMenu(tr("&Help"), tr("Help"));
    MenuItem::add(*help, QStringLiteral("userGuide"), tr("User &guide"), [this] { showUserGuide(); });
    MenuItem::add(*help, QStringLiteral("about"), tr("&About"), [this] { showAbout(); })->setMenuRole(QAction::AboutRole);
}

// The manual page installed with the program (<prefix>/share/man/man1, the program being in
// <prefix>/lib/daybloom), opened by the desktop's viewer for it.
void MainMenu::showUserGuide()
{
    const QString manualPage = QDir(QCoreApplication::applicationDirPath())
                                   .absoluteFilePath(QStringLiteral("../../share/man/man1/daybloom.1.gz"));
    if (QFileInfo(manualPage).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::cleanPath(manualPage))))
        return;
    UserMessages::information(tr("The user guide could not be opened here. In a terminal, type: man daybloom"));
}

void MainMenu::showAbout()
{
    UserMessages::information(tr("%1\nVersion %2\n\nFree software under the MIT licence.")
                                  .arg(ProductInfo::productName, QCoreApplication::applicationVersion()));
}
