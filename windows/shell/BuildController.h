#pragma once

#include "core/wordgen/BuildSurface.h"
#include "core/wordgen/DocumentBuilder.h"

#include <functional>
#include <memory>

class CommonDialog;
class DocumentNameGenerator;
class EntryPanel;
class Form2;
class MousePointer;
class QWidget;
class WordEngine;

// The main window's part in building a calendar: it runs the document builder with the
// window's day entries, pointer and painting, and owns the preview window, which the first
// build makes and every later build reuses. Closing the preview window ends the program,
// so it asks the main window's close guard first.
class BuildController : public BuildSurface
{
public:
    // mayClose: asked before the preview window closes and ends the program.
    BuildController(WordEngine &engine, CommonDialog &commonDialog, QWidget &mainWindow, const EntryPanel &entries, MousePointer &pointer,
                    DocumentNameGenerator &names, std::function<bool()> mayClose);
    ~BuildController() override;

    // "Start Creating Template". Afterwards the offices of the next build get ready.
    void build();
    // Asked before a build starts; a build it answers false to does not start.
    void setBuildCheck(std::function<bool()> check) { m_buildCheck = std::move(check); }
    // Has the office engine get the next build's instances ready in the background, the
    // first with the calendar template of the chosen paper open.
    void getOfficesReady();
    bool isCreating() const { return m_builder.isCreating(); }

    // The preview window; null until the first build has asked for it.
    Form2 *previewWindow() const { return m_preview.get(); }

    const DayEntries &dayEntries() const override;
    // The paper stored in the settings file, or the locale's.
    PaperSize paperSize() const override;
    void showBusy(bool busy) override;
    void freezePainting(bool frozen) override;
    void hideWindow() override;
    PreviewPages &previewPages() override;

private:
    WordEngine &m_engine;
    CommonDialog &m_commonDialog;
    QWidget &m_mainWindow;
    const EntryPanel &m_entries;
    MousePointer &m_pointer;
    DocumentBuilder m_builder;
    std::function<bool()> m_mayClose;
    std::function<bool()> m_buildCheck;
    std::unique_ptr<Form2> m_preview;
};
