#include "windows/PictureBox.h"

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
}
