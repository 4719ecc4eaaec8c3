#include "windows/keepsake/KeepsakeCommands.h"

#include "core/entry/CalendarOptions.h"
#include "core/entry/DayEntries.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/shell/PaperPreference.h"
#include "core/shell/UserMessages.h"
#include "core/wordgen/BuildPreflight.h"
#include "core/wordgen/CalendarDesigns.h"
#include "core/wordgen/CalendarLook.h"
#include "windows/entry/EntryPanel.h"
#include "windows/keepsake/DesignDialog.h"
#include "windows/keepsake/PicturesDialog.h"
#include "windows/keepsake/YearTooltips.h"

KeepsakeCommands::KeepsakeCommands(QWidget &window, WordEngine &engine, CommonDialog &commonDialog, EntryPanel &panel,
                                   const DayEntries &entries)
    : m_window(window)
    , m_engine(engine)
    , m_commonDialog(commonDialog)
    , m_entries(entries)
{
    new YearTooltips(panel, entries);
}

bool KeepsakeCommands::chooseDesign()
{
    CalendarEntryStore store;
    CalendarOptions options(store, CalendarDesigns::names());
    DesignDialog dialog(m_engine, PaperPreference::current(), options.design(), &m_window);
    if (dialog.exec() == QDialog::Accepted && dialog.chosen() != options.design())
        if (const CalendarEntryStore::WriteResult stored = options.setDesign(dialog.chosen()); !stored.saved)
            UserMessages::information(tr("The design could not be stored: %1").arg(stored.problem));
    return dialog.usedOffice();
}

void KeepsakeCommands::choosePictures()
{
    CalendarEntryStore store;
    PicturesDialog dialog(m_commonDialog, CalendarOptions(store, CalendarDesigns::names()).design(), PaperPreference::current(),
                          &m_window);
    dialog.exec();
}

bool KeepsakeCommands::mayBuild() const
{
    // The look the build will take, as the settings hold it now.
    const BuildPreflight::Findings findings = BuildPreflight::check(CalendarLook::chosen(PaperPreference::current()), m_entries);
    if (findings.isEmpty())
        return true;
    return UserMessages::choice(BuildPreflight::message(findings), {tr("Build anyway"), tr("Cancel")}) == 0;
}
