#include "tests/support/ScriptedMessages.h"

#include "core/shell/UserMessages.h"

#include <QQueue>
#include <QtGlobal>

namespace {

QQueue<MessagePresenter::Answer> queuedAnswers;
QQueue<QString> queuedChoices;
QList<ScriptedMessages::Record> records;

} // namespace

MessagePresenter::Answer ScriptedMessages::present(Kind kind, const QString &title, const QString &text)
{
    records.append({title, text, kind, {}});
    if (kind != Kind::Question)
        return Answer::Ok;
    if (queuedAnswers.isEmpty())
        qFatal("A question was asked with no answer queued by the test: %s", qUtf8Printable(text));
    return queuedAnswers.dequeue();
}

int ScriptedMessages::choose(const QString &title, const QString &text, const QStringList &choices, int preselected)
{
    records.append({title, text, Kind::Choice, choices, preselected});
    if (queuedChoices.isEmpty())
        qFatal("A choice was offered with no choice queued by the test: %s", qUtf8Printable(text));
    const QString choice = queuedChoices.dequeue();
    const qsizetype index = choices.indexOf(choice);
    if (index < 0)
        qFatal("The queued choice \"%s\" is not offered by: %s", qUtf8Printable(choice), qUtf8Printable(text));
    return static_cast<int>(index);
}

void ScriptedMessages::install()
{
    static ScriptedMessages presenter;
    UserMessages::setPresenter(&presenter);
    queuedAnswers.clear();
    queuedChoices.clear();
}

void ScriptedMessages::queueAnswer(Answer answer)
{
    queuedAnswers.enqueue(answer);
}

void ScriptedMessages::queueChoice(const QString &choice)
{
    queuedChoices.enqueue(choice);
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
