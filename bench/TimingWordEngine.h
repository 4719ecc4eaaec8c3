#pragma once

#include "core/wordgen/WordEngine.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>

// Wraps an office engine and notes when each of its operations started and how long it
// took, so a benchmark can split a build into its phases.
class TimingWordEngine : public WordEngine
{
public:
    struct Event {
        int instance;      // 1 for the first instance created
        QString operation; // "create", "openDocument", …, "release"
        qint64 startNs;    // since the engine was made
        qint64 durationNs;
    };

    explicit TimingWordEngine(WordEngine &engine);

    std::unique_ptr<WordApplication> createApplication() override;
    void prepareAhead(const QByteArray &documentToOpen) override { m_engine.prepareAhead(documentToOpen); }
    void setPagePixelRatio(double ratio) override { m_engine.setPagePixelRatio(ratio); }

    const QList<Event> &events() const { return m_events; }
    void clear() { m_events.clear(); }
    qint64 nowNs() const { return m_clock.nsecsElapsed(); }

    // Runs an operation and notes it.
    template<typename Operation>
    auto timed(int instance, const QString &name, Operation &&operation)
    {
        const qint64 start = nowNs();
        struct Note {
            TimingWordEngine &engine;
            int instance;
            const QString &name;
            qint64 start;
            ~Note() { engine.m_events.append({instance, name, start, engine.nowNs() - start}); }
        } note{*this, instance, name, start};
        return operation();
    }

private:
    WordEngine &m_engine;
    QElapsedTimer m_clock;
    QList<Event> m_events;
    int m_created = 0;
};
