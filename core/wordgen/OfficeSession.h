#pragma once

#include "core/wordgen/WordEngine.h"

#include <QString>

#include <functional>
#include <memory>

class ErrorReport;

// The office instance of one guarded procedure, with its labelled office statements.
// When the instance cannot be started, its document cannot be opened, or the instance is
// lost on the way (its process died, or it stopped answering and was stopped), that one
// failure is reported and every later office statement of the procedure is skipped:
// without an instance or a document each of them could only fail again, one report box
// each. A failure of a single statement while the office is alive is reported and the
// procedure goes on. The instance is always ended, in the background: by quit(), or at the
// latest when the session is destroyed.
class OfficeSession
{
public:
    OfficeSession(WordEngine &engine, const ErrorReport &report);
    ~OfficeSession();

    OfficeSession(const OfficeSession &) = delete;
    OfficeSession &operator=(const OfficeSession &) = delete;

    // Creates the instance; false (reported) when it cannot be started.
    bool start(int label);
    // Opens the document as the active one; false when skipped or failed (reported).
    bool open(int label, const QString &path, bool readOnly);
    // Runs one office statement; false when skipped or failed (reported).
    bool step(int label, const std::function<void(WordApplication &)> &statement);
    // Runs a statement that has a slower way round: false, and nothing reported, when it
    // is skipped or fails, so that the caller goes the other way. Only a lost instance is
    // reported, under label, since no way round can help then.
    bool attempt(int label, const std::function<void(WordApplication &)> &statement);
    // Gives the instance up after a failure already reported that leaves nothing worth
    // doing: every later office statement is skipped, as after a lost instance.
    void abandon() { m_usable = false; }
    // True while office statements run: the instance started and no open failed.
    bool isUsable() const { return m_usable; }

    // Tells the instance to quit. A failure is reported, unless the session had already
    // failed and reported once: then the instance is ended quietly.
    void quit(int label);
    // Releases the instance; its process ends in the background.
    void release();

private:
    WordEngine &m_engine;
    const ErrorReport &m_report;
    std::unique_ptr<WordApplication> m_application;
    bool m_usable = false;
};
