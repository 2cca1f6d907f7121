// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every picture but the portraits: the gauge heart, the banner, the cat, the
// bill, the police car, the makers' logo and the five category buttons.
#include "assets.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <iterator>
#include <numbers>
#include <string_view>
#include <utility>

namespace assetgen {

namespace {

constexpr double kTau = 2.0 * std::numbers::pi;
const QColor kButtonFace(0xF0, 0xF0, 0xF0);

QPainterPath cubic(QPointF a, QPointF c1, QPointF c2, QPointF b) {
    QPainterPath p(a);
    p.cubicTo(c1, c2, b);
    return p;
}

// A glossy red heart: gradient body, darker rim, a highlight on the left lobe.
void glossy_heart(QPainter& p, QPointF c, double size, const QColor& base, bool rim = true) {
    const QPainterPath heart = heart_path(c, size);
    QRadialGradient g(c + QPointF(-size * 0.18, -size * 0.22), size * 0.75);
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(0.55, base);
    g.setColorAt(1, base.darker(160));
    p.setPen(rim ? QPen(base.darker(190), std::max(0.6, size / 40.0)) : Qt::NoPen);
    p.setBrush(g);
    p.drawPath(heart);
    p.setPen(Qt::NoPen);
    QRadialGradient shine(c + QPointF(-size * 0.24, -size * 0.2), size * 0.2);
    shine.setColorAt(0, QColor(255, 255, 255, 235));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawEllipse(c + QPointF(-size * 0.24, -size * 0.2), size * 0.2, size * 0.14);
}

// ---------------------------------------------------------------- heart

void draw_heart(QPainter& p) {
    smooth(p);
    p.fillRect(QRectF(0, 0, 17, 17), Qt::white);
    glossy_heart(p, QPointF(8.5, 8.9), 15.6, QColor(222, 20, 40));
}

// ---------------------------------------------------------------- banner

void draw_banner(QPainter& p) {
    smooth(p);
    const QRectF all(0, 0, 275, 80);
    QLinearGradient bg(0, 0, 0, 80);
    bg.setColorAt(0, QColor(214, 24, 44));
    bg.setColorAt(0.6, QColor(176, 10, 30));
    bg.setColorAt(1, QColor(120, 0, 18));
    p.fillRect(all, bg);
    // Faint hearts across the red.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 22));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 14; ++col) {
            p.drawPath(
                heart_path(QPointF(col * 21.0 + (row % 2 ? 10.0 : 0.0), row * 22.0 + 6), 11));
        }
    }
    // A gold rule near the edges.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 214, 120, 200), 1.2));
    p.drawRoundedRect(all.adjusted(3, 3, -3, -3), 6, 6);

    QFont display = pixel_font({"Z003", "URW Chancery L", "DejaVu Serif", "Nimbus Roman"}, 56,
                               QFont::Bold, true);
    QPainterPath title = text_path("Swoonery", display, QPointF(137.5, 33));
    const QRectF box = title.boundingRect();
    if (box.width() > 240) {
        // Squeeze a wide fallback font to fit.
        const double s = 240.0 / box.width();
        QTransform t;
        t.translate(137.5, 33).scale(s, s).translate(-137.5, -33);
        title = t.map(title);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 0, 10, 150));
    p.drawPath(title.translated(2.2, 2.6));
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0, QColor(255, 250, 214));
    gold.setColorAt(0.45, QColor(255, 214, 96));
    gold.setColorAt(0.55, QColor(236, 170, 40));
    gold.setColorAt(1, QColor(255, 226, 140));
    p.setPen(QPen(QColor(110, 40, 0), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(title);

    const QPainterPath tag =
        text_path("The dating game", serif_font(15, QFont::Normal, true), QPointF(137.5, 67));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 240));
    p.drawPath(tag);
    const QRectF tb = tag.boundingRect();
    glossy_heart(p, QPointF(tb.left() - 11, 67), 10, QColor(255, 120, 150), false);
    glossy_heart(p, QPointF(tb.right() + 11, 67), 10, QColor(255, 120, 150), false);
    p.setPen(QPen(QColor(255, 220, 160, 160), 0.8));
    p.drawLine(QPointF(14, 67), QPointF(tb.left() - 19, 67));
    p.drawLine(QPointF(tb.right() + 19, 67), QPointF(261, 67));
    // Sparkles.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220));
    for (const QPointF& s :
         {QPointF(24, 18), QPointF(252, 14), QPointF(242, 48), QPointF(34, 50)}) {
        p.drawPath(star_path(s, 4.0, 1.0));
    }
}

// ---------------------------------------------------------------- cat

