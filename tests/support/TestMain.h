#pragma once

#include "tests/support/ScriptedMessages.h"

#ifdef QT_WIDGETS_LIB
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QDir>
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
            if (!QDir(sandbox.path()).mkpath(QString::fromLatin1(name)))                           \
                return 1;                                                                          \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(sandbox.path() + QStringLiteral("/config"))); \
        qputenv("TEMP", QFile::encodeName(sandbox.path() + QStringLiteral("/temp")));              \
        qputenv("HOME", QFile::encodeName(sandbox.path() + QStringLiteral("/home")));              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        TestApplication app(argc, argv);                                                           \
        ScriptedMessages::install();                                                               \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
