#include "windows/shell/ApplySkin.h"

#include "windows/widgets/PictureBox.h"
#include "windows/shell/SkinEngine.h"
#include "windows/widgets/SystemColors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QWidget>

namespace {

// The day-number labels keep their own light grey under the skin.
const QString dayNumberLabelName = QStringLiteral("Label2");

// A normal file: not a folder, not hidden, not a broken link or device.
bool skinFileListed(const QString &skinPath)
{
    const QFileInfo info(skinPath);
    return !info.dir().entryList({info.fileName()}, QDir::Files).isEmpty();
}

bool takesButtonFace(const QWidget *control)
{
    if (qobject_cast<const QLabel *>(control) && control->objectName() == dayNumberLabelName)
        return false;
    return SystemColors::followsWindowColours(control) || qobject_cast<const PictureBox *>(control);
}

} // namespace

QString SkinFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/x/o.cjs");
}

void ApplySkin(QWidget *mainWindow, SkinEngine &skinFramework, const QString &skinPath)
{
    if (!skinFileListed(skinPath))
        return;
    const QColor buttonFace = SystemColors::buttonFace();
    SystemColors::setBackground(mainWindow, buttonFace);
    const QList<QWidget *> controls = mainWindow->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (takesButtonFace(control))
            SystemColors::setBackground(control, buttonFace);
    }
    skinFramework.loadSkin(skinPath, QString());
    skinFramework.apply();
}
