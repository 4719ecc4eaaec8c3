#include "core/import/BackgroundImport.h"

#include "core/import/DateImport.h"
#include "core/import/ImportCancelled.h"

#include <exception>

BackgroundImport::BackgroundImport(const QStringList &paths, const DayEntries &entries)
    : m_paths(paths)
    , m_entries(entries)
{
}

BackgroundImport::~BackgroundImport()
{
    // Before any member the thread uses goes.
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

void BackgroundImport::start()
{
    m_thread = std::jthread([this](const std::stop_token &stop) { run(stop); });
}

void BackgroundImport::cancel()
{
    m_thread.request_stop();
}

void BackgroundImport::answerOrder(SlashOrder order)
{
    {
        const std::lock_guard lock(m_answerLock);
        m_answer = order;
    }
    m_answered.notify_all();
}

void BackgroundImport::run(const std::stop_token &stop)
{
    if (work(stop))
        emit finished();
    emit ended();
}

// True when it has come to an outcome; what the files held is freed by then, and only the
// plan is left.
bool BackgroundImport::work(const std::stop_token &stop)
{
    try {
        const DateImport::Collected collected = DateImport::readAll(
            m_paths, [&](const QString &path, const QString &example) { return askOrder(stop, path, example); }, stop,
            [this](qsizetype index) { emit readingFile(index); });
        emit planning();
        m_outcome = Outcome{ImportPlan::make(m_entries, collected.dates, stop), collected.unreadable};
        ImportCancelled::throwIfRequested(stop);
    } catch (const ImportCancelled &) {
        return false;
    } catch (const std::exception &error) {
        // Nothing else stops a reader; should memory run out, the person hears of it.
        m_outcome = Outcome{ImportPlan(), {QString::fromLocal8Bit(error.what())}};
    }
    return true;
}

SlashOrder BackgroundImport::askOrder(const std::stop_token &stop, const QString &path, const QString &example)
{
    std::unique_lock lock(m_answerLock);
    m_answer.reset();
    lock.unlock();
    emit orderAsked(path, example);
    lock.lock();
    if (!m_answered.wait(lock, stop, [this] { return m_answer.has_value(); }))
        return SlashOrder::Ask;
    return *m_answer;
}
