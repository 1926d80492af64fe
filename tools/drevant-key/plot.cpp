// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot.h"

#include "curve.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace drevant::keytool {

namespace {

constexpr double MaxMl = BuretteCapacityMl;
constexpr double MaxPh = 14.0;
constexpr int PlotCurveDivisions = 2000; // 0.01 mL: the steep parts are drawn smoothly

// The plot area inside the image, in pixels.
const QRectF Area(QPointF(72, 74), QPointF(PlotWidth - 28, PlotHeight - 62));

const QColor CurveColour(31, 95, 191);
const QColor PointColour(217, 72, 15);
const QColor EquivalenceColour(43, 138, 62);
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
        if (ml > 0 && ml < MaxMl)
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
        if (ph > 0 && ph < MaxPh)
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
    const QString xTitle = QStringLiteral("Titrant added (mL)");
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
    const QString title = QStringLiteral("%1 — System %2: %3")
                              .arg(shownName(name))
                              .arg(s.letter)
                              .arg(systemDescription(s.letter));
    // The largest bold size at which the title fits, elided only below 12 pixels.
    const double available = PlotWidth - Area.left() - 20;
    int pixels = 17;
    while (pixels > 12 && QFontMetrics(font(pixels, true)).horizontalAdvance(title) > available)
        --pixels;
    p.setFont(font(pixels, true));
    p.setPen(TextColour);
    p.drawText(QPointF(Area.left(), 28), QFontMetrics(p.font()).elidedText(
                                             title, Qt::ElideMiddle, static_cast<int>(available)));

    QString detail = QStringLiteral("Key %1   ·   titrant %2 N   ·   sample %3 mL")
                         .arg(shownName(input.key))
                         .arg(QString::number(*input.normality, 'g', 15))
                         .arg(QString::number(*input.sampleVolumeL * 1000, 'g', 15));
    if (input.fromFile)
        detail += QStringLiteral("   ·   %1 logged points").arg(input.points.size());
    p.setFont(font(13));
    p.setPen(FaintTextColour);
    p.drawText(QPointF(Area.left(), 52), detail);
}

void drawCurve(QPainter& p, const std::vector<CurvePoint>& curve) {
    QPainterPath path;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const QPointF pt = toPixels(curve[i].volumeL * 1000, curve[i].ph);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    p.setPen(QPen(CurveColour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void drawPoints(QPainter& p, const AnalysedInput& input) {
    p.setPen(QPen(PointColour, 1.8));
    p.setBrush(QColor(255, 255, 255, 170));
    for (const ExportPoint& pt : input.points)
        p.drawEllipse(toPixels(pt.volumeL * 1000, pt.ph), 4.2, 4.2);
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
            label += QStringLiteral(" (beyond the 20 mL burette) →");
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
    QStringList entries{QStringLiteral("True curve (decoded key, SolvePh)")};
    if (input.fromFile)
        entries << QStringLiteral("Student's logged points");
    if (!input.equivalences.empty())
        entries << QStringLiteral("Equivalence volume");
    double textWidth = 0;
    for (const QString& e : entries)
        textWidth = std::max<double>(textWidth, fm.horizontalAdvance(e));
    const double rowHeight = fm.height() + 6;
    const QRectF box =
        legendPlace(QSizeF(textWidth + 52, entries.size() * rowHeight + 8), input, curve);
    p.setPen(QPen(QColor(180, 180, 180), 1));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRect(box);

    double y = box.top() + 4 + rowHeight / 2;
    const double sampleLeft = box.left() + 10;
    const double sampleRight = box.left() + 38;
    for (const QString& e : entries) {
        if (e.startsWith(QStringLiteral("True"))) {
            p.setPen(QPen(CurveColour, 2.2));
            p.drawLine(QPointF(sampleLeft, y), QPointF(sampleRight, y));
        } else if (e.startsWith(QStringLiteral("Student"))) {
            p.setPen(QPen(PointColour, 1.8));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF((sampleLeft + sampleRight) / 2, y), 4.2, 4.2);
        } else {
            p.setPen(QPen(EquivalenceColour, 1.6, Qt::DashLine));
            p.drawLine(QPointF((sampleLeft + sampleRight) / 2, y - rowHeight / 2 + 3),
                       QPointF((sampleLeft + sampleRight) / 2, y + rowHeight / 2 - 3));
        }
        p.setPen(TextColour);
        p.drawText(QPointF(sampleRight + 8, y + fm.ascent() / 2.0 - 2), e);
        y += rowHeight;
    }
}

} // namespace

QPointF plotPosition(double ml, double ph) {
    return toPixels(ml, ph);
}

QImage renderPlot(const AnalysedInput& input) {
    QImage image(PlotWidth, PlotHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!input.sample || !input.normality || !input.sampleVolumeL)
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawAxes(p);
    drawTitle(p, input);
    p.save();
    p.setClipRect(Area);
    const auto curve = trueCurve(decodedSampleTable(*input.sample), *input.sampleVolumeL,
                                 *input.normality, PlotCurveDivisions);
    drawCurve(p, curve);
    drawEquivalences(p, input);
    p.restore();
    drawPoints(p, input); // not clipped: a point at 0 mL sits on the axis
    drawLegend(p, input, curve);
    return image;
}

std::optional<QString> savePlot(const AnalysedInput& input, const QString& pngPath) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QStringLiteral("cannot draw the plot: no graphical application object");
    if (!input.sample || !input.normality || !input.sampleVolumeL)
        return QStringLiteral("cannot draw the plot: the titrant normality and sample volume are "
                              "not known");
    QImageWriter writer(pngPath, "png");
    if (!writer.write(renderPlot(input)))
        return QStringLiteral("cannot write the plot %1: %2")
            .arg(shownName(pngPath), writer.errorString());
    return std::nullopt;
}

} // namespace drevant::keytool
