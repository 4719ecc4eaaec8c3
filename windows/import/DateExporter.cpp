#include "windows/import/DateExporter.h"

#include "core/import/DatesExport.h"
#include "core/shell/FileReplacement.h"
#include "core/shell/UserMessages.h"

#include <QCoreApplication>
#include <QDir>

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
    // What would refuse the file is said before anything is asked.
    if (const QString refused = DatesExport::refusal(m_entries, target); !refused.isEmpty()) {
        UserMessages::information(refused);
        return;
    }
    const FileReplacement::Target file = FileReplacement::resolve(target);
    if (!FileReplacement::writeAgreed(file))
        return;
    try {
        const int days = DatesExport::write(m_entries, target);
        const QString written = days == 1 ? QCoreApplication::translate("DateExporter", "1 day") : QCoreApplication::translate("DateExporter", "%1 days").arg(days);
        UserMessages::information(QCoreApplication::translate("DateExporter", "The entries of %1 are written to %2.").arg(written, QDir::toNativeSeparators(file.real)));
    } catch (const std::exception &error) {
        UserMessages::information(QString::fromUtf8(error.what()));
    }
}
