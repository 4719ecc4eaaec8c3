#include "core/wordgen/OfficeSession.h"

#include "core/shell/ErrorReport.h"
#include "core/wordgen/OfficeError.h"

#include <exception>

OfficeSession::OfficeSession(WordEngine &engine, const ErrorReport &report)
    : m_engine(engine)
    , m_report(report)
{
}

OfficeSession::~OfficeSession() = default;

bool OfficeSession::start(int label)
{
    m_usable = m_report.step(label, [this] { m_application = m_engine.createApplication(); });
    return m_usable;
}

bool OfficeSession::open(int label, const QString &path, bool readOnly)
{
    m_usable = step(label, [&](WordApplication &word) { word.openDocument(path, readOnly); });
    return m_usable;
}

bool OfficeSession::step(int label, const std::function<void(WordApplication &)> &statement)
{
    if (!m_usable)
        return false;
    return m_report.step(label, [&] {
        try {
            statement(*m_application);
        } catch (const OfficeInstanceLost &) {
            m_usable = false;
            throw;
        }
    });
}

bool OfficeSession::attempt(int label, const std::function<void(WordApplication &)> &statement)
{
    if (!m_usable)
        return false;
    try {
        statement(*m_application);
        return true;
    } catch (const OfficeInstanceLost &error) {
        m_usable = false;
        m_report.report(label, QString::fromUtf8(error.what()));
    } catch (const std::exception &) {
        // The caller goes the slower way, which reports what fails there.
    }
    return false;
}

void OfficeSession::quit(int label)
{
    if (!m_application)
        return;
    if (m_usable) {
        m_report.step(label, [this] { m_application->quit(); });
        return;
    }
    try {
        m_application->quit();
    } catch (const std::exception &) {
        // Already reported once; release() ends the process regardless.
    }
}

void OfficeSession::release()
{
    m_application.reset();
    m_usable = false;
}
