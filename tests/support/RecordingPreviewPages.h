#pragma once

#include "core/wordgen/PreviewPages.h"

#include <QList>
#include <QStringList>

// Stands in for the preview window in tests of the builder and the capture: it keeps the
// page list and the page pictures as the window would (element 0 from the start, other
// elements only once made) and notes what was done to it.
class RecordingPreviewPages : public PreviewPages
{
public:
    void clearPageList() override;
    void addPageListItem(const QString &text) override;
    int pageListCount() const override;
    void ensurePageImage(int index) override;
    void loadPageImage(int index, const QString &file) override;
    void clearPageImage(int index) override;
    QImage pageImage(int index) const override;
    void showFirstPage() override;
    void setWordFile(const QString &path) override;
    void showPreview() override;

    QStringList items;
    QList<QImage> images{QImage()};
    QImage firstPageShown;
    QString wordFile;
    int showCount = 0;

private:
    QImage &element(int index);
};
