#include "windows/widgets/PictureBox.h"

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
}
