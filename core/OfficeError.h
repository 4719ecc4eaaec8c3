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
