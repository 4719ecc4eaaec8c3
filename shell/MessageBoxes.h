#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

// Every message box of the program goes through here, so that tests can answer them
// instead of a person. In headless mode nothing is shown: each box is recorded and
// answered with the next queued answer (Yes / OK when none is queued).
class MessageBoxes
{
public:
    enum class Answer { Ok, Yes, No };

    struct Record {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    // "Application Error", exclamation icon, OK only.
    static void applicationError(const QString &text);
    // The application title, no icon, OK only ("Done.", the office advice).
    static void information(const QString &text);
    // The application title, no icon, Yes and No.
    static Answer question(const QString &text);

    // For tests.
    static void setHeadless(bool headless);
    static bool isHeadless();
    static void queueAnswer(Answer answer);
    static QList<Record> takeRecords();
    static int recordCount();

private:
    static Answer show(const QString &title, const QString &text, QMessageBox::Icon icon,
                       QMessageBox::StandardButtons buttons);
};
