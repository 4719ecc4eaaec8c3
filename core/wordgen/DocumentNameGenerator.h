#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <random>

// Draws the digits of a generated document's name ("kestrel" and eight digits 1 to 9).
// The generator is seeded from the seconds since midnight before every draw; a seed equal
// to the previous one leaves the generator alone, so draws within the same second go on
// with the sequence instead of repeating it.
class DocumentNameGenerator
{
public:
    using Clock = std::function<int()>;

    static constexpr int digitCount = 8;
    static QString prefix() { return QStringLiteral("kestrel"); }
    static QString suffix() { return QStringLiteral(".doc"); }

    explicit DocumentNameGenerator(Clock secondsSinceMidnight = &DocumentNameGenerator::secondsSinceMidnight);

    // The program's one generator: the sequence continues from build to build.
    static DocumentNameGenerator &shared();

    void reseed();
    // 1 to 9: the integer part of a uniform number in [0, 1) times 9, plus 1.
    int drawDigit();

    static int secondsSinceMidnight();

private:
    Clock m_clock;
    std::optional<int> m_seed;
    std::mt19937 m_generator;
    std::uniform_real_distribution<double> m_uniform{0.0, 1.0};
};
