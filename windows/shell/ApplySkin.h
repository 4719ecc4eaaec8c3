#pragma once

#include <QString>

class QWidget;
class SkinEngine;

// The skin file beside the executable: <folder of the executable>/x/o.cjs.
QString SkinFilePath();

// When the skin file is there: gives the main window, its frames, labels (except the
// day-number labels "Label2"), option buttons, check boxes and picture boxes the
// button-face background, then loads the skin into the window's skin engine and applies
// it. Without the file nothing changes. Errors go to the caller.
void ApplySkin(QWidget *mainWindow, SkinEngine &skinFramework, const QString &skinPath = SkinFilePath());
