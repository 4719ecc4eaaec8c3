#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT (a logout, a `kill`, Ctrl+C) into a call on the event
// loop, so that the program can end as a close does, ending its offices and removing what
// they leave, instead of dying with them still running.
//
// The signals are caught from the moment the object is made, at the program's start: a
// signal that comes before the program knows how to end (its window not made yet) waits,
// and the first event loop after whenSignalled() handles it. One object at a time; the
// signals get their former handling back when it goes.
class TerminationSignals : public QObject
{
public:
    TerminationSignals();
    ~TerminationSignals() override;

    // What a signal does: onSignal is called with its number on the event loop of the
    // thread that calls this.
    void whenSignalled(std::function<void(int signal)> onSignal);

private:
    std::function<void(int)> m_onSignal;
    QSocketNotifier *m_notifier = nullptr;
};
