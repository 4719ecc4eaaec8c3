#pragma once

#include <QString>

#include <functional>

// The day entries in the user's settings file: application "Quillmoor" (the file
// $XDG_CONFIG_HOME/Quillmoor.ini), the product name as the group, one key per day box
// ("txtJan0" … "txtDec30") holding the box's text verbatim. Every read and write goes to
// the file: there is no cache, and each write is synced before it returns.
class CalendarEntryStore
{
public:
    struct WriteResult {
        bool saved = false;
        QString problem; // why the write was refused, when it was
    };

    // The stored text, or the empty text when the key is absent.
    QString read(const QString &key) const;
    // Replaces the key's value; an empty text is stored as such, the key stays.
    WriteResult write(const QString &key, const QString &text);

    // The settings file, for messages.
    static QString fileName();

    // Called after every write with its key, text and result (benchmarks and tests).
    using WriteObserver = std::function<void(const QString &key, const QString &text, bool saved)>;
    void setWriteObserver(WriteObserver observer) { m_writeObserver = std::move(observer); }

private:
    WriteObserver m_writeObserver;
};
