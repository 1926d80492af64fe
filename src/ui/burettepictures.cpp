// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/burettepictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace drevant {

namespace {

// Everything below is in pixels of the picture (the icon: in 1/256 of its side).
struct BuretteGeometry {
    double centreX;       // axis of the burette
    double lipY;          // open top of the tube
    double tubeHalfWidth; // outer radius of the graduated tube
    double wall;          // glass thickness
    double zeroMarkY;     // the 0 mL mark; the full burette's meniscus sits on it
    double pxPerMl;       // graduation spacing
    int lastMl;           // lowest mark (mL)
    double markStepMl;    // spacing of the smallest marks (mL)
    double markSpan;      // the longest marks' share of the tube's inner width
    double numberPx;      // pixel size of the graduation numbers; 0 draws none
    double taperTopY;     // the tube narrows towards the stopcock from here
    double stopcockY;     // centre of the stopcock key
    double stemHalfWidth; // outer radius of the narrow glass around the stopcock
    double tipTopY;       // the tip tapers from here...
    double tipY;          // ...to its end
    double tipHalfWidth;
    double keyRadius;    // round hub of the stopcock key
    double handleLength; // the key's flat handle, end to end
    double handleWidth;
    double beakerLeft, beakerTop, beakerWidth, beakerHeight; // rim to base
    double solutionY;                                        // surface of the solution
    double lineWidth;                                        // glass outlines
    double markWidth;                                        // graduation lines
    bool stand;                                              // retort stand and clamp
};

// The scene of the closed picture (199 x 541); the dripping picture draws it centred.
constexpr BuretteGeometry Scene{
    .centreX = 108,
    .lipY = 8,
    .tubeHalfWidth = 15,
    .wall = 2.5,
    .zeroMarkY = BuretteTubeScale.zeroMarkRow,
    .pxPerMl = BuretteTubeScale.rowsPerMl,
    .lastMl = int(BuretteTubeScale.lastMarkMl),
    .markStepMl = 0.5,
    .markSpan = 1.0,
    .numberPx = 13,
    .taperTopY = 374,
    .stopcockY = 398,
    .stemHalfWidth = 5,
    .tipTopY = 420,
    .tipY = 452,
    .tipHalfWidth = 2,
    .keyRadius = 9,
    .handleLength = 60,
    .handleWidth = 10,
    .beakerLeft = 50,
    .beakerTop = 436,
    .beakerWidth = 116,
    .beakerHeight = 94,
    .solutionY = 490,
    .lineWidth = 1.2,
    .markWidth = 1.1,
    .stand = true,
};
constexpr QSize ClosedSize(199, 541);
constexpr QSize DrippingSize(217, 543);
constexpr double SceneHeight = 541;

// The icon's burette: fewer marks, no numbers, no stand, heavier lines.
constexpr BuretteGeometry Icon{
    .centreX = 128,
    .lipY = 10,
    .tubeHalfWidth = 20,
    .wall = 4,
    .zeroMarkY = 30,
    .pxPerMl = 4.8,
    .lastMl = 20,
    .markStepMl = 2.5,
    .markSpan = 0.75,
    .numberPx = 0,
    .taperTopY = 132,
    .stopcockY = 156,
    .stemHalfWidth = 7.5,
    .tipTopY = 174,
    .tipY = 198,
    .tipHalfWidth = 3.5,
    .keyRadius = 12,
    .handleLength = 56,
    .handleWidth = 14,
    .beakerLeft = 62,
    .beakerTop = 184,
    .beakerWidth = 132,
    .beakerHeight = 68,
    .solutionY = 222,
    .lineWidth = 4,
    .markWidth = 4,
    .stand = false,
};

// What changes from picture to picture: the lowest point of the meniscus and the surface of
// the solution in the beaker.
struct SceneLevel {
    double meniscusY;
    double solutionY;
};

SceneLevel fullLevel(const BuretteGeometry& g) {
    return {g.zeroMarkY, g.solutionY};
}

// The scene's rows for a fill: the meniscus on the graduations, the solution's surface at its
// share of the beaker's depth from the inside of the base up to the rim.
SceneLevel sceneLevel(const BuretteFill& fill) {
    const BuretteGeometry& g = Scene;
    const double base = g.beakerTop + g.beakerHeight - g.wall;
    const double depth = base - g.beakerTop;
    return {meniscusRow(BuretteTubeScale, fill.deliveredMl),
            base - std::clamp(fill.beakerFill, 0.0, BeakerMaxFill) * depth};
}

const QColor TitrantDark(22, 70, 150);
const QColor TitrantMid(48, 124, 214);
const QColor TitrantLight(110, 172, 240);
const QColor GlassLine(62, 84, 104);
const QColor MarkInk(16, 34, 56);

// Titrant seen through a round tube: dark at the walls, light a little left of the axis.
QLinearGradient titrantAcross(double left, double right) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, TitrantDark);
    g.setColorAt(0.3, TitrantMid);
    g.setColorAt(0.45, TitrantLight);
    g.setColorAt(0.75, TitrantMid);
    g.setColorAt(1.0, TitrantDark);
    return g;
}

