// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the asset generator makes: every picture and sound of the game, by
// file name relative to the asset folder, with the code that makes it.
#pragma once

#include "synth.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>
#include <vector>

namespace assetgen {

struct PictureAsset {
    QString file;
    int width;
    int height;
    std::function<void(QPainter&)> draw; // paints the width x height area
    // What shows where the drawing leaves the area bare.
    QColor background = Qt::white;
    // Also written as a PNG with alpha (same name, ".png"), for buttons,
    // whose face colour differs from style to style.
    bool transparent = false;
};

struct SoundAsset {
    QString file; // under sounds/
    std::function<Buffer()> make;
};

std::vector<PictureAsset> picture_assets();
std::vector<SoundAsset> sound_assets();

// An opaque picture (RGB32), ready to be saved as a 24-bit BMP; `scale` 2
// draws it afresh at twice the size for high-density screens.
QImage render_picture(const PictureAsset& asset, int scale = 1);
// The picture on a transparent background (ARGB32), for a PNG.
QImage render_transparent(const PictureAsset& asset, int scale = 1);
// The name of a picture's other version: "girl7.bmp" with "@2x" is
// "girl7@2x.bmp", and with extension "png" "girl7@2x.png".
QString sibling(const QString& file, const QString& suffix, const QString& extension = {});

// The application icon, drawn afresh at each size rather than scaled.
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
QImage render_icon(int size);

// The girls' portraits (index 0..10) and the start-up face.
inline constexpr int kPortraitCount = 11;
void draw_portrait(QPainter& p, int index);
void draw_start_face(QPainter& p);

// One PNG with every picture at twice its size, for looking them over.
QImage contact_sheet(const std::vector<PictureAsset>& pictures);

// Writes everything into `folder`; returns the number of files that failed.
int generate_all(const QString& folder);

} // namespace assetgen
