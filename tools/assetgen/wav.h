// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes sounds as RIFF WAVE files: 16-bit PCM, mono, 22,050 Hz.
#pragma once

#include "synth.h"

#include <string>
#include <vector>

namespace assetgen {

// The bytes of a complete WAV file holding `samples` (full scale is +-1.0).
std::vector<unsigned char> encode_wav(const Buffer& samples);
// Writes the file; false if it could not be written.
bool write_wav(const std::string& path, const Buffer& samples);

} // namespace assetgen
