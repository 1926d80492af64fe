// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace drevant {

// Reading a file named on a command line or in an answer sheet: the name as nameFromBytes
// gives it, opened by its bytes. Every failure becomes one line without the name in front
// (the caller puts it there), and every "no such file" names the path it tried.

// The bytes of the regular file with this name, at most maxBytes of them; or nothing, with
// a one-line reason in `error`. `what` names the kind of file expected ("an export file"),
// for the messages of a folder and of a file too large; empty for any file.
std::optional<QByteArray> readNamedFile(const QString& name, qint64 maxBytes, QString& error,
                                        const QString& what = QString());

// "no such file: <path>", with the hint that "<path>.dat" exists when it does.
QString missingFileMessage(const QString& path);

// Whether a file of this name exists (by its bytes; a dangling link counts as missing).
bool nameExists(const QString& name);

} // namespace drevant
