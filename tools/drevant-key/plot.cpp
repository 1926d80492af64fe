// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot.h"

#include "curve.h"

#include "names.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace drevant::keytool {

// Colours that readers with any common colour-vision deficiency tell apart (the Okabe-Ito
// set); every mark also differs in shape or dash, so none depends on colour alone.
const QColor CurveColour(0, 114, 178);         // blue, solid
const QColor AfterExportColour(0, 158, 115);   // bluish green, dashed
const QColor PointColour(230, 159, 0);         // orange, open circles
const QColor SuspectColour(204, 121, 167);     // reddish purple, filled triangles
const QColor EquivalenceColour(110, 110, 110); // grey, dashed

std::vector<std::pair<LegendMark, QString>> legendEntries(const AnalysedInput& input) {
    std::vector<std::pair<LegendMark, QString>> entries{
        {LegendMark::TrueCurve, QCoreApplication::translate("KeyPlot", "true curve")}};
    if (input.check.afterExport > 0)
        entries.push_back(
            {LegendMark::AfterExport, QCoreApplication::translate("KeyPlot", "after the export")});
    if (input.fromFile)
        entries.push_back(
            {LegendMark::Points, QCoreApplication::translate("KeyPlot", "student's points")});
    if (input.check.suspect > 0)
        entries.push_back(
            {LegendMark::Suspect, QCoreApplication::translate("KeyPlot", "suspect points")});
    if (!input.equivalences.empty())
        entries.push_back({LegendMark::Equivalence,
                           QCoreApplication::translate("KeyPlot", "equivalence volume")});
    return entries;
}

