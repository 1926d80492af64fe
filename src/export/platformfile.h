// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

#include <optional>

// The few file operations of a safe save that differ between systems, one small function
// each: platformfile_posix.cpp and platformfile_windows.cpp implement them, CMake builds the
// one for the target system. Every failure comes back in the system's own words.
namespace drevant::platformfile {

// Why a save may not replace the file at path (a folder, a file that may not be written);
// nullopt when it may, or when there is no such file yet. exists tells which.
std::optional<QString> replaceProblem(const QString& path, bool& exists);

// Why a file named name cannot be made in folder (too long for its file system, a name the
// system forbids); nullopt when it can.
std::optional<QString> nameProblem(const QString& folder, const QString& name);

enum class Creation { Created, NameTaken, Refused, Failed };
// Creates path only if nothing has that name and opens it in file for writing, with the
// permissions of permissionsOf when that file exists. Refused: the folder does not let this
// user create files (rather than a missing folder, a full disk and so on).
Creation createNew(QFile& file, const QString& path, const QString& permissionsOf, QString& error);

// Opens the existing regular file at path for writing, emptied, keeping its owner,
// permissions and links (the save's fallback in a folder where no file may be created).
bool openInPlace(QFile& file, const QString& path, QString& error);

// Puts what was written to file on the disk (fsync, FlushFileBuffers).
bool syncToDisk(QFile& file, QString& error);

// Renames from over to in one step: to is either the old file or the new one.
bool replaceWith(const QString& from, const QString& to, QString& error);

// Removes a file, quietly (a temporary file that is dropped).
void removeQuietly(const QString& path);

} // namespace drevant::platformfile
