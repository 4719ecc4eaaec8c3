#pragma once

#include <QString>

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
    };
    enum class Answer { Ok, Yes, No };

    virtual ~MessagePresenter() = default;
    virtual Answer present(Kind kind, const QString &title, const QString &text) = 0;
};
