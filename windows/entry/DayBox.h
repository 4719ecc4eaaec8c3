#pragma once

#include <QLineEdit>

// One day's entry box: a single-line text box with a one-pixel border that knows its
// month and index, and tells the panel when it takes the focus and when the pointer
// moves over it.
class DayBox : public QLineEdit
{
    Q_OBJECT

public:
    DayBox(int month, int index, QWidget *parent);

    int month() const { return m_month; }
    int index() const { return m_index; }

signals:
    void focused(DayBox *box, Qt::FocusReason reason);
    void mouseMoved();

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_month;
    int m_index;
};
