// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The eleven girls' portraits. Each is drawn from a Look: hair style and
// colour, skin, eyes, clothes, backdrop and accessories. The styles differ in
// shape, not only in colour.
#include "assets.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <numbers>
#include <tuple>

namespace assetgen {

namespace {

constexpr double kCx = 51.0;
constexpr QRectF kFrame(0, 0, 102, 116);

enum class Hair { Long, Bob, Curls, Ponytail, Bun, Braids, Pixie, Wavy, Afro, Pigtails, SideSwept };
enum class Neckline { Vee, Crew, OffShoulder, Straps, Scoop, Collar, Turtle, Square, Halter };
enum class Backdrop {
    Bokeh,
    Dots,
    Stripes,
    Rays,
    Hearts,
    Gingham,
    Stars,
    Bars,
    Rings,
    Flowers,
    Glow
};
enum class Earrings { None, Studs, Hoops, Drops, Pearls };

struct Look {
    Hair hair;
    QColor hair_colour;
    QColor skin;
    QColor eyes;
    QColor lips;
    Neckline neckline;
    QColor top;
    Backdrop backdrop;
    QColor bg;
    QColor bg_accent;
    Earrings earrings = Earrings::None;
    QColor jewel = QColor(232, 190, 70);
    QColor accent = QColor(220, 40, 80); // hair band, ribbons, bows
    double half_width = 19.0;
    double chin = 80.0;
    double eye_gap = 8.5;
    double eye_scale = 1.0;
    double brow_arch = 1.0;
    bool open_smile = false;
    bool freckles = false;
    bool glasses = false;
    bool necklace = false;
    bool beauty_mark = false;
};

struct Geometry {
    double top = 22.0;
    double cheek_y = 50.0;
    double hw = 19.0;
    double chin_y = 80.0;
    double eye_y = 52.0;
    double brow_y = 45.5;
    double nose_y = 62.0;
    double mouth_y = 70.0;
};

QTransform mirror() {
    return QTransform(-1, 0, 0, 1, 2 * kCx, 0);
}

// A path and its mirror image across the face's centre line.
QPainterPath both(const QPainterPath& right) {
    return right.united(mirror().map(right));
}

// Closes a band between two edges that run the same way (outer, then inner reversed).
QPainterPath band(const QPainterPath& outer, const QPainterPath& inner) {
    QPainterPath p = outer;
    p.connectPath(inner.toReversed());
    p.closeSubpath();
    return p;
}

QPainterPath curve(QPointF a, QPointF c1, QPointF c2, QPointF b) {
    QPainterPath p(a);
    p.cubicTo(c1, c2, b);
    return p;
}

// ---------------------------------------------------------------- backdrops

void draw_bokeh_backdrop(QPainter& p, const Look& look) {
    Rng rng(11);
    for (int i = 0; i < 16; ++i) {
        const double r = rng.range(4, 12);
        const QPointF c(rng.range(0, 102), rng.range(0, 90));
        QRadialGradient g(c, r);
        g.setColorAt(0, with_alpha(look.bg_accent, 120));
        g.setColorAt(0.8, with_alpha(look.bg_accent, 70));
        g.setColorAt(1, with_alpha(look.bg_accent, 0));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
}

void draw_dots_backdrop(QPainter& p, const Look& look) {
    p.setBrush(look.bg_accent);
    for (int row = 0; row < 10; ++row) {
        for (int col = 0; col < 9; ++col) {
            const double x = col * 13.0 + (row % 2 ? 6.5 : 0.0);
            p.drawEllipse(QPointF(x, row * 12.0 + 4), 3.2, 3.2);
        }
    }
}

void draw_stripes_backdrop(QPainter& p, const Look& look) {
    p.setBrush(look.bg_accent);
    for (int i = -10; i < 20; ++i) {
        QPolygonF s;
        const double x = i * 12.0;
        s << QPointF(x, 0) << QPointF(x + 6, 0) << QPointF(x + 6 - 116, 116)
          << QPointF(x - 116, 116);
        p.drawPolygon(s);
    }
}

void draw_rays_backdrop(QPainter& p, const Look& look) {
    const QPointF c(kCx, 48);
    p.setBrush(look.bg_accent);
    for (int i = 0; i < 18; i += 2) {
        const double a0 = 2 * std::numbers::pi * i / 18;
        const double a1 = 2 * std::numbers::pi * (i + 1) / 18;
        QPolygonF wedge;
        wedge << c << QPointF(c.x() + 160 * std::cos(a0), c.y() + 160 * std::sin(a0))
              << QPointF(c.x() + 160 * std::cos(a1), c.y() + 160 * std::sin(a1));
        p.drawPolygon(wedge);
    }
    QRadialGradient glow(c, 70);
    glow.setColorAt(0, QColor(255, 255, 235, 170));
    glow.setColorAt(1, QColor(255, 255, 235, 0));
    p.setBrush(glow);
    p.drawRect(kFrame);
}

void draw_hearts_backdrop(QPainter& p, const Look& look) {
    p.setBrush(look.bg_accent);
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 7; ++col) {
            const double x = col * 16.0 + (row % 2 ? 8.0 : 0.0);
            p.drawPath(heart_path(QPointF(x, row * 15.0 + 5), 7.5));
        }
    }
}

void draw_gingham_backdrop(QPainter& p, const Look& look) {
    p.setBrush(with_alpha(look.bg_accent, 110));
    for (int i = 0; i < 13; i += 2) {
        p.drawRect(QRectF(i * 8.0, 0, 8, 116));
        p.drawRect(QRectF(0, i * 8.0, 102, 8));
    }
}

void draw_stars_backdrop(QPainter& p, const Look& look) {
    Rng rng(7);
    p.setBrush(look.bg_accent);
    for (int i = 0; i < 22; ++i) {
        const double r = rng.range(1.8, 4.0);
        p.drawPath(star_path(QPointF(rng.range(2, 100), rng.range(2, 110)), r, r * 0.45));
    }
}

void draw_bars_backdrop(QPainter& p, const Look& look) {
    p.setBrush(look.bg_accent);
    for (int i = 0; i < 13; i += 2) {
        p.drawRect(QRectF(i * 8.0 + 2, 0, 8, 116));
    }
}

void draw_rings_backdrop(QPainter& p, const Look& look) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.bg_accent, 3.0));
    for (int i = 1; i < 12; ++i) {
        p.drawEllipse(QPointF(kCx, 45), i * 8.0, i * 8.0);
    }
    p.setPen(Qt::NoPen);
}

void draw_flowers_backdrop(QPainter& p, const Look& look) {
    Rng rng(5);
    for (int i = 0; i < 14; ++i) {
        const QPointF c(rng.range(0, 102), rng.range(0, 112));
        p.setBrush(look.bg_accent);
        for (int k = 0; k < 5; ++k) {
            const double a = 2 * std::numbers::pi * k / 5;
            p.drawEllipse(QPointF(c.x() + 3.0 * std::cos(a), c.y() + 3.0 * std::sin(a)), 2.4, 2.4);
        }
        p.setBrush(QColor(255, 214, 80));
        p.drawEllipse(c, 1.6, 1.6);
    }
}

void draw_glow_backdrop(QPainter& p, const Look& look) {
    QRadialGradient glow(QPointF(30, 25), 90);
    glow.setColorAt(0, look.bg_accent);
    glow.setColorAt(1, with_alpha(look.bg_accent, 0));
    p.setBrush(glow);
    p.drawRect(kFrame);
}

void draw_backdrop(QPainter& p, const Look& look) {
    QLinearGradient base(0, 0, 0, 116);
    base.setColorAt(0, look.bg.lighter(112));
    base.setColorAt(1, look.bg.darker(108));
    p.fillRect(kFrame, base);
    p.setPen(Qt::NoPen);
    switch (look.backdrop) {
    case Backdrop::Bokeh:
        draw_bokeh_backdrop(p, look);
        break;
    case Backdrop::Dots:
        draw_dots_backdrop(p, look);
        break;
    case Backdrop::Stripes:
        draw_stripes_backdrop(p, look);
        break;
    case Backdrop::Rays:
        draw_rays_backdrop(p, look);
        break;
    case Backdrop::Hearts:
        draw_hearts_backdrop(p, look);
        break;
    case Backdrop::Gingham:
        draw_gingham_backdrop(p, look);
        break;
    case Backdrop::Stars:
        draw_stars_backdrop(p, look);
        break;
    case Backdrop::Bars:
        draw_bars_backdrop(p, look);
        break;
    case Backdrop::Rings:
        draw_rings_backdrop(p, look);
        break;
    case Backdrop::Flowers:
        draw_flowers_backdrop(p, look);
        break;
    case Backdrop::Glow:
        draw_glow_backdrop(p, look);
        break;
    }
    // A soft light behind the head lifts the portrait off its pattern.
    QRadialGradient halo(QPointF(kCx, 50), 55);
    halo.setColorAt(0, QColor(255, 255, 255, 90));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(halo);
    p.drawRect(kFrame);
}

// ---------------------------------------------------------------- hair

