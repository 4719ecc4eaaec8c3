#pragma once

#include <QByteArray>
#include <QList>
#include <QSizeF>
#include <QString>

class CalendarEntryStore;

// The pictures the person chose for the calendar's places, kept as prepared copies in the
// program's own data folder (~/.local/share/daybloom/pictures), so that moving or deleting
// an original loses nothing: one copy for every shape the place has in the designs and
// papers (its printed size in millimetres). The settings file names each place's copies in
// a section of its own; a copy is written whole beside its name and put in place by one
// rename, and the copies a place held before go once the new ones are named.
class PictureLibrary
{
public:
    explicit PictureLibrary(CalendarEntryStore &store);

    // The folder the copies are kept in.
    static QString folder();

    // The place's (PicturePlaces) copy for a place of that printed size, or the copy of the
    // nearest shape it has; an empty text when it has none or its copies have gone.
    QString path(int place, const QSizeF &printedMillimetres) const;
    bool hasPicture(int place) const;
    // Prepares the person's file for each printed size the place has and keeps the copies
    // as the place's picture. Throws PictureReader::Failure for a file that cannot be used,
    // std::runtime_error when the copies cannot be kept; the place keeps its picture then.
    void choose(int place, const QString &file, const QList<QSizeF> &printedMillimetres);
    // Keeps copies already prepared (PicturePreparation) for those printed sizes as the
    // place's picture. Throws std::runtime_error when they cannot be kept.
    void keep(int place, const QList<QByteArray> &copies, const QList<QSizeF> &printedMillimetres);
    // The place has no picture any more.
    void remove(int place);

private:
    QStringList copiesOf(const QString &name) const;
    void rename(int place, const QString &name);

    CalendarEntryStore &m_store;
};
