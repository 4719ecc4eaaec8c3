#pragma once

#include "core/wordgen/BuildSurface.h"
#include "core/wordgen/DocumentBuilder.h"

#include <functional>
#include <memory>

class CommonDialog;
class DayEntries;
class DocumentNameGenerator;
class Form2;
class MousePointer;
class QWidget;
class WordEngine;

// The main window's part in building a calendar: it runs the document builder with the
// window's calendar, pointer and painting, owns the preview window, which the first build
// makes and every later build reuses, and has the office engine get the offices of the
// next build ready whenever the window is up. Closing the preview window ends the
// program, so it asks the main window's close guard first.
class BuildController : public BuildSurface
{
public:
    // mayClose: asked before the preview window closes and ends the program.
    BuildController(WordEngine &engine, CommonDialog &commonDialog, QWidget &mainWindow, const DayEntries &entries,
                    MousePointer &pointer, DocumentNameGenerator &names, std::function<bool()> mayClose);
    ~BuildController() override;

    // "Start Creating Template". Afterwards the offices of the next build get ready.
    void build();
    // The main window is up (at start, and back from the preview, where saving or printing
    // may have used an office): shortly after its first paint, the offices of the next
    // build get ready in the background.
    void windowShown();
    // Asked before a build starts; a build it answers false to does not start.
    void setBuildCheck(std::function<bool()> check) { m_buildCheck = std::move(check); }

    const DayEntries &dayEntries() const override;
    // The design, year and cover stored in the settings file, on the paper stored there (or
    // the locale's).
    CalendarLook look() const override;
    void showBusy(bool busy) override;
    void freezePainting(bool frozen) override;
    void hideWindow() override;
    PreviewPages &previewPages() override;

private:
    // Has the office engine get the next build's instances ready in the background, the
    // first with the calendar template of the chosen paper open.
    void getOfficesReady();

    WordEngine &m_engine;
    CommonDialog &m_commonDialog;
    QWidget &m_mainWindow;
    const DayEntries &m_entries;
    MousePointer &m_pointer;
    DocumentBuilder m_builder;
    std::function<bool()> m_mayClose;
    std::function<bool()> m_buildCheck;
    std::unique_ptr<Form2> m_preview;
};