// Hair fill: a top-lit gradient, a sheen across the crown and strands.
void fill_hair(QPainter& p, const QPainterPath& shape, const QColor& colour,
               bool in_shadow = false) {
    p.save();
    QLinearGradient g(0, 8, 0, 116);
    const QColor c = in_shadow ? colour.darker(130) : colour;
    g.setColorAt(0, c.lighter(112));
    g.setColorAt(0.45, c);
    g.setColorAt(1, c.darker(135));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(shape);
    if (!in_shadow) {
        p.setClipPath(shape);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(with_alpha(colour.lighter(160), 110), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(kCx - 22, 16, 44, 50), 35 * 16, 110 * 16);
        p.setPen(QPen(with_alpha(colour.lighter(185), 90), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(kCx - 20, 18, 40, 46), 50 * 16, 80 * 16);
    }
    p.restore();
}

// Strands laid between two edges of a lock of hair.
void strands(QPainter& p, const QPainterPath& clip, const QPainterPath& a, const QPainterPath& b,
             int count, const QColor& colour, int alpha = 110) {
    p.save();
    p.setClipPath(clip);
    p.setBrush(Qt::NoBrush);
    for (int k = 1; k < count; ++k) {
        const double f = static_cast<double>(k) / count;
        QPainterPath s;
        for (int i = 0; i <= 24; ++i) {
            const double t = i / 24.0;
            const QPointF pt = a.pointAtPercent(t) * (1 - f) + b.pointAtPercent(t) * f;
            if (i == 0) {
                s.moveTo(pt);
            } else {
                s.lineTo(pt);
            }
        }
        const bool light = k % 3 == 0;
        p.setPen(QPen(light ? with_alpha(colour.lighter(150), alpha / 2)
                            : with_alpha(colour.darker(150), alpha),
                      light ? 0.8 : 0.6));
        p.drawPath(s);
    }
    p.restore();
}

void curl(QPainter& p, QPointF c, double r, const QColor& colour) {
    QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.4), r * 1.3);
    g.setColorAt(0, colour.lighter(135));
    g.setColorAt(0.6, colour);
    g.setColorAt(1, colour.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(with_alpha(colour.darker(170), 150), 0.7));
    p.drawArc(QRectF(c.x() - r * 0.6, c.y() - r * 0.6, r * 1.2, r * 1.2), 200 * 16, 250 * 16);
}

// A plait: interlocking lobes leaning left and right in turn along a path.
void plait(QPainter& p, const QPainterPath& spine, int segments, double width, const QColor& colour,
           const QColor& tie) {
    const double step = spine.length() / segments;
    // Herringbone: each step has a lobe from either side, half a step apart.
    for (int i = 0; i < 2 * segments; ++i) {
        const double t = (i + 0.5) / (2 * segments);
        const QPointF c = spine.pointAtPercent(t);
        const double w = width * (1.0 - 0.3 * t);
        const int lean = i % 2 ? 1 : -1;
        p.save();
        p.translate(c);
        p.rotate(-spine.angleAtPercent(t) - 90);
        p.translate(lean * w * 0.2, 0);
        p.rotate(lean * -42);
        QLinearGradient g(0, -step * 0.6, 0, step * 0.6);
        g.setColorAt(0, colour.darker(120));
        g.setColorAt(0.4, colour.lighter(130));
        g.setColorAt(1, colour.darker(155));
        p.setBrush(g);
        p.setPen(QPen(colour.darker(175), 0.45));
        p.drawEllipse(QPointF(0, 0), step * 0.62, w * 0.26);
        p.restore();
    }
    const QPointF end = spine.pointAtPercent(1.0);
    p.setPen(Qt::NoPen);
    QPainterPath tuft;
    tuft.moveTo(end + QPointF(-2.2, 0));
    tuft.quadTo(end + QPointF(-3.8, 4), end + QPointF(-1.5, 7));
    tuft.lineTo(end + QPointF(0, 5));
    tuft.lineTo(end + QPointF(1.5, 7));
    tuft.quadTo(end + QPointF(3.8, 4), end + QPointF(2.2, 0));
    tuft.closeSubpath();
    p.setBrush(colour);
    p.drawPath(tuft);
    p.setBrush(tie);
    p.setPen(QPen(tie.darker(140), 0.5));
    p.drawRoundedRect(QRectF(end.x() - 3, end.y() - 1.8, 6, 3.2), 1.2, 1.2);
}

// A corkscrew curl: a tapering tube wound with bright coils.
void ringlet(QPainter& p, QPointF top, double length, double width, double sway,
             const QColor& colour) {
    const int coils = static_cast<int>(length / 3.0);
    QPainterPath tube;
    for (int k = 0; k <= coils; ++k) {
        const double f = static_cast<double>(k) / coils;
        const QPointF c(top.x() + sway * std::sin(f * 2.5), top.y() + f * length);
        const double w = width * (1.0 - 0.45 * f);
        tube.addEllipse(c, w / 2, 2.2);
    }
    tube = tube.simplified();
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(135));
    p.drawPath(tube);
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k <= coils; ++k) {
        const double f = static_cast<double>(k) / coils;
        const QPointF c(top.x() + sway * std::sin(f * 2.5), top.y() + f * length);
        const double w = width * (1.0 - 0.45 * f);
        const QRectF loop(c.x() - w / 2, c.y() - 1.6, w, 3.2);
        p.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(loop, 190 * 16, 170 * 16);
        p.setPen(QPen(with_alpha(colour.lighter(150), 200), 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(loop.adjusted(w * 0.2, 0.3, -w * 0.2, 0.3), 220 * 16, 80 * 16);
    }
}

void bow(QPainter& p, QPointF c, double s, const QColor& colour) {
    p.setPen(QPen(colour.darker(150), 0.6));
    p.setBrush(colour);
    QPainterPath wing;
    wing.moveTo(c);
    wing.cubicTo(c + QPointF(s * 0.4, -s * 0.9), c + QPointF(s * 1.2, -s * 0.6),
                 c + QPointF(s * 1.1, 0));
    wing.cubicTo(c + QPointF(s * 1.2, s * 0.6), c + QPointF(s * 0.4, s * 0.9), c);
    p.drawPath(wing);
    p.drawPath(
        QTransform().translate(c.x(), c.y()).scale(-1, 1).translate(-c.x(), -c.y()).map(wing));
    p.setBrush(colour.lighter(125));
    p.drawEllipse(c, s * 0.28, s * 0.32);
}

// The mass behind the shoulders that long, wavy and side-swept hair share.
void draw_long_hair_back(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    QPainterPath back(QPointF(kCx, 12));
    back.cubicTo(kCx + 24, 12, kCx + 30, 30, kCx + 29, 52);
    back.cubicTo(kCx + 29, 72, kCx + 31, 92, kCx + 34, 112);
    back.lineTo(kCx - 34, 112);
    back.cubicTo(kCx - 31, 92, kCx - 29, 72, kCx - 29, 52);
    back.cubicTo(kCx - 30, 30, kCx - 24, 12, kCx, 12);
    fill_hair(p, back, h, true);
}

void draw_bob_back(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    QPainterPath back(QPointF(kCx, 12));
    back.cubicTo(kCx + 26, 12, kCx + 30, 32, kCx + 29, 56);
    back.lineTo(kCx + 27, 79);
    back.lineTo(kCx - 27, 79);
    back.lineTo(kCx - 29, 56);
    back.cubicTo(kCx - 30, 32, kCx - 26, 12, kCx, 12);
    fill_hair(p, back, h, true);
}

// A cloud of curls: a bumpy mass with corkscrews hanging all round.
void draw_curls_back(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    Rng rng(3);
    QPainterPath mass(QPointF(kCx, 10));
    mass.cubicTo(kCx + 30, 10, kCx + 34, 40, kCx + 33, 60);
    mass.cubicTo(kCx + 33, 76, kCx + 34, 88, kCx + 31, 100);
    mass.lineTo(kCx - 31, 100);
    mass.cubicTo(kCx - 34, 88, kCx - 33, 76, kCx - 33, 60);
    mass.cubicTo(kCx - 34, 40, kCx - 30, 10, kCx, 10);
    QPainterPath cloud = mass;
    cloud.setFillRule(Qt::WindingFill);
    for (int i = 0; i < 40; ++i) {
        const QPointF c = mass.pointAtPercent(i / 40.0);
        if (c.y() < 80) {
            cloud.addEllipse(c, 4.5, 4.5);
        }
    }
    cloud = cloud.simplified();
    fill_hair(p, cloud, h, true);
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 4; ++i) {
            ringlet(p, QPointF(kCx + side * (21 + i * 3.5), 40 + i * 4), 50 + rng.range(-4, 6), 7.5,
                    side * rng.range(0.5, 1.5), h.darker(112));
        }
    }
}

// The tail swings out behind the head on her left.
void draw_ponytail_tail(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    QPainterPath tail(QPointF(kCx + 14, 20));
    tail.cubicTo(kCx + 34, 14, kCx + 42, 34, kCx + 38, 52);
    tail.cubicTo(kCx + 35, 66, kCx + 38, 78, kCx + 43, 90);
    tail.cubicTo(kCx + 33, 84, kCx + 27, 70, kCx + 27, 56);
    tail.cubicTo(kCx + 27, 42, kCx + 24, 32, kCx + 14, 26);
    tail.closeSubpath();
    fill_hair(p, tail, h);
    strands(p, tail, curve({kCx + 16, 20}, {kCx + 36, 16}, {kCx + 36, 70}, {kCx + 43, 90}),
            curve({kCx + 14, 26}, {kCx + 26, 34}, {kCx + 26, 68}, {kCx + 43, 90}), 6, h);
}

