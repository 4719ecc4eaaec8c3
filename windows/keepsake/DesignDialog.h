#pragma once

#include "core/shell/PaperSize.h"

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class WordEngine;

// Calendar ▸ Design…: every design the program carries, by name, with a picture of its
// first pages on the person's paper. Pictures kept from earlier show at once; the others
// are drawn by one office, one design after another, while the dialog answers (an office
// call lets the window's events flow). A design whose picture cannot be drawn keeps its
// name alone. Closing the dialog stops the drawing after the design being drawn, and the
// office ends.
class DesignDialog : public QDialog
{
    Q_OBJECT

public:
    DesignDialog(WordEngine &engine, PaperSize paper, const QString &chosen, QWidget *parent);

    // The design chosen, by name.
    QString chosen() const;
    // True once an office was asked for: the engine's ready offices may have been taken.
    bool usedOffice() const { return m_usedOffice; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls(const QString &chosen);
    void showKeptPictures();
    void drawMissingPictures();
    void showPicture(int row, const QImage &picture);

    WordEngine &m_engine;
    const PaperSize m_paper;
    QListWidget *m_designs = nullptr;
    QLabel *m_status = nullptr;
    bool m_drawingStarted = false;
    bool m_usedOffice = false;
};
