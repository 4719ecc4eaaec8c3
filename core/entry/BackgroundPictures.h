#pragma once

#include <QList>
#include <QObject>
#include <QSizeF>
#include <QString>

#include <future>
#include <thread>

class PictureLibrary;

// Prepares the pictures the person chose for the calendar's places and keeps them
// (PictureLibrary) off the window's thread, so that the window goes on answering while a
// dozen camera photos are read: as many pictures are prepared at once as the machine has
// processors, and they are kept one after the other, in the order chosen. A picture that cannot be used is
// refused alone: the others are kept. Its signals come from that thread: a receiver in the
// window's thread gets them queued. Cancelling stops the work before the next picture;
// destroying it cancels and waits for the picture being prepared.
class BackgroundPictures : public QObject
{
    Q_OBJECT

public:
    struct Choice {
        int place = 0;        // PicturePlaces
        QString file;         // the person's picture
        QList<QSizeF> shapes; // the printed sizes its copies are prepared for
    };

    explicit BackgroundPictures(QList<Choice> choices);
    ~BackgroundPictures() override;

    void start();
    void cancel();

signals:
    // The choice at this index is being prepared.
    void preparing(qsizetype index);
    void kept(int place);
    // why: one line naming the file and the reason.
    void refused(int place, const QString &why);
    // The thread has done all it will do, every choice prepared or cancelled.
    void ended();

private:
    void run(const std::stop_token &stop);
    void keepOrRefuse(PictureLibrary &library, const Choice &choice, std::future<QList<QByteArray>> prepared);

    const QList<Choice> m_choices;
    std::jthread m_thread;
};
