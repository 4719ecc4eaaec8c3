#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM and SIGHUP (a logout, a `kill`) into a call on the event loop, so that the
// program can end as a close does, ending its offices and removing what they leave,
// instead of dying with them still running. One object at a time; the signals get their
// former handling back when it goes.
class TerminationSignals : public QObject
{
public:
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals() override;

private:
    std::function<void()> m_onSignal;
    QSocketNotifier *m_notifier = nullptr;
};
