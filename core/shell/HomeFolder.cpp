#include "core/shell/HomeFolder.h"

#include "core/shell/CalendarEntryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace {

// The home folder the user database names for this user; empty when it names none.
QString accountHome()
{
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir)
        return QString();
    return QFile::decodeName(found->pw_dir);
}

} // namespace

HomeFolder HomeFolder::settle()
{
    HomeFolder home;
    if (!qEnvironmentVariableIsEmpty("HOME"))
        return home;
    home.m_wasUnset = true;
    home.m_accountHome = accountHome();
    if (!home.m_accountHome.isEmpty())
        qputenv("HOME", QFile::encodeName(home.m_accountHome));
    return home;
}

QString HomeFolder::notice() const
{
    if (!m_wasUnset)
        return QString();
    if (m_accountHome.isEmpty())
        return QCoreApplication::translate("HomeFolder", "The environment variable HOME is not set, and your user account "
                                                         "names no home folder: the settings file is %1.")
            .arg(QDir::toNativeSeparators(CalendarEntryStore::fileName()));
    return QCoreApplication::translate("HomeFolder", "The environment variable HOME is not set: the home folder of your "
                                                     "user account, %1, is used.")
        .arg(QDir::toNativeSeparators(m_accountHome));
}
