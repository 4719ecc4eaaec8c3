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

#include <QDir>
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
