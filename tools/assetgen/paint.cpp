// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paint.h"

#include <QFontMetricsF>

#include <cmath>
#include <numbers>

namespace assetgen {

QColor mix_colour(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor with_alpha(const QColor& c, int alpha) {
    QColor out = c;
    out.setAlpha(alpha);
    return out;
}

QFont pixel_font(const QStringList& families, int pixel_size, int weight, bool italic) {
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(pixel_size);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont sans_font(int pixel_size, int weight, bool italic) {
    QFont f = pixel_font({"DejaVu Sans", "Nimbus Sans", "Liberation Sans", "Arial"}, pixel_size,
                         weight, italic);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QFont serif_font(int pixel_size, int weight, bool italic) {
    QFont f = pixel_font({"DejaVu Serif", "Nimbus Roman", "Liberation Serif", "Times New Roman"},
                         pixel_size, weight, italic);
    f.setStyleHint(QFont::Serif);
    return f;
}

QPainterPath text_path(const QString& text, const QFont& font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center());
    return path;
}

QPainterPath heart_path(QPointF c, double size) {
    const double s = size / 2.0;
    QPainterPath p;
    p.moveTo(c.x(), c.y() + s * 0.95);
    p.cubicTo(c.x() - s * 0.35, c.y() + s * 0.6, c.x() - s * 1.0, c.y() + s * 0.15, c.x() - s * 1.0,
              c.y() - s * 0.3);
    p.cubicTo(c.x() - s * 1.0, c.y() - s * 0.85, c.x() - s * 0.3, c.y() - s * 1.05, c.x(),
              c.y() - s * 0.55);
    p.cubicTo(c.x() + s * 0.3, c.y() - s * 1.05, c.x() + s * 1.0, c.y() - s * 0.85, c.x() + s * 1.0,
              c.y() - s * 0.3);
    p.cubicTo(c.x() + s * 1.0, c.y() + s * 0.15, c.x() + s * 0.35, c.y() + s * 0.6, c.x(),
              c.y() + s * 0.95);
    p.closeSubpath();
    return p;
}

QPainterPath star_path(QPointF c, double outer, double inner) {
    QPainterPath p;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) {
            p.moveTo(pt);
        } else {
            p.lineTo(pt);
        }
    }
    p.closeSubpath();
    return p;
}

void smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

} // namespace assetgen
