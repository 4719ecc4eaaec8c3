#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QPushButton;

// One place of the calendar for a picture (the cover or a month) in the Pictures dialog:
// its name, a thumbnail of its picture, Choose… and Remove. Picture files dropped on it
// are offered to it.
class PicturePlaceView : public QFrame
{
    Q_OBJECT

public:
    PicturePlaceView(int place, QWidget *parent);

    int place() const { return m_place; }
    // Shows the place's picture, or that it has none (a null image).
    void showPicture(const QImage &thumbnail);

signals:
    void chooseAsked(int place);
    void removeAsked(int place);
    void filesDropped(int place, const QStringList &files);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    const int m_place;
    QLabel *m_thumbnail = nullptr;
    QPushButton *m_remove = nullptr;
};
