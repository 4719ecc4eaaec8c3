#include "core/shell/PlainText.h"

#include <algorithm>

namespace {

// Unicode's control characters (category Cc) are exactly these two ranges; told apart
// without a look-up, as names and entries can run to megabytes.
bool isAnyControl(QChar ch)
{
    return ch.unicode() < 0x20 || (ch.unicode() >= 0x7F && ch.unicode() < 0xA0);
}

} // namespace

bool PlainText::isControl(QChar ch)
{
    return isAnyControl(ch) && ch != u'\t' && ch != u'\n' && ch != u'\r';
}

QString PlainText::withoutControls(QString text, bool *dropped)
{
    const auto controls = std::remove_if(text.begin(), text.end(), isControl);
    if (dropped)
        *dropped = controls != text.end();
    text.erase(controls, text.end());
    return text;
}

QString PlainText::asTyped(QString text, bool *dropped)
{
    bool controls = false;
    for (QChar &ch : text) {
        controls = controls || isControl(ch);
        if (isAnyControl(ch) || ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator)
            ch = u' ';
    }
    if (dropped)
        *dropped = controls;
    return text.simplified();
}

QString PlainText::excerpt(const QString &text)
{
    // Enough of the text for the excerpt even where blanks run together, without going
    // through megabytes.
    const qsizetype looked = 5 * excerptLength;
    const QString line = asTyped(text.first(std::min(text.size(), looked)));
    if (line.size() <= excerptLength && text.size() <= looked)
        return line;
    // A character outside the Basic Multilingual Plane is two code units: never half of one.
    qsizetype kept = std::min(line.size(), excerptLength);
    if (kept > 0 && line.at(kept - 1).isHighSurrogate())
        --kept;
    return line.first(kept) + QChar(u'\u2026');
}
