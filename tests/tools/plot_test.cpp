// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolfixtures.h"

#include "curve.h"
#include "keyreport.h"
#include "plot.h"

#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

namespace drevant::keytool {
namespace {

// Pixels close to a colour (antialiased edges blend it with white).
int pixelsNear(const QImage& image, QColor colour, const QRect& area, int tolerance = 40) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <=
                tolerance)
                ++count;
        }
    }
    return count;
}

const QColor& Curve = CurveColour;
const QColor& Points = PointColour;
const QColor& Equivalence = EquivalenceColour;

class Plot : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

// A student's file of system B (a diprotic acid), written by the program's writer; its plot
// has the right size, the true curve where SolvePh puts it, the points and the endpoints.
// (The rendered plot was also looked at: title, axes, legend and labels are legible.)
TEST_F(Plot, StudentFileOverTheTrueCurve) {
    tooltest::writeStudentFile(path("student.dat"), 0, 1234.5, QStringLiteral("0.1"), 0.05, 0.5);
    AnalysedInput input = analyseFile(path("student.dat"));
    ASSERT_FALSE(input.failed) << errorLine(input).toStdString();
    ASSERT_FALSE(input.points.empty());

    ASSERT_FALSE(savePlot(input, path("student.png")));
    // A palette PNG (colour type 3 in the header), the small kind the palette step allows.
    const QByteArray png = tooltest::fileBytes(path("student.png"));
    ASSERT_GT(png.size(), 25);
    EXPECT_EQ(png.at(25), 3);
    QImage image(path("student.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(PlotWidth, PlotHeight));

    // Not blank: many colours, and each of the three marks drawn in quantity.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 50);
    const QRect whole = image.rect();
    EXPECT_GT(pixelsNear(image, Curve, whole), 800);
    EXPECT_GT(pixelsNear(image, Points, whole), 20 * static_cast<int>(input.points.size()));
    if (!input.equivalences.empty() && !input.equivalences.front().beyondBurette()) {
        EXPECT_GT(pixelsNear(image, Equivalence, whole), 100);
    }

    // The true curve passes where SolvePh puts it, at several volumes.
    const SampleTable table = decodedSampleTable(*input.sample);
    for (double ml : {0.25, 7.3, 15.25, 19.75}) { // between the 0.5 mL points
        const double ph = truePh(table, *input.sampleVolumeL, *input.normality, ml / 1000);
        const QPoint at = plotPosition(ml, ph).toPoint();
        EXPECT_GT(pixelsNear(image, Curve, QRect(at - QPoint(3, 3), QSize(7, 7)), 60), 0)
            << "no curve at " << ml << " mL, pH " << ph;
    }
    // Each logged point is drawn as a circle around its position.
    for (const ExportPoint& p : input.points) {
        const QPoint at = plotPosition(p.volumeL * 1000, p.ph).toPoint();
        EXPECT_GT(pixelsNear(image, Points, QRect(at - QPoint(6, 6), QSize(13, 13)), 60), 0)
            << "no point at " << p.volumeL << " L";
    }
}

// A student who exported, went on, and then edited one pH: the plot draws the dashed
// after-export curve and the edited point as a filled triangle in the suspect colour.
TEST_F(Plot, AfterExportCurveAndSuspectPoint) {
    DeclareVars vars;
    zeroSampleParams(vars);
    resetDataLog(vars);
    StandardRandom random;
    tooltest::FixedClock clock(2345.5);
    GenerateSample(vars, random, clock, false, true, false); // two monoprotic acids
    vars.TitrantNormality = QStringLiteral("0.1");
    vars.SampleVolumeL = 0.05;
    tooltest::titrate(vars, 0.1, 1.0); // 21 points, then an export fills the absent acid 3
    ASSERT_TRUE(writeExportFile(path("first.dat"), vars, random, {}, QLocale::c()).ok);
    const double kw = std::pow(10.0, -14);
    for (int k = 1; k <= 41; ++k) { // starting over after the export: the filled sample
        const float v = static_cast<float>((k - 1) * 0.5 / 1000);
        vars.VolLog[k] = k == 1 ? Number::integer(0) : Number::single(v);
        vars.PhLog[k] = Number::real(SolvePh(vars.SampleParams, kw, 0.05, v, 0.1).CurrentPh);
    }
    ASSERT_TRUE(writeExportFile(path("again.dat"), vars, random, {}, QLocale::c()).ok);
    QByteArray bytes = tooltest::fileBytes(path("again.dat"));
    const qsizetype line = bytes.indexOf("\r\n 0.0025 "); // the 6th point, at 2.5 mL
    ASSERT_GT(line, 0);
    const qsizetype end = bytes.indexOf("\r\n", line + 2);
    bytes.replace(line + 2, end - line - 2, " 0.0025  13.5 ");
    ASSERT_TRUE(tooltest::writeBytes(path("again.dat"), bytes));

    const AnalysedInput input = analyseFile(path("again.dat"));
    ASSERT_FALSE(input.failed) << errorLine(input).toStdString();
    ASSERT_EQ(input.check.suspect, 1);
    ASSERT_GT(input.check.afterExport, 0);
    const QImage image = renderPlot(input);
    if (qEnvironmentVariableIsSet("DREVANT_PLOT_SAMPLE"))
        image.save(qEnvironmentVariable("DREVANT_PLOT_SAMPLE"));
    EXPECT_GT(pixelsNear(image, AfterExportColour, image.rect()), 300);
    const QPoint at = plotPosition(2.5, 13.5).toPoint();
    EXPECT_GT(pixelsNear(image, SuspectColour, QRect(at - QPoint(6, 6), QSize(13, 13)), 30), 30);
    EXPECT_EQ(pixelsNear(image, Points, QRect(at - QPoint(6, 6), QSize(13, 13)), 30), 0);
}

// The drawn curve, far fewer points than the 0.01 mL grid, passes within a pixel of every
// grid point, and each of its points is SolvePh's own value: for every system letter, from a
// steep titration (0.5 N into 1 mL) to a slow one (0.001 N into a litre).
TEST(PlotCurve, StaysWithinAPixelOfEveryGridPoint) {
    struct Titration {
        double normality;
        double sampleVolumeL;
    };
    for (const char* key : {"A69129999B05D20A3308", "B051A0059B05D27D3355", "C32C8648C05D20A1A32B0",
                            "D3214051A059B193355", "E6912999B05D20A3308"}) {
        const auto decoded = decodeSampleKey(QString::fromLatin1(key));
        ASSERT_TRUE(decoded.sample) << key;
        const SampleTable table = decodedSampleTable(*decoded.sample);
        for (const Titration t : {Titration{0.1, 0.05}, Titration{0.5, 0.001},
                                  Titration{0.001, 1.0}, Titration{0.25, 0.02}}) {
            const auto drawn = plotCurve(table, t.sampleVolumeL, t.normality);
            const auto grid = trueCurve(table, t.sampleVolumeL, t.normality, 2000);
            ASSERT_LT(drawn.size(), grid.size() / 2) << key;
            std::size_t segment = 0;
            for (std::size_t k = 0; k < grid.size(); ++k) {
                const double v = grid[k].volumeL;
                while (segment + 2 < drawn.size() && drawn[segment + 1].volumeL <= v)
                    ++segment;
                const QPointF a = plotPosition(drawn[segment].volumeL * 1000, drawn[segment].ph);
                const QPointF b =
                    plotPosition(drawn[segment + 1].volumeL * 1000, drawn[segment + 1].ph);
                const QPointF p = plotPosition(v * 1000, grid[k].ph);
                if (std::fabs(drawn[segment].volumeL - v) < 1e-12) {
                    EXPECT_EQ(drawn[segment].ph, grid[k].ph) << key << " at " << v;
                }
                // The distance from p to the segment a-b.
                const QPointF ab = b - a;
                const double along = std::clamp(
                    QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
                const QPointF off = p - (a + along * ab);
                EXPECT_LE(std::hypot(off.x(), off.y()), 1.0)
                    << key << " " << t.normality << " N into " << t.sampleVolumeL << " L, at "
                    << v * 1000 << " mL";
            }
        }
    }
}

TEST_F(Plot, BareKeyHasTheCurveAndNoPoints) {
    const AnalysedInput input =
        analyseKey(QStringLiteral("E6912999B05D20A3308"), 0.25, QStringLiteral("0.25"), 0.05);
    const QImage image = renderPlot(input);
    EXPECT_EQ(image.size(), QSize(PlotWidth, PlotHeight));
    EXPECT_GT(pixelsNear(image, Curve, image.rect()), 800);
    EXPECT_EQ(pixelsNear(image, Points, image.rect(), 20), 0);
    EXPECT_EQ(pixelsNear(image, SuspectColour, image.rect(), 20), 0);
    EXPECT_EQ(pixelsNear(image, AfterExportColour, image.rect(), 20), 0);
}

TEST_F(Plot, UnwritablePathIsAnError) {
    const AnalysedInput input =
        analyseKey(QStringLiteral("E6912999B05D20A3308"), 0.25, QStringLiteral("0.25"), 0.05);
    const auto problem = savePlot(input, path("no/such/folder/plot.png"));
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->contains(QLatin1String("cannot write the plot")));
}

// The legend names what the plot shows: each optional row at 0 and at 1 of what it stands for.
TEST(PlotLegend, RowsFollowWhatIsDrawn) {
    using M = LegendMark;
    struct Row {
        int afterExport, suspect;
        bool fromFile, equivalence;
        std::vector<M> marks;
    };
    const Row rows[] = {
        {0, 0, false, false, {M::TrueCurve}},
        {1, 0, false, false, {M::TrueCurve, M::AfterExport}},
        {0, 1, false, false, {M::TrueCurve, M::Suspect}},
        {0, 0, true, false, {M::TrueCurve, M::Points}},
        {0, 0, false, true, {M::TrueCurve, M::Equivalence}},
        {1, 1, true, true, {M::TrueCurve, M::AfterExport, M::Points, M::Suspect, M::Equivalence}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.marks.size());
        AnalysedInput input;
        input.check.afterExport = r.afterExport;
        input.check.suspect = r.suspect;
        input.fromFile = r.fromFile;
        if (r.equivalence)
            input.equivalences.push_back({10.0, 0.1, QStringLiteral("acid 1")});
        std::vector<M> marks;
        for (const auto& entry : legendEntries(input))
            marks.push_back(entry.first);
        EXPECT_EQ(marks, r.marks);
    }
}

} // namespace
} // namespace drevant::keytool
