#pragma once

#include <QImage>
#include <QString>

// What the document builder and the page capture hand to the preview window: the page
// list ("Page 1", "Page 2", …), the page pictures (element n - 1 holds page n), the page
// shown first, and the generated document's path. The preview window implements it.
class PreviewPages
{
public:
    virtual ~PreviewPages() = default;

    // ListView1.ListItems.Clear. The first call creates the preview window.
    virtual void clearPageList() = 0;
    // ListView1.ListItems.Add text.
    virtual void addPageListItem(const QString &text) = 0;
    virtual int pageListCount() const = 0;

    // Load Image1(index): makes sure the picture element exists. Elements, once made,
    // stay for the life of the window.
    virtual void ensurePageImage(int index) = 0;
    // Image1(index).Picture = the picture read from file. Throws std::runtime_error when
    // the file cannot be read as a picture.
    virtual void loadPageImage(int index, const QString &file) = 0;
    // Removes the picture of element index, so that it never shows another build's page.
    virtual void clearPageImage(int index) = 0;
    virtual QImage pageImage(int index) const = 0;

    // Picture1.Picture = Image1(0).Picture.
    virtual void showFirstPage() = 0;
    // mWordFile = path.
    virtual void setWordFile(const QString &path) = 0;
    // Show, modeless, without an owner.
    virtual void showPreview() = 0;
};
