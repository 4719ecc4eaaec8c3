#include "core/entry/PictureLibrary.h"

#include "core/entry/PicturePlaces.h"
#include "core/entry/PicturePreparation.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/shell/ProgramFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cmath>
#include <stdexcept>

namespace {

// A place's copies share a name: the place and a digest of the chosen file's copies, so that
// a new choice never takes an old one's name ("cover-1f3a…"). Each copy adds its printed size
// in tenths of a millimetre: "cover-1f3a…-1859x1939.jpg".
QString copyName(const QString &name, const QSizeF &printed)
{
    return QStringLiteral("%1-%2x%3.jpg").arg(name).arg(std::lround(printed.width() * 10)).arg(std::lround(printed.height() * 10));
}

QSizeF printedSizeOf(const QString &copy)
{
    static const QRegularExpression size(QStringLiteral("-(\\d+)x(\\d+)\\.jpg$"));
    const QRegularExpressionMatch match = size.match(copy);
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble() / 10, match.captured(2).toDouble() / 10) : QSizeF();
}

// True for a name the program gave: never a path that leads elsewhere.
bool isPlainName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[a-z0-9]+-[0-9a-f]{16}$"));
    return plain.match(name).hasMatch();
}

} // namespace

PictureLibrary::PictureLibrary(CalendarEntryStore &store)
    : m_store(store)
{
}

QString PictureLibrary::folder()
{
    return ProgramFiles::dataFolder() + QStringLiteral("/pictures");
}

QStringList PictureLibrary::copiesOf(const QString &name) const
{
    if (!isPlainName(name))
        return {};
    return QDir(folder()).entryList({name + QStringLiteral("-*.jpg")}, QDir::Files);
}

bool PictureLibrary::hasPicture(int place) const
{
    return !copiesOf(m_store.picture(PicturePlaces::key(place))).isEmpty();
}

QString PictureLibrary::path(int place, const QSizeF &printedMillimetres) const
{
    const QStringList copies = copiesOf(m_store.picture(PicturePlaces::key(place)));
    // The copy of that size, else the one of the nearest shape (the office crops it).
    QString nearest;
    double nearestDistance = 0;
    const double wanted = printedMillimetres.width() / printedMillimetres.height();
    for (const QString &copy : copies) {
        const QSizeF printed = printedSizeOf(copy);
        if (printed.isEmpty())
            continue;
        const double distance = std::abs(std::log(printed.width() / printed.height() / wanted))
            + std::abs(printed.width() - printedMillimetres.width()) / 1000;
        if (nearest.isEmpty() || distance < nearestDistance) {
            nearest = copy;
            nearestDistance = distance;
        }
    }
    return nearest.isEmpty() ? QString() : folder() + QLatin1Char('/') + nearest;
}

void PictureLibrary::choose(int place, const QString &file, const QList<QSizeF> &printedMillimetres)
{
    keep(place, PicturePreparation::prepare(file, printedMillimetres), printedMillimetres);
}

void PictureLibrary::keep(int place, const QList<QByteArray> &copies, const QList<QSizeF> &printedMillimetres)
{
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (const QByteArray &copy : copies)
        digest.addData(copy);
    const QString name = PicturePlaces::key(place) + QLatin1Char('-') + QString::fromLatin1(digest.result().toHex().left(16));
    if (!QDir().mkpath(folder()) || !QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        throw std::runtime_error(QCoreApplication::translate("PictureLibrary", "The folder %1 cannot be made.")
                                     .arg(QDir::toNativeSeparators(folder()))
                                     .toStdString());
    for (qsizetype i = 0; i < copies.size(); ++i) {
        QSaveFile copy(folder() + QLatin1Char('/') + copyName(name, printedMillimetres.at(i)));
        if (!copy.open(QIODevice::WriteOnly) || copy.write(copies.at(i)) != copies.at(i).size() || !copy.commit()) {
            for (const QString &written : copiesOf(name))
                QFile::remove(folder() + QLatin1Char('/') + written);
            throw std::runtime_error(QCoreApplication::translate("PictureLibrary", "The picture cannot be kept in %1: %2")
                                         .arg(QDir::toNativeSeparators(folder()), copy.errorString())
                                         .toStdString());
        }
    }
    rename(place, name);
}

void PictureLibrary::remove(int place)
{
    rename(place, QString());
}

void PictureLibrary::rename(int place, const QString &name)
{
    const QString before = m_store.picture(PicturePlaces::key(place));
    if (before == name)
        return;
    const CalendarEntryStore::WriteResult written = m_store.setPicture(PicturePlaces::key(place), name);
    const QString gone = written.saved ? before : name;
    for (const QString &copy : copiesOf(gone))
        QFile::remove(folder() + QLatin1Char('/') + copy);
    if (!written.saved)
        throw std::runtime_error(written.problem.toStdString());
}
