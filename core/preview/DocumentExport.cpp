#include "core/preview/DocumentExport.h"

#include "core/shell/FileReplacement.h"
#include "core/shell/TempFolder.h"
#include "core/wordgen/WordApplication.h"
#include "core/wordgen/WordEngine.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <memory>

void DocumentExport::fromOpenDocument(WordApplication &word, const QString &target, DocumentFormat format,
                                      FileReplacement::Kind whose)
{
    fromOpenDocument(word, target, DocumentFormats::row(format), whose);
}

void DocumentExport::fromOpenDocument(WordApplication &word, const QString &target, const DocumentFormatRow &format,
                                      FileReplacement::Kind whose)
{
    FileReplacement::replace(target, whose, [&](const QString &newFile) {
        if (format.makeFromPdf) {
            const QString pdf = TempFolder::file(QFileInfo(newFile).fileName() + QStringLiteral(".pdf"));
            const auto removePdf = qScopeGuard([&] { QFile::remove(pdf); });
            word.saveCopyAs(pdf, DocumentFormat::Pdf);
            format.makeFromPdf(pdf, newFile);
        } else {
            word.saveCopyAs(newFile, format.format);
        }
        if (QFileInfo(newFile).size() == 0)
            throw FileReplacement::Failure(target, QCoreApplication::translate("DocumentExport", "the office wrote nothing"));
    });
}

void DocumentExport::fromDocument(WordEngine &engine, const QString &document, const QString &target,
                                  DocumentFormat format, FileReplacement::Kind whose)
{
    const std::unique_ptr<WordApplication> word = engine.createApplication();
    word->openDocument(document, true);
    fromOpenDocument(*word, target, format, whose);
    word->closeDocumentWithoutSaving();
    word->quit();
}
