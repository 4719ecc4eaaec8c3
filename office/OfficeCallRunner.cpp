#include "office/OfficeCallRunner.h"

#include "core/OfficeError.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

namespace {

// Exit codes of the waiting loop; QCoreApplication::exit() ends it with 0.
constexpr int callFinished = 1;
constexpr int callTimedOut = 2;

} // namespace

OfficeCallRunner::OfficeCallRunner()
    : m_receiver(std::make_unique<QObject>())
    , m_thread([this] { workerLoop(); })
{
}

OfficeCallRunner::~OfficeCallRunner()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void OfficeCallRunner::workerLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || m_work; });
        if (!m_work)
            return;
        const std::function<void()> work = std::move(m_work);
        m_work = nullptr;
        lock.unlock();
        std::exception_ptr failure;
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        m_failure = failure;
        m_busy = false;
        // Under the lock: the waiting side cannot have left its loop yet.
        if (m_waitingLoop)
            QMetaObject::invokeMethod(m_receiver.get(), [loop = m_waitingLoop] { loop->exit(callFinished); },
                                      Qt::QueuedConnection);
        m_changed.notify_all();
    }
}

void OfficeCallRunner::run(const QString &what, std::chrono::milliseconds limit, const std::function<void()> &work,
                           const std::function<void()> &giveUp)
{
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&loop] { loop.exit(callTimedOut); });
    {
        const std::lock_guard lock(m_mutex);
        m_work = work;
        m_busy = true;
        m_failure = nullptr;
        m_waitingLoop = &loop;
    }
    m_changed.notify_all();

    deadline.start(limit);
    int outcome = callFinished;
    {
        std::unique_lock lock(m_mutex);
        if (m_busy) {
            lock.unlock();
            outcome = loop.exec();
            lock.lock();
        }
        m_waitingLoop = nullptr;
        if (!m_busy)
            outcome = callFinished;
    }
    QCoreApplication::removePostedEvents(m_receiver.get());

    if (outcome != callFinished) {
        giveUp();
        waitUntilIdle();
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
        failure = std::exchange(m_failure, nullptr);
    }
    if (failure)
        std::rethrow_exception(failure);
}

void OfficeCallRunner::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_busy; });
    m_failure = nullptr;
}

void OfficeCallRunner::pause(std::chrono::milliseconds time)
{
    QEventLoop loop;
    QTimer::singleShot(time, &loop, [&loop] { loop.exit(callFinished); });
    loop.exec();
}
