// Reading and merging a large address book: 10,000 contact cards (a phone's or mail
// program's export of a big family and everyone else), into a calendar of 366 entries.
// Prints the time and the extra memory it took.
//
//   import_bench [cards]

#include "bench/BenchFigures.h"
#include "bench/BenchSandbox.h"
#include "core/shell/CalendarMonths.h"
#include "core/import/DateImport.h"
#include "core/entry/DayEntries.h"
#include "core/import/ImportPlan.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cstdio>

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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int cards = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10000;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("contacts.vcf"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        for (int n = 0; n < cards; ++n) {
            const int month = 1 + (n / 28) % 12;
            const int day = 1 + n % 28;
            file.write(QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Person %1;Zoë\r\nFN:Zoë Person %1\r\n"
                                      "TEL;TYPE=CELL:+1 555 %1\r\nEMAIL:person%1@example.invalid\r\n"
                                      "BDAY:19%2-%3-%4\r\nEND:VCARD\r\n")
                           .arg(n)
                           .arg(50 + n % 50)
                           .arg(month, 2, 10, QLatin1Char('0'))
                           .arg(day, 2, 10, QLatin1Char('0'))
                           .toUtf8());
        }
    }
    const double before = memoryOf(QStringLiteral("self")).peak;
    QElapsedTimer timer;
    timer.start();
    Calendar calendar;
    const DateImport::Collected collected =
        DateImport::readAll({path}, [](const QString &, const QString &) { return SlashOrder::Ask; });
    const ImportPlan plan = ImportPlan::make(calendar, collected.dates);
    plan.apply(calendar);
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
    std::printf("%d contact cards (%lld KB): read, merged and applied in %.1f ms (target < 1000 ms)\n", cards,
                QFile(path).size() / 1024, milliseconds);
    std::printf("%lld dates on %lld days; extra peak memory %.1f MB (target < 50 MB)\n",
                static_cast<long long>(collected.dates.dates.size()), static_cast<long long>(plan.changes().size()),
                memoryOf(QStringLiteral("self")).peak - before);
    return 0;
}
