// Reading and merging large files as the window does, on its background thread: a large
// address book (10,000 contact cards by default, a phone's or mail program's export of a
// big family and everyone else), a spreadsheet of a million rows, and a contact card
// whose name is 40 MB. Prints the time each took, the peak memory, and the memory the
// program holds before and after it (what it gives back once the import is over).
//
//   import_bench [cards]

#include "bench/BenchFigures.h"
#include "core/entry/DayEntries.h"
#include "core/import/BackgroundImport.h"
#include "core/shell/CalendarMonths.h"
#include "core/shell/FreedMemory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

class Calendar : public DayEntries
{
public:
    QString entryText(int month, int index) const override { return m_texts.value(CalendarMonths::entryName(month, index)); }
    void setEntryText(int month, int index, const QString &text) override
    {
        m_texts.insert(CalendarMonths::entryName(month, index), text);
    }

private:
    QHash<QString, QString> m_texts;
};

// A file of `parts` pieces, each written by `piece`.
QString writtenFile(const QString &path, int parts, const std::function<QByteArray(int)> &piece)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    for (int n = 0; n < parts; ++n)
        file.write(piece(n));
    return path;
}

QByteArray card(int n)
{
    const int month = 1 + (n / 28) % 12;
    const int day = 1 + n % 28;
    return QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Person %1;Zoë\r\nFN:Zoë Person %1\r\n"
                          "TEL;TYPE=CELL:+1 555 %1\r\nEMAIL:person%1@example.invalid\r\n"
                          "BDAY:19%2-%3-%4\r\nEND:VCARD\r\n")
        .arg(n)
        .arg(50 + n % 50)
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'))
        .toUtf8();
}

QByteArray row(int n)
{
    const QByteArray header = n == 0 ? "Name,Birthday\n" : "";
    return header + QStringLiteral("Person %1,19%2-%3-%4\n").arg(n).arg(50 + n % 50, 2, 10, QLatin1Char('0')).arg(1 + n % 12, 2, 10, QLatin1Char('0')).arg(1 + n % 28, 2, 10, QLatin1Char('0')).toUtf8();
}

// Imports the file as the window does, and prints what it cost.
void measure(const char *what, const QString &path, Calendar &calendar)
{
    const double before = memoryOf(QStringLiteral("self")).now;
    QElapsedTimer timer;
    timer.start();
    {
        BackgroundImport work({path}, calendar);
        QEventLoop loop;
        QObject::connect(&work, &BackgroundImport::finished, &loop, &QEventLoop::quit);
        work.start();
        loop.exec();
        work.outcome().plan.apply(calendar);
    }
    FreedMemory::giveBack();
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
    const ProcessMemory after = memoryOf(QStringLiteral("self"));
    std::printf("%s (%lld KB): read, merged and applied in %.0f ms; memory %.1f MB before, %.1f MB after "
                "(target: within 50 MB), peak of the run so far %.1f MB\n",
                what, QFile(path).size() / 1024, milliseconds, before, after.now, after.peak);
}

} // namespace

int main(int argc, char **argv)
{
    // As the program sets it up: large blocks go back to the system when freed.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    QCoreApplication app(argc, argv);
    const int cards = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10000;
    QTemporaryDir folder;
    Calendar calendar;
    measure(qPrintable(QStringLiteral("%1 contact cards").arg(cards)),
            writtenFile(folder.filePath(QStringLiteral("contacts.vcf")), cards, card), calendar);
    measure("1,000,000 spreadsheet rows", writtenFile(folder.filePath(QStringLiteral("rows.csv")), 1000000, row), calendar);
    measure("a contact card with a 40 MB name",
            writtenFile(folder.filePath(QStringLiteral("name.vcf")), 1,
                        [](int) { return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + QByteArray(40 * 1024 * 1024, 'A') + "\r\nBDAY:1985-04-13\r\nEND:VCARD\r\n"; }),
            calendar);
    return 0;
}
