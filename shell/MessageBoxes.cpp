#include "shell/MessageBoxes.h"

#include "shell/ApplicationTitle.h"

#include <QQueue>

namespace {

struct HeadlessState {
    bool headless = false;
    QQueue<MessageBoxes::Answer> answers;
    QList<MessageBoxes::Record> records;
};

HeadlessState &headlessState()
{
    static HeadlessState state;
    return state;
}

} // namespace

void MessageBoxes::applicationError(const QString &text)
{
    show(QStringLiteral("Application Error"), text, QMessageBox::Warning, QMessageBox::Ok);
}

void MessageBoxes::information(const QString &text)
{
    show(ApplicationTitle::get(), text, QMessageBox::NoIcon, QMessageBox::Ok);
}

MessageBoxes::Answer MessageBoxes::question(const QString &text)
{
    return show(ApplicationTitle::get(), text, QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No);
}

MessageBoxes::Answer MessageBoxes::show(const QString &title, const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons)
{
    HeadlessState &state = headlessState();
    if (state.headless) {
        state.records.append({title, text, icon, buttons});
        if (!state.answers.isEmpty())
            return state.answers.dequeue();
        return buttons.testFlag(QMessageBox::Yes) ? Answer::Yes : Answer::Ok;
    }
    QMessageBox box(icon, title, text, buttons);
    const int result = box.exec();
    if (result == QMessageBox::Yes)
        return Answer::Yes;
    if (result == QMessageBox::No)
        return Answer::No;
    return Answer::Ok;
}

void MessageBoxes::setHeadless(bool headless)
{
    headlessState().headless = headless;
}

bool MessageBoxes::isHeadless()
{
    return headlessState().headless;
}

void MessageBoxes::queueAnswer(Answer answer)
{
    headlessState().answers.enqueue(answer);
}

QList<MessageBoxes::Record> MessageBoxes::takeRecords()
{
    QList<Record> records;
    records.swap(headlessState().records);
    return records;
}

int MessageBoxes::recordCount()
{
    return static_cast<int>(headlessState().records.size());
}
