// Times one office instance through the work of a build and a capture: start, open the
// calendar template, fill its 366 day cells, save, count the pages and picture each page;
// beside it, a bare office converting the same document to PDF from the command line.
//
// Run: engine_bench [rounds]   (offscreen unless QT_QPA_PLATFORM says otherwise)

#include "core/shell/CalendarMonths.h"
#include "core/wordgen/OfficeError.h"
#include "bench/BareConversion.h"
#include "bench/BenchFigures.h"
#include "core/wordgen/ClipboardPicture.h"
#include "office/LibreOfficeEngine.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

double timed(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

void print(const char *what, double milliseconds)
{
    std::printf("  %-34s %9.1f ms\n", what, milliseconds);
}

void benchInstance(const QString &templatePath, const QString &documentPath)
{
    std::unique_ptr<WordApplication> word;
    print("start instance", timed([&] { word = LibreOfficeEngine().createApplication(); }));
    print("open template", timed([&] { word->openDocument(templatePath, true); }));
    print("fill 366 cells", timed([&] {
              for (int month = 0; month < CalendarMonths::count; ++month)
                  for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
                      word->selectCell(month + 1, index + 2, 2);
                      word->typeText(QStringLiteral("Entry %1").arg(CalendarMonths::entryName(month, index)));
                  }
          }));
    print("save as .doc", timed([&] { word->saveAs(documentPath); }));
    print("close", timed([&] { word->closeDocument(); }));
    print("open saved document", timed([&] { word->openDocument(documentPath, false); }));
    int pages = 0;
    print("repaginate + page count", timed([&] {
              word->repaginate();
              pages = word->pageCount();
          }));
    std::printf("  pages: %d\n", pages);
    for (int page = 1; page <= pages; ++page) {
        QImage picture;
        const double copy = timed([&] {
            word->copyAsPicture();
            picture = ClipboardPicture::GetClipboardPicture(0);
        });
        std::printf("  picture of page %d (%dx%d)            %9.1f ms\n", page, picture.width(), picture.height(), copy);
        if (page < pages) {
            word->goToNextPage();
            word->homeKeyExtend();
            word->deleteSelection();
        }
    }
    std::printf("  office peak memory                 %9.1f MB\n", memoryOf(officeProcesses().value(0)).peak);
    print("close without saving + quit", timed([&] {
              word->closeDocumentWithoutSaving();
              word->quit();
          }));
}

