#include "shell/PictureBox.h"

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
}
