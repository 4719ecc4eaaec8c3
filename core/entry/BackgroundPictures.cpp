#include "core/entry/BackgroundPictures.h"

#include "core/entry/PictureLibrary.h"
#include "core/entry/PictureReader.h"
#include "core/shell/CalendarEntryStore.h"

#include <QCoreApplication>
#include <QDir>

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
    for (qsizetype index = 0; index < m_choices.size() && !stop.stop_requested(); ++index) {
        const Choice &choice = m_choices.at(index);
        emit preparing(index);
        try {
            library.choose(choice.place, choice.file, choice.shapes);
            emit kept(choice.place);
        } catch (const PictureReader::Failure &refusal) {
            emit refused(choice.place, QString::fromStdString(refusal.what()));
        } catch (const std::exception &error) {
            emit refused(choice.place, QCoreApplication::translate("BackgroundPictures", "%1 could not be kept: %2")
                                           .arg(QDir::toNativeSeparators(choice.file), QString::fromStdString(error.what())));
        }
    }
    emit ended();
}
