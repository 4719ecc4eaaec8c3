#pragma once

#include "shell/CalendarEntryStore.h"
#include "shell/MousePointer.h"
#include "shell/SkinEngine.h"

#include <QString>
#include <QWidget>

class EntryPanel;
class ErrorReport;
class PushButton;
class WordEngine;

// The main window: three command buttons above the calendar entry panel. Constructing it
// runs the load step while it is still invisible; when that step finds that no office can
// be started, the program must end without showing it (programEnded()). Closing it ends
// the program at once.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(WordEngine &engine, QWidget *parent = nullptr);
    // productName: the caption and the source of the application title.
    Form1(WordEngine &engine, const QString &productName, QWidget *parent = nullptr);

    // True when the load step ended the program: the window must not be shown.
    bool programEnded() const { return m_programEnded; }

    WordEngine &wordEngine() { return m_engine; }
    EntryPanel &entryPanel() { return *m_entryPanel; }
    const EntryPanel &entryPanel() const { return *m_entryPanel; }
    MousePointer &mousePointer() { return m_mousePointer; }
    CalendarEntryStore &entryStore() { return m_entryStore; }

    // Busy while a calendar is being built: a second click on "Start Creating Template"
    // then does nothing.
    bool mCreating = false;

    void PushButton22_Click();
    void SaveDocAsJPG(const QString &inFile);
    void PushButton1_Click();
    void PushButton2_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void createWindow();
    void createButtons();
    void createEntryPanel();
    void connectButtons();

    void Form_Load();
    void restoreEntries(const ErrorReport &report);

    WordEngine &m_engine;
    const QString m_productName;
    CalendarEntryStore m_entryStore;
    MousePointer m_mousePointer{this};
    SkinEngine SkinFramework1;
    PushButton *PushButton22 = nullptr;
    PushButton *PushButton1 = nullptr;
    PushButton *PushButton2 = nullptr;
    EntryPanel *m_entryPanel = nullptr;
    bool m_programEnded = false;
};
