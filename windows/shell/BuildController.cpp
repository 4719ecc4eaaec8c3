#include "windows/shell/BuildController.h"

#include "core/shell/PaperPreference.h"
#include "core/wordgen/CalendarTemplate.h"
#include "core/wordgen/WordEngine.h"
#include "windows/preview/Form2.h"
#include "windows/shell/ProgramEnd.h"
#include "windows/widgets/MousePointer.h"

#include <QGuiApplication>
#include <QTimer>

BuildController::BuildController(WordEngine &engine, CommonDialog &commonDialog, QWidget &mainWindow, const DayEntries &entries,
                                 MousePointer &pointer, DocumentNameGenerator &names, std::function<bool()> mayClose)
    : m_engine(engine)
    , m_commonDialog(commonDialog)
    , m_mainWindow(mainWindow)
    , m_entries(entries)
    , m_pointer(pointer)
    , m_builder(engine, *this, names)
    , m_mayClose(std::move(mayClose))
{
}

BuildController::~BuildController() = default;

void BuildController::build()
{
    const bool nested = m_builder.isCreating();
    if (!nested && m_buildCheck && !m_buildCheck())
        return;
    // The page pictures are made for the screen with the most device pixels a pixel.
    if (!nested)
        m_engine.setPagePixelRatio(qGuiApp->devicePixelRatio());
    m_builder.PushButton22_Click();
    if (!nested)
        getOfficesReady();
}

void BuildController::windowShown()
{
    constexpr int afterFirstPaint = 250; // milliseconds
    QTimer::singleShot(afterFirstPaint, &m_mainWindow, [this] { getOfficesReady(); });
}

void BuildController::getOfficesReady()
{
    // A build under way takes its offices as it goes; they are got ready after it.
    if (m_builder.isCreating())
        return;
    try {
        m_engine.prepareAhead(CalendarTemplate::bytes(look()));
    } catch (const std::exception &error) {
        // The next build starts its offices itself, as it would without this.
        qWarning("The offices of the next build could not be got ready: %s", error.what());
    }
}

const DayEntries &BuildController::dayEntries() const
{
    return m_entries;
}

CalendarLook BuildController::look() const
{
    return CalendarLook::chosen(PaperPreference::current());
}

void BuildController::showBusy(bool busy)
{
    m_pointer.set(busy ? MousePointer::Hourglass : MousePointer::Default);
}

void BuildController::freezePainting(bool frozen)
{
    m_mainWindow.setUpdatesEnabled(!frozen);
}

void BuildController::hideWindow()
{
    m_mainWindow.hide();
}

PreviewPages &BuildController::previewPages()
{
    if (!m_preview) {
        m_preview = std::make_unique<Form2>(&m_mainWindow, &m_engine, m_commonDialog);
        m_preview->setCloseGuard(m_mayClose);
        m_preview->setProgramEnd(&ProgramEnd::now);
        m_preview->Form_Load();
    }
    return *m_preview;
}