namespace {

constexpr double MaxMl = BuretteCapacityMl;
constexpr double MaxPh = 14.0;
constexpr int FineSteps = 2000;  // 0.01 mL, the finest step of the drawn curve
constexpr int CoarseStride = 20; // 0.2 mL (8 pixels) where the curve is flat
constexpr double FlatPh = 0.1;   // the largest rise of a drawn step not nearly vertical (3 px)

// The plot area inside the image, in pixels.
const QRectF Area(QPointF(72, 74), QPointF(PlotWidth - 28, PlotHeight - 62));

const QColor GridColour(226, 226, 226);
const QColor TextColour(33, 33, 33);
const QColor FaintTextColour(90, 90, 90);

QFont font(int pixels, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QPointF toPixels(double ml, double ph) {
    return {Area.left() + ml / MaxMl * Area.width(), Area.bottom() - ph / MaxPh * Area.height()};
}

void drawAxes(QPainter& p) {
    p.setFont(font(12));
    const QFontMetrics fm(p.font());
    for (int ml = 0; ml <= static_cast<int>(MaxMl); ++ml) {
        const double x = toPixels(ml, 0).x();
        p.setPen(QPen(GridColour, 1));
        if (ml > 0 && ml < MaxMl) // mutants: skip (the frame is drawn over both ends)
            p.drawLine(QPointF(x, Area.top()), QPointF(x, Area.bottom()));
        p.setPen(QPen(TextColour, 1));
        p.drawLine(QPointF(x, Area.bottom()), QPointF(x, Area.bottom() + (ml % 2 ? 3 : 6)));
        if (ml % 2 == 0) {
            const QString label = QString::number(ml);
            p.drawText(
                QPointF(x - fm.horizontalAdvance(label) / 2.0, Area.bottom() + 8 + fm.ascent()),
                label);
        }
    }
    for (int ph = 0; ph <= static_cast<int>(MaxPh); ++ph) {
        const double y = toPixels(0, ph).y();
        p.setPen(QPen(GridColour, 1));
        if (ph > 0 && ph < MaxPh) // mutants: skip (the frame is drawn over both ends)
            p.drawLine(QPointF(Area.left(), y), QPointF(Area.right(), y));
        p.setPen(QPen(TextColour, 1));
        p.drawLine(QPointF(Area.left() - 6, y), QPointF(Area.left(), y));
        const QString label = QString::number(ph);
        p.drawText(
            QPointF(Area.left() - 10 - fm.horizontalAdvance(label), y + fm.ascent() / 2.0 - 1),
            label);
    }
    p.setPen(QPen(TextColour, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Area);

    p.setFont(font(13));
    const QFontMetrics fm13(p.font());
    const QString xTitle = QCoreApplication::translate("KeyPlot", "Titrant added (mL)");
    p.drawText(QPointF(Area.center().x() - fm13.horizontalAdvance(xTitle) / 2.0, PlotHeight - 14),
               xTitle);
    p.save();
    p.translate(22, Area.center().y());
    p.rotate(-90);
    const QString yTitle = QStringLiteral("pH");
    p.drawText(QPointF(-fm13.horizontalAdvance(yTitle) / 2.0, fm13.ascent() / 2.0), yTitle);
    p.restore();
}

void drawTitle(QPainter& p, const AnalysedInput& input) {
    const DecodedSample& s = *input.sample;
    const QString name = input.fromFile ? QFileInfo(input.name).fileName() : input.key;
    const QString title =
        QCoreApplication::translate("KeyPlot", "%1 — System %2: %3")
            .arg(shownName(name), QString(s.letter),
                 QCoreApplication::translate("KeyReport",
                                             systemDescription(s.letter).toUtf8().constData()));
    // The largest bold size at which the title fits, elided only below 12 pixels.
    const double available = PlotWidth - Area.left() - 20;
    int pixels = 17;
    while (pixels > 12 && QFontMetrics(font(pixels, true)).horizontalAdvance(title) > available)
        --pixels;
    p.setFont(font(pixels, true));
    p.setPen(TextColour);
    p.drawText(QPointF(Area.left(), 28), QFontMetrics(p.font()).elidedText(
                                             title, Qt::ElideMiddle, static_cast<int>(available)));

    QString detail = QCoreApplication::translate("KeyPlot", "Key %1   ·   titrant %2 N   ·   "
                                                            "sample %3 mL")
                         .arg(shownName(input.key), QString::number(*input.normality, 'g', 15),
                              QString::number(*input.sampleVolumeL * 1000, 'g', 15));
    if (input.fromFile) {
        detail += QCoreApplication::translate("KeyPlot", "   ·   %1 logged points")
                      .arg(input.points.size());
        if (input.check.suspect > 0)
            detail +=
                QCoreApplication::translate("KeyPlot", ", %1 suspect").arg(input.check.suspect);
    }
    p.setFont(font(13));
    p.setPen(FaintTextColour);
    p.drawText(QPointF(Area.left(), 52), detail);
}

void drawCurve(QPainter& p, const std::vector<CurvePoint>& curve, const QPen& pen) {
    QPainterPath path;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const QPointF pt = toPixels(curve[i].volumeL * 1000, curve[i].ph);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPen truePen() {
    return QPen(CurveColour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen afterExportPen() {
    QPen pen(AfterExportColour, 2.2, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
    pen.setDashPattern({4, 2.5});
    return pen;
}

void strokeCircleMark(QPainter& p, QPointF at) {
    p.setPen(QPen(PointColour, 1.8));
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(at, 4.2, 4.2);
}

// A file has up to 201 points, and stroking each circle cost a third of a plot. The circle is
// drawn once, at every quarter-pixel offset, into small transparent images that are copied
// to the points (the same pixels, to a quarter of a pixel).
constexpr int MarkOffsets = 4;    // quarter pixels
constexpr int MarkImageSize = 16; // pixels
constexpr int MarkImageCentre = MarkImageSize / 2;

const std::array<QImage, MarkOffsets * MarkOffsets>& circleMarkImages() {
    static const auto images = [] {
        std::array<QImage, MarkOffsets * MarkOffsets> out;
        for (int dy = 0; dy < MarkOffsets; ++dy) {
            for (int dx = 0; dx < MarkOffsets; ++dx) {
                QImage image(MarkImageSize, MarkImageSize, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::transparent);
                QPainter p(&image);
                p.setRenderHint(QPainter::Antialiasing);
                strokeCircleMark(p,
                                 QPointF(MarkImageCentre + static_cast<double>(dx) / MarkOffsets,
                                         MarkImageCentre + static_cast<double>(dy) / MarkOffsets));
                out[static_cast<std::size_t>(dy * MarkOffsets + dx)] = image;
            }
        }
        return out;
    }();
    return images;
}

void drawCircleMark(QPainter& p, QPointF at) {
    // The nearest quarter pixel, as a whole pixel and an offset within it.
    const double qx = std::round(at.x() * MarkOffsets);
    const double qy = std::round(at.y() * MarkOffsets);
    const int x = static_cast<int>(std::floor(qx / MarkOffsets));
    const int y = static_cast<int>(std::floor(qy / MarkOffsets));
    const int dx = static_cast<int>(qx) - x * MarkOffsets;
    const int dy = static_cast<int>(qy) - y * MarkOffsets;
    p.drawImage(QPoint(x - MarkImageCentre, y - MarkImageCentre),
                circleMarkImages()[static_cast<std::size_t>(dy * MarkOffsets + dx)]);
}

void drawSuspectMark(QPainter& p, QPointF at) {
    const QPointF triangle[3] = {at + QPointF(0, -7.5), at + QPointF(6.5, 4.5),
                                 at + QPointF(-6.5, 4.5)};
    p.setPen(QPen(QColor(60, 20, 50), 1.2));
    p.setBrush(SuspectColour);
    p.drawPolygon(triangle, 3);
}

void drawPoints(QPainter& p, const AnalysedInput& input) {
    const auto& checked = input.check.points;
    for (std::size_t k = 0; k < input.points.size(); ++k) {
        const ExportPoint& pt = input.points[k];
        const bool suspect = k < checked.size() && checked[k].verdict == PointVerdict::Suspect;
        if (!suspect)
            drawCircleMark(p, toPixels(pt.volumeL * 1000, pt.ph));
    }
    // Suspect points last, on top of the others.
    for (std::size_t k = 0; k < checked.size() && k < input.points.size(); ++k) {
        if (checked[k].verdict == PointVerdict::Suspect)
            drawSuspectMark(p, toPixels(input.points[k].volumeL * 1000, input.points[k].ph));
    }
}

// The dashed lines first, then their labels, stacked downwards where they would overlap, so
// no line crosses another one's label.
void drawEquivalences(QPainter& p, const AnalysedInput& input) {
    p.setPen(QPen(EquivalenceColour, 1.6, Qt::DashLine));
    for (const EquivalencePoint& e : input.equivalences) {
        if (!e.beyondBurette()) {
            const double x = toPixels(e.volumeMl, 0).x();
            p.drawLine(QPointF(x, Area.top()), QPointF(x, Area.bottom()));
        }
    }

    p.setFont(font(12));
    const QFontMetrics fm(p.font());
    const double rowHeight = fm.height() + 3;
    std::vector<double> rowEnds; // right edge of the last label in each row
    int k = 1;
    for (const EquivalencePoint& e : input.equivalences) {
        QString label =
            QStringLiteral("V%1 = %2 mL").arg(k++).arg(QString::number(e.volumeMl, 'f', 2));
        double x;
        if (e.beyondBurette()) {
            label += QCoreApplication::translate("KeyPlot", " (beyond the 20 mL burette) →");
            x = Area.right() - 6 - fm.horizontalAdvance(label);
        } else {
            x = toPixels(e.volumeMl, 0).x() + 5;
            // A label that would leave the plot on the right goes on the line's left.
            if (x + fm.horizontalAdvance(label) > Area.right() - 4)
                x -= 10 + fm.horizontalAdvance(label);
        }
        const double width = fm.horizontalAdvance(label);
        std::size_t row = 0;
        while (row < rowEnds.size() && rowEnds[row] + 6 > x)
            ++row;
        if (row == rowEnds.size())
            rowEnds.push_back(0);
        rowEnds[row] = x + width;
        const QRectF box(x - 2, Area.top() + 6 + row * rowHeight, width + 4, fm.height());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 225));
        p.drawRect(box);
        p.setPen(EquivalenceColour.darker(115));
        p.drawText(QPointF(x, box.top() + fm.ascent()), label);
    }
}

// The legend goes in the corner of the plot where it hides least of the curve and points:
// usually bottom right (the curve ends high), top left for a curve that stays acid.
QRectF legendPlace(QSizeF size, const AnalysedInput& input, const std::vector<CurvePoint>& curve) {
    constexpr double Margin = 14;
    constexpr double BelowLabels = 64; // clear of three rows of endpoint labels
    const QRectF candidates[] = {
        QRectF(
            QPointF(Area.right() - Margin - size.width(), Area.bottom() - Margin - size.height()),
            size),
        QRectF(QPointF(Area.left() + Margin, Area.top() + BelowLabels), size),
        QRectF(QPointF(Area.right() - Margin - size.width(), Area.top() + BelowLabels), size),
        QRectF(QPointF(Area.left() + Margin, Area.bottom() - Margin - size.height()), size)};
    QRectF best = candidates[0];
    int bestCost = -1;
    for (const QRectF& box : candidates) {
        const QRectF around = box.adjusted(-6, -6, 6, 6);
        int cost = 0;
        for (const CurvePoint& c : curve)
            cost += around.contains(toPixels(c.volumeL * 1000, c.ph)) ? 1 : 0;
        for (const ExportPoint& pt : input.points)
            cost += around.contains(toPixels(pt.volumeL * 1000, pt.ph)) ? 20 : 0;
        if (bestCost < 0 || cost < bestCost) {
            best = box;
            bestCost = cost;
        }
    }
    return best;
}

void drawLegend(QPainter& p, const AnalysedInput& input, const std::vector<CurvePoint>& curve) {
    p.setFont(font(12));
    const QFontMetrics fm(p.font());
    const std::vector<std::pair<LegendMark, QString>> entries = legendEntries(input);
    double textWidth = 0;
    for (const auto& e : entries)
        textWidth = std::max<double>(textWidth, fm.horizontalAdvance(e.second));
    const double rowHeight = fm.height() + 6;
    const QRectF box = legendPlace(
        QSizeF(textWidth + 52, static_cast<double>(entries.size()) * rowHeight + 8), input, curve);
    p.setPen(QPen(QColor(180, 180, 180), 1));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRect(box);

    double y = box.top() + 4 + rowHeight / 2;
    const double sampleLeft = box.left() + 10;
    const double sampleRight = box.left() + 38;
    const QPointF middle((sampleLeft + sampleRight) / 2, 0);
    for (const auto& [mark, text] : entries) {
        switch (mark) {
        case LegendMark::TrueCurve:
        case LegendMark::AfterExport:
            p.setPen(mark == LegendMark::TrueCurve ? truePen() : afterExportPen());
            p.drawLine(QPointF(sampleLeft, y), QPointF(sampleRight, y));
            break;
        case LegendMark::Points:
            drawCircleMark(p, QPointF(middle.x(), y));
            break;
        case LegendMark::Suspect:
            drawSuspectMark(p, QPointF(middle.x(), y + 1));
            break;
        case LegendMark::Equivalence:
            p.setPen(QPen(EquivalenceColour, 1.6, Qt::DashLine));
            p.drawLine(QPointF(middle.x(), y - rowHeight / 2 + 3),
                       QPointF(middle.x(), y + rowHeight / 2 - 3));
            break;
        }
        p.setPen(TextColour);
        p.drawText(QPointF(sampleRight + 8, y + fm.ascent() / 2.0 - 2), text);
        y += rowHeight;
    }
}

// Qt's raster engine returns from its wide-vector drawing code with the upper halves of the
// vector registers still in use. Until they are cleared, every older SSE instruction on this
// thread pays a transition penalty: the palette conversion, zlib and SolvePh of the next plot
// ran 2.3 times slower (measured). VZEROUPPER clears them; only on CPUs that have AVX.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx"))) void zeroUpper() {
    __builtin_ia32_vzeroupper();
}
void clearUpperVectorState() {
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        zeroUpper();
}
#else
void clearUpperVectorState() {}
#endif

} // namespace

QPointF plotPosition(double ml, double ph) {
    return toPixels(ml, ph);
}

// The curve rises with every drop of base, so a straight step is close to it wherever its rise
// is small. Each 0.2 mL step that rises more than FlatPh is split into as many 0.01 mL-aligned
// steps as keep each rise below FlatPh (at most 20, where the curve is nearly vertical): the
// flat stretches, most of a curve, cost a twentieth of the solves of a 0.01 mL curve.
std::vector<CurvePoint> plotCurve(const SampleTable& table, double sampleVolumeL,
                                  double normality) {
    const double stepL = 0.1 / 10000; // as trueCurve with FineSteps divisions
    auto at = [&](int k) {
        const double v = k * stepL;
        return CurvePoint{v, truePh(table, sampleVolumeL, normality, v)};
    };
    std::vector<CurvePoint> curve;
    curve.reserve(FineSteps / CoarseStride * 2);
    CurvePoint last = at(0);
    curve.push_back(last);
    for (int k = CoarseStride; k <= FineSteps; k += CoarseStride) {
        const CurvePoint next = at(k);
        const int parts = std::min(
            CoarseStride, static_cast<int>(std::ceil(std::fabs(next.ph - last.ph) / FlatPh)));
        for (int i = 1; i < parts; ++i)
            curve.push_back(at(k - CoarseStride + (i * CoarseStride + parts / 2) / parts));
        curve.push_back(next);
        last = next;
    }
    return curve;
}

// The axes, grid and their labels are the same in every plot: drawn once (the first plot
// of a run, on whichever thread) and copied.
const QImage& axesImage() {
    static const QImage axes = [] {
        QImage image(PlotWidth, PlotHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        drawAxes(p);
        return image;
    }();
    return axes;
}

QImage renderPlot(const AnalysedInput& input) {
    if (!input.sample || !input.normality || !input.sampleVolumeL) {
        QImage blank(PlotWidth, PlotHeight, QImage::Format_RGB32);
        blank.fill(Qt::white);
        return blank;
    }
    QImage image = axesImage().copy();
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        drawTitle(p, input);
        p.save();
        p.setClipRect(Area);
        const auto curve =
            plotCurve(decodedSampleTable(*input.sample), *input.sampleVolumeL, *input.normality);
        if (input.check.afterExport > 0) {
            drawCurve(
                p,
                plotCurve(afterExportTable(*input.sample), *input.sampleVolumeL, *input.normality),
                afterExportPen());
        }
        drawCurve(p, curve, truePen());
        drawEquivalences(p, input);
        p.restore();
        drawPoints(p, input); // not clipped: a point at 0 mL sits on the axis
        drawLegend(p, input, curve);
    }
    clearUpperVectorState();
    return image;
}

} // namespace drevant::keytool
