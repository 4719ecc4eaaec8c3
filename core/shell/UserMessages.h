#pragma once

#include "core/shell/MessagePresenter.h"

#include <QString>

// Every message of the program to its user goes through here, to the presenter installed
// for the kind of program running (windows, command line, a test).
class UserMessages
{
public:
    using Answer = MessagePresenter::Answer;

    // "Application Error": the error report of a guarded procedure.
    static void applicationError(const QString &text);
    // Titled with the application title ("Done.", the office advice).
    static void information(const QString &text);
    // Titled with the application title; Yes or No.
    static Answer question(const QString &text);
    // Titled with the application title; returns the index of the choice taken, Enter
    // taking the preselected one. The last choice must be the one that changes nothing.
    static int choice(const QString &text, const QStringList &choices, int preselected = 0);

    // Installs the presenter (not owned); null restores the default, which writes each
    // message to standard error and answers every question No and every choice with the
    // last, the answers that change nothing.
    static void setPresenter(MessagePresenter *presenter);

private:
    static Answer present(MessagePresenter::Kind kind, const QString &title, const QString &text);
};
