#include "core/preview/DocumentExport.h"

#include "core/wordgen/WordApplication.h"
#include "core/wordgen/WordEngine.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <memory>
#include <stdexcept>

#include <stdio.h>

namespace {

[[noreturn]] void fail(const QString &target, const QString &reason)
{
    throw std::runtime_error(
        QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(target), reason).toStdString());
}

} // namespace

void DocumentExport::fromOpenDocument(WordApplication &word, const QString &target, DocumentFormat format)
{
    const QFileInfo info(target);
    if (info.isDir())
        fail(target, QStringLiteral("a folder of that name is in the way"));
    // A new file of a name nobody else uses, in the target's folder, so that it can take
    // the target's place in one rename.
    QTemporaryFile written(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!written.open())
        fail(target, written.errorString());
    written.close();
    word.saveCopyAs(written.fileName(), format);
    if (QFileInfo(written.fileName()).size() == 0)
        fail(target, QStringLiteral("the office wrote nothing"));
    // The new file is readable as any file the person saves: as the file it replaces, or
    // by everyone when it is new.
    QFile::setPermissions(written.fileName(),
                          info.exists() ? QFile::permissions(target)
                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser
                                              | QFile::ReadGroup | QFile::ReadOther);
    if (::rename(QFile::encodeName(written.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        fail(target, QString::fromLocal8Bit(std::strerror(errno)));
    written.setAutoRemove(false);
}

void DocumentExport::fromDocument(WordEngine &engine, const QString &document, const QString &target,
                                  DocumentFormat format)
{
    const std::unique_ptr<WordApplication> word = engine.createApplication();
    word->openDocument(document, true);
    fromOpenDocument(*word, target, format);
    word->closeDocumentWithoutSaving();
    word->quit();
}