// The keepsake operations on the wall calendar's template: a year's weekend day numbers,
// entries with and without milestones, the cover's texts, thirteen photos of their places'
// size at 300 pixels an inch, the .doc and a print-quality PDF.
void benchKeepsake(const QString &folder)
{
    const QString wall = folder + QStringLiteral("/template-wall.dot");
    QFile::remove(wall);
    QFile::copy(QStringLiteral(":/template/calendar-wall.dot"), wall);
    QFile::setPermissions(wall, QFile::ReadOwner | QFile::WriteOwner);
    QImage photo(2196, 957, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb((x * 7 + y) % 256, (x ^ y) % 256, (y * 3) % 256));
    const QString photoPath = folder + QStringLiteral("/photo.jpg");
    photo.save(photoPath, "JPEG", 95);

    std::unique_ptr<WordApplication> word = LibreOfficeEngine().createApplication();
    word->openDocument(wall, true);
    const auto months = [&](const std::function<void(int month, int days)> &fill) {
        for (int month = 0; month < CalendarMonths::count; ++month)
            fill(month, CalendarMonths::month(month).days);
    };
    print("fillColumn, 12 months", timed([&] {
              months([&](int month, int days) { word->fillColumn(month + 1, 2, 2, QStringList(days, QStringLiteral("Mom Birthday"))); });
          }));
    print("fillColumnRuns, no style", timed([&] {
              months([&](int month, int days) {
                  word->fillColumnRuns(month + 1, 2, 2, QList<TextRuns>(days, TextRuns{{QStringLiteral("Mom Birthday"), QString()}}));
              });
          }));
    print("fillColumnRuns, a milestone a month", timed([&] {
              months([&](int month, int days) {
                  QList<TextRuns> cells(days, TextRuns{{QStringLiteral("Mom Birthday"), QString()}});
                  cells[14] = {{QStringLiteral("Mom Birthday "), QString()}, {QStringLiteral("70th"), QStringLiteral("Milestone")}};
                  word->fillColumnRuns(month + 1, 2, 2, cells);
              });
          }));
    int weekendDays = 0;
    print("weekend day numbers of 2027", timed([&] {
              months([&](int month, int days) {
                  QStringList styles(days);
                  for (int day = 1; day <= days; ++day)
                      if (const QDate date(2027, month + 1, day); date.isValid() && date.dayOfWeek() >= 6) {
                          styles[day - 1] = QStringLiteral("Weekend Day Number");
                          ++weekendDays;
                      }
                  word->setColumnParagraphStyles(month + 1, 2, 1, styles);
              });
          }));
    std::printf("  (%d weekend days)\n", weekendDays);
    print("cover title and year", timed([&] {
              word->setBookmarkText(QStringLiteral("CoverTitle"), QStringLiteral("The Millers' dates"));
              word->setBookmarkText(QStringLiteral("CoverYear"), QStringLiteral("2027"));
          }));
    print("13 photos placed", timed([&] {
              word->placePicture(QStringLiteral("CoverPicture"), photoPath);
              for (int month = 1; month <= 12; ++month)
                  word->placePicture(QStringLiteral("MonthPicture%1").arg(month), photoPath);
          }));
    const QString document = folder + QStringLiteral("/wall.doc");
    const QString pdf = folder + QStringLiteral("/wall.pdf");
    print("save as .doc", timed([&] { word->saveAs(document); }));
    print("print-quality PDF", timed([&] { word->saveCopyAs(pdf, DocumentFormat::Pdf); }));
    std::printf("  photo %.1f MB, .doc %.1f MB, PDF %.1f MB\n", QFileInfo(photoPath).size() / 1e6, QFileInfo(document).size() / 1e6,
                QFileInfo(pdf).size() / 1e6);
    word->quit();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 2;

    QTemporaryDir work;
    if (!work.isValid())
        return 1;
    // The instances keep their private folders below TEMP, here the bench's own folder.
    qputenv("TEMP", QFile::encodeName(work.path()));
    const QString templatePath = work.filePath(QStringLiteral("template.dot"));
    if (!QFile::copy(QStringLiteral(":/template/calendar.dot"), templatePath)) {
        std::fprintf(stderr, "The embedded calendar template is missing.\n");
        return 1;
    }
    const QString documentPath = work.filePath(QStringLiteral("kestrel12345678.doc"));

    try {
        for (int round = 1; round <= rounds; ++round) {
            std::printf("Office instance, round %d:\n", round);
            benchInstance(templatePath, documentPath);
        }
        std::printf("Keepsake operations, wall calendar:\n");
        benchKeepsake(work.path());
    } catch (const OfficeError &error) {
        std::fprintf(stderr, "Office error: %s\n", error.what());
        return 1;
    }

    const QString profile = work.filePath(QStringLiteral("bare-profile"));
    const QString pdfFolder = work.filePath(QStringLiteral("pdf"));
    std::printf("Bare soffice --headless --convert-to pdf of the same document, everyday profile:\n");
    if (!QDir().mkpath(pdfFolder) || !makeEverydayProfile(documentPath, profile, pdfFolder)) {
        std::fprintf(stderr, "The everyday profile could not be made.\n");
        return 1;
    }
    for (int round = 1; round <= 3; ++round)
        print("conversion", bareConversion(documentPath, profile, pdfFolder));
    return 0;
}
