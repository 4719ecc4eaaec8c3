#pragma once

#include <QString>

// What the program lives on: the settings file and what is kept beside it under its name
// (the safety copy, the lock, damaged files set aside), the program's folders in the user's
// cache and data folders, and its private temporary folders. No file written for the
// person may take the place of any of them. Files are told apart by what they are on disk
// (links followed, device and inode compared), never by how a path spells them.
namespace ProgramFiles {

// The program's folder in the user's cache (the office profile kept between runs); empty
// when the user has no cache folder.
QString cacheFolder();
// The program's folder in the user's data folder.
QString dataFolder();

// True when the file, which need not exist yet, is one of the program's own or lies in
// one of its folders.
bool holds(const QString &path);

} // namespace ProgramFiles
