#pragma once

#include <QString>
#include <QStringList>

// Shows one message to the person using the program and returns their answer. The windows
// show message boxes; a program without windows writes to the terminal; tests answer from
// a script.
class MessagePresenter
{
public:
    enum class Kind {
        ApplicationError, // "Application Error", exclamation icon, OK only
        Information,      // the application title, no icon, OK only
        Question,         // the application title, no icon, Yes and No
        Choice,           // the application title, warning icon, one button per choice (choose())
    };
    enum class Answer { Ok, Yes, No };

    virtual ~MessagePresenter() = default;
    virtual Answer present(Kind kind, const QString &title, const QString &text) = 0;
    // Offers several named choices, the one at index preselected taken by Enter, and
    // returns the index of the one taken. Closing the message without choosing takes the
    // last choice, which callers make the one that changes nothing.
    virtual int choose(const QString &title, const QString &text, const QStringList &choices, int preselected) = 0;
};
