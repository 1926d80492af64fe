// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot.h"

#include "names.h"
#include "palette.h"
#include "pngencoder.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <algorithm>

namespace drevant::keytool {

std::vector<FileIdentity> fileIdentities(const QStringList& names) {
    std::vector<FileIdentity> out;
    for (const QString& name : names) {
        const FileStatus status = fileStatus(name);
        if (status.kind != FileKind::Missing)
            out.push_back({status.device, status.inode});
    }
    return out;
}

std::optional<QString> plotTargetProblem(const QString& target, const QStringList& inputs) {
    return plotTargetProblem(target, fileIdentities(inputs));
}

std::optional<QString> plotTargetProblem(const QString& target,
                                         const std::vector<FileIdentity>& inputs) {
    if (!target.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return QStringLiteral("a plot is written only to a name ending in .png");
    if (QFile::encodeName(target) != nameBytes(target))
        return QStringLiteral("a plot is written only to a name in UTF-8");
    const FileStatus status = fileStatus(target);
    if (status.kind == FileKind::Missing)
        return std::nullopt; // a new file
    if (status.kind == FileKind::Folder)
        return QStringLiteral("is a folder, not a picture");
    if (status.kind != FileKind::Regular)
        return QStringLiteral("is not a regular file (a device, pipe or socket): no plot is "
                              "written there");
    const FileIdentity self{status.device, status.inode};
    if (std::find(inputs.begin(), inputs.end(), self) != inputs.end())
        return QStringLiteral("is one of the input files: no plot is written over it");
    return std::nullopt;
}

std::optional<QString> savePlot(const AnalysedInput& input, const QString& pngPath) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QStringLiteral("cannot draw the plot: no graphical application object");
    if (!input.sample || !input.normality || !input.sampleVolumeL)
        return QStringLiteral("cannot draw the plot: the titrant normality and sample volume are "
                              "not known");
    const QByteArray png = indexedPng(paletteImage(renderPlot(input)));
    // Written to a temporary file in the same folder and renamed over the name only when
    // complete: a failed write leaves an existing picture as it was.
    QSaveFile file(pngPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("cannot write the plot ") + shownName(pngPath) +
               QStringLiteral(": ") + file.errorString();
    }
    if (file.write(png) != png.size() || !file.commit()) {
        return QStringLiteral("cannot write the plot ") + shownName(pngPath) +
               QStringLiteral(": ") + file.errorString();
    }
    return std::nullopt;
}

} // namespace drevant::keytool
