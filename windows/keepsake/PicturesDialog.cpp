#include "windows/keepsake/PicturesDialog.h"

#include "core/shell/UserMessages.h"
#include "core/wordgen/CalendarDesigns.h"
#include "windows/keepsake/PicturePlaceView.h"
#include "windows/widgets/CommonDialog.h"
#include "windows/widgets/PausedControls.h"
#include "windows/widgets/ProgressDialog.h"

#include <QCollator>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int monthColumns = 4;
const QSize thumbnailPixels(336, 200);

// The shape of the place's picture that the thumbnail shows: the one the design prints,
// or the first any design has.
QSizeF shownShape(const QString &design, PaperSize paper, int place)
{
    if (const std::optional<CalendarDesign> chosen = CalendarDesigns::named(design))
        if (const QSizeF printed = chosen->picturePlace(place, paper); !printed.isEmpty())
            return printed;
    return CalendarDesigns::pictureShapes(place).value(0);
}

QString designsWithPictures()
{
    QStringList labels;
    for (const CalendarDesign &design : CalendarDesigns::all())
        if (design.hasPictures)
            labels.append(design.label());
    return labels.join(QStringLiteral(", "));
}

} // namespace

PicturesDialog::PicturesDialog(CommonDialog &commonDialog, const QString &design, PaperSize paper, QWidget *parent)
    : QDialog(parent)
    , m_commonDialog(commonDialog)
    , m_paper(paper)
    , m_options(m_store, CalendarDesigns::names())
    , m_library(m_store)
{
    createControls(design);
    for (int place = 0; place < PicturePlaces::count; ++place)
        showPicture(place);
}

PicturesDialog::~PicturesDialog() = default;

void PicturesDialog::createControls(const QString &design)
{
    setObjectName(QStringLiteral("picturesDialog"));
    setWindowTitle(tr("Calendar Pictures"));
    auto *layout = new QVBoxLayout(this);

    const std::optional<CalendarDesign> chosen = CalendarDesigns::named(design);
    auto *note = new QLabel(this);
    note->setObjectName(QStringLiteral("designNote"));
    note->setWordWrap(true);
    if (chosen && chosen->hasPictures)
        note->setText(tr("The design %1 prints a picture on its cover and with every month. Choose a picture or drop "
                         "one on its place. The program keeps its own copy: moving or deleting your file loses nothing.")
                          .arg(chosen->label()));
    else
        note->setText(tr("The chosen design, %1, shows no pictures; these designs show them: %2 (Calendar ▸ Design…). "
                         "The pictures you choose here are kept for them.")
                          .arg(chosen ? chosen->label() : design, designsWithPictures()));
    layout->addWidget(note);
    layout->addWidget(createPlaces(), 1);

    auto *title = new QFormLayout;
    m_coverTitle = new QLineEdit(m_options.ownCoverTitle(), this);
    m_coverTitle->setObjectName(QStringLiteral("coverTitle"));
    m_coverTitle->setPlaceholderText(CalendarOptions::defaultCoverTitle());
    m_coverTitle->setClearButtonEnabled(true);
    title->addRow(tr("&Title on the cover:"), m_coverTitle);
    layout->addLayout(title);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    layout->addWidget(buttons);
}

// The cover on the left, the months in rows of four beside it.
QWidget *PicturesDialog::createPlaces()
{
    auto *places = new QWidget(this);
    auto *grid = new QGridLayout(places);
    for (int place = 0; place < PicturePlaces::count; ++place) {
        auto *view = new PicturePlaceView(place, places);
        m_places.at(size_t(place)) = view;
        if (place == PicturePlaces::cover)
            grid->addWidget(view, 0, 0, 3, 1, Qt::AlignTop);
        else
            grid->addWidget(view, (place - 1) / monthColumns, 1 + (place - 1) % monthColumns);
        connect(view, &PicturePlaceView::chooseAsked, this, &PicturesDialog::chooseFiles);
        connect(view, &PicturePlaceView::removeAsked, this, &PicturesDialog::remove);
        connect(view, &PicturePlaceView::filesDropped, this, &PicturesDialog::choose);
    }
    return places;
}

