#include "windows/entry/EntryTextValidator.h"

#include "core/shell/PlainText.h"

EntryTextValidator::EntryTextValidator(std::function<void(LeftOut)> leftOut, QObject *parent)
    : QValidator(parent)
    , m_leftOut(std::move(leftOut))
{
}

QValidator::State EntryTextValidator::validate(QString &input, int &position) const
{
    LeftOut leftOut;
    bool droppedBefore = false;
    bool droppedAfter = false;
    const QString before = PlainText::withoutControls(input.first(position), &droppedBefore);
    input = before + PlainText::withoutControls(input.sliced(position), &droppedAfter);
    position = int(before.size());
    leftOut.controls = droppedBefore || droppedAfter;
    if (const qsizetype excess = input.size() - longestText; excess > 0) {
        // What was inserted last ends at the cursor; never half of a character outside the
        // Basic Multilingual Plane.
        qsizetype start = std::max<qsizetype>(0, position - excess);
        qsizetype end = start + excess;
        if (start > 0 && input.at(start - 1).isHighSurrogate())
            --start;
        if (end < input.size() && input.at(end).isLowSurrogate())
            ++end;
        input.remove(start, end - start);
        position = int(std::min<qsizetype>(start, input.size()));
        leftOut.rest = true;
    }
    if (leftOut.controls || leftOut.rest)
        m_leftOut(leftOut);
    return Acceptable;
}
