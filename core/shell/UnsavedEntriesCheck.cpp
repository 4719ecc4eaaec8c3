#include "core/shell/UnsavedEntriesCheck.h"

#include "core/shell/CalendarEntryStore.h"
#include "core/shell/EntryWriter.h"
#include "core/shell/UserMessages.h"

#include <QDir>
#include <QStringList>

namespace {

enum Choice { Retry, SaveToAnotherFile, CloseAnyway, Cancel };

const QStringList choices{QStringLiteral("Retry"), QStringLiteral("Save to Another File..."),
                          QStringLiteral("Close Anyway"), QStringLiteral("Cancel")};

} // namespace

UnsavedEntriesCheck::UnsavedEntriesCheck(EntryWriter &writer, FileChooser chooseFile)
    : m_writer(writer)
    , m_chooseFile(std::move(chooseFile))
{
}

QString UnsavedEntriesCheck::question(int unsavedCount, const QString &problem)
{
    return QStringLiteral("Unsaved entries: %1. They could not be saved because %2.")
               .arg(QString::number(unsavedCount), problem)
        + QStringLiteral("\r\n\r\n\"Retry\" tries the settings file again. \"Save to Another File...\" saves all "
                         "entries to a file you choose, which can later replace the settings file. \"Close "
                         "Anyway\" loses the unsaved entries.");
}

bool UnsavedEntriesCheck::mayClose()
{
    while (!m_writer.saveUnsaved()) {
        switch (UserMessages::choice(question(m_writer.unsavedCount(), m_writer.problem()), choices)) {
        case Retry:
            break;
        case SaveToAnotherFile:
            if (saveToChosenFile())
                return true;
            break;
        case CloseAnyway:
            return true;
        default:
            return false;
        }
    }
    return true;
}

bool UnsavedEntriesCheck::saveToChosenFile()
{
    const QString path = m_chooseFile();
    if (path.isEmpty())
        return false;
    const CalendarEntryStore::WriteResult result = CalendarEntryStore::writeFile(path, m_writer.currentEntries());
    if (!result.saved) {
        UserMessages::information(QStringLiteral("The entries could not be saved to %1: %2.")
                                      .arg(QDir::toNativeSeparators(path), result.problem));
    }
    return result.saved;
}
