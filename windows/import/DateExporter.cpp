#include "windows/import/DateExporter.h"

#include "core/import/DatesExport.h"
#include "core/shell/UserMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <exception>

DateExporter::DateExporter(const DayEntries &entries, FileChooser chooseFile)
    : m_entries(entries)
    , m_chooseFile(std::move(chooseFile))
{
}

void DateExporter::exportDates()
{
    const QString target = m_chooseFile();
    if (target.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(target);
    if (QFileInfo(target).isFile()
        && UserMessages::question(QCoreApplication::translate("DateExporter", "%1 already exists.\n\nReplace it?").arg(shown)) != UserMessages::Answer::Yes)
        return;
    try {
        const int days = DatesExport::write(m_entries, target);
        const QString written = days == 1 ? QCoreApplication::translate("DateExporter", "1 day") : QCoreApplication::translate("DateExporter", "%1 days").arg(days);
        UserMessages::information(QCoreApplication::translate("DateExporter", "The entries of %1 are written to %2.").arg(written, shown));
    } catch (const std::exception &error) {
        UserMessages::information(QString::fromUtf8(error.what()));
    }
}
