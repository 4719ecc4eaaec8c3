// The page model behind the engines' page movements: the selections that the capture's
// walk (run on both engines by the engine contract test) does not make.

#include "tests/support/TestMain.h"
#include "core/wordgen/PageSelection.h"

#include <QTest>

class PageSelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void selectionsThatAreNotTheWalk()
    {
        PageSelection pages;
        pages.reset(4);
        // Nothing selected: deleting removes no page.
        pages.deleteSelection();
        QCOMPARE(pages.remainingPages(), 4);

        // From the start of page 3 to the end: pages 3 and 4 go, page 1 stays first.
        pages.goToNextPage();
        pages.goToNextPage();
        pages.endKeyExtend();
        pages.deleteSelection();
        QCOMPARE(pages.remainingPages(), 2);
        QCOMPARE(pages.firstPage(), 1);

        // On the last page, "next page" stays there; from it to the start takes page 1.
        pages.goToNextPage();
        pages.goToNextPage();
        pages.homeKeyExtend();
        pages.deleteSelection();
        QCOMPARE(pages.firstPage(), 2);

        // Everything selected and deleted leaves no page.
        pages.endKeyExtend();
        pages.deleteSelection();
        QCOMPARE(pages.remainingPages(), 0);
        QCOMPARE(pages.firstPage(), 0);
        pages.goToNextPage();
        pages.homeKeyExtend();
        pages.deleteSelection();
        QCOMPARE(pages.firstPage(), 0);

        // A new document starts over.
        pages.reset(1);
        QCOMPARE(pages.firstPage(), 1);
        pages.goToNextPage();
        pages.homeKeyExtend();
        pages.deleteSelection();
        QCOMPARE(pages.firstPage(), 1);
    }
};

DAYBLOOM_TEST_MAIN(PageSelectionTest)
#include "PageSelectionTest.moc"
