#pragma once

#include <QLineEdit>

// One day's entry box: a single-line text box with a one-pixel border that knows its
// month and index, and tells the panel when it takes the focus and when the pointer
// moves over it. It takes no control characters and at most
// EntryTextValidator::longestText characters, and says so when it leaves out some of what
// the person typed, pasted or dropped.
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
    // A short notice for the person: what was left out of their typing or paste.
    void leftOut(const QString &notice);

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void tellLeftOut(bool controls, bool rest);

    int m_month;
    int m_index;
    bool m_personActing = false; // the box handles the person's keys, mouse, drop or input method

};
