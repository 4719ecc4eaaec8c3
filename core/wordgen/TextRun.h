#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>

// A stretch of a cell's text and the character style it is set in; an empty style leaves
// the paragraph's own look.
struct TextRun {
    QString text;
    QString characterStyle;

    bool operator==(const TextRun &other) const = default;
};
using TextRuns = QList<TextRun>;

// The runs' text, without its styles.
inline QString plainText(const TextRuns &runs)
{
    QString text;
    for (const TextRun &run : runs)
        text += run.text;
    return text;
}

inline QStringList plainTexts(const QList<TextRuns> &cells)
{
    QStringList texts;
    for (const TextRuns &runs : cells)
        texts.append(plainText(runs));
    return texts;
}

// True when some run is set in a character style of its own.
inline bool hasStyledRun(const TextRuns &runs)
{
    return std::any_of(runs.cbegin(), runs.cend(), [](const TextRun &run) { return !run.characterStyle.isEmpty(); });
}