// Clear glass over the background: grey-blue at the edges, almost nothing in the middle.
QLinearGradient glassAcross(double left, double right) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, QColor(150, 175, 195, 150));
    g.setColorAt(0.12, QColor(215, 230, 240, 90));
    g.setColorAt(0.5, QColor(235, 243, 248, 40));
    g.setColorAt(0.88, QColor(205, 222, 234, 90));
    g.setColorAt(1.0, QColor(140, 165, 185, 160));
    return g;
}

// Brushed steel of the stand, lit from the left.
QLinearGradient steelAcross(double left, double right) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, QColor(92, 98, 106));
    g.setColorAt(0.35, QColor(205, 210, 216));
    g.setColorAt(0.6, QColor(150, 156, 164));
    g.setColorAt(1.0, QColor(70, 75, 82));
    return g;
}

QLinearGradient steelDown(double top, double bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, QColor(200, 205, 212));
    g.setColorAt(0.5, QColor(130, 136, 144));
    g.setColorAt(1.0, QColor(70, 75, 82));
    return g;
}

// Outline of the burette glass from the lip to the tip, narrowed by inset on each side.
// The liquid uses inset = wall, the glass inset = 0.
QPainterPath tubePath(const BuretteGeometry& g, double inset) {
    const double cx = g.centreX;
    const double flare = g.tubeHalfWidth * 0.12;
    const double tube = g.tubeHalfWidth - inset;
    const double stem = std::max(g.stemHalfWidth - inset * 0.6, 0.8);
    const double tip = std::max(g.tipHalfWidth - inset * 0.4, 0.6);
    const double shoulderY = g.stopcockY - g.keyRadius - 4; // where the taper meets the stem
    const double taper = shoulderY - g.taperTopY;

    QPainterPath path;
    path.moveTo(cx - tube - flare, g.lipY);
    path.lineTo(cx - tube, g.lipY + 5);
    path.lineTo(cx - tube, g.taperTopY);
    path.cubicTo(cx - tube, g.taperTopY + taper * 0.6, cx - stem, shoulderY - taper * 0.4,
                 cx - stem, shoulderY);
    path.lineTo(cx - stem, g.tipTopY);
    path.quadTo(cx - stem, g.tipTopY + (g.tipY - g.tipTopY) * 0.3, cx - tip, g.tipY);
    path.lineTo(cx + tip, g.tipY);
    path.quadTo(cx + stem, g.tipTopY + (g.tipY - g.tipTopY) * 0.3, cx + stem, g.tipTopY);
    path.lineTo(cx + stem, shoulderY);
    path.cubicTo(cx + stem, shoulderY - taper * 0.4, cx + tube, g.taperTopY + taper * 0.6,
                 cx + tube, g.taperTopY);
    path.lineTo(cx + tube, g.lipY + 5);
    path.lineTo(cx + tube + flare, g.lipY);
    path.closeSubpath();
    return path;
}

