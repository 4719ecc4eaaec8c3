#include "windows/shell/ProgramEnd.h"

#include "core/shell/UserMessages.h"

#include <QApplication>
#include <QWidget>

void ProgramEnd::now()
{
    // Work still winding down (an office call given up) reports nothing to a person who
    // has closed the program.
    UserMessages::setPresenter(nullptr);
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    QCoreApplication::removePostedEvents(nullptr);
    QCoreApplication::exit(0);
}
