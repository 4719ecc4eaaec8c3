#pragma once

#include <QString>

class MousePointer;
class PreviewPages;

// What the document builder needs of the main window: its busy flag, the day entries,
// its pointer, painting and visibility, the preview window, and the page capture.
class BuildWindow
{
public:
    virtual ~BuildWindow() = default;

    // mCreating: true while a build runs.
    virtual bool isCreating() const = 0;
    virtual void setCreating(bool creating) = 0;

    // The current text of the day box of month (0 = January) and index (day - 1).
    virtual QString entryText(int month, int index) const = 0;

    virtual MousePointer &mousePointer() = 0;
    // Freezes (true) or unfreezes the window's painting.
    virtual void freezePainting(bool frozen) = 0;
    virtual void hideWindow() = 0;

    // The preview window, made the first time it is asked for.
    virtual PreviewPages &previewPages() = 0;
    // SaveDocAsJPG: pictures the saved document's pages into the preview window.
    virtual void capturePages(const QString &documentPath) = 0;
};
