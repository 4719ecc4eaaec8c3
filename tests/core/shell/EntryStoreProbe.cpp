// Reads day entries through CalendarEntryStore in a process of its own, so that the
// store's tests see what reaches the file. Prints each value as hexadecimal UTF-8, one a
// line, so that any text survives the trip. With --write it first writes one entry, as the
// next start of the program does when a day is typed.
//   entry_store_probe [--write KEY TEXT] KEY...
#include "core/shell/CalendarEntryStore.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    CalendarEntryStore store;
    QStringList keys = app.arguments().mid(1);
    if (keys.value(0) == QStringLiteral("--write")) {
        store.write(keys.value(1), keys.value(2));
        keys = keys.mid(3);
    }
    for (const QString &key : std::as_const(keys))
        std::printf("%s\n", store.read(key).toUtf8().toHex().constData());
    return 0;
}
