#include "core/entry/PictureLibrary.h"

#include "core/entry/PicturePlaces.h"
#include "core/entry/PicturePreparation.h"
#include "core/shell/CalendarEntryStore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <stdexcept>

namespace {

// A kept copy's name: its place and its content's digest, so a new copy never takes an
// old one's name.
QString copyName(int place, const QByteArray &content)
{
    const QByteArray digest = QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("%1-%2.jpg").arg(PicturePlaces::key(place), QString::fromLatin1(digest));
}

// True for a plain name of a file in the folder: never a path that leads elsewhere.
bool isPlainName(const QString &fileName)
{
    return !fileName.isEmpty() && !fileName.contains(u'/') && fileName != QLatin1String(".")
        && fileName != QLatin1String("..");
}

} // namespace

PictureLibrary::PictureLibrary(CalendarEntryStore &store)
    : m_store(store)
{
}

QString PictureLibrary::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/daybloom/pictures");
}

QString PictureLibrary::path(int place) const
{
    const QString fileName = m_store.picture(PicturePlaces::key(place));
    if (!isPlainName(fileName))
        return QString();
    const QString kept = folder() + QLatin1Char('/') + fileName;
    return QFileInfo(kept).isFile() ? kept : QString();
}

void PictureLibrary::choose(int place, const QString &file, const QSizeF &printedMillimetres)
{
    keep(place, PicturePreparation::prepare(file, printedMillimetres));
}

void PictureLibrary::keep(int place, const QByteArray &preparedCopy)
{
    const QString fileName = copyName(place, preparedCopy);
    if (!QDir().mkpath(folder()) || !QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        throw std::runtime_error(QCoreApplication::translate("PictureLibrary", "The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder())).toStdString());
    QSaveFile copy(folder() + QLatin1Char('/') + fileName);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(preparedCopy) != preparedCopy.size() || !copy.commit())
        throw std::runtime_error(
            QCoreApplication::translate("PictureLibrary", "The picture cannot be kept in %1: %2").arg(QDir::toNativeSeparators(folder()), copy.errorString()).toStdString());
    name(place, fileName);
}

void PictureLibrary::remove(int place)
{
    name(place, QString());
}

void PictureLibrary::name(int place, const QString &fileName)
{
    const QString before = m_store.picture(PicturePlaces::key(place));
    if (before == fileName)
        return;
    const CalendarEntryStore::WriteResult written = m_store.setPicture(PicturePlaces::key(place), fileName);
    if (!written.saved) {
        if (!fileName.isEmpty())
            QFile::remove(folder() + QLatin1Char('/') + fileName);
        throw std::runtime_error(written.problem.toStdString());
    }
    // Copies are named by their place, so no other place names the old one: it goes.
    if (isPlainName(before))
        QFile::remove(folder() + QLatin1Char('/') + before);
}