// Long fur: short strokes pointing away from `from`, scattered over a shape.
void fur(QPainter& p, const QPainterPath& shape, QPointF from, int count, double length,
         const QColor& dark, const QColor& light, std::uint64_t seed) {
    Rng rng(seed);
    p.save();
    p.setClipPath(shape);
    const QRectF box = shape.boundingRect();
    int drawn = 0;
    for (int tries = 0; drawn < count && tries < count * 8; ++tries) {
        const QPointF pt(rng.range(box.left(), box.right()), rng.range(box.top(), box.bottom()));
        if (!shape.contains(pt)) {
            continue;
        }
        ++drawn;
        QPointF dir = pt - from;
        const double len = std::hypot(dir.x(), dir.y());
        dir = len > 0 ? dir / len : QPointF(0, 1);
        dir = QPointF(dir.x() * 0.7, dir.y() * 0.7 + 0.5);
        const double l = length * rng.range(0.6, 1.2);
        const QColor c = mix_colour(dark, light, rng.uniform());
        p.setPen(QPen(with_alpha(c, 200), rng.range(0.5, 1.0), Qt::SolidLine, Qt::RoundCap));
        const QPointF end = pt + dir * l + QPointF(rng.range(-1, 1), 0);
        p.drawPath(cubic(pt, pt + dir * (l * 0.5), end - QPointF(dir.y(), -dir.x()) * 0.8, end));
    }
    p.restore();
}

// A ragged outline: tufts sticking out all round a shape.
QPainterPath fluffy(const QPainterPath& shape, QPointF centre, double tuft, std::uint64_t seed) {
    Rng rng(seed);
    QPainterPath out;
    const int n = 48;
    for (int i = 0; i <= n; ++i) {
        const QPointF pt = shape.pointAtPercent(std::min(0.9999, static_cast<double>(i) / n));
        QPointF dir = pt - centre;
        const double len = std::hypot(dir.x(), dir.y());
        dir = len > 0 ? dir / len : QPointF(0, -1);
        const QPointF tip = pt + dir * tuft * rng.range(0.6, 1.3);
        if (i == 0) {
            out.moveTo(pt);
        } else {
            out.quadTo(tip, pt);
        }
    }
    out.closeSubpath();
    return out.united(shape);
}

const QColor kCatGrey(138, 142, 150);
const QColor kCatDark(86, 88, 96);
const QColor kCatLight(206, 208, 214);

// A pale wall, a wooden floor and the cat's shadow.
void draw_cat_room(QPainter& p) {
    QLinearGradient bg(0, 0, 0, 75);
    bg.setColorAt(0, QColor(236, 244, 252));
    bg.setColorAt(1, QColor(214, 226, 240));
    p.fillRect(QRectF(0, 0, 96, 75), bg);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 170, 140));
    p.drawRect(QRectF(0, 62, 96, 13));
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QPointF(50, 66), 34, 5);
}

void draw_cat_tail(QPainter& p) {
    // The tail curls round the front.
    QPainterPath tail_spine = cubic({70, 60}, {92, 56}, {90, 34}, {82, 26});
    QPainterPath tail;
    for (int i = 0; i <= 20; ++i) {
        const double t = i / 20.0;
        tail.addEllipse(tail_spine.pointAtPercent(t), 6.0 - 1.5 * t, 6.0 - 1.5 * t);
    }
    tail = fluffy(tail.simplified(), QPointF(82, 44), 3, 31);
    p.setBrush(kCatGrey.darker(110));
    p.drawPath(tail);
    fur(p, tail, QPointF(80, 44), 90, 4, kCatDark, kCatLight, 32);
}

void draw_cat_body(QPainter& p) {
    // Body: a fluffy pear, sitting.
    QPainterPath body(QPointF(48, 24));
    body.cubicTo(64, 24, 74, 44, 72, 58);
    body.cubicTo(71, 66, 58, 67, 48, 67);
    body.cubicTo(38, 67, 25, 66, 24, 58);
    body.cubicTo(22, 44, 32, 24, 48, 24);
    body = fluffy(body, QPointF(48, 46), 4.5, 33);
    QRadialGradient body_shade(QPointF(44, 40), 34);
    body_shade.setColorAt(0, kCatGrey.lighter(115));
    body_shade.setColorAt(1, kCatGrey.darker(135));
    p.setBrush(body_shade);
    p.drawPath(body);
    fur(p, body, QPointF(48, 30), 260, 5.5, kCatDark, kCatLight, 34);
    // Paws.
    for (double x : {40.0, 56.0}) {
        QPainterPath paw;
        paw.addEllipse(QPointF(x, 64), 6, 3.6);
        p.setBrush(kCatLight.darker(105));
        p.setPen(QPen(kCatDark, 0.5));
        p.drawPath(paw);
        p.setPen(QPen(kCatDark, 0.5));
        p.drawLine(QPointF(x - 2, 62.5), QPointF(x - 2, 66));
        p.drawLine(QPointF(x + 2, 62.5), QPointF(x + 2, 66));
    }
}

void draw_cat_ruff(QPainter& p) {
    // The ruff: a pale bib.
    QPainterPath ruff(QPointF(36, 30));
    ruff.cubicTo(40, 48, 56, 48, 60, 30);
    ruff.cubicTo(60, 40, 54, 54, 48, 56);
    ruff.cubicTo(42, 54, 36, 40, 36, 30);
    ruff = fluffy(ruff, QPointF(48, 40), 3, 35);
    p.setPen(Qt::NoPen);
    p.setBrush(kCatLight);
    p.drawPath(ruff);
    fur(p, ruff, QPointF(48, 30), 90, 4, kCatGrey, QColor(246, 246, 248), 36);
}