void draw_braids_back(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    QPainterPath back(QPointF(kCx, 13));
    back.cubicTo(kCx + 24, 13, kCx + 29, 30, kCx + 27, 52);
    back.lineTo(kCx + 24, 62);
    back.lineTo(kCx - 24, 62);
    back.lineTo(kCx - 27, 52);
    back.cubicTo(kCx - 29, 30, kCx - 24, 13, kCx, 13);
    fill_hair(p, back, h, true);
}

void draw_afro_back(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    Rng rng(9);
    const QPointF c(kCx, 40);
    QPainterPath cloud;
    cloud.addEllipse(c, 38, 34);
    fill_hair(p, cloud, h, true);
    for (int i = 0; i < 60; ++i) {
        const double a = 2 * std::numbers::pi * i / 60;
        const QPointF pt(c.x() + 35 * std::cos(a), c.y() + 31 * std::sin(a));
        if (pt.y() > 64) {
            continue;
        }
        curl(p, pt + QPointF(rng.range(-1, 1), rng.range(-1, 1)), rng.range(4.0, 5.5), h);
    }
    // Texture: tiny coils all over.
    p.save();
    p.setClipPath(cloud);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 170; ++i) {
        const QPointF pt(rng.range(c.x() - 36, c.x() + 36), rng.range(c.y() - 33, c.y() + 30));
        p.setPen(QPen(with_alpha(i % 2 ? h.lighter(170) : h.darker(160), 140), 0.6));
        p.drawArc(QRectF(pt.x() - 1.6, pt.y() - 1.6, 3.2, 3.2), rng.below(360) * 16, 220 * 16);
    }
    p.restore();
}

// What shows of the hair behind the head and body; short and tied-up styles have none.
void draw_hair_back(QPainter& p, const Look& look) {
    switch (look.hair) {
    case Hair::Long:
    case Hair::Wavy:
    case Hair::SideSwept:
        draw_long_hair_back(p, look);
        break;
    case Hair::Bob:
        draw_bob_back(p, look);
        break;
    case Hair::Curls:
        draw_curls_back(p, look);
        break;
    case Hair::Ponytail:
        draw_ponytail_tail(p, look);
        break;
    case Hair::Bun:
    case Hair::Pixie:
    case Hair::Pigtails:
        break;
    case Hair::Braids:
        draw_braids_back(p, look);
        break;
    case Hair::Afro:
        draw_afro_back(p, look);
        break;
    }
}

// Centre parting, two straight curtains falling in front of the shoulders.
void draw_long_hair(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    QPainterPath o(QPointF(kCx + 1, 13));
    o.cubicTo(kCx + 18, 11, kCx + 30, 24, kCx + 29, 48);
    o.cubicTo(kCx + 29, 70, kCx + 30, 92, kCx + 33, 118);
    QPainterPath in(QPointF(kCx + 1, 18));
    in.cubicTo(kCx + 10, 19, kCx + 17, 30, kCx + 18, 46);
    in.cubicTo(kCx + 19, 64, kCx + 19, 92, kCx + 20, 118);
    QPainterPath shape = band(o, in);
    fill_hair(p, both(shape), h);
    strands(p, shape, o, in, 7, h);
    strands(p, mirror().map(shape), mirror().map(o), mirror().map(in), 7, h);
}

// Long waves swept back under a hair band.
void draw_wavy_hair(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    auto wavy_edge = [](double x0, double y0, double x1, double y1, double amp, bool inner) {
        QPainterPath e(QPointF(x0, y0));
        for (int i = 1; i <= 30; ++i) {
            const double t = i / 30.0;
            const double y = y0 + (y1 - y0) * t;
            const double w = amp * std::sin(t * 3.2 * std::numbers::pi + (inner ? 0.4 : 0.0)) *
                             std::min(1.0, t * 2.5);
            e.lineTo(x0 + (x1 - x0) * t + w, y);
        }
        return e;
    };
    QPainterPath o(QPointF(kCx, 12));
    o.cubicTo(kCx + 20, 11, kCx + 30, 24, kCx + 30, 44);
    o.connectPath(wavy_edge(kCx + 30, 44, kCx + 33, 112, 3.2, false));
    QPainterPath in(QPointF(kCx, 20));
    in.cubicTo(kCx + 12, 20, kCx + 18, 30, kCx + 19, 44);
    in.connectPath(wavy_edge(kCx + 19, 44, kCx + 22, 112, 2.6, true));
    const QPainterPath shape = band(o, in);
    fill_hair(p, both(shape), h);
    strands(p, shape, o, in, 7, h);
    strands(p, mirror().map(shape), mirror().map(o), mirror().map(in), 7, h);
    // The hair band.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.accent.darker(130), 4.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(kCx - 24, 15, 48, 34), 15 * 16, 150 * 16);
    p.setPen(QPen(look.accent, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(kCx - 24, 15, 48, 34), 15 * 16, 150 * 16);
    p.setPen(QPen(with_alpha(look.accent.lighter(160), 200), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(kCx - 23, 14.6, 46, 32), 40 * 16, 100 * 16);
}

// A glossy helmet to the jaw with a blunt fringe.
void draw_bob(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    QPainterPath bob(QPointF(kCx + 28, 78));
    bob.cubicTo(kCx + 31, 60, kCx + 31, 34, kCx + 26, 24);
    bob.cubicTo(kCx + 20, 12, kCx + 8, 11, kCx, 11);
    bob.cubicTo(kCx - 8, 11, kCx - 20, 12, kCx - 26, 24);
    bob.cubicTo(kCx - 31, 34, kCx - 31, 60, kCx - 28, 78);
    bob.quadTo(kCx - 23, 80, kCx - 19, 76);
    bob.cubicTo(kCx - 18, 64, kCx - 18, 50, kCx - 18, 42);
    // Fringe edge with small points.
    for (int i = 0; i < 9; ++i) {
        const double x0 = kCx - 18 + i * 4.0;
        bob.quadTo(x0 + 2.0, 44.5 - (i % 2) * 0.8, x0 + 4.0, 42);
    }
    bob.cubicTo(kCx + 18, 50, kCx + 18, 64, kCx + 19, 76);
    bob.quadTo(kCx + 23, 80, kCx + 28, 78);
    bob.closeSubpath();
    fill_hair(p, bob, h);
    const QPainterPath rim = curve({kCx - 28, 78}, {kCx - 34, 30}, {kCx + 34, 30}, {kCx + 28, 78});
    const QPainterPath fringe =
        curve({kCx - 19, 76}, {kCx - 18, 38}, {kCx + 18, 38}, {kCx + 19, 76});
    strands(p, bob, rim, fringe, 8, h, 90);
    // Fringe strokes straight down.
    p.save();
    p.setClipPath(bob);
    p.setPen(QPen(with_alpha(h.darker(160), 120), 0.6));
    for (int i = 0; i < 10; ++i) {
        const double x = kCx - 17 + i * 3.8;
        p.drawLine(QPointF(x + 1, 26), QPointF(x, 43));
    }
    p.restore();
}

void draw_curls_front(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    Rng rng(4);
    // Small tight curls along the hairline, corkscrews beside the face.
    p.save();
    for (int i = 0; i < 26; ++i) {
        const int row = i % 2;
        const double t = (i / 2) / 12.0 + row * 0.04;
        const double a = std::numbers::pi * (1.02 + 0.94 * t);
        const double rx = 22 - row * 3.5 + rng.range(-1, 1);
        const QPointF c(kCx + rx * std::cos(a),
                        37 + (20 - row * 3.5) * std::sin(a) + rng.range(-1, 1));
        const double r = rng.range(3.4, 4.6) - row * 0.4;
        QRadialGradient shade(c + QPointF(-1, -1.5), r * 1.2);
        shade.setColorAt(0, h.lighter(125));
        shade.setColorAt(1, h.darker(125));
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawEllipse(c, r, r);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(with_alpha(h.darker(170), 170), 0.7));
        p.drawArc(QRectF(c.x() - r * 0.7, c.y() - r * 0.6, r * 1.4, r * 1.2), 160 * 16, 260 * 16);
        p.setPen(QPen(with_alpha(h.lighter(160), 170), 0.7));
        p.drawArc(QRectF(c.x() - r * 0.4, c.y() - r * 0.5, r * 0.8, r * 0.7), 60 * 16, 120 * 16);
    }
    p.restore();
    for (int side = -1; side <= 1; side += 2) {
        ringlet(p, QPointF(kCx + side * 20, 40), 46, 7.5, side * 1.2, h);
        ringlet(p, QPointF(kCx + side * 25, 38), 62, 8.0, side * 1.5, h);
    }
}

// Smooth, pulled back, side parting; the ears show.
void draw_ponytail_front(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    QPainterPath cap(QPointF(kCx - 21, 52));
    cap.cubicTo(kCx - 25, 26, kCx - 14, 13, kCx, 13);
    cap.cubicTo(kCx + 15, 13, kCx + 25, 24, kCx + 21, 52);
    cap.cubicTo(kCx + 19, 42, kCx + 18, 34, kCx + 12, 29);
    cap.cubicTo(kCx + 4, 25, kCx - 6, 24, kCx - 12, 29);
    cap.cubicTo(kCx - 17, 33, kCx - 19, 42, kCx - 21, 52);
    cap.closeSubpath();
    fill_hair(p, cap, h);
    strands(p, cap, curve({kCx - 7, 15}, {kCx - 22, 20}, {kCx - 24, 40}, {kCx - 21, 52}),
            curve({kCx - 7, 24}, {kCx - 14, 28}, {kCx - 18, 40}, {kCx - 21, 52}), 4, h);
    strands(p, cap, curve({kCx - 7, 15}, {kCx + 14, 10}, {kCx + 26, 30}, {kCx + 21, 52}),
            curve({kCx - 7, 24}, {kCx + 8, 24}, {kCx + 18, 36}, {kCx + 21, 52}), 6, h);
    // The tie peeks out at the back.
    p.setPen(Qt::NoPen);
    p.setBrush(look.accent);
    p.drawRoundedRect(QRectF(kCx + 17, 17, 5, 6), 1.5, 1.5);
}

// Pulled up into a bun on top, two loose wisps by the ears.
void draw_bun(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    QPainterPath cap(QPointF(kCx - 21, 50));
    cap.cubicTo(kCx - 25, 24, kCx - 14, 15, kCx, 15);
    cap.cubicTo(kCx + 14, 15, kCx + 25, 24, kCx + 21, 50);
    cap.cubicTo(kCx + 19, 38, kCx + 14, 30, kCx, 29);
    cap.cubicTo(kCx - 14, 30, kCx - 19, 38, kCx - 21, 50);
    cap.closeSubpath();
    QPainterPath bun_shape;
    bun_shape.addEllipse(QPointF(kCx, 10), 11.5, 9);
    fill_hair(p, bun_shape, h);
    p.save();
    p.setClipPath(bun_shape);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(with_alpha(h.darker(160), 150), 0.7));
        p.drawArc(QRectF(kCx - 10 + i * 2.2, 3 + i * 1.6, 20 - i * 4.4, 14 - i * 3.2),
                  (30 + i * 40) * 16, 250 * 16);
    }
    p.restore();
    fill_hair(p, cap, h);
    strands(p, cap, curve({kCx - 21, 50}, {kCx - 24, 24}, {kCx - 10, 15}, {kCx, 15}),
            curve({kCx - 21, 50}, {kCx - 18, 36}, {kCx - 8, 29}, {kCx, 29}), 5, h);
    strands(p, cap, curve({kCx + 21, 50}, {kCx + 24, 24}, {kCx + 10, 15}, {kCx, 15}),
            curve({kCx + 21, 50}, {kCx + 18, 36}, {kCx + 8, 29}, {kCx, 29}), 5, h);
    p.setBrush(look.accent);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(kCx - 7, 16.5, 14, 3), 1.4, 1.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(h, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve({kCx + 19, 42}, {kCx + 22, 52}, {kCx + 17, 58}, {kCx + 20, 66}));
    p.drawPath(curve({kCx - 19, 42}, {kCx - 22, 52}, {kCx - 17, 58}, {kCx - 20, 66}));
}

