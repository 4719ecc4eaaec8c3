#include "core/preview/DocumentCopy.h"

#include <QFile>
#include <QSaveFile>

#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString &what, const QString &path, const QString &reason)
{
    throw std::runtime_error(QStringLiteral("%1 %2: %3").arg(what, path, reason).toStdString());
}

} // namespace

void DocumentCopy::copy(const QString &source, const QString &target)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Cannot read"), source, input.errorString());

    QSaveFile output(target);
    if (!output.open(QIODevice::WriteOnly))
        fail(QStringLiteral("Cannot write"), target, output.errorString());

    constexpr qint64 chunkSize = 1 << 16;
    while (!input.atEnd()) {
        const QByteArray chunk = input.read(chunkSize);
        if (chunk.isEmpty() && input.error() != QFileDevice::NoError)
            fail(QStringLiteral("Cannot read"), source, input.errorString());
        if (output.write(chunk) != chunk.size())
            fail(QStringLiteral("Cannot write"), target, output.errorString());
    }
    if (input.error() != QFileDevice::NoError)
        fail(QStringLiteral("Cannot read"), source, input.errorString());
    // Nothing of the copy reaches the target before this point; QSaveFile discards it.
    if (!output.commit())
        fail(QStringLiteral("Cannot write"), target, output.errorString());
}
