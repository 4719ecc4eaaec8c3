#pragma once

#include "office/LibreOfficeEngine.h"
#include "office/OfficeProfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QUrl>

// What a person would otherwise run to get the calendar's pages: the office from the command
// line, converting the document to PDF, on a profile as theirs is. Times in milliseconds.

// soffice --headless --convert-to pdf with a private profile; -1 when it failed.
inline double bareConversion(const QString &document, const QString &profile, const QString &outFolder)
{
    QProcess office;
    office.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    office.start(QStringLiteral("soffice"),
                 {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString(),
                  QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                  QStringLiteral("--outdir"), outFolder, document});
    if (!office.waitForFinished(180000)) {
        office.kill();
        office.waitForFinished();
        return -1;
    }
    const qint64 elapsed = timer.nsecsElapsed();
    const QString pdf = outFolder + QLatin1Char('/') + QFileInfo(document).completeBaseName() + QStringLiteral(".pdf");
    if (office.exitCode() != 0 || !QFile::exists(pdf))
        return -1;
    QFile::remove(pdf);
    return double(elapsed) / 1e6;
}

// soffice.bin on the profile, started and told to end once it is up: a bare office start.
// A new profile makes the office start again (exit code 81), which is counted. The office's
// scratch files stay beside the profile (it leaves them behind when told to end right
// after starting). -1 when it did not end within two minutes.
inline double bareOfficeStart(const QString &profile,
                              QProcessEnvironment environment = QProcessEnvironment::systemEnvironment())
{
    const QString scratch = profile + QStringLiteral("-tmp");
    QDir().mkpath(scratch);
    environment.insert(QStringLiteral("TMPDIR"), scratch);
    QElapsedTimer timer;
    timer.start();
    for (int attempt = 0; attempt < 2; ++attempt) {
        QProcess office;
        office.setProcessEnvironment(environment);
        office.start(LibreOfficeEngine::defaultOfficeProgram(),
                     {QStringLiteral("--headless"), QStringLiteral("--invisible"), QStringLiteral("--norestore"),
                      QStringLiteral("--nologo"), QStringLiteral("--nodefault"), QStringLiteral("--nolockcheck"),
                      QStringLiteral("--terminate_after_init"),
                      QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString()});
        if (!office.waitForFinished(120000)) {
            office.kill();
            office.waitForFinished();
            return -1;
        }
        if (office.exitCode() != 81)
            break;
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

// A profile as a person's is after the office's first use: made by one conversion, and
// recording the installed version as the last one used (an office that finds no record
// runs a second of graphics self-tests at every start, which no everyday profile does).
inline bool makeEverydayProfile(const QString &document, const QString &profile, const QString &outFolder)
{
    if (bareConversion(document, profile, outFolder) < 0)
        return false;
    const QByteArray record = OfficeProfile::lastVersionSetting(LibreOfficeEngine::defaultOfficeProgram());
    QFile settings(profile + QStringLiteral("/user/registrymodifications.xcu"));
    if (record.isEmpty() || !settings.open(QIODevice::ReadOnly))
        return false;
    QByteArray content = settings.readAll();
    settings.close();
    if (!content.contains("ooSetupLastVersion")) {
        content.replace("</oor:items>", record + "</oor:items>");
        if (!settings.open(QIODevice::WriteOnly | QIODevice::Truncate) || settings.write(content) != content.size())
            return false;
    }
    QFile::remove(profile + QStringLiteral("/user/GraphicsRenderTests.log"));
    return true;
}

