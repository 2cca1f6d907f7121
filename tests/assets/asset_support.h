// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared helpers for the asset tests: where the assets are, what the game
// expects to find there, and a small WAV reader and tone detector.
#pragma once

#include "core/sounds.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace assettest {

// The folder the build writes the assets into, and the generator program.
QString assetDir();
QString generatorPath();
// The build's list of the files it expects from the generator, one to a line.
QString buildFileList();

struct ExpectedPicture {
    QString file;
    QSize size;
};
// A name from the game's list of its files as a QString.
QString listedName(std::string_view file);
// Every picture file the game loads, with its size: those of the windows,
// then the portraits.
std::vector<ExpectedPicture> expectedPictures();
// The other versions the generator writes beside the named pictures: every
// picture at twice its size ("girl7@2x.bmp"), and the button pictures as
// transparent PNGs at both sizes ("phone.png", "phone@2x.png").
std::vector<ExpectedPicture> expectedExtraPictures();
// "girl7.bmp" -> "girl7@2x.bmp"; with `extension` "png": "girl7@2x.png".
QString versionName(const QString& file, const QString& suffix, const QString& extension = {});
// The five category buttons' pictures.
std::vector<QString> buttonPictures();
// Every sound file the game plays (file names under sounds/).
std::vector<QString> expectedSounds();
// A sound's file, relative to the asset folder ("sounds/cat.wav").
QString soundFile(swoonery::Sound sound);
// The application icon's files, each with its size.
std::vector<ExpectedPicture> icons();

struct Wav {
    bool ok = false;
    std::string error;
    std::uint16_t format = 0, channels = 0, bits = 0, blockAlign = 0;
    std::uint32_t rate = 0, byteRate = 0, riffSize = 0, dataSize = 0;
    std::size_t fileSize = 0;
    std::vector<double> samples; // full scale = 1.0
    double seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0.0; }
};
Wav readWav(const QString& path);

// Power of one frequency over samples [from, from + count), by Goertzel.
double tonePower(const std::vector<double>& s, std::size_t from, std::size_t count, double hz,
                 double rate);
// The strongest frequency between lo and hi (in `step` Hz steps) over a window.
double strongestFrequency(const std::vector<double>& s, double fromSec, double toSec, double lo,
                          double hi, double step, double rate);
double rms(const std::vector<double>& s, std::size_t from, std::size_t count);
// The fundamental over a window, by autocorrelation, searched between lo and hi Hz.
double pitchOf(const std::vector<double>& s, double fromSec, double toSec, double lo, double hi,
               double rate);

} // namespace assettest