// Ears, a fluffy round head and tabby marks.
void draw_cat_head(QPainter& p) {
    const QPointF hc(48, 22);
    QPainterPath ears;
    QPolygonF left, right;
    left << QPointF(33, 18) << QPointF(32, 1) << QPointF(45, 11);
    right << QPointF(63, 18) << QPointF(64, 1) << QPointF(51, 11);
    ears.addPolygon(left);
    ears.addPolygon(right);
    p.setBrush(kCatGrey.darker(105));
    p.setPen(QPen(kCatDark, 0.6));
    p.drawPath(ears);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 170, 176));
    QPolygonF li, ri;
    li << QPointF(35, 15) << QPointF(34, 5) << QPointF(42, 11);
    ri << QPointF(61, 15) << QPointF(62, 5) << QPointF(54, 11);
    p.drawPolygon(li);
    p.drawPolygon(ri);
    p.setPen(QPen(kCatLight, 0.6));
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(36, 13), QPointF(35 + i, 6 + i));
        p.drawLine(QPointF(60, 13), QPointF(61 - i, 6 + i));
    }
    p.setPen(Qt::NoPen);
    QPainterPath head;
    head.addEllipse(hc, 16, 13);
    head = fluffy(head, hc, 3.5, 37);
    QRadialGradient head_shade(hc + QPointF(-3, -4), 20);
    head_shade.setColorAt(0, kCatGrey.lighter(125));
    head_shade.setColorAt(1, kCatGrey.darker(120));
    p.setBrush(head_shade);
    p.drawPath(head);
    fur(p, head, hc + QPointF(0, -4), 120, 3.2, kCatDark, kCatLight, 38);
    // Tabby marks on the forehead.
    p.setPen(QPen(with_alpha(kCatDark, 200), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(48, 11), QPointF(48, 16));
    p.drawLine(QPointF(45, 12), QPointF(46, 16));
    p.drawLine(QPointF(51, 12), QPointF(50, 16));
}

// Muzzle, green eyes, nose, mouth and whiskers.
void draw_cat_face(QPainter& p) {
    // Muzzle.
    p.setPen(Qt::NoPen);
    p.setBrush(kCatLight.lighter(105));
    p.drawEllipse(QPointF(44.5, 27.5), 4.6, 3.6);
    p.drawEllipse(QPointF(51.5, 27.5), 4.6, 3.6);
    // Eyes: green with slit pupils.
    for (double x : {41.5, 54.5}) {
        QRadialGradient iris(QPointF(x, 21), 3.4);
        iris.setColorAt(0, QColor(200, 230, 110));
        iris.setColorAt(1, QColor(90, 150, 50));
        p.setPen(QPen(QColor(30, 30, 30), 0.7));
        p.setBrush(iris);
        p.drawEllipse(QPointF(x, 21), 3.4, 3.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(15, 15, 15));
        p.drawEllipse(QPointF(x, 21), 0.9, 2.5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x - 1.1, 19.9), 0.7, 0.7);
    }
    // Nose and mouth.
    QPolygonF nose;
    nose << QPointF(46.2, 25) << QPointF(49.8, 25) << QPointF(48, 27.2);
    p.setBrush(QColor(220, 130, 140));
    p.drawPolygon(nose);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kCatDark, 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(48, 27.2), QPointF(48, 28.6));
    p.drawPath(cubic({48, 28.6}, {47, 30.4}, {45, 30.2}, {44.2, 29}));
    p.drawPath(cubic({48, 28.6}, {49, 30.4}, {51, 30.2}, {51.8, 29}));
    // Whiskers.
    p.setPen(QPen(QColor(250, 250, 250, 230), 0.5));
    for (int i = 0; i < 3; ++i) {
        const double dy = i * 1.6;
        p.drawPath(cubic({42, 27.5 + dy * 0.5}, {36, 26 + dy}, {30, 26 + dy}, {24, 27 + dy * 1.6}));
        p.drawPath(cubic({54, 27.5 + dy * 0.5}, {60, 26 + dy}, {66, 26 + dy}, {72, 27 + dy * 1.6}));
    }
}

void draw_cat(QPainter& p) {
    smooth(p);
    draw_cat_room(p);
    draw_cat_tail(p);
    draw_cat_body(p);
    draw_cat_ruff(p);
    draw_cat_head(p);
    draw_cat_face(p);
}

// ---------------------------------------------------------------- bill

constexpr QRectF kBillFrame(0, 0, 252, 106);
const QColor kBillInk(24, 84, 48);
const QColor kBillInkLight(90, 150, 100);

// Green paper crossed by guilloche rosette lines.
void draw_bill_paper(QPainter& p) {
    QLinearGradient paper(0, 0, 252, 106);
    paper.setColorAt(0, QColor(206, 226, 196));
    paper.setColorAt(0.5, QColor(224, 236, 210));
    paper.setColorAt(1, QColor(196, 218, 186));
    p.fillRect(kBillFrame, paper);

    // Guilloche rosette lines across the paper.
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 6; ++k) {
        QPainterPath wave;
        for (int x = 0; x <= 252; x += 2) {
            const double y =
                53 + 38 * std::sin(x / 252.0 * kTau * 2 + k * 0.5) * std::cos(x / 40.0 + k);
            if (x == 0) {
                wave.moveTo(x, y);
            } else {
                wave.lineTo(x, y);
            }
        }
        p.setPen(QPen(with_alpha(kBillInkLight, 60), 0.6));
        p.drawPath(wave);
    }
}

