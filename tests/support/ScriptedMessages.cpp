#include "tests/support/ScriptedMessages.h"

#include "core/UserMessages.h"

#include <QQueue>
#include <QtGlobal>

namespace {

QQueue<MessagePresenter::Answer> queuedAnswers;
QList<ScriptedMessages::Record> records;

} // namespace

MessagePresenter::Answer ScriptedMessages::present(Kind kind, const QString &title, const QString &text)
{
    records.append({title, text, kind});
    if (kind != Kind::Question)
        return Answer::Ok;
    if (queuedAnswers.isEmpty())
        qFatal("A question was asked with no answer queued by the test: %s", qUtf8Printable(text));
    return queuedAnswers.dequeue();
}

void ScriptedMessages::install()
{
    static ScriptedMessages presenter;
    UserMessages::setPresenter(&presenter);
}

void ScriptedMessages::queueAnswer(Answer answer)
{
    queuedAnswers.enqueue(answer);
}

QList<ScriptedMessages::Record> ScriptedMessages::takeRecords()
{
    QList<Record> taken;
    taken.swap(records);
    return taken;
}

int ScriptedMessages::recordCount()
{
    return static_cast<int>(records.size());
}
