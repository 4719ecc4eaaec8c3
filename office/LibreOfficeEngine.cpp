#include "office/LibreOfficeEngine.h"

#include "office/LibreOfficeApplication.h"
#include "office/ProfileSeed.h"

namespace {

using namespace std::chrono_literals;

// An office starts in well under a second; the margin is for a machine under load.
constexpr auto startTimeout = 30s;

} // namespace

LibreOfficeEngine::LibreOfficeEngine(QString officeProgram)
    : m_officeProgram(std::move(officeProgram))
    , m_profileSeed(std::make_shared<ProfileSeed>())
{
}

std::unique_ptr<WordApplication> LibreOfficeEngine::createApplication()
{
    return std::make_unique<LibreOfficeApplication>(m_officeProgram, startTimeout, m_profileSeed);
}

QString LibreOfficeEngine::defaultOfficeProgram()
{
    return QStringLiteral(LO_PROGRAM_DIR "/soffice.bin");
}
