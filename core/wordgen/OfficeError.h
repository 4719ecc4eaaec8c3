#pragma once

#include <stdexcept>
#include <string>

#include <QString>

// A failed operation of the office engine, with a description a person can read. The
// error report shows what() as the first line of its box.
class OfficeError : public std::runtime_error
{
public:
    explicit OfficeError(const QString &description)
        : std::runtime_error(description.toStdString())
    {
    }
};

// The office instance is gone: its process ended or was stopped, or its connection broke.
// Nothing more can be done with this instance; a procedure reports this once and skips its
// remaining office statements.
class OfficeInstanceLost : public OfficeError
{
public:
    using OfficeError::OfficeError;
};
