#pragma once

#include "core/WordEngine.h"
#include "office/OfficeTimeLimits.h"

#include <QString>

#include <memory>

class ProfileSeed;

// The office engine of the program: every instance is a private, headless LibreOffice
// process of its own, driven through UNO.
class LibreOfficeEngine : public WordEngine
{
public:
    // officeProgram: the soffice.bin to run; the installed LibreOffice by default.
    explicit LibreOfficeEngine(QString officeProgram = defaultOfficeProgram(), OfficeTimeLimits limits = {});

    std::unique_ptr<WordApplication> createApplication() override;

    static QString defaultOfficeProgram();

private:
    QString m_officeProgram;
    OfficeTimeLimits m_limits;
    // The first instance that ends cleanly leaves its set-up profile here; later instances
    // start from a copy of it and skip the office's first-start set-up.
    std::shared_ptr<ProfileSeed> m_profileSeed;
};
