// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace drevant::keytool {

// Every file the tool writes goes through here. A class folder comes from students, so a
// name may already be a symbolic link (to another student's file, or dangling to anywhere),
// a folder, a pipe or a device: such a target is refused, never written through. A regular
// file is replaced whole (written beside it and renamed over it when complete).

// Why nothing may be written at `name`, in one line; nothing for a regular file or a new name.
std::optional<QString> writeTargetProblem(const QString& name);

// Writes `bytes` as the file `name`; the reason in one line when that fails or is refused
// ("cannot write <what> <name>: <reason>").
std::optional<QString> saveFile(const QString& name, const QByteArray& bytes,
                                const QString& what = QStringLiteral("the file"));

// Creates an output folder and those above it; the reason in one line when it cannot.
std::optional<QString> makeOutputFolder(const QString& name);

// `folder` + "/" + `name`, the characters of both kept as they are (bytes of names that are
// not UTF-8 included).
QString pathInFolder(const QString& folder, const QString& name);

} // namespace drevant::keytool
