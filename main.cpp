#include "shell/Form1.h"
#include "wordgen/office/LibreOfficeEngine.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    LibreOfficeEngine engine;
    Form1 form(engine);
    if (form.programEnded())
        return 0;
    form.show();
    return app.exec();
}
