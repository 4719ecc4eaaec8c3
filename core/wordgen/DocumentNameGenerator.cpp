#include "core/wordgen/DocumentNameGenerator.h"

#include <QTime>

#include <algorithm>

DocumentNameGenerator::DocumentNameGenerator(Clock secondsSinceMidnight)
    : m_clock(std::move(secondsSinceMidnight))
{
}

DocumentNameGenerator &DocumentNameGenerator::shared()
{
    static DocumentNameGenerator generator;
    return generator;
}

void DocumentNameGenerator::reseed()
{
    const int seed = m_clock();
    if (m_seed == seed)
        return;
    m_seed = seed;
    m_generator.seed(static_cast<std::mt19937::result_type>(seed));
    m_uniform.reset();
}

int DocumentNameGenerator::drawDigit()
{
    // The clamp guards against a uniform draw that rounds up to exactly 1.
    return std::min(static_cast<int>(m_uniform(m_generator) * 9.0), 8) + 1;
}

int DocumentNameGenerator::secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}
