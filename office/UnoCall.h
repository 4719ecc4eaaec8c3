#pragma once

// Internal to the office engine: included by its .cpp files only.

#include "core/wordgen/OfficeError.h"
#include "office/UnoStrings.h"

#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/uno/Exception.hpp>
#include <com/sun/star/uno/RuntimeException.hpp>

#include <utility>

// Runs one piece of UNO work. A UNO exception does not get past this point: it becomes an
// OfficeError that says what was being done and what the office answered. A dead office
// ("disposed" bridge) is named as such, since its own message says little.
template<typename Work>
decltype(auto) unoCall(const QString &what, Work &&work)
{
    try {
        return std::forward<Work>(work)();
    } catch (const css::lang::DisposedException &) {
        throw OfficeInstanceLost(QStringLiteral("%1: the office is no longer running.").arg(what));
    } catch (const css::uno::Exception &error) {
        const QString message = UnoStrings::toQString(error.Message).trimmed();
        throw OfficeError(message.isEmpty() ? QStringLiteral("%1: the office reported an error.").arg(what)
                                            : QStringLiteral("%1: %2").arg(what, message));
    }
}
