// SPDX-License-Identifier: GPL-3.0-or-later
// The student's points against the key's two true samples, on files from the program's own
// writer: titrations before and after exports, for every system letter.
#include "toolfixtures.h"

#include "curve.h"
#include "keyreport.h"
#include "pointcheck.h"

#include "support/gtestscriptedrandom.h"
#include "support/scriptedclock.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace drevant::keytool {
namespace {

using drevant::testing::fileBytes;
using drevant::testing::writeBytes;

// Logs the next points of a titration as the titration window does: 32-bit volumes from
// `fromMl` in steps of `stepMl`, each pH from SolvePh for the session's sample as it stands
// now (with the export's fillers once there was an export).
void logPoints(DeclareVars& vars, int& next, double fromMl, double stepMl, int count) {
    const double kw = std::pow(10.0, -14);
    const double normality = vars.TitrantNormality.toDouble();
    for (int k = 0; k < count && next < LogSize - 1; ++k, ++next) {
        const double ml = fromMl + k * stepMl;
        if (ml > 20)
            break; // the burette is empty
        const float volumeL = static_cast<float>(ml / 1000);
        vars.VolLog[next] = next == 1 ? Number::integer(0) : Number::single(volumeL);
        vars.PhLog[next] = Number::real(
            SolvePh(vars.SampleParams, kw, vars.SampleVolumeL, volumeL, normality).CurrentPh);
    }
}

struct Session {
    DeclareVars vars;
    testing::ScriptedRandom random{{}, testing::ScriptedRandom::RepeatLast};
};

// A generated sample of a level (0 Simple, 1 Medium, 2 Complex) from scripted draws.
void newSample(Session& s, int level, std::mt19937& rng) {
    zeroSampleParams(s.vars);
    resetDataLog(s.vars);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    std::vector<double> draws;
    for (int k = 0; k < 8; ++k)
        draws.push_back(u(rng));
    s.random.script(draws);
    testing::ScriptedClock clock;
    clock.now = 3600;
    GenerateSample(s.vars, s.random, clock, level == 0, level == 1, level == 2);
    static const char* const normalities[] = {"0.1", "0.25", "0.05", "0.5"};
    s.vars.TitrantNormality = QString::fromLatin1(normalities[rng() % 4]);
    s.vars.SampleVolumeL = (10 + static_cast<int>(rng() % 200)) / 1000.0;
}

// Filler draws: uniform, sometimes tiny (three-digit filler fields).
void scriptFillers(Session& s, std::mt19937& rng) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    std::vector<double> draws;
    for (int k = 0; k < 9; ++k) {
        const double r = u(rng);
        draws.push_back(u(rng) < 0.2 ? std::pow(r, 5) + 1e-12 : r);
    }
    s.random.script(draws);
}

PointCheck checkFile(const QString& path) {
    const AnalysedInput input = analyseFile(path);
    EXPECT_FALSE(input.failed) << input.error.toStdString();
    return input.check;
}

// The honest student: titrates, exports, goes on after the export, exports again, starts
// over and exports a third time. No point of any of these files is suspect, and points
// measured after an export are recognised as such.
TEST(PointCheck, FilesOfTheProgramNeverHaveSuspectPoints) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::mt19937 rng(1405);
    std::map<QChar, int> files;
    int afterExport = 0;
    for (int round = 0; round < 150; ++round) {
        Session s;
        newSample(s, round % 3, rng);
        const QChar letter = s.vars.SystemCode.front();
        const double step = 0.1 + (rng() % 10) * 0.1;
        int next = 1;
        logPoints(s.vars, next, 0, step, 1 + static_cast<int>(rng() % 20));
        scriptFillers(s, rng);
        const QString first = dir.filePath(QStringLiteral("first.dat"));
        ASSERT_TRUE(writeExportFile(first, s.vars, s.random, {}, QLocale::c()).ok);
        const PointCheck before = checkFile(first);
        EXPECT_EQ(before.suspect, 0) << round;
        EXPECT_EQ(before.afterExport, 0) << round << ": no export had happened yet";

        // Going on after the export: the sample now holds the fillers.
        const double reached = (next - 2) * step;
        logPoints(s.vars, next, reached + step, step, 20);
        const QString second = dir.filePath(QStringLiteral("second.dat"));
        ASSERT_TRUE(writeExportFile(second, s.vars, s.random, {}, QLocale::c()).ok);
        const PointCheck on = checkFile(second);
        EXPECT_EQ(on.suspect, 0) << round << " " << fileBytes(second).left(30).toStdString();
        afterExport += on.afterExport;

        // Starting over after the export, in a comma locale this time.
        resetDataLog(s.vars);
        next = 1;
        logPoints(s.vars, next, 0, step / 2, 41);
        const QString third = dir.filePath(QStringLiteral("third.dat"));
        ASSERT_TRUE(writeExportFile(third, s.vars, s.random, {}, QLocale(QLocale::German)).ok);
        const PointCheck over = checkFile(third);
        EXPECT_EQ(over.suspect, 0) << round << " " << fileBytes(third).left(30).toStdString();
        afterExport += over.afterExport;
        ++files[letter];
    }
    for (QChar letter : {u'A', u'B', u'C', u'D', u'E'})
        EXPECT_GE(files[letter], 10) << QString(letter).toStdString();
    // The fillers do move the curve: an honest student's later points are often outside
    // the as-generated band, and then inside the after-export one.
    EXPECT_GE(afterExport, 100);
}

