#include "windows/preview/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {

PrintDialog::Answer &nextAnswer()
{
    static PrintDialog::Answer answer;
    return answer;
}

} // namespace

bool PrintDialog::choose(QPrinter &printer, int pageCount, QWidget *parent)
{
    if (nextAnswer())
        return std::exchange(nextAnswer(), nullptr)(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    return dialog.exec() == QDialog::Accepted;
}

void PrintDialog::setNextAnswer(Answer answer)
{
    nextAnswer() = std::move(answer);
}
