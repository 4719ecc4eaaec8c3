#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The preview's page pictures, `Image1`: element n - 1 holds page n. They are never shown
// directly; the page view copies the one it shows. Element 0 always exists, other elements
// once made stay for the life of the window.
class PageImages
{
public:
    // Makes sure the element exists. Throws std::out_of_range for a negative index.
    void ensure(int index);
    // Sets the element's picture to the one read from file, whatever its suffix says.
    // Throws std::out_of_range for an element not made, std::runtime_error for a file that
    // is no picture.
    void load(int index, const QString &file);
    // Removes the element's picture, so that it never shows another build's page.
    void clear(int index);
    // The element's picture; a null picture for an element not made.
    QImage image(int index) const { return Image1.value(index); }

private:
    QList<QImage> Image1{QImage()};
};
