#include "tests/support/FakeWordEngine.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "tests/support/TestMain.h"

#include "core/shell/LanguagePreference.h"
#include "core/shell/ProgramTranslation.h"
#include "windows/shell/Form1.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

// The main window in the language chosen in the settings: its buttons and frame from the
// program's translation, its month captions from the locale's data.
class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void theMainWindowSpeaksTheChosenLanguage()
    {
        QVERIFY(LanguagePreference::choose(QStringLiteral("de")).saved);
        QCOMPARE(LanguagePreference::current(), QStringLiteral("de"));
        ProgramTranslation::install(LanguagePreference::current());

        FakeWordEngine engine;
        ScriptedCommonDialog dialogs;
        Form1 form(engine, dialogs);
        form.Form_Load();

        const auto text = [&form](const char *name) {
            if (const auto *button = form.findChild<QAbstractButton *>(QString::fromLatin1(name)))
                return button->text();
            if (const auto *label = form.findChild<QLabel *>(QString::fromLatin1(name)))
                return label->text();
            const auto *frame = form.findChild<QGroupBox *>(QString::fromLatin1(name));
            return frame ? frame->title() : QString();
        };
        QCOMPARE(text("PushButton22"), QStringLiteral("Kalender erstellen"));
        QCOMPARE(text("PushButton1"), QStringLiteral("Kalender leeren"));
        QCOMPARE(text("PushButton2"), QStringLiteral("Beispiele laden"));
        QCOMPARE(text("Frame3"), QStringLiteral("Kalender"));
        QCOMPARE(text("Label1"), QStringLiteral("Januar"));
        QCOMPARE(text("Label3"), QStringLiteral("Februar"));
        QCOMPARE(text("Label4"), QStringLiteral("März"));
        QCOMPARE(text("Label13"), QStringLiteral("Dezember"));
    }
};

DAYBLOOM_TEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