void draw_braids(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    QPainterPath cap(QPointF(kCx - 22, 58));
    cap.cubicTo(kCx - 27, 26, kCx - 14, 13, kCx, 13);
    cap.cubicTo(kCx + 14, 13, kCx + 27, 26, kCx + 22, 58);
    cap.cubicTo(kCx + 19, 44, kCx + 16, 28, kCx + 1, 20);
    cap.lineTo(kCx - 1, 20);
    cap.cubicTo(kCx - 16, 28, kCx - 19, 44, kCx - 22, 58);
    cap.closeSubpath();
    fill_hair(p, cap, h);
    strands(p, cap, curve({kCx + 1, 14}, {kCx + 14, 12}, {kCx + 28, 28}, {kCx + 22, 58}),
            curve({kCx + 1, 20}, {kCx + 16, 28}, {kCx + 19, 44}, {kCx + 22, 58}), 5, h);
    strands(p, cap, curve({kCx - 1, 14}, {kCx - 14, 12}, {kCx - 28, 28}, {kCx - 22, 58}),
            curve({kCx - 1, 20}, {kCx - 16, 28}, {kCx - 19, 44}, {kCx - 22, 58}), 5, h);
    plait(p, curve({kCx + 23, 54}, {kCx + 27, 72}, {kCx + 24, 90}, {kCx + 26, 104}), 12, 10.0, h,
          look.accent);
    plait(p, curve({kCx - 23, 54}, {kCx - 27, 72}, {kCx - 24, 90}, {kCx - 26, 104}), 12, 10.0, h,
          look.accent);
}

// Cropped short, a side-swept fringe across the forehead.
void draw_pixie(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    QPainterPath cap(QPointF(kCx - 22, 56));
    cap.cubicTo(kCx - 28, 30, kCx - 18, 10, kCx + 2, 10);
    cap.cubicTo(kCx + 20, 10, kCx + 28, 24, kCx + 22, 54);
    cap.lineTo(kCx + 19.5, 44);
    cap.cubicTo(kCx + 17, 38, kCx + 12, 34, kCx + 2, 40);
    cap.cubicTo(kCx - 6, 43, kCx - 12, 38, kCx - 14, 33);
    cap.cubicTo(kCx - 18, 38, kCx - 19, 46, kCx - 22, 56);
    cap.closeSubpath();
    fill_hair(p, cap, h);
    strands(p, cap, curve({kCx - 20, 18}, {kCx - 6, 8}, {kCx + 18, 14}, {kCx + 22, 50}),
            curve({kCx - 14, 33}, {kCx - 6, 44}, {kCx + 12, 34}, {kCx + 20, 44}), 7, h);
}

// The front of an afro: the hairline rounded over the forehead, textured with tiny coils.
void draw_afro_front(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    QPainterPath line(QPointF(kCx - 21, 50));
    line.cubicTo(kCx - 22, 30, kCx - 12, 26, kCx, 26);
    line.cubicTo(kCx + 12, 26, kCx + 22, 30, kCx + 21, 50);
    line.lineTo(kCx + 26, 50);
    line.lineTo(kCx + 26, 10);
    line.lineTo(kCx - 26, 10);
    line.lineTo(kCx - 26, 50);
    line.closeSubpath();
    QPainterPath cloud;
    cloud.addEllipse(QPointF(kCx, 40), 38, 34);
    const QPainterPath front = line.intersected(cloud);
    fill_hair(p, front, look.hair_colour);
    Rng rng(12);
    p.save();
    p.setClipPath(front);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 90; ++i) {
        const QPointF pt(rng.range(kCx - 26, kCx + 26), rng.range(10, 50));
        p.setPen(QPen(with_alpha(i % 2 ? h.lighter(170) : h.darker(160), 140), 0.6));
        p.drawArc(QRectF(pt.x() - 1.6, pt.y() - 1.6, 3.2, 3.2), rng.below(360) * 16, 220 * 16);
    }
    p.restore();
}

// Two high bunches tied with bows, and a rounded fringe.
void draw_pigtails(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath bunch(QPointF(kCx + side * 22, 26));
        bunch.cubicTo(kCx + side * 36, 18, kCx + side * 46, 34, kCx + side * 44, 52);
        bunch.cubicTo(kCx + side * 43, 62, kCx + side * 40, 70, kCx + side * 42, 78);
        bunch.cubicTo(kCx + side * 34, 72, kCx + side * 32, 60, kCx + side * 30, 50);
        bunch.cubicTo(kCx + side * 28, 40, kCx + side * 25, 34, kCx + side * 22, 32);
        bunch.closeSubpath();
        fill_hair(p, bunch, h);
        strands(p, bunch,
                curve({kCx + side * 22, 26}, {kCx + side * 44, 20}, {kCx + side * 44, 60},
                      {kCx + side * 42, 78}),
                curve({kCx + side * 22, 32}, {kCx + side * 28, 38}, {kCx + side * 30, 60},
                      {kCx + side * 42, 78}),
                5, h);
    }
    QPainterPath cap(QPointF(kCx - 21, 54));
    cap.cubicTo(kCx - 26, 26, kCx - 14, 12, kCx, 12);
    cap.cubicTo(kCx + 14, 12, kCx + 26, 26, kCx + 21, 54);
    cap.cubicTo(kCx + 19, 46, kCx + 19, 40, kCx + 17, 37);
    for (int i = 0; i < 5; ++i) {
        const double x0 = kCx + 17 - i * 6.8;
        cap.quadTo(x0 - 3.4, 43.5, x0 - 6.8, 37.5);
    }
    cap.cubicTo(kCx - 19, 40, kCx - 19, 46, kCx - 21, 54);
    cap.closeSubpath();
    fill_hair(p, cap, h);
    strands(p, cap, curve({kCx - 21, 54}, {kCx - 26, 20}, {kCx + 26, 20}, {kCx + 21, 54}),
            curve({kCx - 18, 40}, {kCx - 12, 38}, {kCx + 12, 38}, {kCx + 18, 40}), 6, h);
    bow(p, QPointF(kCx - 23, 27), 5.5, look.accent);
    bow(p, QPointF(kCx + 23, 27), 5.5, look.accent);
}

