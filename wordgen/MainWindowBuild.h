#pragma once

#include "wordgen/BuildWindow.h"

#include <QObject>
#include <QString>

#include <memory>

class Form1;
class Form2;

// The main window's part in building a calendar: it hands the document builder the
// window's day entries, pointer, painting and busy flag, runs the page capture for it,
// and owns the preview window, which the first build makes and every later build reuses.
// One lives beside each main window, as its child.
class MainWindowBuild : public QObject, public BuildWindow
{
    Q_OBJECT

public:
    // The one of this window, made the first time it is asked for.
    static MainWindowBuild &of(Form1 &window);
    ~MainWindowBuild() override;

    // "Start Creating Template".
    void build();
    // Pictures the pages of the saved document into the preview window.
    void capture(const QString &documentPath);

    // The preview window; null until the first build has asked for it.
    Form2 *previewWindow() const { return m_preview.get(); }

    bool isCreating() const override;
    void setCreating(bool creating) override;
    QString entryText(int month, int index) const override;
    MousePointer &mousePointer() override;
    void freezePainting(bool frozen) override;
    void hideWindow() override;
    PreviewPages &previewPages() override;
    void capturePages(const QString &documentPath) override;

private:
    explicit MainWindowBuild(Form1 &window);

    Form1 &m_window;
    std::unique_ptr<Form2> m_preview;
};