// The titrant column: from the meniscus (concave, lowest on the axis at meniscusY) down to the
// closed key, or through the open key to the end of the tip.
void drawTitrant(QPainter& p, const BuretteGeometry& g, bool open, double meniscusY) {
    const double cx = g.centreX;
    const double inner = g.tubeHalfWidth - g.wall;
    const double rise = g.tubeHalfWidth * 0.22; // the meniscus climbs the wall this much
    const double bottom = open ? g.tipY + 1 : g.stopcockY;

    QPainterPath column;
    column.moveTo(cx - inner - 1, meniscusY - rise);
    column.quadTo(cx, meniscusY + rise, cx + inner + 1, meniscusY - rise);
    column.lineTo(cx + inner + 1, bottom);
    column.lineTo(cx - inner - 1, bottom);
    column.closeSubpath();
    column = column.intersected(tubePath(g, g.wall));

    p.setPen(Qt::NoPen);
    p.setBrush(titrantAcross(cx - inner, cx + inner));
    p.drawPath(column);

    // The meniscus reads as a dark curved band whose middle lies on the level.
    QPainterPath meniscus;
    meniscus.moveTo(cx - inner, meniscusY - rise * 0.9);
    meniscus.quadTo(cx, meniscusY + rise * 0.9, cx + inner, meniscusY - rise * 0.9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(10, 36, 86), g.markWidth * 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(meniscus);
}

// The glass of the tube behind the titrant.
void drawTubeGlass(QPainter& p, const BuretteGeometry& g) {
    p.setPen(Qt::NoPen);
    p.setBrush(glassAcross(g.centreX - g.tubeHalfWidth, g.centreX + g.tubeHalfWidth));
    p.drawPath(tubePath(g, 0));
}

// The front of the tube over the titrant: highlights, outline and the open top.
void drawTubeFront(QPainter& p, const BuretteGeometry& g) {
    const double cx = g.centreX;
    const QPainterPath glass = tubePath(g, 0);

    // Highlights: a bright streak down the left of the glass, a fainter one on the right.
    const double top = g.lipY + 6;
    const double bottom = g.taperTopY - 4;
    QLinearGradient fade(0, top, 0, bottom);
    fade.setColorAt(0.0, QColor(255, 255, 255, 0));
    fade.setColorAt(0.05, QColor(255, 255, 255, 200));
    fade.setColorAt(0.95, QColor(255, 255, 255, 200));
    fade.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    const double streak = std::max(g.tubeHalfWidth * 0.16, 1.5);
    p.drawRect(QRectF(cx - g.tubeHalfWidth * 0.62, top, streak, bottom - top));
    p.setOpacity(0.45);
    p.drawRect(QRectF(cx + g.tubeHalfWidth * 0.55, top, streak * 0.6, bottom - top));
    p.setOpacity(1.0);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(GlassLine, g.lineWidth));
    p.drawPath(glass);
    // The open top seen slightly from above.
    const double lip = g.tubeHalfWidth * 1.12;
    p.drawEllipse(
        QRectF(cx - lip, g.lipY - g.tubeHalfWidth * 0.18, 2 * lip, g.tubeHalfWidth * 0.36));
}

void drawTube(QPainter& p, const BuretteGeometry& g, bool open, double meniscusY) {
    drawTubeGlass(p, g);
    drawTitrant(p, g, open, meniscusY);
    drawTubeFront(p, g);
}

// Marks every markStepMl from 0 down to lastMl on the front of the tube, from its left edge:
// the 5 mL ones longest (right across, in the pictures) and numbered beside the tube, the
// other whole mL ones about two thirds as long, the rest a third.
void drawGraduations(QPainter& p, const BuretteGeometry& g) {
    const double cx = g.centreX;
    const double inner = g.tubeHalfWidth - g.wall;
    const double left = cx - inner;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, int(std::lround(g.numberPx))));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(font);

    const int steps = int(std::lround(g.lastMl / g.markStepMl));
    for (int i = 0; i <= steps; ++i) {
        const double ml = i * g.markStepMl;
        const double y = g.zeroMarkY + ml * g.pxPerMl;
        const bool five = std::fmod(ml, 5.0) == 0;
        const bool whole = std::fmod(ml, 1.0) == 0;
        const double longest = 2 * inner * g.markSpan;
        const double length = five ? longest : whole ? longest * 0.62 : longest * 0.34;
        p.setPen(QPen(MarkInk, five ? g.markWidth * 1.3 : g.markWidth, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(left, y), QPointF(left + length, y));
        if (five && g.numberPx > 0) {
            const QRectF box(cx + g.tubeHalfWidth + 3, y - g.numberPx, g.numberPx * 2.2,
                             g.numberPx * 2);
            p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QString::number(int(ml)));
        }
    }
    if (g.numberPx > 0) {
        // The unit, printed on the glass below the last mark as on a real burette.
        font.setBold(false);
        font.setPixelSize(std::max(1, int(std::lround(g.numberPx * 0.8))));
        p.setFont(font);
        p.setPen(MarkInk);
        const double y = g.zeroMarkY + (g.lastMl + 0.9) * g.pxPerMl;
        p.drawText(QRectF(cx - inner, y - g.numberPx, 2 * inner, g.numberPx * 2), Qt::AlignCenter,
                   QStringLiteral("mL"));
    }
}

