#include "windows/shell/ApplySkin.h"
#include "windows/widgets/PictureBox.h"
#include "windows/shell/SkinEngine.h"
#include "windows/widgets/SystemColors.h"
#include "tests/support/TestMain.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class SkinTest : public QObject
{
    Q_OBJECT

private slots:
    // A window shaped like the main window: white frame and picture box, grey caption and
    // day number. Only with a skin file do they turn to the button face, the day number
    // excepted.
    void skinRecoloursOnlyWhenItsFileIsThere()
    {
        QTemporaryDir dir;
        const QString skinPath = dir.filePath(QStringLiteral("o.cjs"));
        const QColor grey(0xE0, 0xE0, 0xE0);
        QWidget window;
        auto *frame = new QGroupBox(QStringLiteral("Calendar"), &window);
        auto *caption = new QLabel(QStringLiteral("March"), frame);
        auto *dayNumber = new QLabel(QStringLiteral("2"), frame);
        dayNumber->setObjectName(QStringLiteral("Label2"));
        auto *picture = new PictureBox(frame);
        const QList<QWidget *> designedWhite{&window, frame, picture};
        for (QWidget *widget : designedWhite)
            SystemColors::setBackground(widget, Qt::white);
        for (QWidget *widget : {caption, dayNumber})
            SystemColors::setBackground(widget, grey);

        SkinEngine engine;
        ApplySkin(&window, engine, skinPath);
        QVERIFY(QDir().mkpath(skinPath)); // a folder of that name is no skin either
        ApplySkin(&window, engine, skinPath);
        for (const QWidget *widget : designedWhite)
            QCOMPARE(widget->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!engine.isLoaded());

        QVERIFY(QDir(skinPath).removeRecursively());
        QFile file(skinPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("QPushButton { border-radius: 4px; }");
        file.close();
        ApplySkin(&window, engine, skinPath);
        const QColor buttonFace = QApplication::palette().color(QPalette::Button);
        for (const QWidget *widget : designedWhite + QList<QWidget *>{caption})
            QCOMPARE(widget->palette().color(QPalette::Window), buttonFace);
        QCOMPARE(dayNumber->palette().color(QPalette::Window), grey);
        QCOMPARE(qApp->styleSheet(), QStringLiteral("QPushButton { border-radius: 4px; }"));
        qApp->setStyleSheet(QString());
    }
};

DAYBLOOM_TEST_MAIN(SkinTest)
#include "SkinTest.moc"
