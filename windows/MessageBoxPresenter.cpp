#include "windows/MessageBoxPresenter.h"

#include <QMessageBox>

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
