#pragma once

#include <QWidget>

// A plain container that shows only the part of its children inside its bounds: the
// entry panel's viewport and the panel it scrolls. A kind of its own, so that the skin
// can tell picture boxes from other controls.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);
};
