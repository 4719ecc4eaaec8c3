#pragma once

#include "core/shell/MessagePresenter.h"

#include <QList>
#include <QString>

// Answers the program's messages in tests: every message is recorded, a question takes the
// next queued answer and a choice the next queued choice. A question or a choice with
// nothing queued is a fault of the test (it would have waited for a person), and so is a
// queued choice the message does not offer: either fails the test run at once.
class ScriptedMessages : public MessagePresenter
{
public:
    struct Record {
        QString title;
        QString text;
        Kind kind;
        QStringList choices; // those offered, for a choice
        int preselected = 0; // the choice Enter takes, for a choice
    };

    Answer present(Kind kind, const QString &title, const QString &text) override;
    int choose(const QString &title, const QString &text, const QStringList &choices, int preselected) override;

    // Installs the one scripted presenter for the test program, with nothing queued.
    static void install();
    static void queueAnswer(Answer answer);
    // The text of the choice to take at the next choice message.
    static void queueChoice(const QString &choice);
    static QList<Record> takeRecords();
    static int recordCount();
};
