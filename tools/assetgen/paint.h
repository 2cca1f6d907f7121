// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Small drawing helpers shared by the picture code.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QStringList>

namespace assetgen {

// a + (b - a) * t, per channel, alpha included.
QColor mix_colour(const QColor& a, const QColor& b, double t);
QColor with_alpha(const QColor& c, int alpha);
// A font picked by family with fallbacks; sizes are in pixels so that the
// result does not depend on the screen's DPI.
QFont pixel_font(const QStringList& families, int pixel_size, int weight = QFont::Normal,
                 bool italic = false);
QFont sans_font(int pixel_size, int weight = QFont::Normal, bool italic = false);
QFont serif_font(int pixel_size, int weight = QFont::Normal, bool italic = false);
// Text as an outline, with its box centred on `centre`.
QPainterPath text_path(const QString& text, const QFont& font, QPointF centre);
// A heart whose bounding box is roughly centred on `centre` and `size` wide.
QPainterPath heart_path(QPointF centre, double size);
// A five-pointed star.
QPainterPath star_path(QPointF centre, double outer, double inner);
// Sets up a painter for smooth shapes.
void smooth(QPainter& p);

} // namespace assetgen
