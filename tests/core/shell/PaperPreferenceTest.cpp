#include "core/shell/CalendarEntryStore.h"
#include "core/shell/PaperPreference.h"
#include "tests/support/FileReaders.h"
#include "tests/support/TestMain.h"

#include <QSettings>
#include <QTest>

#include <cstdlib>

namespace {

const char *const localeVariables[] = {"LC_ALL", "LC_PAPER", "LANG", "LANGUAGE"};

void setLocale(const QByteArray &all, const QByteArray &paper, const QByteArray &lang)
{
    for (const char *name : localeVariables)
        qunsetenv(name);
    for (const auto &[name, value] : {std::pair{"LC_ALL", all}, {"LC_PAPER", paper}, {"LANG", lang}})
        if (!value.isEmpty())
            qputenv(name, value);
}

void writeSettingsFile(const QByteArray &content)
{
    QFile file(CalendarEntryStore::fileName());
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write the settings file");
}

} // namespace

class PaperPreferenceTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(CalendarEntryStore::fileName()); }

    // Until a paper is chosen, the locale's paper: Letter where Letter is the norm and in
    // the C locale (whose paper glibc gives as A4), A4 elsewhere.
    void theDefaultIsTheLocalesPaper_data()
    {
        QTest::addColumn<QByteArray>("all");
        QTest::addColumn<QByteArray>("paper");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<PaperSize>("expected");
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << PaperSize::Letter;
        QTest::newRow("C") << QByteArray("C") << QByteArray() << QByteArray() << PaperSize::Letter;
        QTest::newRow("POSIX") << QByteArray() << QByteArray() << QByteArray("POSIX") << PaperSize::Letter;
        QTest::newRow("C.UTF-8") << QByteArray() << QByteArray() << QByteArray("C.UTF-8") << PaperSize::Letter;
        QTest::newRow("en_US") << QByteArray() << QByteArray() << QByteArray("en_US.UTF-8") << PaperSize::Letter;
        QTest::newRow("fr_CA") << QByteArray() << QByteArray() << QByteArray("fr_CA.UTF-8") << PaperSize::Letter;
        QTest::newRow("es_MX") << QByteArray() << QByteArray() << QByteArray("es_MX.UTF-8") << PaperSize::Letter;
        QTest::newRow("de_DE") << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8") << PaperSize::A4;
        QTest::newRow("en_GB") << QByteArray() << QByteArray() << QByteArray("en_GB.UTF-8") << PaperSize::A4;
        QTest::newRow("LC_PAPER over LANG") << QByteArray() << QByteArray("de_DE.UTF-8") << QByteArray("en_US.UTF-8") << PaperSize::A4;
        QTest::newRow("LC_ALL over LC_PAPER") << QByteArray("en_US.UTF-8") << QByteArray("de_DE.UTF-8") << QByteArray() << PaperSize::Letter;
        QTest::newRow("not installed") << QByteArray() << QByteArray() << QByteArray("xx_XX.UTF-8") << PaperSize::Letter;
    }

    void theDefaultIsTheLocalesPaper()
    {
        QFETCH(QByteArray, all);
        QFETCH(QByteArray, paper);
        QFETCH(QByteArray, lang);
        QFETCH(PaperSize, expected);
        setLocale(all, paper, lang);
        QCOMPARE(PaperPreference::current(), expected);
    }

    // The choice is stored at once, in a section of its own beside the day entries, and
    // wins over the locale; a stored value that names no paper does not.
    void theChoiceIsStoredApartFromTheDays()
    {
        setLocale(QByteArray(), QByteArray(), QByteArray("de_DE.UTF-8"));
        CalendarEntryStore store;
        QVERIFY(store.write(QStringLiteral("txtJan0"), QStringLiteral("New Year")).saved);

        QVERIFY(PaperPreference::choose(PaperSize::A5).saved);

        QCOMPARE(PaperPreference::current(), PaperSize::A5);
        QSettings independent(CalendarEntryStore::fileName(), QSettings::IniFormat);
        QCOMPARE(independent.value(QStringLiteral("Options/PaperSize")).toString(), QStringLiteral("A5"));
        independent.beginGroup(QStringLiteral("Daybloom Family Dates and Keepsake Planner Layout Builder"));
        QCOMPARE(independent.childKeys(), QStringList{QStringLiteral("txtJan0")});
        independent.endGroup();

        independent.setValue(QStringLiteral("Options/PaperSize"), QStringLiteral("B5"));
        independent.sync();
        QCOMPARE(PaperPreference::current(), PaperSize::A4);
    }

    // Storing the choice rewrites the file from what QSettings read of it: with a damaged
    // file that would lose the entries it cannot read, so the choice is refused.
    void aDamagedFileIsNotRewrittenForTheChoice()
    {
        const QByteArray damaged = "[General]\nnote=\"unclosed\n"
                                   "[Daybloom%20Family%20Dates%20and%20Keepsake%20Planner%20Layout%20Builder]\n"
                                   "txtJan0=After the damage\n";
        writeSettingsFile(damaged);

        const CalendarEntryStore::WriteResult refused = PaperPreference::choose(PaperSize::A4);

        QVERIFY(!refused.saved);
        QVERIFY2(refused.problem.contains(QStringLiteral("damaged")), qPrintable(refused.problem));
        QCOMPARE(fileContent(CalendarEntryStore::fileName()), damaged);
    }
};

DAYBLOOM_TEST_MAIN(PaperPreferenceTest)
#include "PaperPreferenceTest.moc"
