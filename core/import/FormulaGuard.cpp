#include "core/import/FormulaGuard.h"

namespace {

constexpr QChar apostrophe = u'\'';

bool startsFormula(QChar ch)
{
    return ch == u'=' || ch == u'+' || ch == u'-' || ch == u'@' || ch == u'\t' || ch == u'\r';
}

// Whether the text is apostrophes (at least `apostrophes` of them) and then a character
// that starts a formula.
bool looksGuarded(const QString &text, qsizetype apostrophes)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == apostrophe)
        ++start;
    return start >= apostrophes && start < text.size() && startsFormula(text.at(start));
}

} // namespace

QString FormulaGuard::added(const QString &text)
{
    return looksGuarded(text, 0) ? apostrophe + text : text;
}

QString FormulaGuard::removed(const QString &cell)
{
    return looksGuarded(cell, 1) ? cell.sliced(1) : cell;
}
