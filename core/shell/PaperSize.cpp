#include "core/shell/PaperSize.h"

#include <langinfo.h>
#include <locale.h>

#include <array>
#include <cstring>
#include <utility>

namespace {

constexpr std::array<std::pair<PaperSize, const char *>, 3> labels{{
    {PaperSize::Letter, "Letter"},
    {PaperSize::A4, "A4"},
    {PaperSize::A5, "A5"},
}};

// glibc answers the paper's numeric items in the pointer nl_langinfo returns, as a word.
unsigned int numericItem(nl_item item, locale_t locale)
{
    union {
        char *string;
        unsigned int word;
    } value;
    value.string = nl_langinfo_l(item, locale);
    return value.word;
}

} // namespace

QString PaperSizes::name(PaperSize paper)
{
    return label(paper).toLower();
}

QString PaperSizes::label(PaperSize paper)
{
    for (const auto &[known, text] : labels)
        if (known == paper)
            return QString::fromLatin1(text);
    return QString();
}

std::optional<PaperSize> PaperSizes::fromName(const QString &name)
{
    for (const auto &[paper, text] : labels)
        if (name.trimmed().compare(QLatin1String(text), Qt::CaseInsensitive) == 0)
            return paper;
    return std::nullopt;
}

QString PaperSizes::knownNames()
{
    return QStringLiteral("letter, a4 or a5");
}

PaperSize PaperSizes::localeDefault()
{
    // Read from the environment afresh (LC_ALL, LC_PAPER, LANG), whatever the program's
    // own locale is set to.
    const locale_t locale = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr))
        return PaperSize::Letter;
    const char *localeName = nl_langinfo_l(_NL_LOCALE_NAME(LC_PAPER), locale);
    // glibc gives the C locale A4; the program's C locale is the American one.
    const bool cLocale = localeName
        && (std::strcmp(localeName, "C") == 0 || std::strcmp(localeName, "POSIX") == 0
            || std::strncmp(localeName, "C.", 2) == 0);
    const bool letter = numericItem(_NL_PAPER_WIDTH, locale) == 216 && numericItem(_NL_PAPER_HEIGHT, locale) == 279;
    freelocale(locale);
    return cLocale || letter ? PaperSize::Letter : PaperSize::A4;
}
