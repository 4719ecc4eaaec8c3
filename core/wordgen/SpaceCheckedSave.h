#pragma once

#include <QString>

class WordApplication;

// Saves the built document only on a disk with room for it. A full disk is named as the
// cause (the folder, the disk and the room left on it), before the office is asked (an
// office saving to a full disk may keep the build waiting for its whole time limit) and
// when the office's save fails, never left to look like a failing office.
namespace SpaceCheckedSave {

// Document.SaveAs path, as WordApplication::saveAs; a lost office stays a lost office.
void saveAs(WordApplication &word, const QString &path);

} // namespace SpaceCheckedSave
