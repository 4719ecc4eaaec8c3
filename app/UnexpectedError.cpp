#include "app/UnexpectedError.h"

#include "core/shell/UserMessages.h"

#include <QApplication>

#include <cstdio>

int UnexpectedError::report(const QString &cause)
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        UserMessages::applicationError(cause + QStringLiteral("\r\n\r\n")
                                       + QCoreApplication::translate("UnexpectedError", "The program cannot go on and ends."));
    } else {
        std::fprintf(stderr, "daybloom: %s\n", qUtf8Printable(cause.simplified()));
    }
    return 1;
}

QString UnexpectedError::causeOfCurrent()
{
    try {
        throw;
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QCoreApplication::translate("UnexpectedError", "an error of an unknown kind");
    }
}
