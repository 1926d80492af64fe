// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot.h"

#include "names.h"
#include "palette.h"
#include "savedfile.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>

#include <algorithm>

namespace drevant::keytool {

namespace {

// Qt's PNG writer at this quality compresses a palette plot as small as zlib's fastest level
// does, in the same time as a hand-made encoder took.
constexpr int PngQuality = 80;

} // namespace

std::vector<FileIdentity> fileIdentities(const QStringList& names) {
    std::vector<FileIdentity> out;
    for (const QString& name : names) {
        const FileIdentity identity = fileIdentity(nameBytes(name));
        if (identity != FileIdentity{})
            out.push_back(identity);
    }
    return out;
}

std::optional<QString> plotTargetProblem(const QString& target, const QStringList& inputs) {
    return plotTargetProblem(target, fileIdentities(inputs));
}

std::optional<QString> plotTargetProblem(const QString& target,
                                         const std::vector<FileIdentity>& inputs) {
    if (!target.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return QCoreApplication::translate("KeyTool",
                                           "a plot is written only to a name ending in .png");
    if (const auto problem = writeTargetProblem(target))
        return problem;
    const FileIdentity self = fileIdentity(nameBytes(target));
    if (self != FileIdentity{} && std::find(inputs.begin(), inputs.end(), self) != inputs.end())
        return QCoreApplication::translate("KeyTool",
                                           "is one of the input files: no plot is written over it");
    return std::nullopt;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(PngQuality);
    if (!writer.write(image))
        return QByteArray();
    return png;
}

std::optional<QString> savePlot(const AnalysedInput& input, const QString& pngPath) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QCoreApplication::translate("KeyTool",
                                           "cannot draw the plot: no graphical application object");
    if (!input.sample || !input.normality || !input.sampleVolumeL)
        return QCoreApplication::translate(
            "KeyTool",
            "cannot draw the plot: the titrant normality and sample volume are not known");
    const QByteArray png = pngBytes(paletteImage(renderPlot(input)));
    if (png.isEmpty())
        return QCoreApplication::translate(
            "KeyTool", "cannot draw the plot: the picture could not be encoded");
    return saveFile(pngPath, png, QCoreApplication::translate("KeyTool", "the plot"));
}

} // namespace drevant::keytool
