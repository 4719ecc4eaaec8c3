#pragma once

#include "core/WordApplication.h"

#include <memory>

// Creates office instances: CreateObject("Word.Application"). The program uses the
// LibreOffice engine; tests of the callers use a fake one.
class WordEngine
{
public:
    virtual ~WordEngine() = default;

    // A new, invisible instance of its own. Throws OfficeError when none can be started.
    virtual std::unique_ptr<WordApplication> createApplication() = 0;
};
