// SPDX-License-Identifier: GPL-3.0-or-later
#include "namedfile.h"

#include "filenames.h"
#include "filesystem.h"

namespace drevant {

bool nameExists(const QString& name) {
    const NameKind kind = nameKind(nameBytes(name));
    if (kind == NameKind::SymbolicLink)
        return fileIdentity(nameBytes(name)) != FileIdentity{};
    return kind != NameKind::Missing;
}

QString missingFileMessage(const QString& path) {
    QString message = QStringLiteral("no such file: ") + shownName(path);
    const QString withDat = path + QStringLiteral(".dat");
    if (!path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive) && nameExists(withDat))
        message += QStringLiteral(" (%1 exists: give the name with .dat)").arg(shownName(withDat));
    return message;
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
        error = what.isEmpty() ? QStringLiteral("is a folder, not a file")
                               : QStringLiteral("is a folder, not %1").arg(what);
        break;
    case RawFile::NotRegular:
        error = QStringLiteral("is not a regular file (a device, pipe or socket)");
        break;
    case RawFile::TooLarge:
        error = QStringLiteral("the file has %1 bytes, more than the %2 %3")
                    .arg(file.size)
                    .arg(maxBytes)
                    .arg(what.isEmpty() ? QStringLiteral("it can have")
                                        : QStringLiteral("%1 can have: not %1").arg(what));
        break;
    case RawFile::CannotOpen:
        error = QStringLiteral("cannot open: ") + file.systemError;
        break;
    case RawFile::CannotRead:
        error = QStringLiteral("cannot read: ") + file.systemError;
        break;
    }
    return std::nullopt;
}

} // namespace drevant
