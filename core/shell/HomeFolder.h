#pragma once

#include <QString>

// The person's home folder, by which the settings file and the office profile kept in the
// cache are found (the environment variable HOME). A program started without HOME (by a
// service, by `env -i`) would look for them in the root folder and find none: HOME is
// then set to the home folder the user's account names, as a login sets it, before
// anything looks for a file by it.
class HomeFolder
{
public:
    // Sets HOME when it is unset or empty; first thing at start, before any thread.
    static HomeFolder settle();

    // What the person is told once at start, in the program's language; empty when HOME
    // was set.
    QString notice() const;

private:
    bool m_wasUnset = false;
    QString m_accountHome; // the folder HOME was set to; empty when the account names none
};