// The stopcock seen from the front: the glass barrel across the stem, the key's round hub
// and its flat handle. Closed, the handle lies across the tube and the bore is crosswise;
// open, the handle lies along the tube and titrant shows through the bore.
void drawStopcock(QPainter& p, const BuretteGeometry& g, bool open) {
    const double cx = g.centreX;
    const double cy = g.stopcockY;
    const double r = g.keyRadius;

    // Barrel: a short glass cylinder across the stem.
    const QRectF barrel(cx - r * 1.9, cy - r * 0.85, r * 3.8, r * 1.7);
    p.setPen(QPen(GlassLine, g.lineWidth));
    QLinearGradient barrelShade(0, barrel.top(), 0, barrel.bottom());
    barrelShade.setColorAt(0.0, QColor(170, 192, 208));
    barrelShade.setColorAt(0.3, QColor(240, 246, 250));
    barrelShade.setColorAt(1.0, QColor(150, 172, 190));
    p.setBrush(barrelShade);
    p.drawRoundedRect(barrel, r * 0.5, r * 0.5);

    // Handle: a flat paddle through the hub.
    const double half = g.handleLength / 2;
    const double w = g.handleWidth;
    const QRectF handle = open ? QRectF(cx - w / 2, cy - half, w, g.handleLength)
                               : QRectF(cx - half, cy - w / 2, g.handleLength, w);
    QLinearGradient handleShade = open ? QLinearGradient(handle.left(), 0, handle.right(), 0)
                                       : QLinearGradient(0, handle.top(), 0, handle.bottom());
    handleShade.setColorAt(0.0, QColor(120, 132, 146));
    handleShade.setColorAt(0.35, QColor(84, 96, 110));
    handleShade.setColorAt(1.0, QColor(36, 42, 50));
    p.setPen(QPen(QColor(24, 28, 34), g.lineWidth));
    p.setBrush(handleShade);
    p.drawRoundedRect(handle, w * 0.45, w * 0.45);

    // Hub of the key, white plastic.
    QRadialGradient hubShade(QPointF(cx - r * 0.35, cy - r * 0.35), r * 1.4);
    hubShade.setColorAt(0.0, QColor(255, 255, 255));
    hubShade.setColorAt(0.7, QColor(212, 218, 224));
    hubShade.setColorAt(1.0, QColor(150, 158, 168));
    p.setBrush(hubShade);
    p.setPen(QPen(QColor(60, 68, 78), g.lineWidth));
    p.drawEllipse(QPointF(cx, cy), r, r);

    // The bore through the key, drawn as a slot on the hub.
    const double bore = std::max(g.stemHalfWidth - g.wall * 0.6, 1.2);
    const QRectF slot = open ? QRectF(cx - bore, cy - r * 0.8, 2 * bore, r * 1.6)
                             : QRectF(cx - r * 0.8, cy - bore, r * 1.6, 2 * bore);
    p.setPen(QPen(QColor(60, 68, 78), g.lineWidth * 0.7));
    p.setBrush(open ? QBrush(TitrantMid) : QBrush(QColor(236, 240, 244)));
    p.drawRoundedRect(slot, bore, bore);
}

constexpr double RodLeft = 13; // the stand's rod, scene pixels
constexpr double RodWidth = 8;

