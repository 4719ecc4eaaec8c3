#pragma once

#include <QApplication>

// The application object of the window: an exception that escapes an event's handler
// (which Qt cannot carry through its event loop) is reported as an unexpected error and
// ends the program cleanly, instead of aborting it.
class WindowApplication : public QApplication
{
public:
    WindowApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    bool m_failed = false;
};
