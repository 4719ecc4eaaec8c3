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

    // Empties the page list for a new build.
    virtual void clearPageList() = 0;
    // Adds a row to the end of the page list.
    virtual void addPageListItem(const QString &text) = 0;
    virtual int pageListCount() const = 0;

    // Makes sure the page picture element exists. Elements, once made, stay for the life
    // of the window.
    virtual void ensurePageImage(int index) = 0;
    // Sets the element's picture to the one read from file. Throws std::runtime_error when
    // the file cannot be read as a picture.
    virtual void loadPageImage(int index, const QString &file) = 0;
    // Removes the picture of element index, so that it never shows another build's page.
    virtual void clearPageImage(int index) = 0;
    virtual QImage pageImage(int index) const = 0;

    // Puts the picture of page 1 into the page view.
    virtual void showFirstPage() = 0;
    // The generated document that saving copies and going back deletes.
    virtual void setWordFile(const QString &path) = 0;
    // Show, modeless, without an owner.
    virtual void showPreview() = 0;
};
