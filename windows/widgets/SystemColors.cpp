#include "windows/widgets/SystemColors.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QWidget>

QColor SystemColors::buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

void SystemColors::setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

bool SystemColors::followsWindowColours(const QWidget *control)
{
    return qobject_cast<const QRadioButton *>(control) || qobject_cast<const QCheckBox *>(control)
        || qobject_cast<const QGroupBox *>(control) || qobject_cast<const QLabel *>(control);
}

void ApplySystemColors(QWidget *window)
{
    const QColor colour = SystemColors::buttonFace();
    SystemColors::setBackground(window, colour);
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (SystemColors::followsWindowColours(control))
            SystemColors::setBackground(control, colour);
    }
}
