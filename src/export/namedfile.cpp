// SPDX-License-Identifier: GPL-3.0-or-later
#include "namedfile.h"

#include "filenames.h"
#include "filesystem.h"

#include <QCoreApplication>

namespace drevant {

bool nameExists(const QString& name) {
    const NameKind kind = nameKind(nameBytes(name));
    if (kind == NameKind::SymbolicLink)
        return fileIdentity(nameBytes(name)) != FileIdentity{};
    return kind != NameKind::Missing;
}

QString missingFileMessage(const QString& path) {
    const QString withDat = path + QStringLiteral(".dat");
    if (!path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive) && nameExists(withDat)) {
        return QCoreApplication::translate("ExportFileReader",
                                           "no such file (%1 exists: give the name with .dat)")
            .arg(shownName(withDat));
    }
    return QCoreApplication::translate("ExportFileReader", "no such file");
}

std::optional<QByteArray> readNamedFile(const QString& name, qint64 maxBytes, QString& error,
                                        const QString& what) {
    RawFile file = readRegularFile(nameBytes(name), maxBytes);
    switch (file.status) {
    case RawFile::Read:
        return std::move(file.bytes);
    case RawFile::Missing:
        error = missingFileMessage(name);
        break;
    case RawFile::Folder:
        error =
            what.isEmpty()
                ? QCoreApplication::translate("ExportFileReader", "is a folder, not a file")
                : QCoreApplication::translate("ExportFileReader", "is a folder, not %1").arg(what);
        break;
    case RawFile::NotRegular:
        error = QCoreApplication::translate("ExportFileReader",
                                            "is not a regular file (a device, pipe or socket)");
        break;
    case RawFile::TooLarge:
        error = what.isEmpty()
                    ? QCoreApplication::translate("ExportFileReader",
                                                  "the file has %1 bytes, more than the %2 it "
                                                  "can have")
                          .arg(file.size)
                          .arg(maxBytes)
                    : QCoreApplication::translate("ExportFileReader",
                                                  "the file has %1 bytes, more than the %2 %3 "
                                                  "can have: not %3")
                          .arg(file.size)
                          .arg(maxBytes)
                          .arg(what);
        break;
    case RawFile::CannotOpen:
        error = QCoreApplication::translate("ExportFileReader", "cannot open: %1")
                    .arg(file.systemError);
        break;
    case RawFile::CannotRead:
        error = QCoreApplication::translate("ExportFileReader", "cannot read: %1")
                    .arg(file.systemError);
        break;
    }
    return std::nullopt;
}

} // namespace drevant
