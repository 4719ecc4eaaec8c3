#pragma once

#include <QPushButton>
#include <QTest>
#include <QWidget>

// Clicks the window's button of that object name with the mouse, as a person would; a
// missing button fails the test.
inline void clickButton(QWidget &window, const QString &objectName)
{
    auto *button = window.findChild<QPushButton *>(objectName);
    QVERIFY2(button, qPrintable(QStringLiteral("no button %1").arg(objectName)));
    QTest::mouseClick(button, Qt::LeftButton);
}
