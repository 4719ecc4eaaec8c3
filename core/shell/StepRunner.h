#pragma once

#include "core/shell/ErrorReport.h"

#include <functional>

// Runs the labelled statements of a routine that is guarded only when its caller is: with
// a report, each statement that fails is reported under its label and the routine goes
// on; without one, a failure goes to the caller.
class StepRunner
{
public:
    explicit StepRunner(const ErrorReport *report = nullptr)
        : m_report(report)
    {
    }

    void operator()(int label, const std::function<void()> &statement) const
    {
        if (m_report)
            m_report->step(label, statement);
        else
            statement();
    }

private:
    const ErrorReport *m_report;
};
