// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the asset generator makes: every picture and sound of the game, by
// file name relative to the asset folder, with the code that makes it. The
// files are those of the game's list (src/core/asset_names.h), no more and no
// fewer: the tables of makers fail to compile otherwise.
#pragma once

#include "synth.h"

#include "core/asset_names.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>
#include <string_view>
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
// A name from the game's list as a QString.
inline QString listed_name(std::string_view file) {
    return QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
}

// The application icon, drawn afresh at each size rather than scaled.
QImage render_icon(int size);

// The girls' portraits (index 0 is girl 1) and the start-up face.
inline constexpr int kPortraitCount = static_cast<int>(swoonery::pictures::kPortraits.size());
void draw_portrait(QPainter& p, int index);
void draw_start_face(QPainter& p);

// One PNG with every picture at twice its size, for looking them over.
QImage contact_sheet(const std::vector<PictureAsset>& pictures);

// Writes everything into `folder`; returns the number of files that failed.
int generate_all(const QString& folder);

} // namespace assetgen
