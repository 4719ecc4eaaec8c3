#include "wordgen/IsInstalled.h"

#include "shell/MessageBoxes.h"
#include "wordgen/WordApplication.h"
#include "wordgen/WordEngine.h"

#include <QStringList>

QString WordUnavailableAdvice()
{
    const QStringList paragraphs{
        QStringLiteral("Error 842001. A normal instance of Word could not be created."),
        QStringLiteral("1. Please make sure Word is installed on this computer."),
        QStringLiteral("2. Please open Word normally and make sure a blank document opens immediately without any "
                       "interrupting window (such as an Word file recovery window)."),
        QStringLiteral("3. Please make sure that when you double-click on a DOC or DOCX file that Word opens "
                       "normally without any interrupting messages."),
        QStringLiteral("4. All versions of Word are supported by this software except for the rare Word Starter and "
                       "Student editions."),
    };
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

bool CheckWordAvailable(WordEngine &engine)
{
    bool available = false;
    try {
        std::unique_ptr<WordApplication> application = engine.createApplication();
        if (application) {
            available = true;
            // A failing quit still counts as available; releasing the instance ends its
            // process in any case.
            try {
                application->quit();
            } catch (...) {
            }
        }
    } catch (...) {
        // Any failure to create the instance means the office cannot be used.
    }
    if (!available)
        MessageBoxes::information(WordUnavailableAdvice());
    return available;
}
