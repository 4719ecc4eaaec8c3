#pragma once

#include "core/entry/CopiedDayEntries.h"
#include "core/import/ImportPlan.h"
#include "core/import/SlashOrder.h"

#include <QObject>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class DayEntries;

// Reads the files of an import and works out what they change on a thread of its own, so
// that the window goes on answering meanwhile; the change is worked out against the
// entries as they were when it was made. Its signals come from that thread: a receiver in
// the window's thread gets them queued. Cancelling stops the work between records, and
// nothing it did is used; destroying it cancels and waits for the thread, which takes no
// time once it has ended().
class BackgroundImport : public QObject
{
    Q_OBJECT

public:
    struct Outcome {
        ImportPlan plan;
        QStringList unreadable; // a line for each file that was not read, with the reason
    };

    BackgroundImport(const QStringList &paths, const DayEntries &entries);
    ~BackgroundImport() override;

    void start();
    void cancel();
    // The answer to orderAsked(); SlashOrder::Ask leaves that file out.
    void answerOrder(SlashOrder order);
    // What the work made of the files, once it has finished().
    const Outcome &outcome() const { return *m_outcome; }

signals:
    // The file at this index of the paths is being read.
    void readingFile(qsizetype index);
    // Every file is read; what they change is being worked out.
    void planning();
    // A file writes dates such as 04/05/1990 with nothing in it to tell the order: the work
    // waits for answerOrder().
    void orderAsked(const QString &path, const QString &example);
    void finished();
    // The thread has done all it will do, finished or cancelled.
    void ended();

private:
    void run(const std::stop_token &stop);
    bool work(const std::stop_token &stop);
    SlashOrder askOrder(const std::stop_token &stop, const QString &path, const QString &example);

    const QStringList m_paths;
    const CopiedDayEntries m_entries;
    std::optional<Outcome> m_outcome;
    std::mutex m_answerLock;
    std::condition_variable_any m_answered;
    std::optional<SlashOrder> m_answer;
    std::jthread m_thread;
};