// Deep side parting: the hair sweeps over to her left and down over that
// shoulder; the other side is tucked behind the ear.
void draw_side_swept_hair(QPainter& p, const Look& look) {
    const QColor& h = look.hair_colour;
    QPainterPath o(QPointF(kCx - 11, 14));
    o.cubicTo(kCx + 10, 8, kCx + 30, 22, kCx + 29, 48);
    o.cubicTo(kCx + 29, 70, kCx + 32, 92, kCx + 35, 118);
    QPainterPath in(QPointF(kCx - 11, 20));
    in.cubicTo(kCx - 2, 32, kCx + 12, 28, kCx + 17, 44);
    in.cubicTo(kCx + 19, 62, kCx + 18, 92, kCx + 20, 118);
    const QPainterPath sweep = band(o, in);
    QPainterPath tucked(QPointF(kCx - 11, 14));
    tucked.cubicTo(kCx - 22, 15, kCx - 27, 30, kCx - 22, 50);
    tucked.cubicTo(kCx - 20, 40, kCx - 18, 28, kCx - 11, 21);
    tucked.closeSubpath();
    fill_hair(p, tucked, h);
    strands(p, tucked, curve({kCx - 11, 14}, {kCx - 22, 15}, {kCx - 27, 30}, {kCx - 22, 50}),
            curve({kCx - 11, 21}, {kCx - 18, 28}, {kCx - 20, 40}, {kCx - 22, 50}), 4, h);
    fill_hair(p, sweep, h);
    strands(p, sweep, o, in, 9, h);
}

void draw_hair_front(QPainter& p, const Look& look) {
    switch (look.hair) {
    case Hair::Long:
        draw_long_hair(p, look);
        break;
    case Hair::Wavy:
        draw_wavy_hair(p, look);
        break;
    case Hair::Bob:
        draw_bob(p, look);
        break;
    case Hair::Curls:
        draw_curls_front(p, look);
        break;
    case Hair::Ponytail:
        draw_ponytail_front(p, look);
        break;
    case Hair::Bun:
        draw_bun(p, look);
        break;
    case Hair::Braids:
        draw_braids(p, look);
        break;
    case Hair::Pixie:
        draw_pixie(p, look);
        break;
    case Hair::Afro:
        draw_afro_front(p, look);
        break;
    case Hair::Pigtails:
        draw_pigtails(p, look);
        break;
    case Hair::SideSwept:
        draw_side_swept_hair(p, look);
        break;
    }
}

// ---------------------------------------------------------------- body

QPainterPath body_path() {
    QPainterPath b(QPointF(-2, 118));
    b.lineTo(-2, 104);
    b.cubicTo(2, 95, 16, 90, kCx - 10, 87);
    b.lineTo(kCx - 8.5, 66);
    b.lineTo(kCx + 8.5, 66);
    b.lineTo(kCx + 10, 87);
    b.cubicTo(86, 90, 100, 95, 104, 104);
    b.lineTo(104, 118);
    b.closeSubpath();
    return b;
}

QPainterPath torso_path() {
    QPainterPath b(QPointF(-3, 118));
    b.lineTo(-3, 104);
    b.cubicTo(1, 94, 16, 89, kCx - 10, 86.5);
    b.lineTo(kCx + 10, 86.5);
    b.cubicTo(86, 89, 101, 94, 105, 104);
    b.lineTo(105, 118);
    b.closeSubpath();
    return b;
}

// Neck and shoulders in skin, shaded under the chin.
void draw_neck_and_shoulders(QPainter& p, const Look& look, const Geometry& g) {
    const QPainterPath body = body_path();
    QLinearGradient skin(0, 66, 0, 116);
    skin.setColorAt(0, look.skin.darker(112));
    skin.setColorAt(0.35, look.skin);
    skin.setColorAt(1, look.skin.darker(108));
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawPath(body);
    // The chin's shadow on the neck.
    p.save();
    p.setClipPath(body);
    QRadialGradient shade(QPointF(kCx, g.chin_y - 1), 12);
    shade.setColorAt(0, with_alpha(look.skin.darker(150), 200));
    shade.setColorAt(1, with_alpha(look.skin.darker(150), 0));
    p.setBrush(shade);
    p.drawEllipse(QPointF(kCx, g.chin_y - 1), 13, 8);
    // Collarbones.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(with_alpha(look.skin.darker(140), 90), 0.8));
    p.drawPath(curve({kCx - 4, 94}, {kCx - 10, 92}, {kCx - 16, 93}, {kCx - 22, 92}));
    p.drawPath(curve({kCx + 4, 94}, {kCx + 10, 92}, {kCx + 16, 93}, {kCx + 22, 92}));
    p.restore();
}

// What the neckline leaves bare: everything above and inside this outline.
QPainterPath neckline_cut(Neckline neckline) {
    QPainterPath cut;
    switch (neckline) {
    case Neckline::Crew:
    case Neckline::Collar:
    case Neckline::Turtle:
        cut.moveTo(-5, -5);
        cut.lineTo(107, -5);
        cut.lineTo(107, 86);
        cut.lineTo(kCx + 11, 86);
        cut.quadTo(kCx, 100, kCx - 11, 86);
        cut.lineTo(-5, 86);
        break;
    case Neckline::Vee:
        cut.moveTo(-5, -5);
        cut.lineTo(107, -5);
        cut.lineTo(107, 86);
        cut.lineTo(kCx + 12, 86);
        cut.lineTo(kCx, 106);
        cut.lineTo(kCx - 12, 86);
        cut.lineTo(-5, 86);
        break;
    case Neckline::Scoop:
        cut.moveTo(-5, -5);
        cut.lineTo(107, -5);
        cut.lineTo(107, 86);
        cut.lineTo(kCx + 16, 86);
        cut.cubicTo(kCx + 15, 102, kCx - 15, 102, kCx - 16, 86);
        cut.lineTo(-5, 86);
        break;
    case Neckline::Square:
        cut.moveTo(-5, -5);
        cut.lineTo(107, -5);
        cut.lineTo(107, 86);
        cut.lineTo(kCx + 16, 86);
        cut.lineTo(kCx + 16, 101);
        cut.lineTo(kCx - 16, 101);
        cut.lineTo(kCx - 16, 86);
        cut.lineTo(-5, 86);
        break;
    case Neckline::OffShoulder:
    case Neckline::Straps:
        cut.moveTo(-5, -5);
        cut.lineTo(107, -5);
        cut.lineTo(107, 103);
        cut.quadTo(kCx, 110, -5, 103);
        break;
    case Neckline::Halter:
        cut.moveTo(-5, -5);
        cut.lineTo(107, -5);
        cut.lineTo(107, 118);
        cut.lineTo(kCx + 26, 118);
        cut.lineTo(kCx + 7, 86);
        cut.lineTo(kCx - 7, 86);
        cut.lineTo(kCx - 26, 118);
        cut.lineTo(-5, 118);
        break;
    }
    cut.closeSubpath();
    return cut;
}

// The torso less what the neckline leaves bare, with a few folds.
void draw_clothes(QPainter& p, const Look& look) {
    const QPainterPath cut = neckline_cut(look.neckline);
    QPainterPath cloth = torso_path().subtracted(cut);
    if (look.neckline == Neckline::Halter) {
        QPainterPath hole;
        hole.addEllipse(QPointF(kCx, 97), 3, 5);
        cloth = cloth.subtracted(hole);
    }
    QRadialGradient fabric(QPointF(kCx, 92), 62);
    fabric.setColorAt(0, look.top.lighter(118));
    fabric.setColorAt(0.6, look.top);
    fabric.setColorAt(1, look.top.darker(140));
    p.setPen(QPen(look.top.darker(150), 0.6));
    p.setBrush(fabric);
    p.drawPath(cloth);
    // Folds.
    p.save();
    p.setClipPath(cloth);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(with_alpha(look.top.darker(160), 120), 0.9));
    p.drawPath(curve({16, 118}, {18, 110}, {22, 104}, {26, 100}));
    p.drawPath(curve({86, 118}, {84, 110}, {80, 104}, {76, 100}));
    p.restore();
}

// A ruffle along the top.
void draw_ruffle(QPainter& p, const Look& look) {
    p.setBrush(look.top.lighter(125));
    for (int i = 0; i < 14; ++i) {
        const double x = -2 + i * 8.0;
        const double y = 103 + 3.5 * (1 - std::pow((x - kCx) / 60.0, 2));
        p.drawEllipse(QPointF(x, y), 4.8, 3.2);
    }
}

void draw_straps(QPainter& p, const Look& look) {
    p.setPen(QPen(look.top.darker(110), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(kCx - 20, 106), QPointF(kCx - 26, 90));
    p.drawLine(QPointF(kCx + 20, 106), QPointF(kCx + 26, 90));
    p.setPen(Qt::NoPen);
}

void draw_shirt_collar(QPainter& p, const Look& look) {
    p.setBrush(QColor(250, 250, 246));
    p.setPen(QPen(QColor(170, 170, 160), 0.6));
    QPolygonF right;
    right << QPointF(kCx + 0.5, 97) << QPointF(kCx + 11.5, 85.5) << QPointF(kCx + 17, 96)
          << QPointF(kCx + 4, 102);
    p.drawPolygon(right);
    p.drawPolygon(mirror().map(right));
    p.setBrush(look.top.darker(150));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(kCx, 104 + i * 5.5), 0.9, 0.9);
    }
}

