#pragma once

#include <QString>

// The folder for the program's temporary files ("template.dot", the generated document,
// "temp.bmp"). The environment variable TEMP is used unchanged when it is set. Otherwise
// a private folder of this user (mode 0700) below the system's temporary folder is used,
// never the shared world-writable folder itself: fixed names there invite symlink attacks.
class TempFolder
{
public:
    // The folder, without a trailing separator. Throws std::runtime_error when no private
    // folder can be made safely.
    static QString path();
    // path() + "/" + name.
    static QString file(const QString &name);
};
