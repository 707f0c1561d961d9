// The 26 emblems. Each is drawn in its own unit space: centre (0, 0), outline within a
// radius of 96 of the 100 units that `paintEmblem` maps onto the caller's radius. Every
// emblem has its own ground colour and motif, so that the 5 × 5 icon grid reads at a glance.

#include "decoration/Emblems.h"

#include "kit/Draw.h"
#include "kit/Palette.h"
#include "kit/Typography.h"

#include <QPainterPath>
#include <QtMath>
#include <array>
#include <vector>

namespace zuvgen::deco {
namespace {

const QPointF O(0, 0);

QPainterPath arcPolyline(QPointF c, qreal r, qreal fromDeg, qreal toDeg, int steps = 64) {
    QPainterPath path(polar(c, r, fromDeg));
    for (int i = 1; i <= steps; ++i) path.lineTo(polar(c, r, fromDeg + (toDeg - fromDeg) * i / steps));
    return path;
}

// The band between r1 and r2 from one angle to another.
QPainterPath annularSector(QPointF c, qreal r1, qreal r2, qreal fromDeg, qreal toDeg) {
    QPainterPath path = arcPolyline(c, r2, fromDeg, toDeg);
    const QPainterPath inner = arcPolyline(c, r1, toDeg, fromDeg);
    path.connectPath(inner);
    path.closeSubpath();
    return path;
}

void strokePath(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width,
                Qt::PenCapStyle cap = Qt::RoundCap) {
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void fillPath(QPainter& p, const QPainterPath& path, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width, Qt::PenCapStyle cap = Qt::RoundCap) {
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, cap));
    p.drawLine(a, b);
    p.restore();
}

// A filled ellipse of the given size, turned by deg around its centre.
void leaf(QPainter& p, QPointF c, qreal length, qreal width, qreal deg, const QColor& colour) {
    p.save();
    p.translate(c);
    p.rotate(deg);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(0, 0), length / 2, width / 2);
    p.restore();
}

// A deterministic sequence for the few places that want irregularity (clay wedges, rock edge).
struct Lcg {
    quint32 state;
    qreal next() {  // in [0, 1)
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / qreal(1 << 24);
    }
};

// --- 0: the program: the 5 × 5 grid of calendar systems inside a ring -----------------------
void emblemProgram(QPainter& p) {
    const QColor navy = rgb(decopalette::navy), gold = rgb(decopalette::gold);
    circle(p, O, 93, gold, 2.5);
    circle(p, O, 85, navy, 8);
    const std::array<QColor, 3> firstRow = {navy, rgb(decopalette::crimson), rgb(decopalette::green)};
    const qreal cell = 22, side = 16.5;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) {
            const int n = r * 5 + c;
            const QColor colour = n < 3 ? firstRow[n] : (n == 12 ? gold : rgb(0xaab6c8));
            const QRectF box((c - 2) * cell - side / 2, (r - 2) * cell - side / 2, side, side);
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawRoundedRect(box, 3, 3);
        }
}

// --- 1: ZUV: navy disc, gold rings, 25 dots for the systems of the grid ----------------------
void emblemZuv(QPainter& p) {
    const QColor navy = rgb(decopalette::navy), gold = rgb(0xd4a944);
    disc(p, O, 96, gold);
    disc(p, O, 85, navy);
    dotsAround(p, O, 90.5, 25, 2.2, navy);
    dotsAround(p, O, 76, 25, 2.4, gold);
    circle(p, O, 67, withAlpha(gold, 200), 1.5);
    textAt(p, QPointF(0, 2), QStringLiteral("ЗУВ"), typeface(Face::SerifBold, 44), Qt::white);
    fillPath(p, starPath(QPointF(0, -44), 4, 8, 2.5), gold);
    fillPath(p, starPath(QPointF(0, 44), 4, 8, 2.5), gold);
}

// --- 2: Gregorian: crimson band of twelve months around an ivory field, the reform year -----
void emblemGregorian(QPainter& p) {
    const QColor ivory = rgb(0xf7f1e3), crimson = rgb(decopalette::crimson);
    disc(p, O, 96, crimson);
    disc(p, O, 80, ivory);
    ticksAround(p, O, 83.5, 93, 12, ivory, 3.2);
    circle(p, O, 73, crimson, 1.6);
    textAt(p, QPointF(0, -8), QStringLiteral("ГКС"), typeface(Face::SerifBold, 38), crimson);
    line(p, QPointF(-34, 14), QPointF(34, 14), withAlpha(crimson, 160), 1.2);
    textAt(p, QPointF(0, 31), QStringLiteral("1582"), typeface(Face::Sans, 17), rgb(decopalette::bodyInk));
}