void draw_turtle_neck(QPainter& p, const Look& look) {
    QPainterPath collar(QPointF(kCx - 10, 76));
    collar.quadTo(kCx, 79, kCx + 10, 76);
    collar.lineTo(kCx + 12, 92);
    collar.quadTo(kCx, 95, kCx - 12, 92);
    collar.closeSubpath();
    QLinearGradient rib(kCx - 12, 0, kCx + 12, 0);
    rib.setColorAt(0, look.top.darker(125));
    rib.setColorAt(0.5, look.top.lighter(120));
    rib.setColorAt(1, look.top.darker(125));
    p.setBrush(rib);
    p.drawPath(collar);
    p.setPen(QPen(with_alpha(look.top.darker(170), 150), 0.6));
    for (int i = 0; i < 8; ++i) {
        const double x = kCx - 9 + i * 2.6;
        p.drawLine(QPointF(x, 78), QPointF(x + (x - kCx) * 0.15, 93));
    }
    p.setPen(Qt::NoPen);
}

// What some necklines add over the clothes.
void draw_neckline_trim(QPainter& p, const Look& look) {
    p.setPen(Qt::NoPen);
    switch (look.neckline) {
    case Neckline::OffShoulder:
        draw_ruffle(p, look);
        break;
    case Neckline::Straps:
        draw_straps(p, look);
        break;
    case Neckline::Collar:
        draw_shirt_collar(p, look);
        break;
    case Neckline::Turtle:
        draw_turtle_neck(p, look);
        break;
    default:
        break;
    }
}

void draw_necklace(QPainter& p, const Look& look) {
    if (look.necklace) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(look.jewel, 0.8));
        p.drawPath(curve({kCx - 9, 86}, {kCx - 7, 95}, {kCx + 7, 95}, {kCx + 9, 86}));
        p.setPen(Qt::NoPen);
        p.setBrush(look.jewel);
        p.drawPath(heart_path(QPointF(kCx, 94.8), 3.6));
    }
}

void draw_body(QPainter& p, const Look& look, const Geometry& g) {
    draw_neck_and_shoulders(p, look, g);
    draw_clothes(p, look);
    draw_neckline_trim(p, look);
    draw_necklace(p, look);
}

// ---------------------------------------------------------------- face

QPainterPath face_path(const Geometry& g) {
    QPainterPath f(QPointF(kCx, g.top));
    f.cubicTo(kCx + g.hw * 0.92, g.top, kCx + g.hw, g.top + 12, kCx + g.hw, g.cheek_y);
    f.cubicTo(kCx + g.hw, g.cheek_y + 14, kCx + g.hw * 0.5, g.chin_y, kCx, g.chin_y);
    f.cubicTo(kCx - g.hw * 0.5, g.chin_y, kCx - g.hw, g.cheek_y + 14, kCx - g.hw, g.cheek_y);
    f.cubicTo(kCx - g.hw, g.top + 12, kCx - g.hw * 0.92, g.top, kCx, g.top);
    f.closeSubpath();
    return f;
}

void draw_ears(QPainter& p, const Look& look, const Geometry& g) {
    for (int side = -1; side <= 1; side += 2) {
        const QPointF c(kCx + side * (g.hw + 0.5), g.eye_y + 5);
        p.setPen(QPen(look.skin.darker(135), 0.6));
        p.setBrush(look.skin.darker(104));
        p.drawEllipse(c, 3.4, 5.6);
        p.setPen(QPen(with_alpha(look.skin.darker(150), 170), 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 1.8, c.y() - 3.6, 3.6, 7.2), side > 0 ? -80 * 16 : 100 * 16,
                  180 * 16);
        const QPointF lobe(c.x() + side * 0.4, c.y() + 5.2);
        p.setPen(Qt::NoPen);
        switch (look.earrings) {
        case Earrings::None:
            break;
        case Earrings::Studs:
            p.setBrush(look.jewel);
            p.drawEllipse(lobe, 1.3, 1.3);
            p.setBrush(Qt::white);
            p.drawEllipse(lobe + QPointF(-0.4, -0.4), 0.4, 0.4);
            break;
        case Earrings::Pearls: {
            QRadialGradient pearl(lobe + QPointF(-0.5, 0.5), 2.2);
            pearl.setColorAt(0, Qt::white);
            pearl.setColorAt(1, QColor(205, 200, 190));
            p.setBrush(pearl);
            p.drawEllipse(lobe + QPointF(0, 1.2), 1.8, 1.8);
            break;
        }
        case Earrings::Hoops:
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(look.jewel, 1.1));
            p.drawEllipse(lobe + QPointF(side * 0.5, 4.2), 3.6, 4.4);
            break;
        case Earrings::Drops: {
            p.setPen(QPen(look.jewel.darker(120), 0.6));
            p.drawLine(lobe, lobe + QPointF(0, 3));
            p.setPen(Qt::NoPen);
            p.setBrush(look.jewel);
            QPainterPath drop(lobe + QPointF(0, 2.5));
            drop.cubicTo(lobe + QPointF(2.6, 6.5), lobe + QPointF(1.8, 9), lobe + QPointF(0, 9));
            drop.cubicTo(lobe + QPointF(-1.8, 9), lobe + QPointF(-2.6, 6.5),
                         lobe + QPointF(0, 2.5));
            p.drawPath(drop);
            p.setBrush(with_alpha(Qt::white, 180));
            p.drawEllipse(lobe + QPointF(-0.6, 6.4), 0.6, 0.9);
            break;
        }
        }
    }
}

