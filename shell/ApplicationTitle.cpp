#include "shell/ApplicationTitle.h"

#include <QCoreApplication>

namespace {
QString &storedTitle()
{
    static QString title;
    return title;
}
} // namespace

QString ApplicationTitle::get()
{
    const QString &title = storedTitle();
    return title.isNull() ? QCoreApplication::applicationName() : title;
}

void ApplicationTitle::set(const QString &title)
{
    storedTitle() = title;
}
