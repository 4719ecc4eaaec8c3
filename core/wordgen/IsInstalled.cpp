#include "core/wordgen/IsInstalled.h"

#include "core/shell/UserMessages.h"
#include "core/wordgen/WordApplication.h"
#include "core/wordgen/WordEngine.h"

#include <QCoreApplication>
#include <QStringList>
#include <QtGlobal>

#include <exception>

QString WordUnavailableAdvice()
{
    const QStringList paragraphs{
        QCoreApplication::translate("IsInstalled", "Error 842001. A normal instance of Word could not be created."),
        QCoreApplication::translate("IsInstalled", "1. Please make sure Word is installed on this computer."),
        QCoreApplication::translate("IsInstalled", "2. Please open Word normally and make sure a blank document opens immediately without any "
                       "interrupting window (such as an Word file recovery window)."),
        QCoreApplication::translate("IsInstalled", "3. Please make sure that when you double-click on a DOC or DOCX file that Word opens "
                       "normally without any interrupting messages."),
        QCoreApplication::translate("IsInstalled", "4. All versions of Word are supported by this software except for the rare Word Starter and "
                       "Student editions."),
    };
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

bool CheckWordAvailable(WordEngine &engine, const std::function<bool()> &closing)
{
    // The person sees the advice; the real reason goes to the log for whoever helps them.
    QString reason;
    try {
        std::unique_ptr<WordApplication> application = engine.createApplication();
        if (!application)
            reason = QStringLiteral("the engine made no instance");
        else
            // The instance has served nobody: it stays ready for the first build instead of
            // ending, so that no office start is spent on the check alone.
            engine.keepUnused(std::move(application));
    } catch (const std::exception &error) {
        reason = QString::fromUtf8(error.what());
    } catch (...) {
        reason = QStringLiteral("unknown error");
    }
    if (reason.isEmpty())
        return true;
    if (closing && closing())
        return false;
    qWarning("No office instance could be started: %s", qUtf8Printable(reason));
    UserMessages::information(WordUnavailableAdvice() + QStringLiteral("\r\n\r\n") + QCoreApplication::translate("IsInstalled", "Cause: %1").arg(reason));
    return false;
}
