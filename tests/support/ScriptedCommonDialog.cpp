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

namespace {

// Records what the program shows in it.
class RecordedProgress : public ProgressDialog
{
public:
    explicit RecordedProgress(std::shared_ptr<ScriptedCommonDialog::ShownProgress> shown) : m_shown(std::move(shown)) {}
    ~RecordedProgress() override { m_shown->open = false; }
    void setText(const QString &text) override { m_shown->texts.append(text); }

private:
    std::shared_ptr<ScriptedCommonDialog::ShownProgress> m_shown;
};

} // namespace

std::unique_ptr<ProgressDialog> ScriptedCommonDialog::showProgress(QWidget *, const QString &title, const QString &text,
                                                                   std::function<void()> cancel)
{
    auto shown = std::make_shared<ShownProgress>(ShownProgress{title, {text}, true, std::move(cancel)});
    m_progress.append(shown);
    return std::make_unique<RecordedProgress>(shown);
}
