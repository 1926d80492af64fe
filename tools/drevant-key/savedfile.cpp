// SPDX-License-Identifier: GPL-3.0-or-later
#include "savedfile.h"

#include "export/atomicfile.h"
#include "export/filenames.h"
#include "export/filesystem.h"

#include <QCoreApplication>

namespace drevant::keytool {

std::optional<QString> writeTargetProblem(const QString& name) {
    switch (nameKind(nameBytes(name))) {
    case NameKind::Missing:
    case NameKind::RegularFile:
        return std::nullopt;
    case NameKind::SymbolicLink:
        return QCoreApplication::translate("KeyTool",
                                           "is a symbolic link: nothing is written through it");
    case NameKind::Folder:
        return QCoreApplication::translate("KeyTool", "is a folder, not a file to write");
    case NameKind::Other:
        break;
    }
    return QCoreApplication::translate(
        "KeyTool", "is not a regular file (a device, pipe or socket): nothing is written there");
}

std::optional<QString> saveFile(const QString& name, const QByteArray& bytes, const QString& what) {
    // Checked again just before writing: the name may have changed since the run began.
    if (const auto problem = writeTargetProblem(name))
        return problem;
    const auto failed = [&](const QString& why) -> std::optional<QString> {
        return QCoreApplication::translate("KeyTool", "cannot write %1 %2: %3")
            .arg(what, shownName(name), why);
    };
    AtomicFile file(name);
    if (!file.open())
        return failed(file.errorString());
    if (file.device().write(bytes) != bytes.size()) {
        const QString why = file.device().errorString();
        file.cancel();
        return failed(why);
    }
    if (!file.commit())
        return failed(file.errorString());
    return std::nullopt;
}

std::optional<QString> makeOutputFolder(const QString& name) {
    const QString reason = makeFolders(nameBytes(name));
    if (reason.isEmpty())
        return std::nullopt;
    return QCoreApplication::translate("KeyTool", "cannot create the folder %1: %2")
        .arg(shownName(name), reason);
}

QString pathInFolder(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

} // namespace drevant::keytool