// Edits of one point in a file of the program: each is caught as suspect, on its line.
struct Edit {
    const char* name;
    int point;      // index of the data point edited
    const char* ph; // the pH written instead ("" keeps it and adds `shift`)
    double shift;
};

class EditedPoint : public ::testing::TestWithParam<Edit> {};

TEST_P(EditedPoint, IsSuspect) {
    const Edit& e = GetParam();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("edited.dat"));
    tooltest::writeStudentFile(file, 1, 4321.0, QStringLiteral("0.1"), 0.05, 0.5);
    QList<QByteArray> lines = fileBytes(file).split('\n');
    const int line = FirstDataLine + e.point; // 1-based
    QByteArray& data = lines[line - 1];
    const QList<QByteArray> cells = data.trimmed().split(' ');
    const QByteArray volume = cells.front();
    const QByteArray ph =
        *e.ph ? QByteArray(e.ph) : QByteArray::number(cells.back().toDouble() + e.shift, 'f', 3);
    data = volume + QByteArray(12 - volume.size(), ' ') + ph + '\r';
    ASSERT_TRUE(writeBytes(file, lines.join('\n')));

    const AnalysedInput input = analyseFile(file);
    ASSERT_FALSE(input.failed) << input.error.toStdString();
    ASSERT_EQ(input.check.suspect, 1) << lines[line - 1].toStdString();
    for (const CheckedPoint& p : input.check.points) {
        if (p.verdict == PointVerdict::Suspect) {
            EXPECT_EQ(p.line, line);
            EXPECT_FALSE(p.generated.contains(p.ph));
        }
    }
    EXPECT_TRUE(formatReport(input).contains(QStringLiteral("suspect ") + file + u':' +
                                             QString::number(line) + QStringLiteral(": ")));
}

INSTANTIATE_TEST_SUITE_P(PointCheck, EditedPoint,
                         ::testing::Values(Edit{"PhRaisedToNearlyTen", 10, "9.99", 0},
                                           Edit{"FirstPointLowered", 0, "1.5", 0},
                                           Edit{"PhLoweredAtTheEnd", 40, "7.2", 0},
                                           Edit{"NudgedDownByAQuarter", 3, "", -0.25},
                                           Edit{"NudgedUpByAQuarter", 30, "", 0.25}),
                         [](const auto& info) { return std::string(info.param.name); });

// A band's ends bracket the pH of every sample inside the key's intervals.
TEST(PointCheck, BandHoldsEverySampleInsideTheIntervals) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (const char* key : {"A7DA0059B05D20A3308", "B051A0059B05D27D3355", "C321464A005D20A3308",
                            "D3214051A0059B193355", "E6912999B05D20A3308"}) {
        const DecodedSample s = *decodeSampleKey(QString::fromLatin1(key)).sample;
        const SampleBounds bounds = generatedBounds(s);
        for (int round = 0; round < 40; ++round) {
            SampleTable t;
            for (int i = 0; i < 9; ++i) {
                const double low = bounds.low[i].toDouble();
                const double high = bounds.high[i].toDouble();
                t[i] =
                    s.present[i] ? Number::real(low + u(rng) * (high - low)) : Number::integer(0);
            }
            const double v = u(rng) * 0.02;
            const PhBand band = phBand(bounds, 0.05, 0.1, v);
            EXPECT_TRUE(band.contains(truePh(t, 0.05, 0.1, v))) << key << " at " << v;
            EXPECT_LT(band.high - band.low, 2.0) << key << " at " << v;
        }
    }
}

} // namespace
} // namespace drevant::keytool
