#include "tests/support/ScriptedCommonDialog.h"

#include <QtGlobal>

CommonDialog::SaveAnswer ScriptedCommonDialog::showSave(QWidget *, const SaveRequest &request)
{
    m_saveRequests.append(request);
    if (m_saves.isEmpty())
        qFatal("The save dialog \"%s\" was shown with no answer queued by the test", qUtf8Printable(request.title));
    return m_saves.dequeue();
}

QStringList ScriptedCommonDialog::showOpen(QWidget *, const QString &title, const QStringList &)
{
    if (m_opens.isEmpty())
        qFatal("The open dialog \"%s\" was shown with no answer queued by the test", qUtf8Printable(title));
    return m_opens.dequeue();
}

bool ScriptedCommonDialog::showPrinter(QWidget *, QPrinter &printer, int)
{
    if (m_printers.isEmpty())
        qFatal("The print dialog was shown with no answer queued by the test");
    return m_printers.dequeue()(printer);
}
