#pragma once

#include "shell/MessageBoxes.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

// Runs a Qt Test class with its own empty settings, temporary and home folders, so that
// no test touches the user's real settings, and with message boxes answered by the test.
#define DAYBLOOM_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char **argv)                                                               \
    {                                                                                              \
        QTemporaryDir sandbox;                                                                     \
        if (!sandbox.isValid())                                                                    \
            return 1;                                                                              \
        for (const char *name : {"config", "temp", "home"})                                        \
            QDir(sandbox.path()).mkpath(QString::fromLatin1(name));                                \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(sandbox.path() + QStringLiteral("/config"))); \
        qputenv("TEMP", QFile::encodeName(sandbox.path() + QStringLiteral("/temp")));              \
        qputenv("HOME", QFile::encodeName(sandbox.path() + QStringLiteral("/home")));              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        MessageBoxes::setHeadless(true);                                                           \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
