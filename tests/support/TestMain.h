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

// Nothing to set up in the sandbox.
struct PlainSandbox {
    explicit PlainSandbox(const QString &) {}
};

// Runs a Qt Test class with its own empty settings, temporary and home folders, so that
// no test touches the user's real settings, and with message boxes answered by the test.
#define DAYBLOOM_TEST_MAIN(TestClass) DAYBLOOM_TEST_MAIN_WITH(TestClass, PlainSandbox)

// The same, with SandboxSetup made over the sandbox's folder once its folders are there,
// before the application (or any thread) exists, and ended after the tests have run.
#define DAYBLOOM_TEST_MAIN_WITH(TestClass, SandboxSetup)                                           \
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
        const SandboxSetup setup(sandbox.path());                                                  \
        TestApplication app(argc, argv);                                                           \
        ScriptedMessages::install();                                                               \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
