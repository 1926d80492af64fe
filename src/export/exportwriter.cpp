// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportwriter.h"

#include "chemistry/phsolver.h"
#include "session/printing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cmath>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace drevant {

namespace {

// One draw that is never exactly 0 (a filler of 0 would have no logarithm).
double nonZeroDraw(RandomSource& random) {
    double r = random.next();
    while (r == 0.0)
        r = random.next();
    return r;
}

// The hex digits of a non-negative whole number held in a double. Works for any finite
// magnitude: dividing by 16 and taking the remainder are exact on whole doubles.
QString hexDigits(double whole) {
    static const char digits[] = "0123456789ABCDEF";
    if (whole < 1.0)
        return QStringLiteral("0");
    QString reversed;
    while (whole >= 1.0) {
        reversed.append(QLatin1Char(digits[static_cast<int>(std::fmod(whole, 16.0))]));
        whole = std::floor(whole / 16.0);
    }
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

QString saveError(const QString& path, const QString& reason) {
    if (path.isEmpty())
        return QStringLiteral("Could not save: %1").arg(reason);
    return QStringLiteral("Could not save %1: %2").arg(printablePath(path), reason);
}

// The longest file name (bytes) the file system of a folder takes; 255 where it cannot tell.
long longestFileName(const QString& folder) {
#ifdef Q_OS_UNIX
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    if (limit > 0)
        return limit;
#else
    Q_UNUSED(folder);
#endif
    return 255;
}

// Problems with a full path that can be seen without opening the file.
std::optional<QString> pathProblem(const QString& path) {
    if (path.isEmpty())
        return saveError(path, QStringLiteral("no file path was given"));
    if (path.contains(QChar(u'\0')))
        return saveError(path, QStringLiteral("the path contains a NUL character"));
    if (!QDir::isAbsolutePath(path))
        return saveError(path, QStringLiteral("the path is relative, a full path is needed"));
    if (path.endsWith(u'/'))
        return saveError(path, QStringLiteral("no file name was given"));
    // The save writes to a temporary file with a shortened name, so a name too long for the
    // file system would only fail at the final rename, after the filler step: check first.
    const QFileInfo info(path);
    if (QFile::encodeName(info.fileName()).size() > longestFileName(info.absolutePath()))
        return saveError(path, qt_error_string(ENAMETOOLONG));
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
    return QStringLiteral("the file could not be written completely");
}

// True while a save is being written; a save started from the event yield is refused.
bool g_saving = false;

class SavingFlag {
public:
    SavingFlag() { g_saving = true; }
    ~SavingFlag() { g_saving = false; }
    SavingFlag(const SavingFlag&) = delete;
    SavingFlag& operator=(const SavingFlag&) = delete;
};

QString joinedKey(const QString& systemCode, const std::array<QString, KeyFieldCount>& fields) {
    QString key = systemCode;
    for (const QString& field : fields)
        key += field;
    return key;
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

double keyFieldValue(int index, Number entry) {
    const double p = entry.toDouble();
    switch (index) {
    case Acid1Conc:
    case Acid2Conc:
    case Acid3Conc:
    case DiproticConc:
        return 25000 * p;
    case Acid1K:
    case Acid2K:
    case Acid3K:
        return 20 * (3 - Log10(p));
    case DiproticK1:
        return 85 * (-Log10(p) - 4);
    case DiproticK2:
        return 85 * (-Log10(p) - 7);
    default:
        return std::nan("");
    }
}

QString hexField(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const double rounded = std::round(value); // half away from zero
    QString text = hexDigits(std::fabs(rounded));
    if (text.size() < 2)
        text.prepend(u'0');
    if (rounded < 0)
        text.prepend(u'-');
    return text;
}

std::array<QString, KeyFieldCount> encodeKeyFields(const SampleTable& params) {
    std::array<QString, KeyFieldCount> fields;
    for (int i = 0; i < KeyFieldCount; ++i)
        fields[i] = hexField(keyFieldValue(i, params[i]));
    return fields;
}

QString sampleKey(const QString& systemCode, const SampleTable& params) {
    return joinedKey(systemCode, encodeKeyFields(params));
}

QString exportFilePath(const QString& folder, const QString& name) {
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

std::optional<QString> exportPathProblem(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return saveError(name, QStringLiteral("no folder was given"));
    const QString path = exportFilePath(folder, name);
    if (name.isEmpty())
        return saveError(path, QStringLiteral("no file name was given"));
    if (name.contains(u'/'))
        return saveError(path, QStringLiteral("the file name contains \"/\""));
    if (name.contains(QChar(u'\0')))
        return saveError(path, QStringLiteral("the file name contains a NUL character"));
    if (folder.contains(QChar(u'\0')))
        return saveError(path, QStringLiteral("the folder contains a NUL character"));
    return std::nullopt;
}

ExportResult writeExportFile(const QString& path, DeclareVars& vars, RandomSource& random,
                             const std::function<void()>& yield, const QLocale& locale) {
    if (g_saving)
        return failure(saveError(path, QStringLiteral("another save is still being written")));
    if (const auto problem = pathProblem(path))
        return failure(*problem);
    SavingFlag saving;

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failure(saveError(path, failureReason(file, errno)));

    ExportResult result;
    fillZeroEntries(vars.SampleParams, random);
    result.KeyField = encodeKeyFields(vars.SampleParams);
    result.SampleKey = joinedKey(vars.SystemCode, result.KeyField);

    TextFileTarget target(file, locale);
    TextLine(target, result.SampleKey);
    ZonedPair(target, "Cb0 (N)= ", LogValue(vars.TitrantNormality));
    ZonedPair(target, "V0 (L)= ", Number::real(vars.SampleVolumeL));
    JoinedPair(target, "Vol(L)     ", "pH");

    // The log is read entry by entry: events run between lines, and a line reflects the log
    // as it is when that line is written.
    for (int j = 1; j < LogSize && target.ok(); ++j) {
        const bool end = vars.PhLog[j] == LogValue(NoPhMarker);
        if (!end)
            JoinedPair(target, vars.VolLog[j], vars.PhLog[j]);
        if (yield)
            yield();
        if (end)
            break;
    }

    // Everything is flushed and its size checked before the rename: Qt can take a short
    // write (a full disk, a size limit) for success, and the rename would then put a
    // truncated file in place of the old one.
    errno = 0;
    const bool flushed = target.ok() && file.flush() && file.size() == file.pos();
    if (!flushed) {
        const QString reason = failureReason(file, errno);
        file.cancelWriting();
        return failure(saveError(path, reason), std::move(result));
    }
    errno = 0;
    if (!file.commit())
        return failure(saveError(path, failureReason(file, errno)), std::move(result));
    result.ok = true;
    return result;
}

QString printablePath(const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u'?';
    }
    return shown;
}

} // namespace drevant
