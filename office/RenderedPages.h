#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace Poppler {
class Document;
}

// The pictures of a document's laid-out pages, rendered from the office's PDF of them.
//
// A page picture carries twice the pixels of its natural on-screen size: a Letter page is
// rendered at 144 dots per inch (1224 x 1584 pixels) and shows at 340 x 440 pixels, so
// that the preview can zoom out from its first view and zoom in by several steps while
// text stays sharp.
class RenderedPages
{
public:
    static constexpr double renderDotsPerInch = 144.0;
    static constexpr int naturalWidthPixels = 340;

    // pdf: the PDF file's content; every page is rendered at once, on two threads, in page
    // order. Throws OfficeError when it holds no readable pages.
    explicit RenderedPages(const QByteArray &pdf);
    ~RenderedPages();

    RenderedPages(const RenderedPages &) = delete;
    RenderedPages &operator=(const RenderedPages &) = delete;

    int count() const;
    // The picture of page number (from 1): antialiased, on white, with its natural size
    // set; waits until it is drawn. Throws OfficeError when the page cannot be rendered.
    QImage picture(int number) const;
    // A white page of the first page's size, for a document whose pages are all gone.
    QImage blankPicture() const;

private:
    void render(const Poppler::Document &document, int first);

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    QList<QImage> m_pictures;
    std::vector<bool> m_rendered;
    bool m_stopping = false;
    std::vector<std::thread> m_renderers; // last: they end before anything they use goes
};
