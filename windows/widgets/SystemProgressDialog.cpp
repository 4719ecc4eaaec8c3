#include "windows/widgets/SystemProgressDialog.h"

#include <QProgressDialog>
#include <QTimer>

#include <memory>
#include <utility>

SystemProgressDialog::SystemProgressDialog(QWidget *parent, const QString &title, const QString &text,
                                           std::function<void()> cancel)
    : m_dialog(new QProgressDialog(parent))
{
    constexpr int shownAfter = 500; // milliseconds
    // Its own Cancel button, in the words of Qt's translations; no range: a moving bar.
    m_dialog->setRange(0, 0);
    m_dialog->setLabelText(text);
    m_dialog->setWindowTitle(title);
    m_dialog->setWindowModality(Qt::NonModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(shownAfter);
    // Its Cancel button, its close button and Esc all cancel, once. Queued: the caller may
    // end this dialog in answer, which must not happen while the dialog is still busy
    // reporting its cancel.
    const auto pending = std::make_shared<std::function<void()>>(std::move(cancel));
    const auto cancelOnce = [pending] {
        if (*pending)
            std::exchange(*pending, {})();
    };
    QObject::connect(m_dialog, &QProgressDialog::canceled, m_dialog, cancelOnce, Qt::QueuedConnection);
    QObject::connect(m_dialog, &QDialog::rejected, m_dialog, cancelOnce, Qt::QueuedConnection);
    QTimer::singleShot(shownAfter, m_dialog, [dialog = m_dialog.data()] {
        if (!dialog->wasCanceled())
            dialog->show();
    });
}

SystemProgressDialog::~SystemProgressDialog()
{
    delete m_dialog;
}

void SystemProgressDialog::setText(const QString &text)
{
    m_dialog->setLabelText(text);
}