void draw_eye(QPainter& p, const Look& look, QPointF c, int side) {
    const double w = 4.9 * look.eye_scale; // half width
    const double h = 2.9 * look.eye_scale; // half opening
    const QPointF inner(c.x() - side * w, c.y() + 0.4);
    const QPointF outer(c.x() + side * w, c.y() - 0.5);
    QPainterPath eye(inner);
    eye.cubicTo(QPointF(c.x() - side * w * 0.5, c.y() - h * 1.35),
                QPointF(c.x() + side * w * 0.5, c.y() - h * 1.45), outer);
    eye.cubicTo(QPointF(c.x() + side * w * 0.4, c.y() + h * 1.05),
                QPointF(c.x() - side * w * 0.5, c.y() + h * 1.0), inner);
    eye.closeSubpath();

    // A touch of eye shadow.
    QRadialGradient lid(QPointF(c.x() + side * 1.0, c.y() - 2.5), 6);
    lid.setColorAt(0, with_alpha(look.skin.darker(135), 110));
    lid.setColorAt(1, with_alpha(look.skin.darker(135), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(lid);
    p.drawEllipse(QPointF(c.x() + side * 0.5, c.y() - 2.5), 6.5, 4.2);

    p.setBrush(QColor(252, 250, 246));
    p.drawPath(eye);
    p.save();
    p.setClipPath(eye);
    const QPointF ic(c.x() + side * 0.3, c.y() - 0.1);
    const double ir = 2.75 * look.eye_scale;
    QRadialGradient iris(ic, ir);
    iris.setColorAt(0, look.eyes.lighter(150));
    iris.setColorAt(0.7, look.eyes);
    iris.setColorAt(1, look.eyes.darker(180));
    p.setBrush(iris);
    p.drawEllipse(ic, ir, ir);
    p.setBrush(QColor(20, 14, 12));
    p.drawEllipse(ic, ir * 0.45, ir * 0.45);
    // The upper lid's shadow on the eyeball.
    p.setBrush(with_alpha(QColor(60, 40, 40), 60));
    p.drawEllipse(QPointF(c.x(), c.y() - h * 1.5), w * 1.2, h * 0.8);
    p.restore();
    p.setBrush(Qt::white);
    p.drawEllipse(ic + QPointF(-0.9, -1.0), 0.85, 0.85);

    // Lash line, thicker towards the outer corner with a small flick.
    QPainterPath lash(inner);
    lash.cubicTo(QPointF(c.x() - side * w * 0.5, c.y() - h * 1.35),
                 QPointF(c.x() + side * w * 0.5, c.y() - h * 1.45), outer);
    lash.lineTo(outer + QPointF(side * 1.6, -1.3));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(35, 22, 20), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(lash);
    p.setPen(QPen(with_alpha(QColor(60, 35, 30), 90), 0.6));
    p.drawPath(curve(QPointF(c.x() - side * w * 0.6, c.y() + h * 0.85),
                     QPointF(c.x(), c.y() + h * 1.05),
                     QPointF(c.x() + side * w * 0.4, c.y() + h * 0.9), outer));
    // Lid crease.
    p.setPen(QPen(with_alpha(look.skin.darker(160), 100), 0.5));
    p.drawPath(curve(QPointF(c.x() - side * w * 0.7, c.y() - h * 1.3),
                     QPointF(c.x() - side * w * 0.2, c.y() - h * 2.0),
                     QPointF(c.x() + side * w * 0.5, c.y() - h * 1.9),
                     QPointF(c.x() + side * w * 0.95, c.y() - h * 1.1)));
}

void draw_brow(QPainter& p, const Look& look, QPointF c, int side) {
    const double arch = 1.6 * look.brow_arch;
    QPainterPath brow(QPointF(c.x() - side * 5.2, c.y() + 1.3));
    brow.cubicTo(QPointF(c.x() - side * 2.0, c.y() - arch),
                 QPointF(c.x() + side * 2.5, c.y() - arch * 1.1),
                 QPointF(c.x() + side * 6.0, c.y() + 0.9));
    brow.cubicTo(QPointF(c.x() + side * 2.5, c.y() - arch * 0.4),
                 QPointF(c.x() - side * 2.0, c.y() - arch * 0.1),
                 QPointF(c.x() - side * 5.0, c.y() + 2.5));
    brow.closeSubpath();
    QColor colour = look.hair_colour.darker(135);
    if (colour.lightness() > 120) {
        colour = colour.darker(150);
    }
    p.setPen(QPen(with_alpha(colour, 120), 0.4));
    p.setBrush(colour);
    p.drawPath(brow);
}

void draw_mouth(QPainter& p, const Look& look, const Geometry& g) {
    const double y = g.mouth_y;
    const QPointF left(kCx - 6.8, y - 1.9);
    const QPointF right(kCx + 6.8, y - 1.9);
    QPainterPath upper(left);
    upper.cubicTo(kCx - 4, y - 2.6, kCx - 2, y - 3.2, kCx, y - 2.2);
    upper.cubicTo(kCx + 2, y - 3.2, kCx + 4, y - 2.6, right.x(), right.y());
    QPainterPath seam(right);
    seam.cubicTo(kCx + 3.5, y + 1.6, kCx - 3.5, y + 1.6, left.x(), left.y());
    QPainterPath lower(left);
    lower.cubicTo(kCx - 4, y + 4.9, kCx + 4, y + 4.9, right.x(), right.y());

    p.setPen(Qt::NoPen);
    if (look.open_smile) {
        QPainterPath lower_inner(left);
        lower_inner.cubicTo(kCx - 3.5, y + 3.4, kCx + 3.5, y + 3.4, right.x(), right.y());
        QPainterPath upper_lip = upper;
        upper_lip.connectPath(seam);
        upper_lip.closeSubpath();
        QPainterPath opening = seam.toReversed();
        opening.connectPath(lower_inner.toReversed());
        QPainterPath mouth(left);
        mouth.connectPath(lower);
        mouth.connectPath(upper.toReversed());
        mouth.closeSubpath();
        p.setBrush(look.lips.darker(125));
        p.drawPath(mouth);
        QPainterPath teeth(left);
        teeth.cubicTo(kCx - 3.5, y + 1.6, kCx + 3.5, y + 1.6, right.x(), right.y());
        teeth.cubicTo(kCx + 3.5, y + 3.0, kCx - 3.5, y + 3.0, left.x(), left.y());
        p.setBrush(QColor(255, 252, 245));
        p.drawPath(teeth);
        p.setBrush(look.lips);
        p.drawPath(upper_lip);
        QPainterPath lower_lip = lower_inner;
        lower_lip.connectPath(lower.toReversed());
        lower_lip.closeSubpath();
        p.drawPath(lower_lip);
    } else {
        QPainterPath upper_lip = upper;
        upper_lip.connectPath(seam);
        upper_lip.closeSubpath();
        QPainterPath lower_lip = seam;
        lower_lip.connectPath(lower);
        lower_lip.closeSubpath();
        p.setBrush(look.lips.darker(112));
        p.drawPath(upper_lip);
        p.setBrush(look.lips);
        p.drawPath(lower_lip);
    }
    p.setBrush(with_alpha(Qt::white, 110));
    p.drawEllipse(QPointF(kCx - 1, y + 2.6), 2.2, 0.7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.lips.darker(175), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(seam);
    // Dimples at the corners turn it into a smile.
    p.setPen(QPen(with_alpha(look.skin.darker(160), 170), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve(left + QPointF(-0.4, -0.8), left + QPointF(-1.0, 0.0),
                     left + QPointF(-0.8, 0.8), left + QPointF(-0.2, 1.0)));
    p.drawPath(curve(right + QPointF(0.4, -0.8), right + QPointF(1.0, 0.0),
                     right + QPointF(0.8, 0.8), right + QPointF(0.2, 1.0)));
}

void draw_face(QPainter& p, const Look& look, const Geometry& g) {
    const QPainterPath face = face_path(g);
    QRadialGradient skin(QPointF(kCx - 3, g.cheek_y - 5), g.hw * 1.75);
    skin.setColorAt(0, look.skin.lighter(110));
    skin.setColorAt(0.55, look.skin);
    skin.setColorAt(1, look.skin.darker(128));
    p.setPen(QPen(look.skin.darker(145), 0.6));
    p.setBrush(skin);
    p.drawPath(face);

    p.save();
    p.setClipPath(face);
    p.setPen(Qt::NoPen);
    // Blush.
    for (int side = -1; side <= 1; side += 2) {
        const QPointF c(kCx + side * 11.5, g.mouth_y - 6.5);
        QRadialGradient blush(c, 6);
        blush.setColorAt(0, QColor(255, 90, 110, 85));
        blush.setColorAt(1, QColor(255, 90, 110, 0));
        p.setBrush(blush);
        p.drawEllipse(c, 6, 5);
    }
    if (look.freckles) {
        Rng rng(21);
        p.setBrush(with_alpha(look.skin.darker(150), 150));
        for (int i = 0; i < 22; ++i) {
            const int side = i % 2 ? 1 : -1;
            const QPointF pt(kCx + side * rng.range(2.5, 14), g.nose_y - rng.range(0, 6));
            p.drawEllipse(pt, 0.45, 0.45);
        }
    }
    p.restore();

    for (int side = -1; side <= 1; side += 2) {
        const QPointF eye(kCx + side * look.eye_gap, g.eye_y);
        draw_brow(p, look, QPointF(eye.x() + side * 0.3, g.brow_y), side);
        draw_eye(p, look, eye, side);
    }

    // Nose: a shaded side, the tip's light and two nostrils.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(with_alpha(look.skin.darker(150), 110), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve({kCx + 1.6, g.eye_y + 2}, {kCx + 2.6, g.nose_y - 5}, {kCx + 3, g.nose_y - 2},
                     {kCx + 2.4, g.nose_y}));
    p.setPen(QPen(with_alpha(look.skin.darker(170), 170), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve({kCx - 3.2, g.nose_y - 0.3}, {kCx - 2.8, g.nose_y + 1.6},
                     {kCx - 1.6, g.nose_y + 1.6}, {kCx - 0.9, g.nose_y + 1.1}));
    p.drawPath(curve({kCx + 3.2, g.nose_y - 0.3}, {kCx + 2.8, g.nose_y + 1.6},
                     {kCx + 1.6, g.nose_y + 1.6}, {kCx + 0.9, g.nose_y + 1.1}));
    p.setPen(Qt::NoPen);
    p.setBrush(with_alpha(Qt::white, 90));
    p.drawEllipse(QPointF(kCx - 0.4, g.nose_y - 1.6), 1.3, 1.0);

    draw_mouth(p, look, g);

    if (look.beauty_mark) {
        p.setBrush(look.skin.darker(230));
        p.drawEllipse(QPointF(kCx + 9, g.mouth_y - 3), 0.6, 0.6);
    }
}

void draw_glasses(QPainter& p, const Look& look, const Geometry& g) {
    const QColor frame(60, 30, 40);
    for (int side = -1; side <= 1; side += 2) {
        const QRectF lens(kCx + side * look.eye_gap - 6.5, g.eye_y - 5.2, 13, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 45));
        p.drawRoundedRect(lens, 3.5, 3.5);
        p.setPen(QPen(with_alpha(Qt::white, 150), 0.7));
        p.drawLine(lens.topLeft() + QPointF(3, 6), lens.topLeft() + QPointF(6, 2));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(frame, 1.3));
        p.drawRoundedRect(lens, 3.5, 3.5);
        p.drawLine(QPointF(kCx + side * (look.eye_gap + 6.5), g.eye_y - 3),
                   QPointF(kCx + side * (g.hw + 1), g.eye_y - 2));
    }
    p.setPen(QPen(frame, 1.2));
    p.drawPath(curve({kCx - 2, g.eye_y - 2}, {kCx - 1, g.eye_y - 3.5}, {kCx + 1, g.eye_y - 3.5},
                     {kCx + 2, g.eye_y - 2}));
}

// ---------------------------------------------------------------- the girls

// Who each girl is: index i is girl i + 1.
const auto kLooks = std::to_array<Look>({
    // 1: golden blonde, long and straight; blue eyes; red V-neck.
    Look{.hair = Hair::Long,
         .hair_colour = QColor(226, 180, 84),
         .skin = QColor(250, 218, 196),
         .eyes = QColor(60, 120, 200),
         .lips = QColor(214, 80, 96),
         .neckline = Neckline::Vee,
         .top = QColor(200, 30, 50),
         .backdrop = Backdrop::Bokeh,
         .bg = QColor(140, 190, 235),
         .bg_accent = QColor(255, 255, 255),
         .earrings = Earrings::Studs,
         .necklace = true},
    // 2: jet black bob with a fringe; dark eyes; teal crew neck on polka dots.
    Look{.hair = Hair::Bob,
         .hair_colour = QColor(32, 30, 40),
         .skin = QColor(246, 214, 180),
         .eyes = QColor(70, 42, 26),
         .lips = QColor(222, 66, 92),
         .neckline = Neckline::Crew,
         .top = QColor(30, 150, 150),
         .backdrop = Backdrop::Dots,
         .bg = QColor(248, 170, 200),
         .bg_accent = QColor(255, 236, 244),
         .half_width = 18.5,
         .eye_scale = 0.92,
         .open_smile = true},
    // 3: copper curls, freckles, green eyes; navy off-shoulder; mint stripes.
    Look{.hair = Hair::Curls,
         .hair_colour = QColor(190, 80, 32),
         .skin = QColor(252, 222, 204),
         .eyes = QColor(60, 150, 80),
         .lips = QColor(220, 96, 100),
         .neckline = Neckline::OffShoulder,
         .top = QColor(40, 50, 120),
         .backdrop = Backdrop::Stripes,
         .bg = QColor(170, 226, 200),
         .bg_accent = QColor(200, 240, 222),
         .half_width = 19.5,
         .freckles = true},
    // 4: brown ponytail, olive skin, hazel eyes; yellow strap top; sunburst.
    Look{.hair = Hair::Ponytail,
         .hair_colour = QColor(110, 66, 36),
         .skin = QColor(222, 180, 140),
         .eyes = QColor(130, 100, 50),
         .lips = QColor(190, 70, 70),
         .neckline = Neckline::Straps,
         .top = QColor(250, 200, 40),
         .backdrop = Backdrop::Rays,
         .bg = QColor(255, 170, 90),
         .bg_accent = QColor(255, 200, 120),
         .earrings = Earrings::Hoops,
         .accent = QColor(230, 60, 60),
         .open_smile = true},
    // 5: dark bun, brown skin; magenta scoop neck, pearls; lavender hearts.
    Look{.hair = Hair::Bun,
         .hair_colour = QColor(40, 26, 22),
         .skin = QColor(186, 130, 92),
         .eyes = QColor(64, 36, 20),
         .lips = QColor(170, 50, 80),
         .neckline = Neckline::Scoop,
         .top = QColor(200, 40, 140),
         .backdrop = Backdrop::Hearts,
         .bg = QColor(200, 180, 235),
         .bg_accent = QColor(226, 210, 250),
         .earrings = Earrings::Pearls,
         .accent = QColor(220, 190, 90),
         .half_width = 18.5,
         .chin = 81,
         .necklace = true},
    // 6: honey braids, grey-blue eyes; purple with a white collar; gingham.
    Look{.hair = Hair::Braids,
         .hair_colour = QColor(176, 126, 70),
         .skin = QColor(248, 212, 186),
         .eyes = QColor(96, 140, 110),
         .lips = QColor(216, 100, 110),
         .neckline = Neckline::Collar,
         .top = QColor(120, 70, 170),
         .backdrop = Backdrop::Gingham,
         .bg = QColor(230, 246, 220),
         .bg_accent = QColor(140, 200, 130),
         .accent = QColor(250, 240, 240),
         .chin = 79,
         .eye_scale = 1.06,
         .open_smile = true},
    // 7: platinum pixie, pale skin, violet-grey eyes; black turtleneck; coral with stars.
    Look{.hair = Hair::Pixie,
         .hair_colour = QColor(236, 226, 200),
         .skin = QColor(252, 226, 214),
         .eyes = QColor(120, 110, 170),
         .lips = QColor(200, 40, 70),
         .neckline = Neckline::Turtle,
         .top = QColor(44, 44, 52),
         .backdrop = Backdrop::Stars,
         .bg = QColor(250, 140, 120),
         .bg_accent = QColor(255, 230, 170),
         .earrings = Earrings::Drops,
         .jewel = QColor(60, 170, 220),
         .half_width = 18.0,
         .chin = 79,
         .brow_arch = 1.3},
    // 8: chestnut waves under a red band, tan skin, amber eyes; orange square neck; pale stripes.
    Look{.hair = Hair::Wavy,
         .hair_colour = QColor(140, 70, 40),
         .skin = QColor(230, 190, 150),
         .eyes = QColor(160, 100, 30),
         .lips = QColor(200, 80, 80),
         .neckline = Neckline::Square,
         .top = QColor(240, 130, 40),
         .backdrop = Backdrop::Bars,
         .bg = QColor(252, 240, 190),
         .bg_accent = QColor(244, 224, 160),
         .earrings = Earrings::Studs,
         .accent = QColor(210, 30, 60)},
    // 9: afro, dark skin; coral halter; turquoise rings.
    Look{.hair = Hair::Afro,
         .hair_colour = QColor(34, 24, 20),
         .skin = QColor(128, 82, 56),
         .eyes = QColor(56, 32, 18),
         .lips = QColor(160, 60, 70),
         .neckline = Neckline::Halter,
         .top = QColor(240, 96, 90),
         .backdrop = Backdrop::Rings,
         .bg = QColor(90, 200, 200),
         .bg_accent = QColor(130, 220, 220),
         .earrings = Earrings::Hoops,
         .half_width = 19.5,
         .open_smile = true},
    // 10: caramel pigtails with pink bows; light blue crew neck; flowers.
    Look{.hair = Hair::Pigtails,
         .hair_colour = QColor(196, 120, 60),
         .skin = QColor(252, 220, 200),
         .eyes = QColor(90, 140, 70),
         .lips = QColor(236, 100, 120),
         .neckline = Neckline::Crew,
         .top = QColor(120, 180, 240),
         .backdrop = Backdrop::Flowers,
         .bg = QColor(255, 236, 210),
         .bg_accent = QColor(255, 170, 190),
         .accent = QColor(240, 80, 150),
         .chin = 79,
         .eye_scale = 1.08,
         .freckles = true},
    // 11: dark auburn, swept to one side, glasses; green collar shirt; soft glow.
    Look{.hair = Hair::SideSwept,
         .hair_colour = QColor(96, 36, 30),
         .skin = QColor(238, 200, 170),
         .eyes = QColor(110, 70, 40),
         .lips = QColor(180, 50, 70),
         .neckline = Neckline::Collar,
         .top = QColor(40, 110, 70),
         .backdrop = Backdrop::Glow,
         .bg = QColor(150, 170, 200),
         .bg_accent = QColor(230, 236, 250),
         .earrings = Earrings::Studs,
         .glasses = true,
         .beauty_mark = true},
});
static_assert(std::tuple_size_v<decltype(kLooks)> == kPortraitCount,
              "a look for each portrait of the list");

bool ears_show(Hair h) {
    return h == Hair::Ponytail || h == Hair::Bun || h == Hair::Pixie || h == Hair::Afro ||
           h == Hair::SideSwept || h == Hair::Pigtails || h == Hair::Braids;
}

} // namespace

