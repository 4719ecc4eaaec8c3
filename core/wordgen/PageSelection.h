#pragma once

#include <vector>

// The insertion point and the selection over a document's laid-out pages, with page-wise
// deletion. The page capture walks a document by copying its first page, selecting from
// the document's start to the start of the next page and deleting that; here such a
// deletion takes the page out of the list of pages that remain, so the next page becomes
// the first. The pages keep their numbers in the layout they were taken from.
//
// Positions are page starts: position i is the start of the i-th remaining page, and the
// number of remaining pages is the document's end.
class PageSelection
{
public:
    // A document of the given number of pages, the insertion point at its start.
    void reset(int pageCount);

    // Selection.GoTo next page: the insertion point moves to the start of the page after
    // the one it stands on; on the last page it stays at that page's start.
    void goToNextPage();
    // Selection.HomeKey whole document, extend: the selection runs from the document's
    // start to where it was anchored.
    void homeKeyExtend();
    // Selection.EndKey whole document, extend: the selection runs on to the document's end.
    void endKeyExtend();
    // Removes the selected pages; the insertion point stands where they began.
    void deleteSelection();

    // The layout's number (from 1) of the page that is now first; 0 when none remains.
    int firstPage() const;
    int remainingPages() const { return int(m_pages.size()); }

private:
    std::vector<int> m_pages;
    int m_anchor = 0;
    int m_active = 0;
};
