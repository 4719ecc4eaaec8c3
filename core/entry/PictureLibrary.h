#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

class CalendarEntryStore;

// The pictures the person chose for the calendar's places, kept as prepared copies in the
// program's own data folder (~/.local/share/daybloom/pictures), so that moving or deleting
// an original loses nothing. The settings file names each place's copy in a section of its
// own; a copy is written whole beside its name and put in place by one rename, and the copy
// a place held before goes once the new one is named.
class PictureLibrary
{
public:
    explicit PictureLibrary(CalendarEntryStore &store);

    // The folder the copies are kept in.
    static QString folder();

    // The kept copy of the place (PicturePlaces), or an empty text when it has none or its
    // copy has gone from the folder.
    QString path(int place) const;
    // Prepares the person's file for a place of that printed size and keeps the copy as
    // the place's picture. Throws PictureReader::Failure for a file that cannot be used,
    // std::runtime_error when the copy cannot be kept; the place keeps its picture then.
    void choose(int place, const QString &file, const QSizeF &printedMillimetres);
    // Keeps a prepared copy as the place's picture (see choose()).
    void keep(int place, const QByteArray &preparedCopy);
    // The place has no picture any more.
    void remove(int place);

private:
    void name(int place, const QString &fileName);

    CalendarEntryStore &m_store;
};
