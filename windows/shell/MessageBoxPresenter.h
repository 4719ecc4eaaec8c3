#pragma once

#include "core/shell/MessagePresenter.h"

// Shows the program's messages as modal message boxes.
class MessageBoxPresenter : public MessagePresenter
{
public:
    Answer present(Kind kind, const QString &title, const QString &text) override;
    int choose(const QString &title, const QString &text, const QStringList &choices, int preselected) override;
};
