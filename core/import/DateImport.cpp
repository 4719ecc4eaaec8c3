#include "core/import/DateImport.h"

#include "core/import/ImportCancelled.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <stdexcept>

DateImport::Collected DateImport::readAll(const QStringList &paths, const OrderQuestion &askOrder,
                                         const std::stop_token &stop, const FileStart &starting)
{
    Collected collected;
    for (qsizetype index = 0; index < paths.size(); ++index) {
        const QString &path = paths.at(index);
        if (starting)
            starting(index);
        const QString name = QFileInfo(path).fileName();
        try {
            bool ambiguous = false;
            ImportedDates dates = DateFileReader::read(path, SlashOrder::Ask, &ambiguous, stop);
            if (ambiguous) {
                // The reader's one line says why, with an example row.
                const QString why = dates.skipped.value(0);
                const SlashOrder order = askOrder(path, why);
                ImportCancelled::throwIfRequested(stop);
                if (order == SlashOrder::Ask) {
                    collected.unreadable.append(QCoreApplication::translate("DateImport", "%1: %2; no order was chosen").arg(name, why));
                    continue;
                }
                dates = DateFileReader::read(path, order, nullptr, stop);
            }
            if (dates.dates.isEmpty())
                collected.dates.skipped.append(QCoreApplication::translate("DateImport", "no dates found in %1").arg(name));
            collected.dates.dates += dates.dates;
            for (const QString &line : std::as_const(dates.skipped))
                collected.dates.skipped.append(name + QStringLiteral(", ") + line);
        } catch (const std::runtime_error &error) {
            collected.unreadable.append(QString::fromUtf8(error.what()));
        }
    }
    return collected;
}
