#pragma once

#include <QCoreApplication>

class CommonDialog;
class DayEntries;
class EntryPanel;
class QWidget;
class WordEngine;

// The main window's commands for how the printed calendar looks: Calendar ▸ Design… and
// Calendar ▸ Pictures…, the check before a build, and the entry panel's tooltips over
// counted years.
class KeepsakeCommands
{
    Q_DECLARE_TR_FUNCTIONS(KeepsakeCommands)

public:
    // The panel gets the tooltips; the entries are what the check before a build reads.
    KeepsakeCommands(QWidget &window, WordEngine &engine, CommonDialog &commonDialog, EntryPanel &panel,
                     const DayEntries &entries);

    // Calendar ▸ Design…; true when its pictures took an office from the engine (the next
    // build's offices are then got ready again).
    bool chooseDesign();
    // Calendar ▸ Pictures….
    void choosePictures();
    // Before a build: says once, in one message, which pictures would print blurry and
    // which months would be pushed past their page. True when there is nothing to say or
    // the person builds anyway.
    bool mayBuild() const;

private:
    QWidget &m_window;
    WordEngine &m_engine;
    CommonDialog &m_commonDialog;
    const DayEntries &m_entries;
};
