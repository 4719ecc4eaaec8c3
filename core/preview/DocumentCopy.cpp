#include "core/preview/DocumentCopy.h"

#include "core/shell/FileReplacement.h"

#include <QCoreApplication>
#include <QFile>

#include <stdexcept>

void DocumentCopy::copy(const QString &source, const QString &target)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        throw std::runtime_error(QCoreApplication::translate("DocumentCopy", "Cannot read %1: %2").arg(source, input.errorString()).toStdString());

    FileReplacement::replace(target, FileReplacement::Kind::Persons, [&](const QString &newFile) {
        QFile output(newFile);
        if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw FileReplacement::Failure(target, output.errorString());
        constexpr qint64 chunkSize = 1 << 16;
        while (!input.atEnd()) {
            const QByteArray chunk = input.read(chunkSize);
            if (chunk.isEmpty() && input.error() != QFileDevice::NoError)
                break;
            if (output.write(chunk) != chunk.size())
                throw FileReplacement::Failure(target, output.errorString());
        }
        if (input.error() != QFileDevice::NoError)
            throw std::runtime_error(QCoreApplication::translate("DocumentCopy", "Cannot read %1: %2").arg(source, input.errorString()).toStdString());
        if (!output.flush())
            throw FileReplacement::Failure(target, output.errorString());
    });
}
