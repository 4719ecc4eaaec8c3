#include "core/TempFolder.h"
#include "core/UserMessages.h"
#include "office/LibreOfficeEngine.h"
#include "office/OfficeSocketLeftovers.h"
#include "windows/Form1.h"
#include "windows/MessageBoxPresenter.h"

#include <QApplication>
#include <QScopeGuard>

#include <malloc.h>

int main(int argc, char *argv[])
{
    // Page pictures are large and short-lived, and are made on several threads: with a
    // fixed threshold each is mapped on its own and goes back to the system when freed,
    // instead of staying in the heap of whichever thread made it.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    QApplication app(argc, argv);
    MessageBoxPresenter messageBoxes;
    UserMessages::setPresenter(&messageBoxes);

    // What killed runs of the program left behind goes; this run's temporary files go when
    // it ends, after its offices have.
    TempFolder::removeOrphans();
    OfficeSocketLeftovers::removeStale();
    const auto removeTemporaryFiles = qScopeGuard([] { TempFolder::removeOwn(); });

    LibreOfficeEngine engine;
    Form1 form(engine);
    form.Form_Load();
    if (form.programEnded())
        return 0;
    form.show();
    return app.exec();
}
