#include "core/wordgen/SpaceCheckedSave.h"

#include "core/shell/DiskSpace.h"
#include "core/wordgen/OfficeError.h"
#include "core/wordgen/WordApplication.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <stdexcept>

namespace {

QString noRoomIn(const QString &folder)
{
    return QCoreApplication::translate("SpaceCheckedSave",
                                       "The calendar cannot be saved in %1: there is not enough space left on its disk (%2 free on %3).")
        .arg(QDir::toNativeSeparators(folder),
             QLocale().formattedDataSize(std::max<qint64>(DiskSpace::available(folder), 0), 1,
                                         QLocale::DataSizeTraditionalFormat),
             QDir::toNativeSeparators(DiskSpace::mountPoint(folder)));
}

} // namespace

void SpaceCheckedSave::saveAs(WordApplication &word, const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (DiskSpace::isShort(folder))
        throw std::runtime_error(noRoomIn(folder).toStdString());
    try {
        word.saveAs(path);
    } catch (const OfficeInstanceLost &) {
        if (DiskSpace::isShort(folder))
            throw OfficeInstanceLost(noRoomIn(folder));
        throw;
    } catch (const OfficeError &) {
        if (DiskSpace::isShort(folder))
            throw OfficeError(noRoomIn(folder));
        throw;
    }
}
