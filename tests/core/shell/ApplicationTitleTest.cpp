#include "core/shell/ApplicationTitle.h"
#include "tests/support/TestMain.h"

#include <QTest>

#include <stdexcept>

class ApplicationTitleTest : public QObject
{
    Q_OBJECT

private slots:
    void appTitleCutsAtBlanks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("product name") << QStringLiteral("Daybloom Family Dates and Keepsake Planner Layout Builder")
                                      << QStringLiteral("Daybloom Family Dates and Keepsake");
        const QString word = QStringLiteral("abcdefghi");
        QTest::newRow("ten words of nine letters")
            << QStringList(10, word).join(QLatin1Char(' ')) << QStringList(4, word).join(QLatin1Char(' '));
        QTest::newRow("short name still cut") << QStringLiteral("Daybloom Planner") << QStringLiteral("Daybloom");
    }

    void appTitleCutsAtBlanks()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QCOMPARE(ApplicationTitle::fromName(name), title);
    }

    void appTitleWithoutBlankIsAnErrorAndKeepsTheTitle()
    {
        ApplicationTitle::set(QStringLiteral("Before"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SetAppTitle(QStringLiteral("Daybloom")));
        QCOMPARE(ApplicationTitle::get(), QStringLiteral("Before"));
    }

};

DAYBLOOM_TEST_MAIN(ApplicationTitleTest)
#include "ApplicationTitleTest.moc"
