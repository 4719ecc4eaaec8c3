#pragma once

#include <QString>
#include <QStringList>

class BuildSurface;
struct CalendarLook;
class DocumentNameGenerator;
class ErrorReport;
class OfficeSession;
class PreviewPages;
class WordEngine;

// "Start Creating Template": fills the template of the chosen design, paper and edition
// with the 366 day entries (and a design's cover and the family's pictures) in a fresh
// office instance, saves it as "kestrel" + eight digits + ".doc" in the temporary
// folder, has its pages pictured into the preview window (SaveDocAsJPG), and shows the
// preview window in place of the main window, as soon as page 1 is pictured: the other
// pages join its list while the person looks. Every statement is labelled for the error
// report; after a failure the build goes on, so it always ends idle with painting
// unfrozen. A build that saved no document, or whose pages could not be pictured at all,
// shows no preview: the main window stays, and no document is left behind.
class DocumentBuilder
{
public:
    DocumentBuilder(WordEngine &engine, BuildSurface &window, DocumentNameGenerator &names);

    void PushButton22_Click();
    // True while a build runs: a second click then does nothing.
    bool isCreating() const { return mCreating; }

private:
    QString writeDocument(const ErrorReport &report, QString &templatePath);
    void fillCells(OfficeSession &office, const CalendarLook &look);
    void fillCellsOneByOne(OfficeSession &office, int month, const QStringList &texts);
    void fillCoverAndPictures(const ErrorReport &report, OfficeSession &office, const CalendarLook &look);
    QString drawDocumentPath(const ErrorReport &report);
    void presentDocument(const ErrorReport &report, const QString &documentPath);
    // Steps 226 to 232: page 1 in the page view, the document handed over, the preview
    // shown in place of the main window.
    void showPreviewWindow(const ErrorReport &report, PreviewPages &preview, const QString &documentPath);

    WordEngine &m_engine;
    BuildSurface &m_window;
    DocumentNameGenerator &m_names;
    bool mCreating = false;
};
