#include "app/WindowApplication.h"

#include "app/UnexpectedError.h"

WindowApplication::WindowApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool WindowApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const QString cause = UnexpectedError::causeOfCurrent();
        // Told once: events the report's own box handles may fail the same way.
        if (!m_failed) {
            m_failed = true;
            UnexpectedError::report(cause);
        }
        exit(1);
        return true;
    }
}
