// What the asset generator makes: every picture and sound of the game, by
// file name relative to the asset folder, with the code that makes it.
#pragma once

#include "synth.h"

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
    std::function<void(QPainter&)> draw; // paints the whole width x height area
};

struct SoundAsset {
    QString file; // under sounds/
    std::function<Buffer()> make;
};

std::vector<PictureAsset> pictureAssets();
std::vector<SoundAsset> soundAssets();

// An opaque picture (RGB32), ready to be saved as a 24-bit BMP.
QImage renderPicture(const PictureAsset& asset);

// The application icon, drawn afresh at each size rather than scaled.
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
QImage renderIcon(int size);

// The girls' portraits (index 0..10) and the start-up face.
inline constexpr int kPortraitCount = 11;
void drawPortrait(QPainter& p, int index);
void drawStartFace(QPainter& p);

// One PNG with every picture at twice its size, for looking them over.
QImage contactSheet(const std::vector<PictureAsset>& pictures);

// Writes everything into `folder`; returns the number of files that failed.
int generateAll(const QString& folder);

} // namespace assetgen
