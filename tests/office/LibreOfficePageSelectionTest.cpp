// The page model behind the office engine's page movements, without an office: the
// selections that the capture's walk (tested with a real office) does not make.

#include "tests/support/TestMain.h"
#include "office/PageSelection.h"

#include <QTest>

class LibreOfficePageSelectionTest : public QObject
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

DAYBLOOM_TEST_MAIN(LibreOfficePageSelectionTest)
#include "LibreOfficePageSelectionTest.moc"