// --- 3: VRKS: forest green, thirteen gold months -------------------------------------------
void emblemVrks(QPainter& p) {
    const QColor green = rgb(decopalette::green), pale = rgb(0x95d5b2), gold = rgb(0xe9c46a);
    disc(p, O, 96, green);
    circle(p, O, 90, pale, 2);
    dotsAround(p, O, 78, 13, 5.2, gold);
    circle(p, O, 65, pale, 1.5);
    textAt(p, QPointF(0, -7), QStringLiteral("ВРКС"), typeface(Face::SansBold, 31), Qt::white);
    textAt(p, QPointF(0, 26), QStringLiteral("13 × 28"), typeface(Face::SansBold, 16), gold);
}

// --- 4: Julian: purple with a gold laurel wreath and the four-year step ----------------------
void emblemJulian(QPainter& p) {
    const QColor purple = rgb(0x5a189a), gold = rgb(0xe0b84c);
    disc(p, O, 96, purple);
    circle(p, O, 91, withAlpha(gold, 170), 1.5);
    for (int side : {-1, 1}) {
        strokePath(p, arcPolyline(O, 70, 90 + side * 12, 90 + side * 150), gold, 2.2);
        for (int i = 0; i < 9; ++i) {
            const qreal a = 90 + side * (20 + i * 15.5);
            const qreal tangent = a + 90;
            leaf(p, polar(O, 76, a), 17, 6.5, tangent - side * 28, gold);
            leaf(p, polar(O, 64, a + side * 6), 15, 6, tangent + side * 28, gold);
        }
    }
    textAt(p, QPointF(0, 0), QStringLiteral("IV"), typeface(Face::SerifBold, 52), Qt::white);
}

// --- 5: Dendera: sand disc, 36 decans, the sun sign at the centre ------------------------------
void emblemDendera(QPainter& p) {
    const QColor sand = rgb(0xefdcaa), brown = rgb(0x5c3d1e);
    disc(p, O, 96, sand);
    circle(p, O, 92, brown, 4);
    ticksAround(p, O, 75, 87, 36, brown, 2);
    circle(p, O, 73, brown, 2);
    for (int i = 0; i < 12; ++i) {
        const QPointF c = polar(O, 56, -90 + i * 30);
        if (i % 2) disc(p, c, 4.5, brown);
        else fillPath(p, starPath(c, 5, 7, 3), brown);
    }
    circle(p, O, 38, withAlpha(brown, 140), 1.5);
    circle(p, O, 21, brown, 4.5);
    disc(p, O, 6, brown);
}

