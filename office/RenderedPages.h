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
// A page shows 340 pixels wide at its natural size. Its picture is rendered twice as wide,
// for each device pixel of a screen pixel: the preview shows a page at most just under
// twice its natural width (a zoom that reaches twice is refused), so every view of it is
// drawn by scaling the picture down and text stays sharp. On a screen of one device pixel
// a pixel, a Letter page is 680 x 880 pixels (80 dots per inch).
class RenderedPages
{
public:
    static constexpr int naturalWidthPixels = 340;
    static constexpr int widestViewOfNaturalWidth = 2;

    // pdf: the PDF file's content; every page is rendered at once, on two threads, in page
    // order. pixelRatio: the device pixels of a screen pixel on the screen with the most.
    // Throws OfficeError when it holds no readable pages.
    RenderedPages(const QByteArray &pdf, double pixelRatio);
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
    double m_pictureWidthPixels = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_renderers; // last: they end before anything they use goes
};
