#include "windows/keepsake/PicturePlaceView.h"

#include "core/entry/PicturePlaces.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QStringList localFiles(const QMimeData *data)
{
    QStringList files;
    if (!data)
        return files;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    return files;
}

} // namespace

PicturePlaceView::PicturePlaceView(int place, QWidget *parent)
    : QFrame(parent)
    , m_place(place)
{
    setObjectName(QStringLiteral("place-") + PicturePlaces::key(place));
    setFrameShape(QFrame::StyledPanel);
    setAcceptDrops(true);
    auto *layout = new QVBoxLayout(this);
    auto *name = new QLabel(PicturePlaces::label(place), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    name->setAlignment(Qt::AlignHCenter);
    layout->addWidget(name);

    m_thumbnail = new QLabel(this);
    m_thumbnail->setObjectName(QStringLiteral("thumbnail"));
    m_thumbnail->setFixedSize(168, 100);
    m_thumbnail->setAlignment(Qt::AlignCenter);
    m_thumbnail->setWordWrap(true);
    layout->addWidget(m_thumbnail, 0, Qt::AlignHCenter);

    auto *buttons = new QHBoxLayout;
    auto *choose = new QPushButton(tr("Choose…"), this);
    choose->setObjectName(QStringLiteral("choose"));
    choose->setAccessibleName(tr("Choose a picture for %1").arg(PicturePlaces::label(place)));
    m_remove = new QPushButton(tr("Remove"), this);
    m_remove->setObjectName(QStringLiteral("remove"));
    m_remove->setAccessibleName(tr("Remove the picture of %1").arg(PicturePlaces::label(place)));
    buttons->addWidget(choose);
    buttons->addWidget(m_remove);
    layout->addLayout(buttons);
    connect(choose, &QPushButton::clicked, this, [this] { emit chooseAsked(m_place); });
    connect(m_remove, &QPushButton::clicked, this, [this] { emit removeAsked(m_place); });
    showPicture(QImage());
}

void PicturePlaceView::showPicture(const QImage &thumbnail)
{
    m_remove->setEnabled(!thumbnail.isNull());
    if (thumbnail.isNull()) {
        m_thumbnail->setPixmap(QPixmap());
        m_thumbnail->setText(tr("No picture yet.\nDrop one here."));
        m_thumbnail->setStyleSheet(QStringLiteral("QLabel { border: 1px dashed #a0a0a0; color: #707070; }"));
        return;
    }
    m_thumbnail->setStyleSheet(QString());
    m_thumbnail->setPixmap(QPixmap::fromImage(
        thumbnail.scaled(m_thumbnail->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void PicturePlaceView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void PicturePlaceView::dropEvent(QDropEvent *event)
{
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(m_place, files);
}
