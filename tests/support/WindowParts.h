#pragma once

#include "core/entry/Calendar.h"
#include "windows/entry/EntryPanel.h"
#include "windows/preview/Form2.h"
#include "windows/preview/PageViewport.h"
#include "windows/widgets/MousePointer.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>
#include <cstdio>

// The parts of the program's windows a test looks at, found as the windows name and own
// them (Qt's parent and child), never through a door in the window's class.
namespace WindowParts {

template<typename Part>
Part &part(const QObject &owner)
{
    Part *found = owner.findChild<Part *>();
    if (!found) {
        std::fprintf(stderr, "%s has no %s\n", qPrintable(owner.objectName()), Part::staticMetaObject.className());
        std::abort();
    }
    return *found;
}

// The main window's calendar, its entry panel and the pointer of a window.
inline Calendar &calendar(const QWidget &mainWindow) { return part<Calendar>(mainWindow); }
inline EntryPanel &entryPanel(const QWidget &mainWindow) { return part<EntryPanel>(mainWindow); }
inline MousePointer &pointer(const QWidget &window) { return part<MousePointer>(window); }
inline PageViewport &pageViewport(const QWidget &previewWindow) { return part<PageViewport>(previewWindow); }

// The preview window; null until a build has made it.
inline Form2 *previewWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *preview = qobject_cast<Form2 *>(window))
            return preview;
    }
    return nullptr;
}

} // namespace WindowParts
