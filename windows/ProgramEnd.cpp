#include "windows/ProgramEnd.h"

#include <QApplication>
#include <QWidget>

void ProgramEnd::now()
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    QCoreApplication::removePostedEvents(nullptr);
    QCoreApplication::exit(0);
}
