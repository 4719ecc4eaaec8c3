#pragma once

#include <QString>

#include <optional>

// The paper the calendar is laid out for. Each has a template of its own, with the page
// size, margins and row heights of that paper.
enum class PaperSize {
    Letter, // 8.5 × 11 inches
    A4,     // 210 × 297 mm
    A5,     // 148 × 210 mm
};

namespace PaperSizes {

inline constexpr PaperSize all[] = {PaperSize::Letter, PaperSize::A4, PaperSize::A5};

// "letter", "a4", "a5": the name on the command line and in the settings file.
QString name(PaperSize paper);
// "Letter", "A4", "A5", as people write them.
QString label(PaperSize paper);
// The paper a name or label names, letter case aside; none for anything else.
std::optional<PaperSize> fromName(const QString &name);
// "letter, a4 or a5", for messages.
QString knownNames();

// The paper usual where the person lives: Letter when the paper of their locale (LC_PAPER,
// as the environment sets it now) is Letter, and in the C/POSIX locale or one that is not
// installed; A4 everywhere else.
PaperSize localeDefault();

} // namespace PaperSizes
