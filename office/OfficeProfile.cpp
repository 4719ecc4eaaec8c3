#include "office/OfficeProfile.h"

#include "core/wordgen/OfficeError.h"
#include "office/ProfileSeed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Without document lock files, a killed office leaves no ".~lock" file beside a document,
// and such a stale file can never make a later load fail.
const char settingsHead[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="UseDocumentOOoLockFile" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="UseDocumentSystemFileLocking" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Save/Document"><prop oor:name="AutoSave" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Recovery/AutoSave"><prop oor:name="Enabled" oor:op="fuse"><value>false</value></prop></item>
)";
const char settingsTail[] = "</oor:items>\n";

} // namespace

bool OfficeProfile::prepare(const QString &profileFolder, const QString &program, const ProfileSeed *seed)
{
    if (seed && seed->copyTo(profileFolder))
        return true;
    QDir(profileFolder).removeRecursively(); // whatever a failed copy left
    const QString userFolder = profileFolder + QStringLiteral("/user");
    const QByteArray content = settingsHead + lastVersionSetting(program) + settingsTail;
    QFile settings(userFolder + QStringLiteral("/registrymodifications.xcu"));
    if (!QDir().mkpath(userFolder) || !settings.open(QIODevice::WriteOnly) || settings.write(content) != content.size())
        throw OfficeError(QStringLiteral("Cannot prepare the office profile in %1.").arg(profileFolder));
    return false;
}

// An office that finds its profile last used by an older version runs a second of
// graphics self-tests before it answers, at every start of a new profile. Recording the
// installed version as the last one used skips them. The version ("7.4") is the end of
// "ProductKey=LibreOffice 7.4" in the bootstraprc beside the program; when it cannot be
// read, the office just starts more slowly.
QByteArray OfficeProfile::lastVersionSetting(const QString &program)
{
    QFile bootstrap(QFileInfo(program).absolutePath() + QStringLiteral("/bootstraprc"));
    if (!bootstrap.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression productKey(QStringLiteral("^ProductKey=.*\\s(\\d+\\.\\d+)\\s*$"),
                                               QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = productKey.match(QString::fromUtf8(bootstrap.readAll()));
    if (!match.hasMatch())
        return {};
    return "<item oor:path=\"/org.openoffice.Setup/Product\"><prop oor:name=\"ooSetupLastVersion\" "
           "oor:op=\"fuse\"><value>" + match.captured(1).toLatin1() + "</value></prop></item>\n";
}
