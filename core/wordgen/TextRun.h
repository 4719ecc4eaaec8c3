#pragma once

#include <QList>
#include <QString>

// A stretch of a cell's text and the character style it is set in; an empty style leaves
// the paragraph's own look.
struct TextRun {
    QString text;
    QString characterStyle;

    bool operator==(const TextRun &other) const = default;
};
using TextRuns = QList<TextRun>;
