#pragma once

#include <QString>

// The application title: the caption of every message box that has none of its own.
// It is set once at start-up; until then it is the platform's default, the program's
// own name.
class ApplicationTitle
{
public:
    static QString get();
    static void set(const QString &title);
};
