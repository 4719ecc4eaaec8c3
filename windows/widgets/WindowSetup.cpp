#include "windows/widgets/WindowSetup.h"

#include "core/shell/ErrorReport.h"
#include "core/shell/FileRoutines.h"
#include "windows/widgets/MousePointer.h"
#include "windows/widgets/Twips.h"
#include "windows/widgets/WindowFonts.h"
#include "windows/widgets/WindowsCursorFile.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QScreen>
#include <QWidget>

WindowSetup::WindowParts WindowSetup::shape(QWidget &window, const QString &name, int clientWidth, int clientHeight)
{
    window.setObjectName(name);
    window.setFont(WindowFonts::window());
    window.setMouseTracking(true);

    auto *menuBar = new QMenuBar(&window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setAccessibleName(QCoreApplication::translate("WindowSetup", "Menu bar"));
    auto *clientArea = new QWidget(&window);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    clientArea->setFixedSize(Twips::size(clientWidth, clientHeight));
    // Pointer moves over the bare surface reach the window, as they did before it had a menu.
    clientArea->setMouseTracking(true);

    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(clientArea);
    // The window is exactly as large as the menu bar and the client area, and stays so.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    centre(window);
    return {menuBar, clientArea};
}

void WindowSetup::centre(QWidget &window)
{
    if (QLayout *layout = window.layout())
        layout->activate();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void WindowSetup::load(QWidget &window, const QString &caption, MousePointer &pointer, const ErrorReport &report,
                       int label, int cursorLabel)
{
    report.step(label, [&] { window.setWindowTitle(caption); });
    report.step(label, [&] { window.setWindowIcon(QIcon(QStringLiteral(":/icons/daybloom.png"))); });
    const QString cursorFile =
        QCoreApplication::applicationDirPath() + QLatin1Char('/') + WindowsCursorFile::handCursorName();
    bool present = false;
    report.step(cursorLabel, [&] { present = FileExists(cursorFile); });
    if (present)
        report.step(cursorLabel + 2, [&] { pointer.setCustomCursor(WindowsCursorFile::load(cursorFile)); });
}