void drawStand(QPainter& p, const BuretteGeometry& g) {
    const double rodLeft = RodLeft;
    const double rodWidth = RodWidth;
    const double baseTop = g.beakerTop + g.beakerHeight;
    const QRectF base(4, baseTop, 191, 9);

    // Base plate with a soft shadow under it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(base.translated(0, 1.5), 3, 3);
    p.setBrush(steelDown(base.top(), base.bottom()));
    p.setPen(QPen(QColor(55, 60, 66), 1));
    p.drawRoundedRect(base, 3, 3);

    // Rod.
    p.setBrush(steelAcross(rodLeft, rodLeft + rodWidth));
    p.drawRoundedRect(QRectF(rodLeft, 3, rodWidth, baseTop - 2), rodWidth / 2, rodWidth / 2);
}

// Clamp arm from a boss on the rod to the jaws around the tube, in front of the glass.
void drawClamp(QPainter& p, const BuretteGeometry& g) {
    const double rodLeft = RodLeft;
    const double rodWidth = RodWidth;
    const double clampY = g.lipY + 16;
    p.setPen(QPen(QColor(55, 60, 66), 1));
    const double jawLeft = g.centreX - g.tubeHalfWidth - 6;
    const double jawRight = g.centreX + g.tubeHalfWidth + 6;
    p.setBrush(steelDown(clampY - 3, clampY + 3));
    p.drawRect(QRectF(rodLeft + rodWidth, clampY - 3, jawLeft - rodLeft - rodWidth + 2, 6));
    p.setBrush(steelAcross(rodLeft - 4, rodLeft + rodWidth + 4));
    p.drawRoundedRect(QRectF(rodLeft - 4, clampY - 9, rodWidth + 8, 18), 2, 2);
    p.setBrush(QColor(60, 64, 70));
    p.drawEllipse(QPointF(rodLeft + rodWidth / 2, clampY), 2.2, 2.2);

    // Jaws: steel with cork pads pressed against the glass.
    const QColor cork(196, 150, 96);
    p.setBrush(steelAcross(jawLeft, jawLeft + 6));
    p.drawRoundedRect(QRectF(jawLeft, clampY - 8, 6, 16), 2, 2);
    p.setBrush(steelAcross(jawRight - 6, jawRight));
    p.drawRoundedRect(QRectF(jawRight - 6, clampY - 8, 6, 16), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(cork);
    p.drawRect(QRectF(jawLeft + 5, clampY - 6, 2.5, 12));
    p.drawRect(QRectF(jawRight - 7.5, clampY - 6, 2.5, 12));
    // Band across the front of the tube and the thumbscrew on the right.
    p.setPen(QPen(QColor(55, 60, 66), 1));
    p.setBrush(steelDown(clampY - 2.5, clampY + 2.5));
    p.drawRect(QRectF(jawLeft + 3, clampY - 2.5, jawRight - jawLeft - 6, 5));
    p.drawRect(QRectF(jawRight, clampY - 1.5, 8, 3));
    p.setBrush(steelAcross(jawRight + 8, jawRight + 14));
    p.drawRoundedRect(QRectF(jawRight + 8, clampY - 5, 6, 10), 2, 2);
}

// Beaker outline: side walls, a rounded base seen a little from above and the back of the rim.
QPainterPath beakerPath(const BuretteGeometry& g, double inset) {
    const double left = g.beakerLeft + inset;
    const double right = g.beakerLeft + g.beakerWidth - inset;
    const double top = g.beakerTop;
    const double bottom = g.beakerTop + g.beakerHeight - inset;
    const double e = g.beakerWidth * 0.04; // half-height of the ellipses (perspective)
    QPainterPath path;
    path.moveTo(left, top);
    path.lineTo(left, bottom - e);
    path.arcTo(QRectF(left, bottom - 2 * e, right - left, 2 * e), 180, 180);
    path.lineTo(right, top);
    path.arcTo(QRectF(left, top - e, right - left, 2 * e), 0, 180);
    path.closeSubpath();
    return path;
}

// Glass and solution; the ripple goes on the surface, before the front of the glass.
void drawBeaker(QPainter& p, const BuretteGeometry& g, bool ripple, double solutionY) {
    const double left = g.beakerLeft;
    const double right = g.beakerLeft + g.beakerWidth;
    const double top = g.beakerTop;
    const double bottom = g.beakerTop + g.beakerHeight;
    const double e = g.beakerWidth * 0.04;
    const double wall = g.wall;
    const double innerLeft = left + wall;
    const double innerRight = right - wall;

    p.setPen(Qt::NoPen);
    p.setBrush(glassAcross(left, right));
    p.drawPath(beakerPath(g, 0));

    // Solution: the inside of the beaker below the surface ellipse.
    QPainterPath solution;
    solution.moveTo(innerLeft, solutionY);
    solution.lineTo(innerLeft, bottom - wall - e);
    solution.arcTo(QRectF(innerLeft, bottom - wall - 2 * e, innerRight - innerLeft, 2 * e), 180,
                   180);
    solution.lineTo(innerRight, solutionY);
    solution.arcTo(QRectF(innerLeft, solutionY - e, innerRight - innerLeft, 2 * e), 0, 180);
    solution.closeSubpath();
    QLinearGradient liquid(innerLeft, 0, innerRight, 0);
    liquid.setColorAt(0.0, QColor(30, 92, 178, 235));
    liquid.setColorAt(0.35, QColor(66, 142, 222, 225));
    liquid.setColorAt(0.7, QColor(52, 122, 206, 225));
    liquid.setColorAt(1.0, QColor(26, 84, 168, 235));
    p.setBrush(liquid);
    p.drawPath(solution);
    // The surface, lighter, seen from slightly above.
    const QRectF surface(innerLeft, solutionY - e, innerRight - innerLeft, 2 * e);
    QLinearGradient surfaceShade(0, surface.top(), 0, surface.bottom());
    surfaceShade.setColorAt(0.0, QColor(150, 200, 245));
    surfaceShade.setColorAt(1.0, QColor(96, 164, 232));
    p.setBrush(surfaceShade);
    p.setPen(QPen(QColor(40, 100, 180), g.lineWidth * 0.6));
    p.drawEllipse(surface);

    if (ripple) {
        // Rings spreading from where the last drop fell, and a small crown of spray.
        const double cx = g.centreX;
        p.setBrush(Qt::NoBrush);
        for (int ring = 0; ring < 2; ++ring) {
            const double rx = g.beakerWidth * (0.09 + 0.09 * ring);
            const double ry = e * (0.45 + 0.35 * ring);
            p.setPen(QPen(QColor(255, 255, 255, ring == 0 ? 230 : 150), g.lineWidth));
            p.drawEllipse(QPointF(cx, solutionY), rx, ry);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(TitrantLight);
        const double s = g.beakerWidth / 116; // spray drawn for the scene, scaled for others
        p.drawEllipse(QPointF(cx - 7 * s, solutionY - 5 * s), 1.4 * s, 1.4 * s);
        p.drawEllipse(QPointF(cx + 6 * s, solutionY - 6.5 * s), 1.2 * s, 1.2 * s);
        p.drawEllipse(QPointF(cx - 2 * s, solutionY - 8 * s), 1.0 * s, 1.0 * s);
        p.drawEllipse(QPointF(cx + 11 * s, solutionY - 3 * s), 1.0 * s, 1.0 * s);
    }

    // Front of the glass: highlights, a few graduation lines, rim, spout and outline.
    QLinearGradient fade(0, top, 0, bottom);
    fade.setColorAt(0.0, QColor(255, 255, 255, 0));
    fade.setColorAt(0.15, QColor(255, 255, 255, 170));
    fade.setColorAt(0.85, QColor(255, 255, 255, 170));
    fade.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    p.drawRect(
        QRectF(left + g.beakerWidth * 0.06, top + 6, g.beakerWidth * 0.035, g.beakerHeight - 14));
    p.setOpacity(0.5);
    p.drawRect(
        QRectF(right - g.beakerWidth * 0.09, top + 6, g.beakerWidth * 0.02, g.beakerHeight - 14));
    p.setOpacity(1.0);

    if (g.numberPx > 0) { // the icon, without numbers, is too small for these too
        const double markX = right - g.beakerWidth * 0.3;
        for (int i = 1; i <= 4; ++i) {
            const double y = bottom - e - i * (g.beakerHeight - 2 * e) / 5.0;
            const double length = g.beakerWidth * (i % 2 == 0 ? 0.16 : 0.1);
            // White enamel shows on the solution; above it the marks go dark.
            p.setPen(QPen(y > solutionY + e ? QColor(255, 255, 255, 220) : QColor(MarkInk),
                          g.markWidth));
            p.drawLine(QPointF(markX, y), QPointF(markX + length, y));
        }
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(GlassLine, g.lineWidth));
    p.drawPath(beakerPath(g, 0));
    // Rolled rim all round and the pouring spout on the left.
    p.setPen(QPen(GlassLine, g.lineWidth * 1.4));
    p.drawEllipse(QRectF(left, top - e, g.beakerWidth, 2 * e));
    QPainterPath spout;
    const double s = g.beakerWidth * 0.06;
    spout.moveTo(left, top + s * 0.9);
    spout.quadTo(left - s * 0.1, top - s * 0.1, left - s * 0.9, top - s * 0.6);
    spout.quadTo(left + s * 0.2, top - s * 0.6, left + s * 0.9, top - e * 0.6);
    p.setPen(QPen(GlassLine, g.lineWidth));
    p.setBrush(QColor(235, 243, 248));
    p.drawPath(spout);
}

// A drop of titrant, pointed at the top, with a glint.
void drawDrop(QPainter& p, QPointF centre, double r) {
    const double x = centre.x();
    const double y = centre.y();
    QPainterPath drop;
    drop.moveTo(x, y - 2.3 * r);
    drop.cubicTo(x + 0.25 * r, y - 1.5 * r, x + r, y - 0.7 * r, x + r, y);
    drop.arcTo(QRectF(x - r, y - r, 2 * r, 2 * r), 0, -180);
    drop.cubicTo(x - r, y - 0.7 * r, x - 0.25 * r, y - 1.5 * r, x, y - 2.3 * r);
    drop.closeSubpath();
    QRadialGradient shade(QPointF(x - 0.3 * r, y - 0.3 * r), 1.6 * r);
    shade.setColorAt(0.0, TitrantLight);
    shade.setColorAt(0.6, TitrantMid);
    shade.setColorAt(1.0, TitrantDark);
    p.setPen(QPen(QColor(14, 50, 110), std::max(0.6, r * 0.22)));
    p.setBrush(shade);
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(x - 0.35 * r, y - 0.3 * r), 0.28 * r, 0.28 * r);
}

// One drop swelling at the tip and the rest falling, evenly spaced, towards the surface.
void drawDrops(QPainter& p, const BuretteGeometry& g, int falling, double solutionY) {
    const double r = g.tipHalfWidth * 1.45;
    drawDrop(p, QPointF(g.centreX, g.tipY + r * 0.9), r * 0.85);
    const double gap = (solutionY - g.tipY) / (falling + 1);
    for (int i = 1; i <= falling; ++i)
        drawDrop(p, QPointF(g.centreX, g.tipY + i * gap + r * 0.6), r);
}

void drawBackground(QPainter& p, const QRectF& canvas) {
    QLinearGradient wash(0, 0, 0, SceneHeight);
    wash.setColorAt(0.0, QColor(255, 255, 255));
    wash.setColorAt(1.0, QColor(234, 239, 244));
    p.fillRect(canvas, wash);
}

// The scene in four layers, painted in this order. Only the titrant and the beaker with the
// drops change with the fill; the other two are the same in every picture of a view.
void drawBackLayer(QPainter& p, const BuretteGeometry& g) {
    if (g.stand)
        drawStand(p, g);
    drawTubeGlass(p, g);
}

void drawFrontLayer(QPainter& p, const BuretteGeometry& g, bool open) {
    drawTubeFront(p, g);
    drawGraduations(p, g);
    if (g.stand)
        drawClamp(p, g);
    drawStopcock(p, g, open);
}

void drawFillLayer(QPainter& p, const BuretteGeometry& g, bool open, double solutionY) {
    if (open)
        drawDrops(p, g, 2, solutionY);
    drawBeaker(p, g, open, solutionY);
}

// Offset of the scene on a canvas of the given size: centred, in whole pixels so that the
// two pictures' pixels line up.
QPoint sceneOffset(QSize canvas) {
    return {(canvas.width() - ClosedSize.width()) / 2, (canvas.height() - ClosedSize.height()) / 2};
}

// A painter on a picture of the view at `size`, in the scene's coordinates.
void beginScene(QPainter& p, QPaintDevice* image, BuretteView view, QSize size) {
    const QSize own = buretteImageSize(view);
    p.begin(image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(double(size.width()) / own.width(), double(size.height()) / own.height());
    p.translate(sceneOffset(own));
}

BuretteRegions regionsAt(QPoint offset, const SceneLevel& level) {
    const BuretteGeometry& g = Scene;
    const double inner = g.tubeHalfWidth - g.wall;
    const double titrantTop = level.meniscusY + 4;
    const QRectF titrant(g.centreX - inner + 2, titrantTop, 2 * inner - 4,
                         std::max(0.0, g.taperTopY - 20 - titrantTop));
    const double e = g.beakerWidth * 0.04;
    const QRectF solution(g.beakerLeft + g.wall + 4, level.solutionY + e + 2,
                          g.beakerWidth - 2 * g.wall - 8,
                          g.beakerTop + g.beakerHeight - level.solutionY - 4 * e - 4);
    const double half = g.handleLength / 2 + 2;
    const QRectF stopcock(g.centreX - half, g.stopcockY - half, 2 * half, 2 * half);
    const QRectF fall(g.centreX - g.tipHalfWidth * 3, g.tipY + 2, g.tipHalfWidth * 6,
                      level.solutionY - e - g.tipY - 4);
    return {titrant.toAlignedRect().translated(offset), solution.toAlignedRect().translated(offset),
            stopcock.toAlignedRect().translated(offset), fall.toAlignedRect().translated(offset)};
}

} // namespace

QSize buretteImageSize(BuretteView view) {
    return view == BuretteView::Dripping ? DrippingSize : ClosedSize;
}

BurettePainter::BurettePainter(BuretteView view, QSize size)
    : m_view(view), m_back(size, QImage::Format_RGB32),
      m_front(size, QImage::Format_ARGB32_Premultiplied) {
    m_back.fill(Qt::white);
    m_front.fill(Qt::transparent);
    if (size.isEmpty())
        return;
    const QSize own = buretteImageSize(view);
    QPainter p;
    beginScene(p, &m_back, view, size);
    drawBackground(p, QRectF(QPointF(-sceneOffset(own)), QSizeF(own)));
    drawBackLayer(p, Scene);
    p.end();
    beginScene(p, &m_front, view, size);
    drawFrontLayer(p, Scene, view == BuretteView::Dripping);
}

QImage BurettePainter::draw(const BuretteFill& fill) const {
    QImage image = m_back.copy();
    if (image.isNull() || image.size().isEmpty())
        return image;
    const bool open = m_view == BuretteView::Dripping;
    const SceneLevel level = sceneLevel(fill);
    QPainter p;
    beginScene(p, &image, m_view, image.size());
    drawTitrant(p, Scene, open, level.meniscusY);
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, m_front);
    p.restore();
    drawFillLayer(p, Scene, open, level.solutionY);
    return image;
}

