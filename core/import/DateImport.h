#pragma once

#include "core/import/DateFileReader.h"
#include "core/import/ImportedDates.h"

#include <QStringList>

#include <functional>
#include <stop_token>

// Reads the dates of the files a person brings in, all together, for one ImportPlan.
namespace DateImport {

// Asked when a file writes dates such as 04/05/1990 with nothing in it to tell the order;
// `example` quotes one of its rows. Answering Ask leaves that file out.
using OrderQuestion = std::function<SlashOrder(const QString &path, const QString &example)>;
// Told before each file is read: its index in the paths.
using FileStart = std::function<void(qsizetype index)>;

struct Collected {
    ImportedDates dates;    // of every file read, what each skipped included
    QStringList unreadable; // one line for each file that was refused, with the reason; none of its dates are in `dates`
};

// Throws ImportCancelled once `stop` is requested.
Collected readAll(const QStringList &paths, const OrderQuestion &askOrder, const std::stop_token &stop = {},
                  const FileStart &starting = {});

} // namespace DateImport
