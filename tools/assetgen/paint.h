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
QColor mixColour(const QColor& a, const QColor& b, double t);
QColor withAlpha(const QColor& c, int alpha);
// A font picked by family with fallbacks; sizes are in pixels so that the
// result does not depend on the screen's DPI.
QFont pixelFont(const QStringList& families, int pixelSize, int weight = QFont::Normal,
                bool italic = false);
QFont sansFont(int pixelSize, int weight = QFont::Normal, bool italic = false);
QFont serifFont(int pixelSize, int weight = QFont::Normal, bool italic = false);
// Text as an outline, with its box centred on `centre`.
QPainterPath textPath(const QString& text, const QFont& font, QPointF centre);
// A heart whose bounding box is roughly centred on `centre` and `size` wide.
QPainterPath heartPath(QPointF centre, double size);
// A five-pointed star.
QPainterPath starPath(QPointF centre, double outer, double inner);
// Sets up a painter for smooth shapes.
void smooth(QPainter& p);

} // namespace assetgen
