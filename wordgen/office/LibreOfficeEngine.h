#pragma once

#include "wordgen/WordEngine.h"

#include <QString>

// The office engine of the program: every instance is a private, headless LibreOffice
// process of its own, driven through UNO.
class LibreOfficeEngine : public WordEngine
{
public:
    // officeProgram: the soffice.bin to run; the installed LibreOffice by default.
    explicit LibreOfficeEngine(QString officeProgram = defaultOfficeProgram());

    std::unique_ptr<WordApplication> createApplication() override;

    static QString defaultOfficeProgram();

private:
    QString m_officeProgram;
};
