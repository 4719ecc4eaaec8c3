#include "tests/support/ChildProcesses.h"
#include "tests/support/DaybloomRun.h"
#include "tests/support/FileReaders.h"
#include "tests/support/SettingsFile.h"
#include "tests/support/RefusedTargets.h"
#include "tests/support/TestMain.h"

#include "core/shell/CalendarMonths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using Run = DaybloomRun;

// The program run from the command line, as a script runs it: no window, exit codes, one
// line naming the cause of a failure, and the stored entries never changed.
class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        for (const char *folder : {"config", "temp", "out"})
            QVERIFY(QDir(m_home.path()).mkpath(QString::fromLatin1(folder)));
        QFile settings(settingsFile());
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(QByteArray(settingsSectionHeading) + "txtJan0=New Year Brunch\ntxtFeb28=Leap Day Zo\xc3\xab\ntxtSep15=Mom, Dad Birthday\n"
                       "txtDec30=Silvester Party\n");
    }

    void helpAndVersion()
    {
        const Run version = run({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QStringLiteral("daybloom 1.0.0\n"));
        const Run help = run({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QStringLiteral("--export FILE")));
        for (const QStringList &arguments : {QStringList{QStringLiteral("--frobnicate")},
                                             QStringList{QStringLiteral("--export"), QStringLiteral("x.pdf"), QStringLiteral("--paper"), QStringLiteral("b5")},
                                             QStringList{QStringLiteral("--paper=a4")},
                                             QStringList{QStringLiteral("--export-dates")},
                                             QStringList{QStringLiteral("--import"), QStringLiteral("x.csv"), QStringLiteral("--date-order"), QStringLiteral("ymd")},
                                             QStringList{QStringLiteral("--date-order=dmy")}}) {
            const Run wrong = run(arguments);
            QCOMPARE(wrong.exitCode, 2);
            QVERIFY2(wrong.errorLines.value(0).contains(arguments.constLast().section(QLatin1Char('='), 0, 0)),
                     qPrintable(wrong.errorLines.join('\n')));
        }
    }

    // Each mistake is named in the words that say what to do, whichever way an option and
    // its value are written.
    void mistakesAreNamed_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file after --export") << QStringList{"--export"} << "--export needs a file name";
        QTest::newRow("empty --export=") << QStringList{"--export="} << "--export needs a file name";
        QTest::newRow("no paper") << QStringList{"--export", "x.pdf", "--paper"} << "--paper needs a paper size: letter, a4 or a5";
        QTest::newRow("paper without export") << QStringList{"--paper", "a4"} << "--paper goes with --export";
        QTest::newRow("a file without --import") << QStringList{"x.vcf"} << "unknown option 'x.vcf'";
        QTest::newRow("two modes") << QStringList{"--export", "a.pdf", "--export-dates=b.csv"} << "unexpected argument '--export-dates'";
        QTest::newRow("a file too many") << QStringList{"--export", "a.pdf", "b.pdf"} << "unexpected argument 'b.pdf'";
        QTest::newRow("nothing to import") << QStringList{"--import"} << "--import needs at least one file";
        QTest::newRow("date order without import") << QStringList{"--date-order", "dmy"} << "--date-order goes with --import";
    }

    void mistakesAreNamed()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run wrong = run(arguments);
        QCOMPARE(wrong.exitCode, 2);
        QCOMPARE(wrong.errorLines.value(0), QStringLiteral("daybloom: ") + message);
    }

    // The language follows the locale unless one is chosen in the window; the C locale and
    // a language the program does not speak give English.
    void helpSpeaksTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("firstWord");
        QTest::newRow("C locale") << QStringLiteral("C") << QString() << QStringLiteral("Usage:");
        QTest::newRow("German locale") << QStringLiteral("de_DE.UTF-8") << QString() << QStringLiteral("Aufruf:");
        QTest::newRow("Dutch locale") << QStringLiteral("nl_NL.UTF-8") << QString() << QStringLiteral("Gebruik:");
        QTest::newRow("Japanese locale") << QStringLiteral("ja_JP.UTF-8") << QString() << QStringLiteral("Usage:");
        QTest::newRow("English chosen, German locale") << QStringLiteral("de_DE.UTF-8") << QStringLiteral("en") << QStringLiteral("Usage:");
        QTest::newRow("French chosen, C locale") << QStringLiteral("C") << QStringLiteral("fr") << QStringLiteral("Usage :");
    }

    void helpSpeaksTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, chosen);
        QFETCH(QString, firstWord);
        QTemporaryDir config;
        QSettings(config.filePath(QStringLiteral("Quillmoor.ini")), QSettings::IniFormat)
            .setValue(QStringLiteral("Options/Language"), chosen);
        const Run help = run({QStringLiteral("--help")}, {{QStringLiteral("XDG_CONFIG_HOME"), config.path()},
                                                          {QStringLiteral("LC_ALL"), locale}, {QStringLiteral("LANGUAGE"), QString()}});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith(firstWord + QStringLiteral(" daybloom")), qPrintable(help.out));
    }

    // The document's month headings in the locale's language; in English the template's own.
    void exportWritesTheMonthsInTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("months");
        QTest::newRow("C") << QStringLiteral("C")
                           << QStringList{"January", "February", "March", "April", "May", "June", "July",
                                          "August", "September", "October", "November", "December"};
        QTest::newRow("German") << QStringLiteral("de_DE.UTF-8")
                                << QStringList{"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli",
                                               "August", "September", "Oktober", "November", "Dezember"};
    }

    void exportWritesTheMonthsInTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, months);
        const QString target = m_home.filePath(QStringLiteral("out/months.doc"));
        const Run exported = run({QStringLiteral("--export"), target}, {{QStringLiteral("LC_ALL"), locale}});
        QCOMPARE(exported.exitCode, 0);
        const QStringList words = readerOutput(QStringLiteral("antiword"), {QStringLiteral("-m"), QStringLiteral("UTF-8.txt"), target})
                                      .split(QRegularExpression(QStringLiteral("[\\s|]+")), Qt::SkipEmptyParts);
        QStringList missing;
        for (const QString &month : std::as_const(months))
            if (!words.contains(month))
                missing.append(month);
        QStringList english;
        for (int month = 1; month <= 12; ++month)
            if (const QString name = QLocale(QLocale::English).monthName(month); !months.contains(name) && words.contains(name))
                english.append(name);
        QCOMPARE(missing, QStringList());
        QCOMPARE(english, QStringList());
        QFile::remove(target);
    }

    // The calendar on the paper asked for, else the one chosen in the window, else the
    // locale's: six pages of that size holding every one of the 366 days' entries.
    void exportLaysTheCalendarOutOnItsPaper_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("storedPaper");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QSizeF>("points");
        QTest::newRow("a4 asked, A5 stored") << QStringList{QStringLiteral("--paper"), QStringLiteral("a4")} << QStringLiteral("A5")
                                             << QStringLiteral("en_US.UTF-8") << QSizeF(595.3, 841.9);
        QTest::newRow("nothing stored, German locale") << QStringList() << QString() << QStringLiteral("de_DE.UTF-8")
                                                       << QSizeF(595.3, 841.9);
        QTest::newRow("A5 stored, American locale") << QStringList() << QStringLiteral("A5") << QStringLiteral("en_US.UTF-8")
                                                    << QSizeF(419.5, 595.3);
    }

    void exportLaysTheCalendarOutOnItsPaper()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, storedPaper);
        QFETCH(QString, locale);
        QFETCH(QSizeF, points);
        QTemporaryDir config;
        QStringList entries;
        {
            QSettings settings(config.filePath(QStringLiteral("Quillmoor.ini")), QSettings::IniFormat);
            settings.beginGroup(QStringLiteral("Daybloom Family Dates and Keepsake Planner Layout Builder"));
            for (int month = 0; month < CalendarMonths::count; ++month)
                for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
                    entries.append(QStringLiteral("day%1").arg(CalendarMonths::dayOfYear(month, index) + 1));
                    settings.setValue(CalendarMonths::entryName(month, index), entries.constLast());
                }
            settings.endGroup();
            if (!storedPaper.isEmpty())
                settings.setValue(QStringLiteral("Options/PaperSize"), storedPaper);
        }
        const QString target = m_home.filePath(QStringLiteral("out/paper.pdf"));

        const Run exported = run(QStringList{QStringLiteral("--export"), target} + options,
                                 {{QStringLiteral("XDG_CONFIG_HOME"), config.path()}, {QStringLiteral("LC_ALL"), locale}});

        QCOMPARE(exported.exitCode, 0);
        const QString info = readerOutput(QStringLiteral("pdfinfo"), {QStringLiteral("-l"), QStringLiteral("99"), target});
        static const QRegularExpression pageLine(QStringLiteral("^Page +\\d+ size: +([0-9.]+) x ([0-9.]+) pts"),
                                                 QRegularExpression::MultilineOption);
        QStringList sizes;
        for (auto match = pageLine.globalMatch(info); match.hasNext();) {
            const QRegularExpressionMatch page = match.next();
            const bool near = qAbs(page.captured(1).toDouble() - points.width()) < 1 && qAbs(page.captured(2).toDouble() - points.height()) < 1;
            sizes.append(near ? QStringLiteral("as expected") : page.captured(0));
        }
        QCOMPARE(sizes, QStringList(6, QStringLiteral("as expected")));
        const QStringList words = readerOutput(QStringLiteral("pdftotext"), {target, QStringLiteral("-")}).split(QRegularExpression(QStringLiteral("\\s+")));
        QStringList missing;
        for (const QString &entry : std::as_const(entries))
            if (!words.contains(entry))
                missing.append(entry);
        QCOMPARE(missing, QStringList());
        QFile::remove(target);
    }

    // The dates go out for calendar programs and spreadsheets; the stored entries stay.
    void exportDatesWritesEachFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("ics") << QStringLiteral("dates.ics") << QByteArray("SUMMARY:Mom\\, Dad Birthday\r\n");
        QTest::newRow("csv") << QStringLiteral("dates.csv") << QByteArray("2,29,Leap Day Zo\xc3\xab,\r\n9,16,\"Mom, Dad Birthday\",\r\n");
    }

    void exportDatesWritesEachFormat()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, expected);
        const QByteArray settingsBefore = fileContent(settingsFile());
        const QString target = m_home.filePath(QStringLiteral("out/") + name);

        const Run exported = run({QStringLiteral("--export-dates=") + target});

        QCOMPARE(exported.exitCode, 0);
        QCOMPARE(exported.errorLines, QStringList());
        QVERIFY2(fileContent(target).contains(expected), fileContent(target).constData());
        QCOMPARE(fileContent(settingsFile()), settingsBefore);
        QCOMPARE(QDir(m_home.filePath(QStringLiteral("out"))).entryList({QStringLiteral("*") + name + QStringLiteral("*")}, QDir::Files | QDir::Hidden),
                 QStringList{name});
    }

    // Each format holds every stored entry, read by a reader of its own.
    void exportWritesEachFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("pdf") << QStringLiteral("calendar.pdf");
        QTest::newRow("doc") << QStringLiteral("calendar.doc");
        QTest::newRow("docx") << QStringLiteral("calendar.docx");
        QTest::newRow("odt") << QStringLiteral("calendar.odt");
        // A link is followed: the file it points to is written, the link stays.
        QTest::newRow("pdf through a link") << QStringLiteral("link.pdf");
    }

    void exportWritesEachFormat()
    {
        QFETCH(QString, name);
        const QByteArray settingsBefore = fileContent(settingsFile());
        const QString target = m_home.filePath(QStringLiteral("out/") + name);
        const bool link = name.startsWith(QLatin1String("link"));
        if (link)
            QVERIFY(QFile::link(QStringLiteral("linked.pdf"), target));

        const Run exported = run({QStringLiteral("--export"), target});
        QCOMPARE(QFileInfo(target).isSymLink(), link);

        QCOMPARE(exported.exitCode, 0);
        QCOMPARE(exported.errorLines, QStringList());
        QString text;
        if (name.endsWith(QLatin1String(".pdf")))
            text = readerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), target, QStringLiteral("-")});
        else if (name.endsWith(QLatin1String(".doc")))
            text = readerOutput(QStringLiteral("antiword"), {QStringLiteral("-m"), QStringLiteral("UTF-8.txt"), target});
        else
            text = zipMember(target, name.endsWith(QLatin1String(".docx")) ? QStringLiteral("word/document.xml")
                                                                           : QStringLiteral("content.xml"));
        for (const char *entry : {"New Year Brunch", "Leap Day Zo\xc3\xab", "Mom, Dad Birthday", "Silvester Party"})
            QVERIFY2(text.contains(QString::fromUtf8(entry)), entry);
        if (name.endsWith(QLatin1String(".pdf")))
            QCOMPARE(text.count(QLatin1Char('\f')), 6);
        QCOMPARE(fileContent(settingsFile()), settingsBefore);
        QCOMPARE(QDir(m_home.filePath(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".calendar")), QStringList());
    }

    // A target that cannot be written: exit status 1, one line naming the cause, and a file
    // that was there stays as it was.
    void exportFailuresNameTheirCause_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("cause");
        const QString calendar = QStringLiteral("--export");
        const QString dates = QStringLiteral("--export-dates");
        QTest::newRow("unknown suffix") << calendar << QStringLiteral("out/calendar.txt") << QStringLiteral("known suffix");
        QTest::newRow("missing folder") << calendar << QStringLiteral("no-such-folder/calendar.pdf") << QStringLiteral("does not exist");
        QTest::newRow("a folder in the way") << calendar << QStringLiteral("out/folder.pdf") << QStringLiteral("folder of that name");
        QTest::newRow("dates: unknown suffix") << dates << QStringLiteral("out/calendar.pdf") << QStringLiteral("known suffix");
        QTest::newRow("dates: missing folder") << dates << QStringLiteral("no-such-folder/dates.csv") << QStringLiteral("does not exist");
        QTest::newRow("dates: a folder in the way") << dates << QStringLiteral("out/folder.ics") << QStringLiteral("folder of that name");
        QTest::newRow("a device") << calendar << QStringLiteral("out/device.pdf") << QStringLiteral("device.pdf: it is a device, not a file");
        QTest::newRow("a pipe") << calendar << QStringLiteral("out/pipe.odt") << QStringLiteral("pipe.odt: it is a pipe, not a file");
    }

    void exportFailuresNameTheirCause()
    {
        QFETCH(QString, option);
        QFETCH(QString, target);
        QFETCH(QString, cause);
        QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral("out/folder.pdf")));
        QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral("out/folder.ics")));
        QFile::link(QStringLiteral("/dev/null"), m_home.filePath(QStringLiteral("out/device.pdf")));
        ::mkfifo(QFile::encodeName(m_home.filePath(QStringLiteral("out/pipe.odt"))).constData(), 0666);
        const Run failed = run({option, m_home.filePath(target)});
        QCOMPARE(failed.exitCode, 1);
        QCOMPARE(failed.errorLines.size(), 1);
        QVERIFY2(failed.errorLines.first().startsWith(QStringLiteral("daybloom: ")) && failed.errorLines.first().contains(cause),
                 qPrintable(failed.errorLines.first()));
    }

    // Dates from a contacts file go into the stored entries, appended, once, after a safety
    // copy as the window keeps it. A file that cannot be read is named with its reason and
    // makes the exit status 1, but does not keep the other files' dates out.
    void importAddsDatesOnce()
    {
        const auto write = [&](const char *name, const QByteArray &content) {
            QFile file(m_home.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        };
        write("family.vcf", "BEGIN:VCARD\nVERSION:4.0\nFN:Grandma Rose\nBDAY:--0101\nANNIVERSARY:19600916\nEND:VCARD\n");
        write("either.csv", "Name,Birthday\nUncle Tom,04/05/1990\n");
        const QByteArray settingsBefore = fileContent(settingsFile());
        const QStringList files{m_home.filePath(QStringLiteral("family.vcf")), m_home.filePath(QStringLiteral("missing.vcf")),
                                m_home.filePath(QStringLiteral("either.csv"))};

        const Run imported = run(QStringList{QStringLiteral("--import")} + files);
        QCOMPARE(imported.exitCode, 1);
        QCOMPARE(imported.errorLines.size(), 2);
        QVERIFY2(imported.errorLines.at(0).contains(QStringLiteral("missing.vcf")), qPrintable(imported.errorLines.at(0)));
        QVERIFY2(imported.errorLines.at(1).contains(QStringLiteral("either.csv: the dates could be read as month/day or as "
                                                                   "day/month, such as row 2: \"Uncle Tom\"")),
                 qPrintable(imported.errorLines.at(1)));
        QVERIFY2(imported.out.startsWith(QStringLiteral("2 new entries on 2 days, 2 of which already hold text")), qPrintable(imported.out));
        QVERIFY2(imported.out.contains(QStringLiteral("Not read (2):")), qPrintable(imported.out));
        QCOMPARE(fileContent(settingsFile() + QStringLiteral(".bak")), settingsBefore);
        const QSettings settings(settingsFile(), QSettings::IniFormat);
        const QString section = settingsSection + QLatin1Char('/');
        QCOMPARE(settings.value(section + QStringLiteral("txtJan0")).toString(), QStringLiteral("New Year Brunch; Grandma Rose Birthday"));
        QCOMPARE(settings.value(section + QStringLiteral("txtSep15")).toString(), QStringLiteral("Mom, Dad Birthday; Grandma Rose Anniversary (1960)"));
        QCOMPARE(settings.allKeys().filter(QStringLiteral("txtMay")), QStringList());

        const Run again = run({QStringLiteral("--import"), files.first()});
        QCOMPARE(again.exitCode, 0);
        QVERIFY2(again.out.startsWith(QStringLiteral("Nothing new to add")), qPrintable(again.out));

        // A settings file that cannot be written fails the import, with its cause.
        const QString notAFolder = m_home.filePath(QStringLiteral("family.vcf"));
        const Run refused = run({QStringLiteral("--import"), files.first()}, {{QStringLiteral("XDG_CONFIG_HOME"), notAFolder + QStringLiteral("/config")}});
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.errorLines.size(), 1);
        QVERIFY2(refused.errorLines.first().contains(QStringLiteral("cannot be written")), qPrintable(refused.errorLines.first()));
    }

    // Both exports refuse each special target (a read-only file or folder, a link to the
    // settings file, another user's link in a shared folder, …) before any office starts:
    // exit status 1, one line in the words every write path uses, nothing changed. Run as a
    // person ("nobody"), with folders of its own; the targets' folder is not one of them.
    void exportsRefuseTheRefusedTargets_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("special");
        for (const char *option : {"--export", "--export-dates"})
            for (const QString &special : RefusedTargets::names())
                QTest::addRow("%s: %s", option, qPrintable(special)) << QString::fromLatin1(option) << special;
    }

    void exportsRefuseTheRefusedTargets()
    {
        QFETCH(QString, option);
        QFETCH(QString, special);
        if (::getuid() != 0)
            QSKIP("needs root to run the program as another user");
        QTemporaryDir world;
        QVERIFY(QFile::setPermissions(world.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                        | QFile::ReadOther | QFile::ExeOther));
        for (const char *folder : {"config", "temp", "home", "targets"})
            QVERIFY(QDir(world.path()).mkpath(QString::fromLatin1(folder)));
        const QString settings = world.filePath(QStringLiteral("config/Quillmoor.ini"));
        QVERIFY(QFile::copy(settingsFile(), settings));
        for (const char *folder : {"config", "config/Quillmoor.ini", "temp", "home"})
            QVERIFY(::chown(QFile::encodeName(world.filePath(QString::fromLatin1(folder))).constData(), 65534, 65534) == 0);
        const RefusedTargets targets(world.filePath(QStringLiteral("targets")), settings,
                                     option == QLatin1String("--export") ? QStringLiteral("pdf") : QStringLiteral("csv"));

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), world.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("TEMP"), world.filePath(QStringLiteral("temp")));
        environment.insert(QStringLiteral("HOME"), world.filePath(QStringLiteral("home")));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                  QStringLiteral("--clear-groups"), QStringLiteral(DAYBLOOM_PROGRAM),
                                                  option, targets.target(special)});
        QVERIFY(program.waitForFinished(120000));
        const QStringList errors = QString::fromUtf8(program.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().startsWith(QStringLiteral("daybloom: ")) && targets.isRefusal(special, errors.first().mid(10)),
                 qPrintable(errors.first()));
        QCOMPARE(targets.changes(), QStringList());
    }

    // Told to end (a logout, a kill, Ctrl+C), the program ends as a close that asks
    // nothing, whether its window is up or still starting (its office stopped, so that the
    // start-up check is surely waiting), and also with a temporary folder it had to choose
    // itself (the usual one taken by another user, TMPDIR missing): its offices end,
    // nothing of them or of the program stays behind, and it says nothing about the office.
    // An export from the command line ends the same way, with the shell's status for the
    // signal. The settings file's lock a killed run left goes at the start.
    void aSignalEndsTheProgramAndLeavesNothing_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("offices"); // running when the signal comes: 1 while starting
        QTest::addColumn<QString>("temp"); // "TEMP" (set), "taken", "missing" (TEMP unset)
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        const QStringList window;
        QTest::newRow("SIGTERM, window up") << SIGTERM << 2 << "TEMP" << window << 0;
        QTest::newRow("SIGHUP, window up") << SIGHUP << 2 << "TEMP" << window << 0;
        QTest::newRow("SIGINT, window up") << SIGINT << 2 << "TEMP" << window << 0;
        QTest::newRow("SIGTERM, window starting") << SIGTERM << 1 << "TEMP" << window << 0;
        QTest::newRow("SIGINT, window starting") << SIGINT << 1 << "TEMP" << window << 0;
        QTest::newRow("SIGTERM, window starting, usual folder taken") << SIGTERM << 1 << "taken" << window << 0;
        QTest::newRow("SIGTERM, window starting, TMPDIR missing") << SIGTERM << 1 << "missing" << window << 0;
        QTest::newRow("SIGINT, export") << SIGINT << 1 << "TEMP" << QStringList{QStringLiteral("--export"), QStringLiteral("signalled.pdf")}
                                        << 128 + SIGINT;
    }

    void aSignalEndsTheProgramAndLeavesNothing()
    {
        QFETCH(int, signal);
        QFETCH(int, offices);
        QFETCH(QString, temp);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        const QByteArray settingsBefore = fileContent(settingsFile());
        QFile staleLock(settingsFile() + QStringLiteral(".lock"));
        QVERIFY(staleLock.open(QIODevice::WriteOnly));
        staleLock.write("999999\ndaybloom\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        staleLock.close();
        // The system's temporary folder: one of the test's own where the private folder's
        // usual name belongs to another user, or one that does not exist.
        QTemporaryDir system;
        const QString usual = system.filePath(QStringLiteral("daybloom-%1").arg(::getuid()));
        if (temp == QStringLiteral("taken")) {
            if (::getuid() != 0)
                QSKIP("needs root to give a folder to another user");
            QVERIFY(QDir().mkpath(usual));
            QCOMPARE(::chown(QFile::encodeName(usual).constData(), 65534, 65534), 0);
        }

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        if (temp == QStringLiteral("TEMP"))
            environment.insert(QStringLiteral("TEMP"), m_home.filePath(QStringLiteral("temp")));
        else
            environment.remove(QStringLiteral("TEMP"));
        environment.insert(QStringLiteral("TMPDIR"), temp == QStringLiteral("missing") ? QStringLiteral("/nonexistent/x") : system.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(m_home.filePath(QStringLiteral("out")));
        program.start(QStringLiteral(DAYBLOOM_PROGRAM), arguments);
        QVERIFY(program.waitForStarted());
        const pid_t pid = pid_t(program.processId());
        QTRY_COMPARE_WITH_TIMEOUT(childProcesses("soffice.bin", pid).size(), offices, 60000);
        const QList<pid_t> running = childProcesses("soffice.bin", pid);
        QVERIFY(!QFile::exists(staleLock.fileName()));

        if (offices == 1)
            ::kill(running.first(), SIGSTOP);
        ::kill(pid, signal);
        QVERIFY(program.waitForFinished(30000));
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == exitCode, qPrintable(errors));
        for (const char *unsaid : {"terminate called", "842001", "program is closing"})
            QVERIFY2(!errors.contains(QLatin1String(unsaid)), qPrintable(errors));
        for (const pid_t office : running)
            QVERIFY(::kill(office, 0) != 0);
        const QStringList sockets = QDir(QStringLiteral("/tmp")).entryList(
            {QStringLiteral("OSL_PIPE_%1_daybloom-%2-*").arg(::getuid()).arg(pid)}, QDir::System | QDir::Hidden);
        QVERIFY2(sockets.isEmpty(), qPrintable(sockets.join(QLatin1Char(' '))));
        const QStringList ownTemp{m_home.filePath(QStringLiteral("temp/daybloom-%1/%2").arg(::getuid()).arg(pid)),
                                  QStringLiteral("/tmp/daybloom-%1/%2").arg(::getuid()).arg(pid)};
        for (const QString &folder : ownTemp)
            QVERIFY2(!QFileInfo::exists(folder), qPrintable(folder));
        // Beside the taken folder, which stays another user's, nothing of the program.
        QCOMPARE(QDir(system.path()).entryList({QStringLiteral("daybloom-*")}, QDir::AllEntries),
                 temp == QStringLiteral("taken") ? QStringList{QFileInfo(usual).fileName()} : QStringList());
        if (temp == QStringLiteral("taken"))
            QCOMPARE(QFileInfo(usual).ownerId(), 65534u);
        QVERIFY(!QFileInfo::exists(m_home.filePath(QStringLiteral("out/signalled.pdf"))));
        QCOMPARE(fileContent(settingsFile()), settingsBefore);
    }

    // Without HOME the home folder of the account is used, and the person is told.
    void anUnsetHomeIsTold()
    {
        const QString target = m_home.filePath(QStringLiteral("out/without-home.csv"));
        const Run exported = run({QStringLiteral("--export-dates"), target}, {{QStringLiteral("HOME"), QString()}});
        QCOMPARE(exported.exitCode, 0);
        QCOMPARE(exported.errorLines, QStringList{QStringLiteral("daybloom: The environment variable HOME is not set: the home "
                                                                 "folder of your user account, %1, is used.")
                                                      .arg(QString::fromLocal8Bit(::getpwuid(::getuid())->pw_dir))});
        QVERIFY(fileContent(target).contains("New Year Brunch"));
    }

    // A TEMP on a full disk is passed over for the private folder in the system's
    // temporary folder; when that disk is full too, the one line names the file that could
    // not be written and why.
    void aFullTempFolderIsPassedOver_data()
    {
        QTest::addColumn<bool>("systemFolderFull");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("cause");
        QTest::newRow("TEMP full") << false << 0 << QStringLiteral("TEMP is not used");
        QTest::newRow("both full") << true << 1 << QStringLiteral("template.dot: No space left on device");
    }

    void aFullTempFolderIsPassedOver()
    {
        QFETCH(bool, systemFolderFull);
        QFETCH(int, exitCode);
        QFETCH(QString, cause);
        QTemporaryDir temp;
        QTemporaryDir system;
        const QString target = m_home.filePath(QStringLiteral("out/from-full-temp.pdf"));
        QFile::remove(target);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("TEMP"), temp.path());
        environment.insert(QStringLiteral("TMPDIR"), system.path());
        program.setProcessEnvironment(environment);
        // Small disks of their own, filled, in a mount namespace of the program's own.
        const QString fill = QStringLiteral("mount -t tmpfs -o size=1m tmpfs \"$%1\" || exit 99\n"
                                            "dd if=/dev/zero of=\"$%1/fill\" bs=64k 2>/dev/null\n");
        program.start(QStringLiteral("unshare"),
                      {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                       fill.arg(QStringLiteral("TEMP")) + (systemFolderFull ? fill.arg(QStringLiteral("TMPDIR")) : QString())
                           + QStringLiteral("exec \"$0\" --export \"$1\""),
                       QStringLiteral(DAYBLOOM_PROGRAM), target});
        QVERIFY(program.waitForFinished(120000));
        if (program.exitCode() == 99)
            QSKIP("no disk can be mounted here");
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(program.exitCode() == exitCode, qPrintable(errors));
        QVERIFY2(errors.contains(cause), qPrintable(errors));
        QCOMPARE(QFileInfo(target).size() > 0, exitCode == 0);
    }

private:
    QString settingsFile() const { return m_home.filePath(QStringLiteral("config/Quillmoor.ini")); }

    DaybloomRun run(const QStringList &arguments, const QMap<QString, QString> &changes = {})
    {
        return DaybloomRun::of(m_home.path(), arguments, changes);
    }

    QTemporaryDir m_home;
};

DAYBLOOM_TEST_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
