#include "windows/shell/MessageBoxPresenter.h"

#include <QMessageBox>
#include <QPushButton>

MessagePresenter::Answer MessageBoxPresenter::present(Kind kind, const QString &title, const QString &text)
{
    const QMessageBox::Icon icon = kind == Kind::ApplicationError ? QMessageBox::Warning : QMessageBox::NoIcon;
    const QMessageBox::StandardButtons buttons =
        kind == Kind::Question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(icon, title, text, buttons);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

int MessageBoxPresenter::choose(const QString &title, const QString &text, const QStringList &choices, int preselected)
{
    QMessageBox box(QMessageBox::Warning, title, text);
    QList<QAbstractButton *> buttons;
    for (const QString &choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::ActionRole));
    if (!buttons.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.value(preselected, buttons.first())));
        // Escape and the window's close button take the last choice, the one that changes nothing.
        box.setEscapeButton(buttons.last());
    }
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}
