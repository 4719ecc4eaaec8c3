#include "core/shell/UnsavedEntriesCheck.h"

#include "core/shell/CalendarEntryStore.h"
#include "core/shell/EntryWriter.h"
#include "core/shell/UserMessages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

enum Choice { Retry, SaveToAnotherFile, CloseAnyway, Cancel };

QStringList choices()
{
    return {QCoreApplication::translate("UnsavedEntriesCheck", "Retry"),
            QCoreApplication::translate("UnsavedEntriesCheck", "Save to Another File..."),
            QCoreApplication::translate("UnsavedEntriesCheck", "Close Anyway"),
            QCoreApplication::translate("UnsavedEntriesCheck", "Cancel")};
}

} // namespace

UnsavedEntriesCheck::UnsavedEntriesCheck(EntryWriter &writer, FileChooser chooseFile)
    : m_writer(writer)
    , m_chooseFile(std::move(chooseFile))
{
}

QString UnsavedEntriesCheck::question(int unsavedCount, const QString &problem)
{
    return QCoreApplication::translate("UnsavedEntriesCheck", "Unsaved entries: %1. They could not be saved because %2.")
               .arg(QString::number(unsavedCount), problem)
        + QStringLiteral("\r\n\r\n")
        + QCoreApplication::translate("UnsavedEntriesCheck",
                                      "\"Retry\" tries the settings file again. \"Save to Another File...\" saves "
                                      "all entries to a file you choose, which can later replace the settings file. "
                                      "\"Close Anyway\" loses the unsaved entries.");
}

bool UnsavedEntriesCheck::mayClose()
{
    while (!m_writer.saveUnsaved()) {
        switch (UserMessages::choice(question(m_writer.unsavedCount(), m_writer.problem()), choices())) {
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

void UnsavedEntriesCheck::keepWithoutAsking()
{
    if (m_writer.saveUnsaved())
        return;
    // Beside the settings file; where its folder refuses, in the home folder.
    const QString name = QFileInfo(CalendarEntryStore::fileName()).fileName()
        + QDateTime::currentDateTime().toString(QStringLiteral("'.unsaved-'yyyyMMdd-HHmmss"));
    QStringList refusals;
    for (const QString &folder : {QFileInfo(CalendarEntryStore::fileName()).path(), QDir::homePath()}) {
        const QString path = QDir(folder).filePath(name);
        const CalendarEntryStore::WriteResult result =
            CalendarEntryStore::writeFile(path, m_writer.currentEntries(), FileReplacement::Kind::Programs);
        if (result.saved) {
            qWarning("%d entries could not be stored in the settings file (%s); all entries were saved to %s",
                     m_writer.unsavedCount(), qUtf8Printable(m_writer.problem()), qUtf8Printable(QDir::toNativeSeparators(path)));
            return;
        }
        refusals.append(QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(path), result.problem));
    }
    qWarning("%d entries could not be stored in the settings file (%s), nor in %s", m_writer.unsavedCount(),
             qUtf8Printable(m_writer.problem()), qUtf8Printable(refusals.join(QStringLiteral(" nor in "))));
}

bool UnsavedEntriesCheck::saveToChosenFile()
{
    const QString path = m_chooseFile();
    if (path.isEmpty())
        return false;
    if (!FileReplacement::writeAgreed(FileReplacement::resolve(path)))
        return false;
    const CalendarEntryStore::WriteResult result =
        CalendarEntryStore::writeFile(path, m_writer.currentEntries(), FileReplacement::Kind::Persons);
    if (!result.saved) {
        UserMessages::information(QCoreApplication::translate("UnsavedEntriesCheck", "The entries could not be saved to %1: %2.")
                                      .arg(QDir::toNativeSeparators(path), result.problem));
    }
    return result.saved;
}
