#include "windows/keepsake/DesignDialog.h"

#include "core/preview/DesignPictures.h"
#include "core/wordgen/CalendarDesigns.h"
#include "core/wordgen/WordApplication.h"
#include "core/wordgen/WordEngine.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {

// The room each design's picture gets in the list: two pages side by side.
const QSize pictureRoom(2 * DesignPictures::pageHeight * 4 / 5, DesignPictures::pageHeight / 2 + 12);

// A plain card while the picture is drawn, or when it cannot be.
QPixmap emptyCard(const QString &text)
{
    QPixmap card(pictureRoom);
    card.fill(QColor(0xf2, 0xf2, 0xf2));
    QPainter painter(&card);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(card.rect().adjusted(0, 0, -1, -1));
    painter.drawText(card.rect(), Qt::AlignCenter | Qt::TextWordWrap, text);
    return card;
}

} // namespace

DesignDialog::DesignDialog(WordEngine &engine, PaperSize paper, const QString &chosen, QWidget *parent)
    : QDialog(parent)
    , m_engine(engine)
    , m_paper(paper)
{
    createControls(chosen);
    showKeptPictures();
}

void DesignDialog::createControls(const QString &chosen)
{
    setWindowTitle(tr("Calendar Design"));
    setObjectName(QStringLiteral("designDialog"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Choose how the printed calendar looks. Each picture shows a design's first pages on "
                                "your paper (%1).")
                                 .arg(PaperSizes::label(m_paper)),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_designs = new QListWidget(this);
    m_designs->setObjectName(QStringLiteral("designs"));
    m_designs->setViewMode(QListView::IconMode);
    m_designs->setIconSize(pictureRoom);
    m_designs->setMovement(QListView::Static);
    m_designs->setResizeMode(QListView::Adjust);
    m_designs->setWrapping(true);
    m_designs->setSpacing(10);
    m_designs->setWordWrap(true);
    m_designs->setMinimumSize(2 * pictureRoom.width() + 80, 2 * pictureRoom.height() + 110);
    for (const CalendarDesign &design : CalendarDesigns::all()) {
        auto *item = new QListWidgetItem(QIcon(emptyCard(tr("Drawing…"))), design.label(), m_designs);
        item->setData(Qt::UserRole, design.name);
        item->setTextAlignment(Qt::AlignHCenter);
        if (design.name == chosen)
            m_designs->setCurrentItem(item);
    }
    if (!m_designs->currentItem())
        m_designs->setCurrentRow(0);
    layout->addWidget(m_designs, 1);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Use this design"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_designs, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString DesignDialog::chosen() const
{
    const QListWidgetItem *item = m_designs->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void DesignDialog::showKeptPictures()
{
    const DesignPictures pictures(m_paper);
    for (int row = 0; row < m_designs->count(); ++row)
        if (const QImage kept = pictures.kept(CalendarDesigns::all().at(row)); !kept.isNull())
            showPicture(row, kept);
}

void DesignDialog::showPicture(int row, const QImage &picture)
{
    QPixmap card(pictureRoom);
    card.fill(Qt::transparent);
    QPainter painter(&card);
    const QImage scaled = picture.scaled(pictureRoom, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawImage((card.width() - scaled.width()) / 2, (card.height() - scaled.height()) / 2, scaled);
    painter.end();
    QListWidgetItem *item = m_designs->item(row);
    item->setIcon(QIcon(card));
    item->setData(Qt::UserRole + 1, true); // has its picture
}

void DesignDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_drawingStarted)
        return;
    m_drawingStarted = true;
    // Once the dialog has painted its names.
    QTimer::singleShot(0, this, &DesignDialog::drawMissingPictures);
}

void DesignDialog::drawMissingPictures()
{
    QList<int> missing;
    for (int row = 0; row < m_designs->count(); ++row)
        if (!m_designs->item(row)->data(Qt::UserRole + 1).toBool())
            missing.append(row);
    if (missing.isEmpty())
        return;
    m_status->setText(tr("Drawing the designs' pictures…"));
    m_usedOffice = true;
    std::unique_ptr<WordApplication> word;
    QStringList failures;
    try {
        word = m_engine.createApplication();
    } catch (const std::exception &error) {
        failures.append(QString::fromStdString(error.what()));
    }
    const DesignPictures pictures(m_paper);
    for (const int row : missing) {
        // Closed meanwhile: the rest is not drawn.
        if (!word || !isVisible())
            break;
        const CalendarDesign &design = CalendarDesigns::all().at(row);
        try {
            showPicture(row, pictures.draw(*word, design));
        } catch (const std::exception &error) {
            failures.append(QStringLiteral("%1: %2").arg(design.label(), QString::fromStdString(error.what())));
            m_designs->item(row)->setIcon(QIcon(emptyCard(design.label())));
        }
    }
    if (word)
        word->quit();
    m_status->setText(failures.isEmpty() ? QString()
                                         : tr("Some pictures could not be drawn; the designs can still be chosen.\n%1")
                                               .arg(failures.join(QLatin1Char('\n'))));
}
