#pragma once

#include "core/import/DateFileReader.h"
#include "core/import/ImportedDates.h"

#include <QStringList>

#include <functional>

// Reads the dates of the files a person brings in, all together, for one ImportPlan.
namespace DateImport {

// Asked when a file writes dates such as 04/05/1990 with nothing in it to tell the order;
// answering Ask leaves that file out.
using OrderQuestion = std::function<DateFileReader::SlashOrder(const QString &path)>;

struct Collected {
    ImportedDates dates;    // of every file read, what each skipped included
    QStringList unreadable; // one line for each file that could not be read at all
};

Collected readAll(const QStringList &paths, const OrderQuestion &askOrder);

} // namespace DateImport
