#pragma once

#include "core/shell/FileReplacement.h"

#include <QMap>
#include <QString>

// The day entries in the user's settings file: application "Quillmoor" (the file
// $XDG_CONFIG_HOME/Quillmoor.ini), the product name as the group, one key per day box
// ("txtJan0" … "txtDec30") holding the box's text verbatim; the program's options in the
// group "Options". Every read and write goes to the file: there is no cache, and each
// write is synced before it returns.
class CalendarEntryStore
{
public:
    struct WriteResult {
        bool saved = false;
        QString problem; // why the write was refused, when it was
    };

    // The stored text, or the empty text when the key is absent. A value QSettings does not
    // read as one text, such as "Mom, Dad Birthday" written by hand without quotes (a list
    // to QSettings), is the text written on its line.
    QString read(const QString &key) const;
    // Every stored entry, each as read() reads it, from one look at the file.
    QMap<QString, QString> readAll() const;
    // Replaces the key's value; an empty text is stored as such, the key stays.
    WriteResult write(const QString &key, const QString &text);

    // The program's own settings (the paper size, …), in a section of their own, never
    // among the day keys. The empty text when the key is absent.
    QString option(const QString &key) const;
    // Refused, the file unchanged, while the file does not read cleanly.
    WriteResult setOption(const QString &key, const QString &value);
    // The file name of the picture kept for a place ("cover", "1" … "12"), in a section of
    // its own; empty when there is none. Refused like an option.
    QString picture(const QString &place) const;
    WriteResult setPicture(const QString &place, const QString &fileName);

    // False when QSettings cannot read the file cleanly: it reports a format error, an
    // entry line of the section is lost to it (the section or a key written twice: only
    // the last line counts), or it reads a value other than its line means (bytes that
    // are not UTF-8, a comma written without quotes where the list QSettings makes of it
    // would be written back otherwise). The next write would rewrite
    // the file from what QSettings could read, and those entries would be lost or changed.
    bool readsCleanly() const;
    // Why a write would be refused now, worded as a refused write describes it; empty when
    // the file can be written, or made where it belongs when there is none yet. Changes
    // nothing on disk.
    QString writeProblem() const;

    // The settings file, for messages.
    static QString fileName();

    // Writes a file of the settings file's layout holding exactly these entries (and the
    // settings file's options) and puts it in place of whatever the path held, in one step,
    // under FileReplacement's rule for whose file it is: a failed write leaves the old file.
    // The problem, when there is one, is the reason alone ("Permission denied").
    static WriteResult writeFile(const QString &path, const QMap<QString, QString> &entries, FileReplacement::Kind whose);

private:
    WriteResult setSetting(const QString &section, const QString &key, const QString &value);
    static WriteResult writeIn(const QString &section, const QString &key, const QString &text);
};
