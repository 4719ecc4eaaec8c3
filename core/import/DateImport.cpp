#include "core/import/DateImport.h"

#include <QFileInfo>

#include <stdexcept>

DateImport::Collected DateImport::readAll(const QStringList &paths, const OrderQuestion &askOrder)
{
    Collected collected;
    for (const QString &path : paths) {
        try {
            bool ambiguous = false;
            ImportedDates dates = DateFileReader::read(path, DateFileReader::SlashOrder::Ask, &ambiguous);
            if (ambiguous) {
                const DateFileReader::SlashOrder order = askOrder(path);
                if (order == DateFileReader::SlashOrder::Ask) {
                    collected.unreadable.append(QStringLiteral("%1: its dates could be read as month/day or as "
                                                               "day/month, and no order was chosen")
                                                    .arg(QFileInfo(path).fileName()));
                    continue;
                }
                dates = DateFileReader::read(path, order, nullptr);
            }
            collected.dates.dates += dates.dates;
            for (const QString &line : std::as_const(dates.skipped))
                collected.dates.skipped.append(QFileInfo(path).fileName() + QStringLiteral(", ") + line);
        } catch (const std::runtime_error &error) {
            collected.unreadable.append(QString::fromUtf8(error.what()));
        }
    }
    return collected;
}
