// A format the office does not write: the program makes it from the PDF the office writes,
// through the same one-step replacement as every other format.

#include "core/preview/DocumentExport.h"
#include "core/shell/TempFolder.h"
#include "core/wordgen/WordApplication.h"
#include "tests/support/FakeWordEngine.h"
#include "tests/support/FileReaders.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>

namespace {

// Page pictures made from the office's PDF: here its first line, marked.
void picturesFromPdf(const QString &pdf, const QString &target)
{
    QFile from(pdf);
    QFile to(target);
    if (!from.open(QIODevice::ReadOnly) || !to.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot read the PDF or write the pictures");
    to.write("pictures of " + from.readLine());
}

void failingFromPdf(const QString &, const QString &)
{
    throw std::runtime_error("the pictures could not be made");
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class DocumentExportTest : public QObject
{
    Q_OBJECT

private slots:
    void formatMadeFromThePdf_data()
    {
        QTest::addColumn<bool>("makingFails");
        QTest::addColumn<QByteArray>("content"); // of the target afterwards
        QTest::newRow("made") << false << QByteArray("pictures of pdf\n");
        QTest::newRow("making fails") << true << QByteArray("last year's pictures");
    }

    void formatMadeFromThePdf()
    {
        QFETCH(bool, makingFails);
        QFETCH(QByteArray, content);
        const DocumentFormatRow pictures{DocumentFormat::Pdf, "png", nullptr, "", "", makingFails ? &failingFromPdf : &picturesFromPdf};
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("calendar.png"));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("last year's pictures") > 0);
        old.close();
        const QString document = TempFolder::file(QStringLiteral("kestrel12345678.doc"));
        QFile saved(document);
        QVERIFY(saved.open(QIODevice::WriteOnly) && saved.write("saved calendar") > 0);
        saved.close();
        const QStringList temporaryBefore = filesIn(TempFolder::path());

        FakeWordEngine engine;
        const std::unique_ptr<WordApplication> word = engine.createApplication();
        word->openDocument(document, true);
        bool failed = false;
        try {
            DocumentExport::fromOpenDocument(*word, target, pictures, FileReplacement::Kind::Persons);
        } catch (const std::exception &) {
            failed = true;
        }

        QCOMPARE(failed, makingFails);
        QCOMPARE(fileContent(target), content);
        // The office wrote a PDF, and it is gone; nothing else is left beside the target.
        QCOMPARE(engine.calls(FakeOperation::SaveCopyAs).size(), 1);
        QVERIFY(engine.calls(FakeOperation::SaveCopyAs).first().arguments.endsWith(QStringLiteral(" pdf")));
        QCOMPARE(filesIn(TempFolder::path()), temporaryBefore);
        QCOMPARE(filesIn(folder.path()), QStringList{QStringLiteral("calendar.png")});
    }
};

DAYBLOOM_TEST_MAIN(DocumentExportTest)

#include "DocumentExportTest.moc"
