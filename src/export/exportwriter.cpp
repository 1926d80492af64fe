// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportwriter.h"

#include "chemistry/phsolver.h"
#include "export/atomicfile.h"
#include "export/filenames.h"
#include "export/platformfile.h"
#include "export/terminationrequest.h"
#include "session/printing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cmath>

namespace drevant {

namespace {

// One draw that is never exactly 0 (a filler of 0 would have no logarithm).
double nonZeroDraw(RandomSource& random) {
    double r = random.next();
    while (r == 0.0)
        r = random.next();
    return r;
}

QString saveError(const QString& path, const QString& reason) {
    if (path.isEmpty())
        return QCoreApplication::translate("ExportWriter", "Could not save: %1").arg(reason);
    return QCoreApplication::translate("ExportWriter", "Could not save %1: %2")
        .arg(printablePath(path), reason);
}

// Problems with a full path that can be seen without opening the file.
std::optional<QString> pathProblem(const QString& path) {
    if (path.isEmpty())
        return saveError(path,
                         QCoreApplication::translate("ExportWriter", "no file path was given"));
    if (path.contains(QChar(u'\0')))
        return saveError(
            path, QCoreApplication::translate("ExportWriter", "the path contains a NUL character"));
    if (!QDir::isAbsolutePath(path))
        return saveError(path, QCoreApplication::translate(
                                   "ExportWriter", "the path is relative, a full path is needed"));
    if (path.endsWith(u'/'))
        return saveError(path,
                         QCoreApplication::translate("ExportWriter", "no file name was given"));
    // The save writes to a temporary file with a short name of its own, so a name too long
    // for the file system (or one the system forbids) would only fail at the final rename,
    // after the filler step: check first.
    const QFileInfo info(path);
    if (const auto problem = platformfile::nameProblem(info.absolutePath(), info.fileName()))
        return saveError(path, *problem);
    return std::nullopt;
}

// Why a file operation failed: Qt's text where it has a real one, else the system's last
// error (Qt reports a short write, as on a full disk, as "Unknown error" or not at all).
QString failureReason(const QFileDevice& file, int systemError) {
    const QString text = file.errorString();
    if (file.error() != QFileDevice::NoError && text != QFile().errorString())
        return text;
    if (systemError != 0)
        return qt_error_string(systemError);
    return QCoreApplication::translate("ExportWriter", "the file could not be written completely");
}

// A save that wrote the target in place (a folder where no file may be created) and then
// failed has left that file incomplete; the one line says so.
QString writeFailure(const QString& path, const AtomicFile& file, const QString& reason) {
    if (file.writesInPlace())
        return saveError(
            path, reason + QCoreApplication::translate(
                               "ExportWriter", " (written in place: the file is incomplete)"));
    return saveError(path, reason);
}

ExportResult failure(const QString& error, ExportResult result = {}) {
    result.ok = false;
    result.error = error;
    return result;
}

} // namespace

void fillZeroEntries(SampleTable& params, RandomSource& random) {
    for (int i = Acid1Conc; i <= DiproticConc; ++i) {
        if (params[i] == Number::integer(0))
            params[i] = Number::single(static_cast<float>(nonZeroDraw(random) / 1000));
    }
    if (params[DiproticK1] == Number::integer(0))
        params[DiproticK1] = Number::single(static_cast<float>(nonZeroDraw(random) / 10000));
    if (params[DiproticK2] == Number::integer(0))
        params[DiproticK2] = Number::real(nonZeroDraw(random) / 10000000);
}

QString exportFilePath(const QString& folder, const QString& name) {
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

std::optional<QString> exportPathProblem(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return saveError(name, QCoreApplication::translate("ExportWriter", "no folder was given"));
    const QString path = exportFilePath(folder, name);
    if (name.isEmpty())
        return saveError(path,
                         QCoreApplication::translate("ExportWriter", "no file name was given"));
    if (name.contains(u'/'))
        return saveError(
            path, QCoreApplication::translate("ExportWriter", "the file name contains \"/\""));
    if (name.contains(QChar(u'\0')))
        return saveError(path, QCoreApplication::translate(
                                   "ExportWriter", "the file name contains a NUL character"));
    if (folder.contains(QChar(u'\0')))
        return saveError(path, QCoreApplication::translate("ExportWriter",
                                                           "the folder contains a NUL character"));
    return std::nullopt;
}

ExportResult writeExportFile(const QString& path, DeclareVars& vars, RandomSource& random,
                             const std::function<void()>& yield, const QLocale& locale) {
    if (const auto problem = pathProblem(path))
        return failure(*problem);

    AtomicFile file(path);
    if (!file.open())
        return failure(saveError(path, file.errorString()));

    ExportResult result;
    fillZeroEntries(vars.SampleParams, random);
    result.KeyField = encodeKeyFields(vars.SampleParams);
    result.SampleKey = joinedKey(vars.SystemCode, result.KeyField);

    TextFileTarget target(file.device(), locale);
    TextLine(target, result.SampleKey);
    ZonedPair(target, NormalityLabel, LogValue(vars.TitrantNormality));
    ZonedPair(target, VolumeLabel, Number::real(vars.SampleVolumeL));
    JoinedPair(target, VolumeColumnHeading, PhColumnHeading);

    // The log is read entry by entry: events run between lines, and a line reflects the log
    // as it is when that line is written.
    // A request to end the program (a signal) abandons the save between two lines: the
    // temporary file goes, the old file stays.
    for (int j = 1; j < LogSize && target.ok() && terminationRequest() == 0; ++j) {
        const bool end = !holdsPoint(vars.PhLog, j);
        if (!end)
            JoinedPair(target, vars.VolLog[j], vars.PhLog[j]);
        if (yield)
            yield();
        if (end)
            break;
    }

    // Everything is written and flushed before the file is put in place: each write's byte count
    // is checked (TextFileTarget::ok) and the flush fails on a short write (a full disk, a size
    // limit), so a truncated file never replaces the old one.
    if (terminationRequest() != 0) {
        file.cancel();
        return failure(writeFailure(path, file,
                                    QCoreApplication::translate("ExportWriter",
                                                                "the program was asked to end")),
                       std::move(result));
    }
    errno = 0;
    const bool flushed = target.ok() && file.device().flush();
    if (!flushed) {
        const QString reason = failureReason(file.device(), errno);
        file.cancel();
        return failure(writeFailure(path, file, reason), std::move(result));
    }
    if (!file.commit())
        return failure(writeFailure(path, file, file.errorString()), std::move(result));
    result.ok = true;
    return result;
}

QString printablePath(const QString& path) {
    QString shown = QDir::toNativeSeparators(listedName(path));
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u'?';
    }
    return shown;
}

} // namespace drevant