void PicturesDialog::chooseFiles(int place)
{
    const QStringList files = m_commonDialog.showOpen(
        this, tr("Choose a Picture for %1").arg(PicturePlaces::label(place)),
        {tr("Pictures (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif)"), tr("All Files (*)")});
    if (!files.isEmpty())
        choose(place, files);
}

void PicturesDialog::remove(int place)
{
    try {
        m_library.remove(place);
    } catch (const std::exception &error) {
        UserMessages::information(tr("The picture of %1 could not be removed: %2")
                                      .arg(PicturePlaces::label(place), QString::fromStdString(error.what())));
    }
    showPicture(place);
}

void PicturesDialog::showPicture(int place)
{
    QImage thumbnail;
    if (const QString copy = m_library.path(place, shownShape(m_options.design(), m_paper, place)); !copy.isEmpty()) {
        QImageReader reader(copy);
        reader.setScaledSize(reader.size().scaled(thumbnailPixels, Qt::KeepAspectRatio));
        thumbnail = reader.read();
    }
    m_places.at(size_t(place))->showPicture(thumbnail);
}

void PicturesDialog::choose(int place, QStringList files)
{
    if (m_work || files.isEmpty())
        return;
    QCollator byName;
    byName.setNumericMode(true);
    std::sort(files.begin(), files.end(),
              [&](const QString &a, const QString &b) { return byName.compare(QFileInfo(a).fileName(), QFileInfo(b).fileName()) < 0; });
    m_choices.clear();
    m_refusals.clear();
    for (const QString &file : files)
        if (place + m_choices.size() < PicturePlaces::count) {
            const int into = place + int(m_choices.size());
            m_choices.append({into, file, CalendarDesigns::pictureShapes(into)});
        }
    m_leftOver = int(files.size() - m_choices.size());

    m_work = std::make_unique<BackgroundPictures>(m_choices);
    connect(m_work.get(), &BackgroundPictures::preparing, &m_heard, [this](qsizetype index) { showStep(index); });
    connect(m_work.get(), &BackgroundPictures::kept, &m_heard, [this](int kept) { showPicture(kept); });
    connect(m_work.get(), &BackgroundPictures::refused, &m_heard, [this](int, const QString &why) { m_refusals.append(why); });
    connect(m_work.get(), &BackgroundPictures::ended, &m_heard, [this] { end(); });
    m_paused = std::make_unique<PausedControls>(*this);
    m_progress = m_commonDialog.showProgress(this, tr("Calendar Pictures"), tr("Preparing the pictures…"), [this] {
        if (m_work)
            m_work->cancel();
    });
    m_work->start();
}

void PicturesDialog::showStep(qsizetype index)
{
    if (m_progress && index < m_choices.size())
        m_progress->setText(tr("Preparing %1 for %2 (%3 of %4)…")
                                .arg(QFileInfo(m_choices.at(index).file).fileName(),
                                     PicturePlaces::label(m_choices.at(index).place))
                                .arg(index + 1)
                                .arg(m_choices.size()));
}

void PicturesDialog::end()
{
    // Work given up when the dialog closed says nothing more.
    if (!m_work)
        return;
    m_work.reset();
    m_progress.reset();
    m_paused.reset();
    QStringList said = m_refusals;
    if (m_leftOver > 0)
        said.append(tr("There are no places left after %1 for %2 of the pictures; they were left out.")
                        .arg(PicturePlaces::label(m_choices.last().place))
                        .arg(m_leftOver));
    if (!said.isEmpty())
        UserMessages::information(tr("Not every picture could be used; the others are kept.\n\n%1").arg(said.join(QStringLiteral("\n\n"))));
}

void PicturesDialog::done(int result)
{
    if (m_work) {
        // The picture being prepared is finished first; the rest is not started.
        m_work->cancel();
        m_work.reset();
        m_progress.reset();
        m_paused.reset();
    }
    if (m_coverTitle->text().trimmed() == m_options.ownCoverTitle()) {
        QDialog::done(result);
        return;
    }
    if (const CalendarEntryStore::WriteResult stored = m_options.setCoverTitle(m_coverTitle->text()); !stored.saved)
        UserMessages::information(tr("The cover's title could not be stored: %1").arg(stored.problem));
    QDialog::done(result);
}
