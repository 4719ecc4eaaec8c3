#include "core/preview/CalendarExport.h"

#include "core/wordgen/CalendarColumns.h"
#include "core/shell/CalendarMonths.h"
#include "core/wordgen/CalendarLook.h"
#include "core/wordgen/CalendarTemplate.h"
#include "core/wordgen/CoverAndPictures.h"
#include "core/wordgen/YearEdition.h"
#include "core/preview/DocumentExport.h"
#include "core/wordgen/DocumentFormat.h"
#include "core/shell/FileReplacement.h"
#include "core/shell/FileRoutines.h"
#include "core/wordgen/WordApplication.h"
#include "core/wordgen/WordEngine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>

#include <memory>
#include <stdexcept>

void CalendarExport::write(WordEngine &engine, const DayEntries &entries, const CalendarLook &look, const QString &target)
{
    const std::optional<DocumentFormat> format = DocumentFormats::fromFileName(target);
    if (!format)
        throw std::runtime_error(QCoreApplication::translate("CalendarExport", "%1 does not end in a known suffix: use %2.")
                                     .arg(target, DocumentFormats::knownSuffixes())
                                     .toStdString());
    // Refused before any office starts.
    if (const FileReplacement::Target file = FileReplacement::resolve(target); !file.refusal.isEmpty())
        throw FileReplacement::Failure(file.named, file.refusal);

    const QString templatePath = CalendarTemplate::writtenPath(look);
    const auto removeTemplate = qScopeGuard([&] { DeleteFileRobust(templatePath); });
    CalendarTemplate::write(look, CalendarTemplate::bytes(look));

    const std::unique_ptr<WordApplication> word = engine.createApplication();
    word->openDocument(templatePath, true);
    const std::optional<YearEdition> edition = look.year ? std::optional(YearEdition(*look.year)) : std::nullopt;
    for (int month = 0; month < CalendarMonths::count; ++month)
        CalendarColumns::fillMonth(*word, CalendarColumns::monthCells(entries, month, edition ? &*edition : nullptr), month);
    CoverAndPictures::writeCover(*word, look);
    for (const CoverAndPictures::Picture &picture : CoverAndPictures::pictures(look))
        CoverAndPictures::place(*word, picture);
    DocumentExport::fromOpenDocument(*word, QFileInfo(target).absoluteFilePath(), *format, FileReplacement::Kind::Persons);
    word->closeDocumentWithoutSaving();
    word->quit();
}