void draw_bill_border(QPainter& p) {
    // Frame: two rules with a looped border between them.
    p.setPen(QPen(kBillInk, 2.0));
    p.drawRect(kBillFrame.adjusted(4, 4, -4, -4));
    p.setPen(QPen(kBillInk, 0.8));
    p.drawRect(kBillFrame.adjusted(10, 10, -10, -10));
    QPainterPath loops;
    auto loops_along = [&](QPointF a, QPointF b, int n) {
        const QPointF d = (b - a) / n;
        const QPointF nrm = QPointF(-d.y(), d.x()) / std::hypot(d.x(), d.y()) * 2.3;
        for (int i = 0; i < n; ++i) {
            const QPointF s = a + d * i;
            loops.moveTo(s);
            loops.cubicTo(s + nrm + d * 0.1, s + nrm + d * 0.9, s + d);
            loops.moveTo(s);
            loops.cubicTo(s - nrm + d * 0.1, s - nrm + d * 0.9, s + d);
        }
    };
    loops_along({7, 7}, {245, 7}, 60);
    loops_along({7, 99}, {245, 99}, 60);
    loops_along({7, 7}, {7, 99}, 24);
    loops_along({245, 7}, {245, 99}, 24);
    p.setPen(QPen(kBillInk, 0.5));
    p.drawPath(loops);
}

void draw_bill_numerals(QPainter& p) {
    // Corner numerals in rosettes.
    const QFont numeral = serif_font(17, QFont::Bold);
    for (const QPointF& c :
         {QPointF(30, 25), QPointF(222, 25), QPointF(30, 81), QPointF(222, 81)}) {
        QRadialGradient rosette(c, 16);
        rosette.setColorAt(0, QColor(236, 244, 226));
        rosette.setColorAt(1, QColor(236, 244, 226, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(rosette);
        p.drawEllipse(c, 17, 13);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(with_alpha(kBillInk, 150), 0.5));
        for (int i = 0; i < 12; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 15);
            p.drawEllipse(QPointF(0, 0), 16, 7);
            p.restore();
        }
        p.setPen(QPen(QColor(236, 244, 226), 2.2));
        p.setBrush(kBillInk);
        p.drawPath(text_path("100", numeral, c));
        p.setPen(Qt::NoPen);
        p.drawPath(text_path("100", numeral, c));
    }
}

void draw_bill_portrait(QPainter& p) {
    // The portrait oval: a lady in profile, engraved with fine lines.
    const QPointF oc(126, 53);
    QPainterPath oval;
    oval.addEllipse(oc, 27, 33);
    p.setPen(QPen(kBillInk, 1.6));
    p.setBrush(QColor(230, 240, 220));
    p.drawPath(oval);
    p.save();
    p.setClipPath(oval);
    p.setPen(QPen(with_alpha(kBillInk, 90), 0.5));
    for (int y = 18; y < 90; y += 2) {
        p.drawLine(QPointF(96, y), QPointF(156, y));
    }
    // Profile facing right.
    QPainterPath bust(QPointF(102, 90));
    bust.cubicTo(104, 78, 112, 72, 122, 70);
    bust.lineTo(124, 62);
    bust.cubicTo(118, 60, 114, 52, 115, 44);
    bust.cubicTo(116, 34, 124, 28, 133, 28);
    bust.cubicTo(140, 29, 144, 35, 144, 41);
    bust.lineTo(147.5, 48);
    bust.lineTo(144.5, 49.5);
    bust.cubicTo(145.5, 51, 145.5, 52, 144.3, 53);
    bust.cubicTo(145, 54.5, 144.5, 55.5, 143.2, 56);
    bust.cubicTo(143, 58.5, 141, 59.5, 138.5, 59.5);
    bust.lineTo(137, 64);
    bust.cubicTo(142, 68, 150, 74, 152, 90);
    bust.closeSubpath();
    p.setPen(QPen(kBillInk, 0.8));
    p.setBrush(QColor(120, 170, 120));
    p.drawPath(bust);
    p.setPen(QPen(with_alpha(QColor(236, 244, 226), 150), 0.5));
    for (int y = 30; y < 90; y += 2) {
        p.drawLine(QPointF(100, y + 0.5), QPointF(156, y + 0.5));
    }
    // Her hair, swept back into a bun; an eye and a necklace.
    p.setPen(Qt::NoPen);
    p.setBrush(kBillInk);
    QPainterPath hair(QPointF(143, 38));
    hair.cubicTo(142, 30, 136, 26, 130, 27);
    hair.cubicTo(122, 27, 115, 33, 115, 44);
    hair.cubicTo(115, 50, 118, 56, 122, 58);
    hair.cubicTo(124, 50, 128, 44, 132, 40);
    hair.cubicTo(136, 38, 140, 39, 143, 38);
    p.drawPath(hair);
    p.drawEllipse(QPointF(115, 36), 6, 5.5);
    p.drawEllipse(QPointF(139.5, 43.5), 1.6, 0.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBillInk, 1.0, Qt::DotLine));
    p.drawPath(cubic({124, 67}, {128, 74}, {136, 74}, {139, 66}));
    p.restore();
}

