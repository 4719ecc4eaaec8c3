#pragma once

#include "core/entry/BackgroundPictures.h"
#include "core/entry/CalendarOptions.h"
#include "core/entry/PictureLibrary.h"
#include "core/entry/PicturePlaces.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/shell/PaperSize.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <memory>

class CommonDialog;
class PausedControls;
class PicturePlaceView;
class ProgressDialog;
class QLineEdit;

// Calendar ▸ Pictures…: the thirteen places of the calendar for the family's pictures (the
// cover and the twelve months), each with a thumbnail, Choose… and Remove, and picture
// files dropped on a place; and the cover's title. Several files chosen or dropped at once
// fill the place and those after it, in the order of their names. Pictures are prepared in
// the background (BackgroundPictures) with a progress dialog while the dialog's controls
// wait; what cannot be used is said once, naming each file and the reason, and the others
// are kept. The title is kept when the dialog closes.
class PicturesDialog : public QDialog
{
    Q_OBJECT

public:
    PicturesDialog(CommonDialog &commonDialog, const QString &design, PaperSize paper, QWidget *parent);
    ~PicturesDialog() override;

    // Prepares the files for the place and the places after it, one each, and keeps them.
    void choose(int place, QStringList files);
    bool isPreparing() const { return m_work != nullptr; }

public slots:
    void done(int result) override;

private:
    void createControls(const QString &design);
    QWidget *createPlaces();
    void chooseFiles(int place);
    void remove(int place);
    void showPicture(int place);
    void showStep(qsizetype index);
    void end();

    CommonDialog &m_commonDialog;
    const PaperSize m_paper;
    CalendarEntryStore m_store;
    CalendarOptions m_options;
    PictureLibrary m_library;
    std::array<PicturePlaceView *, PicturePlaces::count> m_places{};
    QLineEdit *m_coverTitle = nullptr;
    QList<BackgroundPictures::Choice> m_choices;
    QStringList m_refusals;
    int m_leftOver = 0; // files beyond the last place
    // Receives what the background work says, in the dialog's thread.
    QObject m_heard;
    std::unique_ptr<PausedControls> m_paused;
    std::unique_ptr<ProgressDialog> m_progress;
    std::unique_ptr<BackgroundPictures> m_work; // last: stopped and waited for first
};