QImage buretteImage(BuretteView view, const BuretteFill& fill, QSize size) {
    return BurettePainter(view, size).draw(fill);
}

QImage closedBuretteImage() {
    return buretteImage(BuretteView::Closed, {});
}

QImage closedBuretteCopyImage() {
    return buretteImage(BuretteView::ClosedCopy, {});
}

QImage drippingBuretteImage() {
    return buretteImage(BuretteView::Dripping, {});
}

QImage applicationIconImage(int size) {
    QImage image(QSize(size, size), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (size <= 0)
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    drawTube(p, Icon, true, fullLevel(Icon).meniscusY);
    drawGraduations(p, Icon);
    drawStopcock(p, Icon, true);
    drawDrops(p, Icon, 1, fullLevel(Icon).solutionY);
    drawBeaker(p, Icon, false, fullLevel(Icon).solutionY);
    return image;
}

BuretteRegions closedBuretteRegions() {
    return buretteRegions(BuretteView::Closed, {});
}

BuretteRegions drippingBuretteRegions() {
    return buretteRegions(BuretteView::Dripping, {});
}

BuretteRegions buretteRegions(BuretteView view, const BuretteFill& fill) {
    return regionsAt(sceneOffset(buretteImageSize(view)), sceneLevel(fill));
}

double buretteAxisX(BuretteView view) {
    return Scene.centreX + sceneOffset(buretteImageSize(view)).x();
}

} // namespace drevant
