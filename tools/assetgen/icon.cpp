// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The application icon: a glossy heart with a swoosh, on a transparent background.
#include "assets.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace assetgen {

QImage render_icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    smooth(p);
    p.scale(size / 64.0, size / 64.0);
    const bool tiny = size <= 16;

    const QPointF c(32, 31);
    const QPainterPath heart = heart_path(c, tiny ? 62 : 56);
    QRadialGradient body(c + QPointF(-10, -12), 44);
    body.setColorAt(0, QColor(255, 120, 130));
    body.setColorAt(0.5, QColor(220, 20, 50));
    body.setColorAt(1, QColor(140, 0, 24));
    p.setPen(tiny ? Qt::NoPen : QPen(QColor(110, 0, 20), 1.2));
    p.setBrush(body);
    p.drawPath(heart);

    // The swoosh: a tapered white ribbon across the lower half.
    QPainterPath swoosh(QPointF(6, 40));
    swoosh.cubicTo(20, 54, 44, 52, 60, 24);
    swoosh.cubicTo(46, 46, 24, 50, 6, 40);
    swoosh.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawPath(swoosh);

    if (!tiny) {
        QRadialGradient shine(QPointF(20, 20), 9);
        shine.setColorAt(0, QColor(255, 255, 255, 230));
        shine.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(shine);
        p.drawEllipse(QPointF(20, 20), 9, 6.5);
    }
    if (size >= 48) {
        p.setBrush(QColor(255, 236, 170));
        p.drawPath(star_path(QPointF(55, 12), 6, 1.7));
    }
    p.end();
    return image;
}

} // namespace assetgen
