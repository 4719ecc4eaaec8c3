#include "core/wordgen/PageSelection.h"

#include <algorithm>
#include <numeric>

void PageSelection::reset(int pageCount)
{
    m_pages.resize(std::max(pageCount, 0));
    std::iota(m_pages.begin(), m_pages.end(), 1);
    m_anchor = m_active = 0;
}

void PageSelection::goToNextPage()
{
    const int lastPage = std::max(remainingPages() - 1, 0);
    const int current = std::min(m_active, lastPage);
    m_anchor = m_active = std::min(current + 1, lastPage);
}

void PageSelection::homeKeyExtend()
{
    m_active = 0;
}

void PageSelection::endKeyExtend()
{
    m_active = remainingPages();
}

void PageSelection::deleteSelection()
{
    const int from = std::min(m_anchor, m_active);
    const int to = std::max(m_anchor, m_active);
    m_pages.erase(m_pages.begin() + from, m_pages.begin() + to);
    m_anchor = m_active = from;
}

int PageSelection::firstPage() const
{
    return m_pages.empty() ? 0 : m_pages.front();
}
