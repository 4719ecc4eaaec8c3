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
#include <QScreen>
#include <QWidget>

void WindowSetup::shape(QWidget &window, const QString &name, int clientWidth, int clientHeight)
{
    window.setObjectName(name);
    window.setFixedSize(Twips::size(clientWidth, clientHeight));
    window.setFont(WindowFonts::window());
    window.setMouseTracking(true);
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
