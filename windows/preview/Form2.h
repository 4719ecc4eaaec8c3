#pragma once

#include "windows/preview/CalendarPrinting.h"
#include "windows/preview/DocumentSaving.h"
#include "windows/preview/PageImages.h"
#include "windows/widgets/MousePointer.h"
#include "windows/widgets/WindowSetup.h"
#include "core/wordgen/PreviewPages.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class CommonDialog;
class PageViewport;
class WordEngine;
class PushButton;
class QGroupBox;
class QTreeWidget;

// The preview window: the page list, the zoomable page view, and the buttons that save
// the generated document or throw it away and go back to the main window. The document
// builder and the page capture fill it through PreviewPages.
//
// It is a top-level window of its own; the main window given to it is only the window it
// shows again on "< Back". Closing it deletes the generated document and calls the program
// end it was given, once the close guard (from the main window's side) has let it. Saving
// (DocumentSaving), printing (CalendarPrinting) and the page pictures (PageImages) are
// classes of their own.
class Form2 : public QWidget, public PreviewPages
{
    Q_OBJECT

public:
    // engine: writes the document in other formats than its own when it is saved or
    // printed; may be null. commonDialog: asks for the file to save to and the printer.
    Form2(QWidget *mainWindow, WordEngine *engine, CommonDialog &commonDialog);

    // Full path of the generated document in the temporary folder (set by setWordFile).
    const QString &wordFile() const { return mWordFile; }

    // What the builder and the page capture call.
    void clearPageList() override;
    void addPageListItem(const QString &text) override;
    int pageListCount() const override;
    void ensurePageImage(int index) override;
    void loadPageImage(int index, const QString &file) override;
    void clearPageImage(int index) override;
    QImage pageImage(int index) const override;
    void showFirstPage() override;
    void setWordFile(const QString &path) override;
    void showPreview() override;

    // Asked before the window closes and ends the program; false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    // What ends the program once the window has unloaded.
    void setProgramEnd(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

    void Form_Load();
    void Form_Activate();
    // False when the close guard cancelled the closing: nothing has been deleted.
    bool Form_QueryUnload();
    void Form_Unload();
    void ListView1_Click();
    void ListView1_KeyUp(int KeyCode, Qt::KeyboardModifiers Shift);
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton6_Click();
    void PushButton8_Click();
    // Ctrl+P: prints the generated document.
    void printCalendar();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createWindow();
    void createPageList();
    void createZoomFrame();
    void createCommandButtons();
    void createMenu();
    void connectSignals();
    void watchPointerOverSurface(QWidget *widget);
    void showSelectedPage();
    void describePageView();

    QPointer<QWidget> m_mainWindow;
    MousePointer m_pointer{this};
    // The menu bar and the client area under it, which holds the controls.
    WindowSetup::WindowParts m_window{};
    QTreeWidget *ListView1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    PushButton *PushButton1 = nullptr;
    PushButton *PushButton2 = nullptr;
    PushButton *PushButton6 = nullptr;
    PushButton *PushButton8 = nullptr;
    PageViewport *m_viewport = nullptr;
    PageImages m_pageImages;
    DocumentSaving m_saving;
    CalendarPrinting m_printing;
    QString mWordFile;
    bool mFirstActivate = true;
    bool m_unloading = false;
    std::function<bool()> m_closeGuard;
    std::function<void()> m_endProgram;
};
