#pragma once

#include <QString>

#include <exception>

// An error nobody expected ends the program cleanly instead of aborting it: the person is
// told once where they look (a message box while the program has a window, standard
// error otherwise), and what the program started ends as its objects go.
namespace UnexpectedError {

// Tells the cause and returns the program's exit status for it (1).
int report(const QString &cause);
// The cause of the exception being handled, for report(); call only inside a catch.
QString causeOfCurrent();

} // namespace UnexpectedError
