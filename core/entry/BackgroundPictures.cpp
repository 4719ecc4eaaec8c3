#include "core/entry/BackgroundPictures.h"

#include "core/entry/PictureLibrary.h"
#include "core/entry/PicturePreparation.h"
#include "core/entry/PictureReader.h"
#include "core/shell/CalendarEntryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>

#include <deque>

#include <exception>

BackgroundPictures::BackgroundPictures(QList<Choice> choices)
    : m_choices(std::move(choices))
{
}

BackgroundPictures::~BackgroundPictures()
{
    cancel();
}

void BackgroundPictures::start()
{
    m_thread = std::jthread([this](const std::stop_token &stop) { run(stop); });
}

void BackgroundPictures::cancel()
{
    m_thread.request_stop();
}

void BackgroundPictures::run(const std::stop_token &stop)
{
    CalendarEntryStore store;
    PictureLibrary library(store);
    // Reading and scaling a photo keeps one processor busy: the next pictures are prepared
    // beside it, and each is kept once it and those before it are ready.
    const qsizetype atOnce = qMax(1, QThread::idealThreadCount());
    std::deque<std::future<QList<QByteArray>>> inFlight;
    qsizetype started = 0;
    for (qsizetype index = 0; index < m_choices.size() && !stop.stop_requested(); ++index) {
        for (; started < m_choices.size() && qsizetype(inFlight.size()) < atOnce; ++started) {
            const Choice &choice = m_choices.at(started);
            inFlight.push_back(std::async(std::launch::async, [&choice, &stop] {
                return stop.stop_requested() ? QList<QByteArray>() : PicturePreparation::prepare(choice.file, choice.shapes);
            }));
        }
        emit preparing(index);
        std::future<QList<QByteArray>> prepared = std::move(inFlight.front());
        inFlight.pop_front();
        prepared.wait();
        if (stop.stop_requested())
            break;
        keepOrRefuse(library, m_choices.at(index), std::move(prepared));
    }
    // Pictures begun before a cancel are waited for (their futures end with them) and dropped.
    inFlight.clear();
    emit ended();
}

void BackgroundPictures::keepOrRefuse(PictureLibrary &library, const Choice &choice, std::future<QList<QByteArray>> prepared)
{
    try {
        library.keep(choice.place, prepared.get(), choice.shapes);
        emit kept(choice.place);
    } catch (const PictureReader::Failure &refusal) {
        emit refused(choice.place, QString::fromStdString(refusal.what()));
    } catch (const std::exception &error) {
        emit refused(choice.place, QCoreApplication::translate("BackgroundPictures", "%1 could not be kept: %2")
                                       .arg(QDir::toNativeSeparators(choice.file), QString::fromStdString(error.what())));
    }
}