void draw_portrait(QPainter& p, int index) {
    const Look& look = kLooks.at(static_cast<std::size_t>(index));
    Geometry g;
    g.hw = look.half_width;
    g.chin_y = look.chin;
    smooth(p);
    draw_backdrop(p, look);
    draw_hair_back(p, look);
    draw_body(p, look, g);
    if (ears_show(look.hair)) {
        draw_ears(p, look, g);
    }
    draw_face(p, look, g);
    draw_hair_front(p, look);
    if (look.glasses) {
        draw_glasses(p, look, g);
    }
}

void draw_start_face(QPainter& p) {
    smooth(p);
    QLinearGradient bg(0, 0, 0, 116);
    bg.setColorAt(0, QColor(255, 226, 236));
    bg.setColorAt(1, QColor(236, 170, 196));
    p.fillRect(kFrame, bg);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    for (int i = 0; i < 6; ++i) {
        p.drawPath(heart_path(QPointF(12 + i * 17.0, 12 + (i % 2) * 9.0), 9));
    }
    // A head-and-shoulders silhouette with a question mark: who will it be?
    QLinearGradient sil(0, 20, 0, 116);
    sil.setColorAt(0, QColor(150, 110, 140));
    sil.setColorAt(1, QColor(100, 64, 96));
    p.setBrush(sil);
    QPainterPath shape = body_path();
    Geometry g;
    shape = shape.united(face_path(g));
    QPainterPath hair(QPointF(kCx, 12));
    hair.cubicTo(kCx + 24, 12, kCx + 30, 30, kCx + 29, 52);
    hair.cubicTo(kCx + 29, 72, kCx + 31, 88, kCx + 33, 100);
    hair.lineTo(kCx - 33, 100);
    hair.cubicTo(kCx - 31, 88, kCx - 29, 72, kCx - 29, 52);
    hair.cubicTo(kCx - 30, 30, kCx - 24, 12, kCx, 12);
    shape = shape.united(hair);
    p.drawPath(shape);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1.5));
    p.drawArc(QRectF(kCx - 22, 16, 44, 50), 40 * 16, 100 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 246));
    p.drawPath(text_path("?", serif_font(40, QFont::Bold), QPointF(kCx, 52)));
}

} // namespace assetgen
