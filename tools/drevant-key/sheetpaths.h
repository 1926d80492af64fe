// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace drevant::keytool {

// Names in an answer sheet are relative to the sheet's own folder, so a sheet keeps working
// wherever it is graded from, and grading reads nothing outside that folder.

// The file a sheet's name stands for: the path to open (the folder joined to the name, as
// the user sees it) and the file's canonical path, which tells two names of one file apart.
// An absolute name, one that leaves the folder by ".." or through a link, is a problem.
struct ResolvedName {
    QString path;
    QString identity; // canonical path; empty when the file does not exist
    QString problem;  // one line, when the name is refused
};
ResolvedName resolveSheetName(const QString& folder, const QString& name);

// The name to write into a sheet for `input` (as given on the command line), relative to the
// folder the sheet goes to (the working folder when unknown). Empty, with a reason in
// `problem`, for a file outside that folder.
QString sheetNameFor(const QString& input, const std::optional<QString>& sheetFolder,
                     QString& problem);

// The folder of the file standard output is redirected to, when it is a regular file.
std::optional<QString> standardOutputFolder();

// The canonical absolute path of an existing file or folder (links resolved), by its bytes.
std::optional<QString> canonicalPath(const QString& name);

} // namespace drevant::keytool
