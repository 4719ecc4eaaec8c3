#include "office/OfficeCallRunner.h"

#include "core/wordgen/OfficeError.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

namespace {

// Exit codes of the waiting loop; QCoreApplication::exit() ends it with 0, a loop begun
// after it with -1.
constexpr int callFinished = 1;
constexpr int callTimedOut = 2;
constexpr int callLost = 3;

// How often a waiting call looks whether its office can still answer: well within a second.
constexpr std::chrono::milliseconds watchInterval{100};

} // namespace

OfficeCallRunner::OfficeCallRunner()
    : m_receiver(std::make_unique<QObject>())
{
}

OfficeCallRunner::~OfficeCallRunner() = default;

std::uint64_t OfficeCallRunner::queue(std::function<void()> work, bool posted)
{
    const std::uint64_t number = ++m_lastQueued;
    m_thread.post([this, number, posted, work = std::move(work)]() mutable {
        std::exception_ptr failure;
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        work = nullptr;
        const std::lock_guard lock(m_mutex);
        m_lastFinished = number;
        if (posted) {
            if (failure && !m_postedFailure)
                m_postedFailure = failure;
        } else {
            m_lastFailure = failure;
        }
        // Under the lock: a waiting caller cannot have left its loop yet.
        if (m_wakeWaiter)
            m_wakeWaiter();
        m_changed.notify_all();
    });
    return number;
}

void OfficeCallRunner::post(std::function<void()> work)
{
    const std::lock_guard lock(m_mutex);
    queue(std::move(work), true);
}

std::exception_ptr OfficeCallRunner::failure()
{
    const std::lock_guard lock(m_mutex);
    return m_postedFailure;
}

bool OfficeCallRunner::isBusy()
{
    const std::lock_guard lock(m_mutex);
    return m_lastFinished < m_lastQueued;
}

void OfficeCallRunner::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    const std::uint64_t last = m_lastQueued;
    m_changed.wait(lock, [&] { return finished(last); });
}

bool OfficeCallRunner::waitUntilIdle(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    const std::uint64_t last = m_lastQueued;
    return m_changed.wait_for(lock, limit, [&] { return finished(last); });
}

void OfficeCallRunner::run(const QString &what, std::chrono::milliseconds limit, std::function<void()> work,
                           const std::function<void()> &giveUp, const std::function<QString()> &lost)
{
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&loop] { loop.exit(callTimedOut); });
    QString lostReason;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        lostReason = lost();
        if (!lostReason.isEmpty())
            loop.exit(callLost);
    });
    std::uint64_t job = 0;
    {
        const std::lock_guard lock(m_mutex);
        job = queue(std::move(work), false);
        m_wakeWaiter = [this, &loop, job] {
            if (finished(job))
                QMetaObject::invokeMethod(m_receiver.get(), [&loop] { loop.exit(callFinished); }, Qt::QueuedConnection);
        };
    }

    deadline.start(limit);
    watch.start(watchInterval);
    int outcome = callFinished;
    {
        std::unique_lock lock(m_mutex);
        if (!finished(job)) {
            lock.unlock();
            outcome = loop.exec();
            lock.lock();
        }
        m_wakeWaiter = nullptr;
        if (finished(job))
            outcome = callFinished;
    }
    QCoreApplication::removePostedEvents(m_receiver.get());

    if (outcome != callFinished) {
        giveUp();
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return finished(job); });
        m_lastFailure = nullptr;
        lock.unlock();
        if (outcome == callLost)
            throw OfficeInstanceLost(lostReason);
        const QString reason = outcome == callTimedOut
            ? QStringLiteral("The office did not answer within %1 seconds while %2; it was stopped.")
                  .arg(std::chrono::duration_cast<std::chrono::seconds>(limit).count())
                  .arg(what)
            : QStringLiteral("The office was stopped while %1, because the program is closing.").arg(what);
        throw OfficeInstanceLost(reason);
    }
    std::exception_ptr failure;
    {
        const std::lock_guard lock(m_mutex);
        failure = std::exchange(m_lastFailure, nullptr);
    }
    if (failure)
        std::rethrow_exception(failure);
}
