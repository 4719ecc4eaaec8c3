#include "core/shell/ApplicationTitle.h"

#include <QCoreApplication>

#include <stdexcept>

namespace {

QString &storedTitle()
{
    static QString title;
    return title;
}

} // namespace

QString ApplicationTitle::fromName(const QString &name)
{
    QString title = name;
    do {
        const qsizetype lastBlank = title.lastIndexOf(QLatin1Char(' '));
        if (lastBlank < 0)
            throw std::invalid_argument("Invalid procedure call or argument");
        title.truncate(lastBlank);
    } while (title.size() > maximumLength);
    return title;
}

QString ApplicationTitle::get()
{
    const QString &title = storedTitle();
    return title.isNull() ? QCoreApplication::applicationName() : title;
}

void ApplicationTitle::set(const QString &title)
{
    storedTitle() = title;
}

void SetAppTitle(const QString &name)
{
    ApplicationTitle::set(ApplicationTitle::fromName(name));
}