void draw_bill_lettering(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBillInk);
    p.drawPath(text_path("THE SWOONERY RESERVE", serif_font(10, QFont::Bold), QPointF(126, 15.5)));
    p.drawPath(text_path("ONE HUNDRED", serif_font(11, QFont::Bold), QPointF(126, 93)));
    p.drawPath(text_path("LOVE", serif_font(9, QFont::Bold), QPointF(73, 48)));
    p.drawPath(text_path("BONDS", serif_font(9, QFont::Bold), QPointF(73, 59)));
    p.setBrush(QColor(150, 40, 40));
    p.drawPath(text_path("SW 1402 2000 A", sans_font(7), QPointF(186, 40)));
}

void draw_bill_seal(QPainter& p) {
    // A seal with a heart.
    p.setPen(QPen(kBillInk, 0.8));
    p.setBrush(QColor(210, 230, 200));
    p.drawEllipse(QPointF(186, 62), 11, 11);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 24; ++i) {
        const double a = kTau * i / 24;
        p.drawLine(QPointF(186 + 9 * std::cos(a), 62 + 9 * std::sin(a)),
                   QPointF(186 + 11 * std::cos(a), 62 + 11 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kBillInk);
    p.drawPath(heart_path(QPointF(186, 62.5), 10));
}

void draw_bill(QPainter& p) {
    smooth(p);
    draw_bill_paper(p);
    draw_bill_border(p);
    draw_bill_numerals(p);
    draw_bill_portrait(p);
    draw_bill_lettering(p);
    draw_bill_seal(p);
}

// ---------------------------------------------------------------- police car

void wheel(QPainter& p, QPointF c, double r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 22));
    p.drawEllipse(c, r + 1.5, r + 1.5);
    p.setBrush(QColor(34, 34, 38));
    p.drawEllipse(c, r, r);
    QRadialGradient hub(c + QPointF(-2, -2), r * 0.6);
    hub.setColorAt(0, QColor(240, 240, 240));
    hub.setColorAt(1, QColor(140, 140, 150));
    p.setBrush(hub);
    p.drawEllipse(c, r * 0.58, r * 0.58);
    p.setPen(QPen(QColor(110, 110, 120), 1.0));
    for (int i = 0; i < 5; ++i) {
        const double a = kTau * i / 5;
        p.drawLine(c + QPointF(r * 0.18 * std::cos(a), r * 0.18 * std::sin(a)),
                   c + QPointF(r * 0.5 * std::cos(a), r * 0.5 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 100));
    p.drawEllipse(c, r * 0.14, r * 0.14);
}

// Sky over a road with its centre line, and the car's shadow.
void draw_street(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 126);
    sky.setColorAt(0, QColor(200, 226, 250));
    sky.setColorAt(0.75, QColor(236, 244, 252));
    sky.setColorAt(0.76, QColor(150, 150, 156));
    sky.setColorAt(1, QColor(110, 110, 118));
    p.fillRect(QRectF(0, 0, 250, 126), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 240, 240));
    for (int x = 4; x < 250; x += 40) {
        p.drawRect(QRectF(x, 118, 22, 2.5));
    }
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QPointF(125, 103), 112, 6);
}

