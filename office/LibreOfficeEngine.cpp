#include "office/LibreOfficeEngine.h"

#include "office/LibreOfficeApplication.h"
#include "office/ProfileSeed.h"

LibreOfficeEngine::LibreOfficeEngine(QString officeProgram, OfficeTimeLimits limits)
    : m_officeProgram(std::move(officeProgram))
    , m_limits(limits)
    , m_profileSeed(std::make_shared<ProfileSeed>())
{
}

std::unique_ptr<WordApplication> LibreOfficeEngine::createApplication()
{
    return std::make_unique<LibreOfficeApplication>(m_officeProgram, m_limits, m_profileSeed);
}

QString LibreOfficeEngine::defaultOfficeProgram()
{
    return QStringLiteral(LO_PROGRAM_DIR "/soffice.bin");
}