// --- 6: Baháʼí: a nine-pointed teal star, nineteen dots around the 19 ---------------------------
void emblemBahai(QPainter& p) {
    const QColor teal = rgb(0x0a9396), pale = rgb(0xe9f5f2);
    p.save();
    p.setPen(QPen(rgb(0x005f73), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(teal);
    p.drawPath(starPath(O, 9, 95, 70));
    p.restore();
    disc(p, O, 52, pale);
    dotsAround(p, O, 43, 19, 2.3, teal);
    textAt(p, O, QStringLiteral("19"), typeface(Face::SansBold, 30), rgb(0x005f73));
}

// --- 7: Arabic: cobalt, a gold crescent and star over an eight-pointed outline -------------------
void emblemArabic(QPainter& p) {
    const QColor cobalt = rgb(0x1d4e89), gold = rgb(0xe2b340), light = rgb(0x5f8cc4);
    disc(p, O, 96, cobalt);
    circle(p, O, 90, gold, 2);
    p.save();
    p.setPen(QPen(light, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rhombusPath(O, 66, 66));
    p.drawRect(QRectF(-46.7, -46.7, 93.4, 93.4));
    p.restore();
    QPainterPath moon;
    moon.addEllipse(QPointF(-8, 0), 44, 44);
    QPainterPath bite;
    bite.addEllipse(QPointF(8, -6), 37, 37);
    fillPath(p, moon.subtracted(bite), gold);
    fillPath(p, starPath(QPointF(22, -2), 5, 14, 5.8), gold);
}

// --- 8: Kargopol: a linen square with red embroidery: the sown-field rhombus --------------------
void emblemKargopol(QPainter& p) {
    const QColor linen = rgb(0xf3ede0), red = rgb(0xb5232e);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(linen);
    p.drawRoundedRect(QRectF(-90, -90, 180, 180), 12, 12);
    p.setPen(QPen(red, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-86, -86, 172, 172), 9, 9);
    p.setPen(QPen(red, 1.6));
    p.drawRect(QRectF(-76, -76, 152, 152));
    p.restore();
    // Zigzag borders at the top and the bottom.
    for (qreal y : {-66.0, 66.0}) {
        QPainterPath zig(QPointF(-66, y));
        for (int i = 1; i <= 12; ++i) zig.lineTo(-66 + i * 11, y + ((i % 2) ? -5 : 5));
        strokePath(p, zig, red, 2.4);
    }
    strokePath(p, rhombusPath(O, 50, 50), red, 6, Qt::SquareCap);
    fillPath(p, rhombusPath(O, 30, 30), red);
    for (int i = 0; i < 4; ++i) disc(p, polar(O, 15, -90 + 90 * i + 45), 4.2, linen);
    for (QPointF c : {QPointF(0, -52), QPointF(52, 0), QPointF(0, 52), QPointF(-52, 0)})
        fillPath(p, rhombusPath(c + (c / 52) * 12, 5, 5), red);
    for (QPointF c : {QPointF(-50, -50), QPointF(50, -50), QPointF(-50, 50), QPointF(50, 50)}) {
        fillPath(p, rhombusPath(c, 9, 9), red);
        fillPath(p, rhombusPath(c, 3.5, 3.5), linen);
    }
}

// --- 9: Phaistos: terracotta disc with a spiral of stamped fields ---------------------------------
void emblemPhaistos(QPainter& p) {
    const QColor clay = rgb(0xd9a066), dark = rgb(0x4a2511), rim = rgb(0x9c5f2f);
    disc(p, O, 96, clay);
    circle(p, O, 92.5, rim, 5);
    // Archimedean spiral from the rim inwards, 21 units between its turns.
    const qreal turns = 3.0, outer = 84, pitch = 21;
    auto at = [&](qreal deg, qreal inset) {  // deg along the spiral from the top, inset from the line
        return polar(O, outer - pitch * deg / 360 - inset, -90 + deg);
    };
    QPainterPath spiral(at(0, 0));
    for (int d = 2; d <= 360 * turns; d += 2) spiral.lineTo(at(d, 0));
    strokePath(p, spiral, dark, 2.6);
    // The band between two turns is cut into fields; each field holds one stamped sign.
    int field = 0;
    for (qreal d = 0; d < 360 * (turns - 1); ++field) {
        const qreal r = outer - pitch * d / 360;
        const qreal span = qRadiansToDegrees(26.0 / r);  // fields about 26 units long
        line(p, at(d, 1.5), at(d, pitch - 1.5), dark, 1.6, Qt::FlatCap);
        const QPointF c = at(d + span / 2, pitch / 2);
        switch (field % 4) {
        case 0: disc(p, c, 3.6, dark); break;
        case 1: circle(p, c, 3.8, dark, 1.6); break;
        case 2: fillPath(p, starPath(c, 3, 5, 2.2, -90 + d), dark); break;
        default: line(p, at(d + span * 0.3, pitch * 0.3), at(d + span * 0.7, pitch * 0.7), dark, 2.2); break;
        }
        d += span;
    }
    fillPath(p, starPath(O, 8, 9, 4), dark);
}

// --- 10: Tengrian: sky blue band with the twelve years, the cross of the sky ----------------------
void emblemTengrian(QPainter& p) {
    const QColor sky = rgb(0x4ea8de), navy = rgb(0x03045e);
    disc(p, O, 96, sky);
    circle(p, O, 91, Qt::white, 2);
    dotsAround(p, O, 79, 12, 4.6, Qt::white);
    disc(p, O, 66, Qt::white);
    circle(p, O, 48, navy, 5.5);
    line(p, QPointF(0, -52), QPointF(0, 52), navy, 7, Qt::FlatCap);
    line(p, QPointF(-52, 0), QPointF(52, 0), navy, 7, Qt::FlatCap);
    disc(p, O, 10, Qt::white);
    circle(p, O, 10, navy, 4);
}

// --- 11: Mittelberg: the sky disc: patina green, gold sun, crescent, Pleiades, horizons ------------
void emblemMittelberg(QPainter& p) {
    const QColor patina = rgb(0x5fa391), gold = rgb(0xe0b030);
    disc(p, O, 96, patina);
    circle(p, O, 93, rgb(0x2a6b62), 3);
    disc(p, QPointF(-30, -4), 24, gold);
    QPainterPath moon;
    moon.addEllipse(QPointF(34, -20), 23, 23);
    QPainterPath bite;
    bite.addEllipse(QPointF(44, -28), 21, 21);
    fillPath(p, moon.subtracted(bite), gold);
    const QPointF pleiades[] = {{2, -56}, {11, -60}, {6, -48}, {15, -51}, {-5, -50}, {9, -41}, {18, -43}};
    for (QPointF s : pleiades) disc(p, s, 3.2, gold);
    const QPointF stars[] = {{-58, -36}, {-44, -58}, {-20, -70}, {40, -60}, {60, -40}, {-62, 14},
                             {-52, 40}, {-28, 34}, {-6, 22}, {14, 6}, {30, 26}, {58, 16},
                             {46, 46}, {-16, 58}, {20, 56}, {-40, -34}};
    for (QPointF s : stars) disc(p, s, 3.6, gold);
    fillPath(p, annularSector(O, 80, 88, 145, 215), gold);
    fillPath(p, annularSector(O, 80, 88, -35, 35), gold);
    // The boat at the bottom.
    QPainterPath boat = annularSector(QPointF(0, 28), 40, 47, 58, 122);
    fillPath(p, boat, gold);
}

// --- 12: Storozhevaya: the mound from above: steppe olive, rings, solstice sight lines ------------
void emblemStorozhevaya(QPainter& p) {
    const QColor steppe = rgb(0x4f5d75), cream = rgb(0xddd5b8), gold = rgb(0xf0c75e);
    disc(p, O, 96, steppe);
    circle(p, O, 92, cream, 2);
    circle(p, O, 76, cream, 6);
    circle(p, O, 55, cream, 5);
    circle(p, O, 34, cream, 4);
    for (qreal a : {-38.0, 38.0, 142.0, 218.0}) {
        line(p, polar(O, 16, a), polar(O, 90, a), steppe, 7, Qt::FlatCap);
        line(p, polar(O, 16, a), polar(O, 90, a), gold, 2.4);
    }
    line(p, polar(O, 16, 180), polar(O, 90, 180), steppe, 7, Qt::FlatCap);
    line(p, polar(O, 16, 0), polar(O, 90, 0), steppe, 7, Qt::FlatCap);
    disc(p, O, 12, gold);
    ticksAround(p, O, 15, 21, 8, gold, 2, -90 + 22.5);
}

// --- 13: Aurignacian: a bone plaque on charcoal with a winding line of lunar marks ---------------
void emblemAurignacian(QPainter& p) {
    const QColor charcoal = rgb(0x2b2d42), bone = rgb(0xefe6d2), mark = rgb(0x5b4636);
    disc(p, O, 96, charcoal);
    circle(p, O, 90, rgb(0x8d99ae), 1.5);
    p.save();
    p.rotate(-14);
    p.setPen(QPen(rgb(0xc9bb9a), 2));
    p.setBrush(bone);
    p.drawRoundedRect(QRectF(-42, -70, 84, 140), 32, 32);
    // The marks change size like the moon's phases along a winding path.
    const int marks = 29;
    for (int i = 0; i < marks; ++i) {
        const qreal t = qreal(i) / (marks - 1);
        const QPointF c(22 * qSin(t * M_PI * 3.5), -56 + 112 * t);
        const qreal phase = qAbs(qCos(M_PI * i / 14.5));
        disc(p, c, 1.6 + 2.8 * (1 - phase), mark);
    }
    p.restore();
}

// --- 14: Radimichi: ochre sun with a red six-petal rosette ----------------------------------------
void emblemRadimichi(QPainter& p) {
    const QColor ochre = rgb(0xe9b824), red = rgb(0x8d0801);
    disc(p, O, 96, ochre);
    circle(p, O, 91, red, 4);
    // Twenty-four rays as small triangles between the rim and the rosette's circle.
    for (int i = 0; i < 24; ++i) {
        const qreal a = -90 + i * 15;
        QPainterPath ray(polar(O, 70, a - 5));
        ray.lineTo(polar(O, 85, a));
        ray.lineTo(polar(O, 70, a + 5));
        ray.closeSubpath();
        fillPath(p, ray, red);
    }
    circle(p, O, 64, red, 3.5);
    for (int i = 0; i < 6; ++i) {
        const qreal a = -90 + i * 60;
        QPainterPath petal(O);
        petal.quadTo(polar(O, 40, a - 30), polar(O, 60, a));
        petal.quadTo(polar(O, 40, a + 30), O);
        fillPath(p, petal, red);
        disc(p, polar(O, 52, a + 30), 4, red);
    }
    disc(p, O, 6, ochre);
}

// --- 15: Achinsk: ice-blue stone, a spiral of pits from the centre ---------------------------------
void emblemAchinsk(QPainter& p) {
    const QColor ice = rgb(0xcfe3ee), slate = rgb(0x33415c);
    disc(p, O, 96, ice);
    circle(p, O, 91, slate, 4);
    qreal a = -90, r = 9;
    disc(p, O, 4.5, slate);
    while (r < 80) {
        disc(p, polar(O, r, a), 2.2 + r / 50, slate);
        // Keep the pits about 9 units apart along the spiral; it widens by 12 units per turn.
        a += qRadiansToDegrees(9.0 / r);
        r = 9 + 12 * (a + 90) / 360;
    }
}

// --- 16: Ynglings: a ring of runes on plum, the year rune in the middle ----------------------------
void emblemYnglings(QPainter& p) {
    const QColor plum = rgb(0x6d2e46), pale = rgb(0xf1e4d3);
    disc(p, O, 96, plum);
    circle(p, O, 90, pale, 2);
    circle(p, O, 63, pale, 2);
    // Stick runes in a 10 × 16 box, as line lists.
    using Seg = std::array<qreal, 4>;
    const std::vector<std::vector<Seg>> runes = {
        {{0, -8, 0, 8}, {0, -2, 5, -7}, {0, 3, 5, -2}},                  // f
        {{-4, 8, -4, -8}, {-4, -8, 4, -3}, {4, -3, 4, 8}},               // u
        {{0, -8, 0, 8}, {0, -4, 4, 0}, {4, 0, 0, 4}},                    // th
        {{0, -8, 0, 8}, {0, -8, 4, -4}, {4, -4, 0, 0}, {0, 0, 4, 8}},    // r
        {{4, -8, -3, 0}, {-3, 0, 4, 8}},                                 // k
        {{-4, -8, 4, 8}, {4, -8, -4, 8}},                                // g
        {{-4, -8, -4, 8}, {4, -8, 4, 8}, {-4, 2, 4, -2}},                // h
        {{0, -8, 0, 8}, {-4, -3, 4, 3}},                                 // n
        {{0, -8, 0, 8}},                                                 // i
        {{-4, -8, -4, 8}, {-4, -8, 0, -2}, {0, -2, 4, -8}, {4, -8, 4, 8}},  // e
        {{0, -8, 0, 8}, {0, -8, 5, -4}},                                 // l
        {{-5, -8, -5, 8}, {5, -8, 5, 8}, {-5, -8, 5, 8}, {5, -8, -5, 8}},   // d
    };
    const int around = 16;
    for (int i = 0; i < around; ++i) {
        const qreal a = -90 + 360.0 * i / around;
        p.save();
        p.translate(polar(O, 76.5, a));
        p.rotate(a + 90);
        p.setPen(QPen(pale, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const Seg& s : runes[i % runes.size()]) p.drawLine(QPointF(s[0], s[1]), QPointF(s[2], s[3]));
        p.restore();
    }
    // Jera, the rune of the year: two interlocked angles.
    QPainterPath jera(QPointF(-4, -40));
    jera.lineTo(-26, -14);
    jera.lineTo(-4, 8);
    jera.moveTo(4, -8);
    jera.lineTo(26, 14);
    jera.lineTo(4, 40);
    strokePath(p, jera, pale, 8);
}

// --- 17: Nikopol: a gold pectoral crescent on black ---------------------------------------------
void emblemNikopol(QPainter& p) {
    const QColor black = rgb(0x161616), gold = rgb(0xd4a72c);
    disc(p, O, 96, black);
    circle(p, O, 90, gold, 2);
    const QPointF c(0, -14);
    fillPath(p, annularSector(c, 64, 75, 0, 180), gold);
    fillPath(p, annularSector(c, 30, 40, 0, 180), gold);
    // The middle band: a row of small figures.
    for (int i = 0; i < 9; ++i) {
        const qreal a = 10 + i * 20;
        disc(p, polar(c, 52, a), 4.2, gold);
        if (i < 8) line(p, polar(c, 46, a + 10), polar(c, 58, a + 10), gold, 1.6);
    }
    for (qreal x : {-69.5, 69.5}) {
        disc(p, QPointF(x, -14), 8, gold);
        disc(p, QPointF(x, -14), 3.5, black);
    }
    for (qreal x : {-35.0, 35.0}) disc(p, QPointF(x, -14), 5, gold);
    // Granulation above the crescent.
    for (int i = 0; i < 5; ++i) disc(p, polar(c, 50, -150 + i * 30), 3, gold);
    fillPath(p, starPath(QPointF(0, -56), 8, 10, 4), gold);
}

// --- 18: African: a notched bone on orange, the notches in groups ----------------------------------
void emblemAfrican(QPainter& p) {
    const QColor orange = rgb(0xf2b705), dark = rgb(0x3d2314), bone = rgb(0xf1e3c8);
    disc(p, O, 96, orange);
    circle(p, O, 91, dark, 4);
    dotsAround(p, O, 82, 24, 2.6, dark);
    p.save();
    p.rotate(18);
    p.setPen(QPen(dark, 2));
    p.setBrush(bone);
    p.drawRoundedRect(QRectF(-17, -70, 34, 140), 15, 15);
    const int groups[] = {3, 6, 4, 8, 5};
    qreal y = -56;
    p.setPen(QPen(dark, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int g : groups) {
        for (int i = 0; i < g; ++i, y += 3.6) p.drawLine(QPointF(-10, y), QPointF(10, y));
        y += 7;
    }
    p.restore();
}

// --- 19: Sutatausa: a rock with red ochre paintings: the frog and zigzags -------------------------
void emblemSutatausa(QPainter& p) {
    const QColor rock = rgb(0xb9b0a0), ochre = rgb(0x9b2915);
    QPainterPath edge;
    for (int i = 0; i <= 90; ++i) {
        const qreal a = i * 4.0;
        const qreal rad = qDegreesToRadians(a);
        const qreal r = 92 + 2.5 * qSin(7 * rad) + 1.5 * qSin(13 * rad + 1);
        if (i == 0) edge.moveTo(polar(O, r, a));
        else edge.lineTo(polar(O, r, a));
    }
    edge.closeSubpath();
    fillPath(p, edge, rock);
    strokePath(p, edge, rgb(0x857c6c), 2);
    // Frog: body, head and bent legs.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ochre);
    p.drawEllipse(QPointF(0, 8), 17, 23);
    p.drawEllipse(QPointF(0, -22), 12, 11);
    p.restore();
    for (int s : {-1, 1}) {
        QPainterPath arm(QPointF(s * 12, -4));
        arm.lineTo(s * 32, -14);
        arm.lineTo(s * 34, -34);
        QPainterPath legPath(QPointF(s * 12, 22));
        legPath.lineTo(s * 36, 30);
        legPath.lineTo(s * 32, 50);
        strokePath(p, arm, ochre, 6.5);
        strokePath(p, legPath, ochre, 6.5);
        for (int t = -1; t <= 1; ++t) {
            line(p, QPointF(s * 34, -34), QPointF(s * (34 + 6 * t), -42), ochre, 2.5);
            line(p, QPointF(s * 32, 50), QPointF(s * (32 + 6 * t), 58), ochre, 2.5);
        }
    }
    disc(p, QPointF(-4, -24), 2.2, rock);
    disc(p, QPointF(4, -24), 2.2, rock);
    for (qreal y : {-64.0, 72.0}) {
        QPainterPath zig(QPointF(-42, y));
        for (int i = 1; i <= 12; ++i) zig.lineTo(-42 + i * 7, y + ((i % 2) ? -6 : 0));
        strokePath(p, zig, ochre, 3);
    }
    for (int s : {-1, 1})
        for (int i = 0; i < 4; ++i) disc(p, QPointF(s * 66, -21 + i * 14), 3.6, ochre);
}

// --- 20: Druid: olive green with a dark triskelion ------------------------------------------------
void emblemDruid(QPainter& p) {
    const QColor olive = rgb(0xa7c957), dark = rgb(0x283618);
    disc(p, O, 96, olive);
    circle(p, O, 90, dark, 4);
    circle(p, O, 83, dark, 1.5);
    // Three arms leave the centre and wind into their eyes, a third of a turn apart.
    const qreal eyeDistance = 36;
    for (int k = 0; k < 3; ++k) {
        const qreal base = -90 + 120 * k;
        const QPointF eye = polar(O, eyeDistance, base);
        QPainterPath arm(O);
        const int steps = 160;
        for (int i = 1; i <= steps; ++i) {
            const qreal t = qreal(i) / steps;
            arm.lineTo(polar(eye, eyeDistance - 31 * t, base + 180 + 470 * t));
        }
        strokePath(p, arm, dark, 7);
        disc(p, polar(eye, 5, base + 180 + 470), 4, dark);
    }
    disc(p, O, 7, dark);
}

// --- 21: Serpono: a gold sickle and ears of grain on dark brown --------------------------------
void emblemSerpono(QPainter& p) {
    const QColor brown = rgb(0x432818), gold = rgb(0xe0a526), straw = rgb(0xf2d48a);
    disc(p, O, 96, brown);
    circle(p, O, 90, gold, 2);
    // Ears of grain: three stems fanning from below.
    for (int i = -1; i <= 1; ++i) {
        const qreal a = -90 + i * 16;
        const QPointF base(0, 74);
        const QPointF top = polar(base, 128, a);
        line(p, base, polar(base, 96, a), straw, 2.4);
        for (int g = 0; g < 6; ++g) {
            const QPointF c = polar(base, 84 + g * 7.5, a);
            leaf(p, polar(c, 4.5, a - 90), 10, 5, a - 40, straw);
            leaf(p, polar(c, 4.5, a + 90), 10, 5, a + 40, straw);
        }
        leaf(p, top, 10, 4.5, a, straw);
    }
    // Sickle: a tapering blade (one disc less another) and a handle.
    QPainterPath blade;
    blade.addEllipse(QPointF(4, -4), 56, 56);
    QPainterPath bite;
    bite.addEllipse(QPointF(15, 8), 50, 50);
    QPainterPath cut;
    cut.addRect(QRectF(-100, 20, 200, 100));
    fillPath(p, blade.subtracted(bite).subtracted(cut), gold);
    p.save();
    p.translate(-44, 26);
    p.rotate(-58);
    p.setPen(QPen(rgb(0x8c5a1f), 1.5));
    p.setBrush(rgb(0xb87d2e));
    p.drawRoundedRect(QRectF(-30, -6, 34, 12), 5, 5);
    p.restore();
}

// --- 22: Merlin: the stone circle on grass, the sunrise on its axis --------------------------------
void emblemMerlin(QPainter& p) {
    const QColor dusk = rgb(0x5a7d4a), stone = rgb(0xd6d2c4), sun = rgb(0xf4d35e);
    disc(p, O, 96, dusk);
    circle(p, O, 91, rgb(0x3f5a33), 2.5);
    p.save();
    p.setPen(QPen(withAlpha(sun, 200), 2, Qt::DashLine));
    p.drawLine(QPointF(0, 34), QPointF(0, -72));
    p.restore();
    disc(p, QPointF(0, -80), 11, sun);
    circle(p, QPointF(0, -80), 15, withAlpha(sun, 120), 2);
    circle(p, O, 62, stone, 2.5);
    // Draws in the frame of a stone standing at radius r and angle a, facing the centre.
    const auto standing = [&](qreal r, qreal a, const auto& draw) {
        p.save();
        p.translate(polar(O, r, a));
        p.rotate(a + 90);
        p.setPen(Qt::NoPen);
        p.setBrush(stone);
        draw();
        p.restore();
    };
    for (int i = 0; i < 30; ++i) standing(62, -90 + 6 + 12 * i, [&] { p.drawRect(QRectF(-4.5, -5, 9, 10)); });
    // The horseshoe of five trilithons, open towards the sunrise.
    for (int i = 0; i < 5; ++i)
        standing(36, -20 + 55 * i, [&] {
            p.drawRect(QRectF(-12, -3, 9, 11));
            p.drawRect(QRectF(3, -3, 9, 11));
            p.setBrush(rgb(0xb3ad9c));
            p.drawRect(QRectF(-13, -8, 26, 5));
        });
    disc(p, QPointF(0, 6), 4, stone);
}

// --- 23: Maskal: an ornate gold cross on deep red ------------------------------------------------
void emblemMaskal(QPainter& p) {
    const QColor red = rgb(0xa4161a), gold = rgb(0xf0cc70);
    disc(p, O, 96, red);
    circle(p, O, 90, gold, 3);
    circle(p, O, 84, withAlpha(gold, 150), 1.2);
    for (int i = 0; i < 4; ++i) {
        const qreal a = -90 + 90 * i;
        line(p, polar(O, 8, a), polar(O, 48, a), gold, 9, Qt::FlatCap);
        circle(p, polar(O, 61, a), 12, gold, 5);
        disc(p, polar(O, 61, a), 3.5, gold);
        line(p, polar(polar(O, 61, a), 12, a), polar(O, 80, a), gold, 4);
        fillPath(p, rhombusPath(polar(O, 40, a + 45), 7, 7), gold);
        circle(p, polar(O, 40, a + 45), 12, withAlpha(gold, 170), 1.8);
    }
    fillPath(p, rhombusPath(O, 16, 16), gold);
    fillPath(p, rhombusPath(O, 7, 7), red);
}

// --- 24: Sumerian: a clay tablet with ruled lines of wedges and the star sign ------------------------
void emblemSumerian(QPainter& p) {
    const QColor clay = rgb(0x8d6e63), edge = rgb(0x7a5230), wedge = rgb(0x4e3220);
    p.save();
    p.setPen(QPen(edge, 3));
    p.setBrush(clay);
    p.drawRoundedRect(QRectF(-80, -90, 160, 180), 22, 22);
    p.restore();
    // The star sign (a god's name, also "sky") in the first line.
    for (int i = 0; i < 4; ++i) line(p, polar(QPointF(-48, -66), 13, i * 45), polar(QPointF(-48, -66), 13, i * 45 + 180), wedge, 3);
    Lcg rng{24};
    auto drawWedge = [&](QPointF at, bool vertical) {
        QPainterPath head;
        if (vertical) {
            head.moveTo(at + QPointF(-4.5, 0));
            head.lineTo(at + QPointF(4.5, 0));
            head.lineTo(at + QPointF(0, 6));
            head.closeSubpath();
            fillPath(p, head, wedge);
            line(p, at + QPointF(0, 4), at + QPointF(0, 15), wedge, 2);
        } else {
            head.moveTo(at + QPointF(0, -4.5));
            head.lineTo(at + QPointF(0, 4.5));
            head.lineTo(at + QPointF(6, 0));
            head.closeSubpath();
            fillPath(p, head, wedge);
            line(p, at + QPointF(4, 0), at + QPointF(15, 0), wedge, 2);
        }
    };
    for (int row = 0; row < 5; ++row) {
        const qreal top = -82 + row * 33;
        if (row > 0) line(p, QPointF(-70, top), QPointF(70, top), withAlpha(edge, 200), 1.4, Qt::FlatCap);
        qreal x = row == 0 ? -26 : -62;
        while (x < 56) {
            const bool vertical = rng.next() < 0.55;
            drawWedge(QPointF(x, top + (vertical ? 8 : 16)), vertical);
            x += vertical ? 11 + 8 * rng.next() : 20 + 6 * rng.next();
        }
    }
}

// --- 25: Bulgarian: white, green ring, the red IYI sign ------------------------------------------
void emblemBulgarian(QPainter& p) {
    const QColor white = rgb(0xfbfbf8), green = rgb(0x00966e), red = rgb(0xc8102e);
    disc(p, O, 96, green);
    disc(p, O, 83, white);
    circle(p, O, 78, red, 2);
    const qreal w = 12;
    line(p, QPointF(-40, -40), QPointF(-40, 40), red, w, Qt::FlatCap);
    line(p, QPointF(40, -40), QPointF(40, 40), red, w, Qt::FlatCap);
    QPainterPath y(QPointF(-20, -40));
    y.lineTo(0, -4);
    y.lineTo(20, -40);
    y.moveTo(0, -4);
    y.lineTo(0, 40);
    p.save();
    p.setPen(QPen(red, w, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(y);
    p.restore();
    dotsAround(p, O, 89.5, 12, 2.4, white);
}

using EmblemFn = void (*)(QPainter&);
constexpr EmblemFn kEmblems[kSystemCount + 1] = {
    emblemProgram,    emblemZuv,        emblemGregorian,    emblemVrks,        emblemJulian,
    emblemDendera,    emblemBahai,      emblemArabic,       emblemKargopol,    emblemPhaistos,
    emblemTengrian,   emblemMittelberg, emblemStorozhevaya, emblemAurignacian, emblemRadimichi,
    emblemAchinsk,    emblemYnglings,   emblemNikopol,      emblemAfrican,     emblemSutatausa,
    emblemDruid,      emblemSerpono,    emblemMerlin,       emblemMaskal,      emblemSumerian,
    emblemBulgarian,
};

}  // namespace

void paintEmblem(QPainter& p, int system, QPointF centre, qreal radius) {
    if (system < 0 || system > kSystemCount) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.translate(centre);
    p.scale(radius / 100, radius / 100);
    kEmblems[system](p);
    p.restore();
}

QColor emblemGround(int system) {
    // The characteristic colour of each emblem above (mostly its ground).
    static const unsigned grounds[kSystemCount + 1] = {
        0xffffff, 0x1d3557, 0x9b2226, 0x2d6a4f, 0x5a189a, 0xefdcaa, 0x0a9396, 0x1d4e89, 0xb5232e,
        0xd9a066, 0x4ea8de, 0x5fa391, 0x4f5d75, 0x2b2d42, 0xe9b824, 0xcfe3ee, 0x6d2e46, 0x161616,
        0xf2b705, 0xb9b0a0, 0xa7c957, 0x432818, 0x5a7d4a, 0xa4161a, 0x8d6e63, 0x00966e,
    };
    return system >= 0 && system <= kSystemCount ? rgb(grounds[system]) : QColor(Qt::white);
}

void paintFlatProjectEmblem(QPainter& p, QPointF centre, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(centre);
    p.scale(radius / 100, radius / 100);
    circle(p, O, 94, rgb(decopalette::gold), 3);
    circle(p, O, 85, rgb(decopalette::navy), 8);
    const qreal cell = 22, side = 17;
    for (int n = 1; n <= kSystemCount; ++n) {
        const int r = (n - 1) / 5, c = (n - 1) % 5;
        p.fillRect(QRectF((c - 2) * cell - side / 2, (r - 2) * cell - side / 2, side, side), emblemGround(n));
    }
    p.restore();
}

}  // namespace zuvgen::deco
