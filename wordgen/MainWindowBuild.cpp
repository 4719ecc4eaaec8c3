#include "wordgen/MainWindowBuild.h"

#include "entry/EntryPanel.h"
#include "preview/Form2.h"
#include "shell/Form1.h"
#include "wordgen/DocumentBuilder.h"
#include "wordgen/DocumentNameGenerator.h"
#include "wordgen/PageCapture.h"

MainWindowBuild::MainWindowBuild(Form1 &window)
    : QObject(&window)
    , m_window(window)
{
}

MainWindowBuild::~MainWindowBuild() = default;

MainWindowBuild &MainWindowBuild::of(Form1 &window)
{
    if (auto *existing = window.findChild<MainWindowBuild *>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new MainWindowBuild(window);
}

void MainWindowBuild::build()
{
    DocumentBuilder(m_window.wordEngine(), *this, DocumentNameGenerator::shared()).build();
}

void MainWindowBuild::capture(const QString &documentPath)
{
    PageCapture(m_window.wordEngine(), previewPages(), m_window.mousePointer()).run(documentPath);
}

bool MainWindowBuild::isCreating() const
{
    return m_window.mCreating;
}

void MainWindowBuild::setCreating(bool creating)
{
    m_window.mCreating = creating;
}

QString MainWindowBuild::entryText(int month, int index) const
{
    return m_window.entryPanel().entryText(month, index);
}

MousePointer &MainWindowBuild::mousePointer()
{
    return m_window.mousePointer();
}

void MainWindowBuild::freezePainting(bool frozen)
{
    m_window.setUpdatesEnabled(!frozen);
}

void MainWindowBuild::hideWindow()
{
    m_window.hide();
}

PreviewPages &MainWindowBuild::previewPages()
{
    if (!m_preview)
        m_preview = std::make_unique<Form2>(&m_window);
    return *m_preview;
}

void MainWindowBuild::capturePages(const QString &documentPath)
{
    m_window.SaveDocAsJPG(documentPath);
}
