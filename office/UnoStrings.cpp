#include "office/UnoStrings.h"

#include "core/wordgen/OfficeError.h"

#include <QFileInfo>

#include <osl/file.hxx>

namespace UnoStrings {

OUString fileUrl(const QString &path)
{
    OUString url;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (osl::FileBase::getFileURLFromSystemPath(toOUString(absolute), url) != osl::FileBase::E_None)
        throw OfficeError(QStringLiteral("The path %1 cannot be used by the office.").arg(path));
    return url;
}

} // namespace UnoStrings
