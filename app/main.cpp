#include "core/TempFolder.h"
#include "core/UserMessages.h"
#include "office/LibreOfficeEngine.h"
#include "office/OfficeSocketLeftovers.h"
#include "windows/Form1.h"
#include "windows/MessageBoxPresenter.h"

#include <QApplication>
#include <QScopeGuard>

int main(int argc, char *argv[])
{
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
