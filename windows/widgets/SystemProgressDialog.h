#pragma once

#include "windows/widgets/ProgressDialog.h"

#include <QPointer>

#include <functional>

class QProgressDialog;
class QWidget;

// Qt's progress dialog over a window, without modality, so that the window still paints,
// moves and closes: a moving bar, the text of the step and Cancel. It shows itself only
// when the work lasts longer than half a second.
class SystemProgressDialog : public ProgressDialog
{
public:
    SystemProgressDialog(QWidget *parent, const QString &title, const QString &text, std::function<void()> cancel);
    ~SystemProgressDialog() override;

    void setText(const QString &text) override;

private:
    QPointer<QProgressDialog> m_dialog;
};
