#pragma once

#include "core/MessagePresenter.h"

#include <QList>
#include <QString>

// Answers the program's messages in tests: every message is recorded, and a question takes
// the next queued answer. A question with no answer queued is a fault of the test (it would
// have waited for a person), so it fails the test run at once.
class ScriptedMessages : public MessagePresenter
{
public:
    struct Record {
        QString title;
        QString text;
        Kind kind;
    };

    Answer present(Kind kind, const QString &title, const QString &text) override;

    // Installs the one scripted presenter for the test program.
    static void install();
    static void queueAnswer(Answer answer);
    static QList<Record> takeRecords();
    static int recordCount();
};
