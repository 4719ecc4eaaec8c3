#include "shell/AppTitle.h"

#include "shell/ApplicationTitle.h"

#include <stdexcept>

QString AppTitle::fromName(const QString &name)
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

void SetAppTitle(const QString &name)
{
    ApplicationTitle::set(AppTitle::fromName(name));
}
