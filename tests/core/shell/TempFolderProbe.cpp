// Finds the program's temporary folder in a process of its own, as the program does at
// start, and prints it and its mode in octal; why TEMP was not used, and the notice when
// another private folder is used, go to standard error, as in the program. It removes its
// folder again before it ends.
#include "core/shell/TempFolder.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <stdexcept>
#include <sys/stat.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        const QString folder = TempFolder::path();
        if (const QString notice = TempFolder::notice(); !notice.isEmpty())
            std::fprintf(stderr, "%s\n", qUtf8Printable(notice));
        struct stat info {};
        ::stat(QFile::encodeName(folder).constData(), &info);
        std::printf("%s\n%o\n", qUtf8Printable(folder), info.st_mode & 0777);
        TempFolder::removeOwn();
    } catch (const std::runtime_error &error) {
        std::printf("error: %s\n", error.what());
        return 1;
    }
    return 0;
}