void draw_police_body(QPainter& p) {
    // Body: facing left; black bonnet and boot, white doors.
    QPainterPath body(QPointF(10, 78));
    body.cubicTo(10, 68, 14, 62, 26, 60);
    body.lineTo(66, 56);
    body.cubicTo(74, 55, 80, 52, 88, 44);
    body.cubicTo(96, 36, 102, 34, 114, 34);
    body.lineTo(166, 34);
    body.cubicTo(176, 34, 184, 40, 194, 54);
    body.lineTo(226, 58);
    body.cubicTo(236, 60, 240, 66, 240, 74);
    body.lineTo(240, 90);
    body.cubicTo(240, 96, 236, 98, 228, 98);
    body.lineTo(18, 98);
    body.cubicTo(12, 98, 10, 94, 10, 88);
    body.closeSubpath();
    QLinearGradient paint(0, 34, 0, 98);
    paint.setColorAt(0, QColor(250, 250, 252));
    paint.setColorAt(0.6, QColor(232, 234, 240));
    paint.setColorAt(1, QColor(190, 194, 204));
    p.setPen(QPen(QColor(40, 40, 50), 1.2));
    p.setBrush(paint);
    p.drawPath(body);
    // Black panels front and back.
    p.save();
    p.setClipPath(body);
    QLinearGradient black(0, 34, 0, 98);
    black.setColorAt(0, QColor(70, 72, 84));
    black.setColorAt(0.5, QColor(24, 26, 34));
    black.setColorAt(1, QColor(10, 10, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(black);
    p.drawRect(QRectF(0, 0, 70, 126));
    p.drawRect(QRectF(196, 0, 60, 126));
    p.drawRect(QRectF(0, 86, 250, 14));
    // A blue stripe along the side.
    p.setBrush(QColor(20, 60, 160));
    p.drawRect(QRectF(70, 80, 126, 4));
    p.restore();
}

// Windows, doors and what is painted on them.
void draw_police_cabin(QPainter& p) {
    // Windows.
    QPainterPath glass(QPointF(92, 55));
    glass.cubicTo(98, 45, 104, 39, 116, 39);
    glass.lineTo(164, 39);
    glass.cubicTo(172, 39, 178, 45, 186, 55);
    glass.closeSubpath();
    QLinearGradient tint(0, 39, 0, 55);
    tint.setColorAt(0, QColor(150, 190, 220));
    tint.setColorAt(1, QColor(70, 110, 150));
    p.setPen(QPen(QColor(30, 30, 40), 1.2));
    p.setBrush(tint);
    p.drawPath(glass);
    p.setPen(QPen(QColor(30, 30, 40), 3.0));
    p.drawLine(QPointF(138, 38), QPointF(138, 56));
    p.setPen(QPen(QColor(255, 255, 255, 120), 2.0));
    p.drawLine(QPointF(106, 52), QPointF(116, 42));
    p.drawLine(QPointF(150, 52), QPointF(160, 42));
    // Door seams and handles.
    p.setPen(QPen(QColor(60, 60, 70), 0.9));
    p.drawLine(QPointF(92, 56), QPointF(92, 96));
    p.drawLine(QPointF(138, 56), QPointF(138, 96));
    p.drawLine(QPointF(186, 56), QPointF(188, 96));
    p.setPen(QPen(QColor(60, 60, 70), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(124, 62), QPointF(131, 62));
    p.drawLine(QPointF(172, 62), QPointF(179, 62));
    // The lettering on the doors.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 50, 150));
    p.drawPath(text_path("POLICE", sans_font(17, QFont::Black), QPointF(139, 71)));
    // A star on the front wing.
    p.setBrush(QColor(230, 180, 40));
    p.setPen(QPen(QColor(150, 100, 10), 0.8));
    p.drawPath(star_path(QPointF(78, 68), 6.5, 2.8));
}

void draw_light_bar(QPainter& p) {
    // Light bar: red and blue with a glow.
    p.setPen(QPen(QColor(40, 40, 40), 1.0));
    p.setBrush(QColor(60, 60, 66));
    p.drawRect(QRectF(118, 30, 44, 4));
    for (int side = 0; side < 2; ++side) {
        const QColor c = side == 0 ? QColor(230, 30, 30) : QColor(30, 80, 240);
        const QRectF lamp(119 + side * 21, 22, 21, 9);
        QRadialGradient glow(lamp.center(), 22);
        glow.setColorAt(0, with_alpha(c.lighter(140), 130));
        glow.setColorAt(1, with_alpha(c, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(lamp.center(), 24, 14);
        QLinearGradient shine(0, lamp.top(), 0, lamp.bottom());
        shine.setColorAt(0, c.lighter(160));
        shine.setColorAt(1, c.darker(120));
        p.setPen(QPen(c.darker(170), 0.8));
        p.setBrush(shine);
        p.drawRoundedRect(lamp, 3, 3);
    }
}

void draw_police_lamps_and_wheels(QPainter& p) {
    // Lamps and bumpers.
    p.setPen(QPen(QColor(120, 110, 60), 0.8));
    p.setBrush(QColor(255, 246, 190));
    p.drawRoundedRect(QRectF(10, 68, 8, 7), 2, 2);
    p.setBrush(QColor(220, 30, 30));
    p.drawRoundedRect(QRectF(234, 64, 6, 9), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 172, 180));
    p.drawRoundedRect(QRectF(6, 88, 16, 6), 2, 2);
    p.drawRoundedRect(QRectF(228, 88, 16, 6), 2, 2);

    // Wheel arches and wheels.
    p.setBrush(QColor(16, 16, 20));
    p.drawEllipse(QPointF(56, 98), 19, 19);
    p.drawEllipse(QPointF(196, 98), 19, 19);
    wheel(p, QPointF(56, 100), 14);
    wheel(p, QPointF(196, 100), 14);
}

void draw_police(QPainter& p) {
    smooth(p);
    draw_street(p);
    draw_police_body(p);
    draw_police_cabin(p);
    draw_light_bar(p);
    draw_police_lamps_and_wheels(p);
}

// ---------------------------------------------------------------- logo

void draw_logo(QPainter& p) {
    smooth(p);
    p.fillRect(QRectF(0, 0, 293, 272), Qt::white);
    const QPointF c(146.5, 100);
    // Swoosh behind the heart.
    QPainterPath back(QPointF(38, 132));
    back.cubicTo(70, 60, 220, 40, 262, 58);
    back.cubicTo(220, 52, 90, 74, 44, 134);
    back.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 150, 170));
    p.drawPath(back);
    glossy_heart(p, c, 150, QColor(214, 18, 48));
    // Swoosh in front: a tapered ribbon sweeping under the heart.
    QPainterPath front(QPointF(30, 150));
    front.cubicTo(90, 196, 210, 180, 268, 66);
    front.cubicTo(220, 166, 100, 184, 30, 150);
    front.closeSubpath();
    QLinearGradient g(30, 0, 268, 0);
    g.setColorAt(0, QColor(255, 210, 220));
    g.setColorAt(0.6, QColor(240, 90, 130));
    g.setColorAt(1, QColor(190, 20, 70));
    p.setBrush(g);
    p.drawPath(front);
    p.setBrush(QColor(255, 240, 200));
    p.drawPath(star_path(QPointF(252, 44), 9, 2.5));
    p.drawPath(star_path(QPointF(236, 30), 5, 1.4));

    QPainterPath name = text_path("Swoonery", serif_font(50, QFont::Bold), QPointF(146.5, 214));
    const double w = name.boundingRect().width();
    if (w > 270) {
        QTransform t;
        t.translate(146.5, 214).scale(270 / w, 270 / w).translate(-146.5, -214);
        name = t.map(name);
    }
    p.setBrush(QColor(60, 20, 40));
    p.drawPath(name);
    // "TEAM", letter-spaced, between two rules.
    QFont small = sans_font(17, QFont::Bold);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 7);
    const QPainterPath team = text_path("TEAM", small, QPointF(150, 252));
    p.setBrush(QColor(214, 18, 48));
    p.drawPath(team);
    const QRectF tb = team.boundingRect();
    p.setPen(QPen(QColor(214, 18, 48), 2));
    p.drawLine(QPointF(50, 252), QPointF(tb.left() - 12, 252));
    p.drawLine(QPointF(tb.right() + 12, 252), QPointF(243, 252));
}

// ---------------------------------------------------------------- buttons

// Button pictures draw no background of their own: the renderer gives the
// bitmap the button face colour and leaves the PNG transparent.
void button_background(QPainter& p) {
    smooth(p);
}

void draw_phone(QPainter& p) {
    button_background(p);
    // A classic handset, tilted, with ringing arcs.
    QPainterPath handset(QPointF(7, 6));
    handset.cubicTo(4, 8, 3, 12, 5, 17);
    handset.cubicTo(8, 23, 12, 27, 17, 29);
    handset.cubicTo(20, 30, 23, 29, 25, 26);
    handset.lineTo(21, 21);
    handset.cubicTo(19, 22, 17, 22.5, 15.5, 21.5);
    handset.cubicTo(13, 19.5, 11.5, 17, 10.5, 14.5);
    handset.cubicTo(10, 13, 10.5, 11.5, 12, 10);
    handset.closeSubpath();
    QLinearGradient g(4, 6, 24, 28);
    g.setColorAt(0, QColor(255, 110, 110));
    g.setColorAt(1, QColor(170, 10, 20));
    p.setPen(QPen(QColor(110, 0, 10), 0.8));
    p.setBrush(g);
    p.drawPath(handset);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cubic({6.5, 9}, {5.5, 11}, {5.5, 14}, {7, 17}));
    p.setPen(QPen(QColor(40, 100, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(13, -1, 16, 16), -10 * 16, 90 * 16);
    p.drawArc(QRectF(16, 2, 10, 10), -10 * 16, 90 * 16);
}

void draw_gift(QPainter& p) {
    button_background(p);
    const QColor box(210, 30, 60);
    const QColor ribbon(250, 206, 40);
    QLinearGradient g(0, 12, 0, 30);
    g.setColorAt(0, box.lighter(120));
    g.setColorAt(1, box.darker(130));
    p.setPen(QPen(box.darker(170), 0.8));
    p.setBrush(g);
    p.drawRect(QRectF(5, 15, 22, 15));
    p.setBrush(box.lighter(110));
    p.drawRect(QRectF(3.5, 10.5, 25, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(ribbon);
    p.drawRect(QRectF(14, 10.5, 4, 19.5));
    p.setBrush(ribbon.darker(110));
    p.drawRect(QRectF(5, 15, 22, 1.2));
    // Bow.
    p.setPen(QPen(ribbon.darker(150), 0.7));
    p.setBrush(ribbon);
    QPainterPath loop_l(QPointF(16, 10.5));
    loop_l.cubicTo(11, 2, 5, 5, 8, 9);
    loop_l.cubicTo(9.5, 10.5, 13, 10.5, 16, 10.5);
    p.drawPath(loop_l);
    p.drawPath(QTransform(-1, 0, 0, 1, 32, 0).map(loop_l));
    p.drawEllipse(QPointF(16, 10), 1.8, 1.5);
}

void draw_date(QPainter& p) {
    button_background(p);
    // Two hearts side by side: a couple.
    glossy_heart(p, QPointF(12, 15), 17, QColor(255, 110, 160));
    glossy_heart(p, QPointF(20, 17.5), 19, QColor(220, 16, 40));
}

void draw_work(QPainter& p) {
    button_background(p);
    const QColor leather(140, 80, 36);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(leather.darker(150), 2.2));
    p.drawRoundedRect(QRectF(11.5, 5.5, 9, 6), 2, 2);
    QLinearGradient g(0, 9, 0, 28);
    g.setColorAt(0, leather.lighter(135));
    g.setColorAt(1, leather.darker(125));
    p.setPen(QPen(leather.darker(170), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3, 10, 26, 18), 3, 3);
    p.setPen(QPen(leather.darker(160), 0.8));
    p.drawLine(QPointF(3.5, 17), QPointF(28.5, 17));
    p.setPen(QPen(QColor(255, 255, 255, 60), 0.8));
    p.drawLine(QPointF(5, 11.5), QPointF(27, 11.5));
    p.setPen(QPen(QColor(120, 90, 10), 0.6));
    p.setBrush(QColor(240, 200, 70));
    p.drawRect(QRectF(8, 15.5, 3.5, 4));
    p.drawRect(QRectF(20.5, 15.5, 3.5, 4));
}

void draw_shop(QPainter& p) {
    button_background(p);
    const QColor bag(240, 120, 170);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(bag.darker(160), 1.6));
    p.drawArc(QRectF(10, 3, 12, 14), 0, 180 * 16);
    QPolygonF shape;
    shape << QPointF(6, 10) << QPointF(26, 10) << QPointF(28, 29) << QPointF(4, 29);
    QLinearGradient g(0, 10, 0, 29);
    g.setColorAt(0, bag.lighter(115));
    g.setColorAt(1, bag.darker(125));
    p.setPen(QPen(bag.darker(170), 0.8));
    p.setBrush(g);
    p.drawPolygon(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(bag.darker(150));
    p.drawEllipse(QPointF(11, 13), 1.1, 1.1);
    p.drawEllipse(QPointF(21, 13), 1.1, 1.1);
    p.setBrush(Qt::white);
    p.drawPath(heart_path(QPointF(16, 21), 8));
}

namespace pic = swoonery::pictures;

struct Drawing {
    std::string_view file;
    int width;
    int height;
    void (*draw)(QPainter&);
};

// Every picture the windows load by name, in the order of the contact sheet.
constexpr Drawing kDrawings[] = {
    {pic::kStartFace, 102, 116, draw_start_face},
    {pic::kHeart, 17, 17, draw_heart},
    {pic::kBanner, 275, 80, draw_banner},
    {pic::kCat, 96, 75, draw_cat},
    {pic::kBill, 252, 106, draw_bill},
    {pic::kPolice, 250, 126, draw_police},
    {pic::kLogo, 293, 272, draw_logo},
    {pic::kPhone, 32, 32, draw_phone},
    {pic::kGift, 32, 32, draw_gift},
    {pic::kDate, 32, 32, draw_date},
    {pic::kWork, 32, 32, draw_work},
    {pic::kShop, 32, 32, draw_shop},
};

constexpr int times_listed(std::string_view file, const auto& list) {
    int n = 0;
    for (const std::string_view listed : list) {
        n += listed == file ? 1 : 0;
    }
    return n;
}

constexpr bool draws_every_listed_picture_once() {
    if (std::size(kDrawings) != pic::kWindowPictures.size()) {
        return false;
    }
    for (const Drawing& d : kDrawings) {
        if (times_listed(d.file, pic::kWindowPictures) != 1) {
            return false;
        }
    }
    return true;
}
static_assert(draws_every_listed_picture_once(),
              "one drawing for each picture of the list, and no other");

} // namespace

std::vector<PictureAsset> picture_assets() {
    std::vector<PictureAsset> all;
    for (int i = 0; i < kPortraitCount; ++i) {
        all.push_back({listed_name(pic::kPortraits[static_cast<std::size_t>(i)]), 102, 116,
                       [i](QPainter& p) { draw_portrait(p, i); }});
    }
    for (const Drawing& d : kDrawings) {
        PictureAsset picture{listed_name(d.file), d.width, d.height, d.draw};
        if (times_listed(d.file, pic::kButtons) > 0) {
            picture.background = kButtonFace;
            picture.transparent = true;
        }
        all.push_back(std::move(picture));
    }
    return all;
}

namespace {

QImage render(const PictureAsset& asset, int scale, QImage::Format format, const QColor& ground) {
    QImage image(asset.width * scale, asset.height * scale, format);
    image.fill(ground);
    QPainter p(&image);
    p.scale(scale, scale);
    asset.draw(p);
    p.end();
    return image;
}

} // namespace

QImage render_picture(const PictureAsset& asset, int scale) {
    return render(asset, scale, QImage::Format_RGB32, asset.background);
}

QImage render_transparent(const PictureAsset& asset, int scale) {
    return render(asset, scale, QImage::Format_ARGB32, Qt::transparent);
}

QString sibling(const QString& file, const QString& suffix, const QString& extension) {
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? file : file.left(dot);
    const QString ext = extension.isEmpty() ? (dot < 0 ? QString() : file.mid(dot + 1)) : extension;
    return stem + suffix + (ext.isEmpty() ? QString() : QLatin1Char('.') + ext);
}

} // namespace assetgen
