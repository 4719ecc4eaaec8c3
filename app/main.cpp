#include "office/LibreOfficeEngine.h"
#include "core/UserMessages.h"
#include "windows/Form1.h"
#include "windows/MessageBoxPresenter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MessageBoxPresenter messageBoxes;
    UserMessages::setPresenter(&messageBoxes);
    LibreOfficeEngine engine;

    Form1 form(engine);
    form.Form_Load();
    if (form.programEnded())
        return 0;
    form.show();
    return app.exec();
}
