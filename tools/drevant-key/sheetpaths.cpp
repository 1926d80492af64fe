// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetpaths.h"

#include "keyreport.h"
#include "names.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace drevant::keytool {

namespace {

// Whether a relative name stays inside its folder, counting its ".." against its folders.
bool staysInside(const QString& name) {
    int depth = 0;
    for (const QString& part : name.split(u'/')) {
        if (part == QLatin1String(".."))
            --depth;
        else if (!part.isEmpty() && part != QLatin1String("."))
            ++depth;
        if (depth < 0)
            return false;
    }
    return true;
}

bool isAbsoluteName(const QString& name) {
    return name.startsWith(u'/') || name.startsWith(u'\\') ||
           (name.size() >= 2 && name.at(1) == u':' && name.at(0).isLetter());
}

bool isWithin(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

QString workingFolder() {
    const std::optional<QString> here = canonicalPath(QStringLiteral("."));
    return here ? *here : QDir::currentPath();
}

} // namespace

ResolvedName resolveSheetName(const QString& folder, const QString& name) {
    ResolvedName r;
    if (isAbsoluteName(name)) {
        r.problem = QCoreApplication::translate(
            "KeyTool", "an absolute name; names in the sheet are relative to its folder");
        return r;
    }
    if (!staysInside(name)) {
        r.problem = QCoreApplication::translate("KeyTool", "leaves the sheet's folder");
        return r;
    }
    r.path = folder == QLatin1String(".") ? name : folder + u'/' + name;
    const std::optional<QString> base = canonicalPath(folder);
    const std::optional<QString> target = canonicalPath(r.path);
    if (base && target) {
        if (!isWithin(*target, *base)) {
            r.problem = QCoreApplication::translate("KeyTool",
                                                    "%1: a link leading out of the sheet's folder")
                            .arg(r.path);
            return r;
        }
        r.identity = *target;
    }
    return r;
}

QString sheetNameFor(const QString& given, const std::optional<QString>& sheetFolder,
                     QString& problem) {
    const QString input = QDir::fromNativeSeparators(given); // "class\anna.dat" on Windows
    const QString base = sheetFolder ? *sheetFolder : workingFolder();
    // The input's folder resolved (links and ".." as the system sees them); its own name kept,
    // so a link in the class folder is named as the link.
    const qsizetype slash = input.lastIndexOf(u'/');
    const QString folderPart =
        slash < 0 ? QStringLiteral(".") : input.left(std::max<qsizetype>(1, slash));
    const QString fileName = input.mid(slash + 1);
    const std::optional<QString> inputFolder = canonicalPath(folderPart);
    const std::optional<QString> sheetBase = canonicalPath(base);
    if (!inputFolder || !sheetBase || fileName.isEmpty() || fileName == QLatin1String("..") ||
        fileName == QLatin1String(".")) {
        problem = QCoreApplication::translate("ExportFileReader", "no such file");
        return QString();
    }
    if (!isWithin(*inputFolder, *sheetBase)) {
        problem = QCoreApplication::translate(
                      "KeyTool",
                      "outside the answer sheet's folder %1; grading reads only files inside it")
                      .arg(shownName(*sheetBase));
        return QString();
    }
    const QString relativeFolder = QDir(*sheetBase).relativeFilePath(*inputFolder);
    return relativeFolder.isEmpty() || relativeFolder == QLatin1String(".")
               ? fileName
               : relativeFolder + u'/' + fileName;
}

} // namespace drevant::keytool
