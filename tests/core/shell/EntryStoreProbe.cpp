// Reads day entries through CalendarEntryStore in a process of its own, so that the
// store's tests see what reaches the file. Prints each value as hexadecimal UTF-8, one a
// line, so that any text survives the trip.
//   entry_store_probe KEY...
#include "core/shell/CalendarEntryStore.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const CalendarEntryStore store;
    for (const QString &key : app.arguments().mid(1))
        std::printf("%s\n", store.read(key).toUtf8().toHex().constData());
    return 0;
}
