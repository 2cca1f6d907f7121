// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "asset_support.h"

#include "core/asset_names.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace assettest {

QString assetDir() {
    return QStringLiteral(SWOONERY_ASSET_DIR);
}

QString generatorPath() {
    return QStringLiteral(SWOONERY_ASSETGEN);
}

QString buildFileList() {
    return QStringLiteral(SWOONERY_ASSET_FILE_LIST);
}

QString listedName(std::string_view file) {
    return QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
}

namespace {

// The size each picture's box in its window has room for; an invalid size for
// a picture the tests do not know yet, which fails the size test.
QSize boxSize(std::string_view file) {
    namespace pic = swoonery::pictures;
    const std::pair<std::string_view, QSize> sizes[] = {
        {pic::kBanner, {275, 80}}, {pic::kStartFace, {102, 116}}, {pic::kHeart, {17, 17}},
        {pic::kCat, {96, 75}},     {pic::kBill, {252, 106}},      {pic::kPolice, {250, 126}},
        {pic::kLogo, {293, 272}},
    };
    for (const auto& [name, size] : sizes) {
        if (name == file) {
            return size;
        }
    }
    if (std::find(pic::kButtons.begin(), pic::kButtons.end(), file) != pic::kButtons.end()) {
        return {32, 32};
    }
    if (std::find(pic::kPortraits.begin(), pic::kPortraits.end(), file) != pic::kPortraits.end()) {
        return {102, 116};
    }
    return {};
}

} // namespace

std::vector<ExpectedPicture> expectedPictures() {
    std::vector<ExpectedPicture> all;
    for (const std::string_view file : swoonery::pictures::kWindowPictures) {
        all.push_back({listedName(file), boxSize(file)});
    }
    for (const std::string_view file : swoonery::pictures::kPortraits) {
        all.push_back({listedName(file), boxSize(file)});
    }
    return all;
}

QString versionName(const QString& file, const QString& suffix, const QString& extension) {
    const qsizetype dot = file.lastIndexOf('.');
    return file.left(dot) + suffix + "." + (extension.isEmpty() ? file.mid(dot + 1) : extension);
}

std::vector<QString> buttonPictures() {
    std::vector<QString> all;
    for (const std::string_view file : swoonery::pictures::kButtons) {
        all.push_back(listedName(file));
    }
    return all;
}

std::vector<ExpectedPicture> expectedExtraPictures() {
    std::vector<ExpectedPicture> all;
    for (const ExpectedPicture& p : expectedPictures()) {
        all.push_back({versionName(p.file, "@2x"), p.size * 2});
    }
    for (const QString& b : buttonPictures()) {
        all.push_back({versionName(b, "", "png"), {32, 32}});
        all.push_back({versionName(b, "@2x", "png"), {64, 64}});
    }
    return all;
}

QString soundFile(swoonery::Sound sound) {
    return "sounds/" + listedName(swoonery::sound_file(sound));
}

std::vector<QString> expectedSounds() {
    std::vector<QString> all;
    for (const std::string_view file : swoonery::kSoundFiles) {
        all.push_back(listedName(file));
    }
    return all;
}

std::vector<ExpectedPicture> icons() {
    std::vector<ExpectedPicture> all;
    for (const swoonery::pictures::Icon& i : swoonery::pictures::kIcons) {
        all.push_back({listedName(i.file), {i.size, i.size}});
    }
    return all;
}

namespace {

std::uint32_t le32(const QByteArray& b, qsizetype at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    }
    return v;
}

std::uint16_t le16(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}

} // namespace

Wav readWav(const QString& path) {
    Wav w;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        w.error = "cannot open";
        return w;
    }
    const QByteArray b = f.readAll();
    w.fileSize = static_cast<std::size_t>(b.size());
    if (b.size() < 44 || b.mid(0, 4) != "RIFF" || b.mid(8, 4) != "WAVE") {
        w.error = "not a RIFF/WAVE file";
        return w;
    }
    w.riffSize = le32(b, 4);
    // Walk the chunks: "fmt " must come before "data".
    qsizetype at = 12;
    bool haveFormat = false;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const std::uint32_t size = le32(b, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > b.size()) {
                w.error = "short fmt chunk";
                return w;
            }
            w.format = le16(b, body);
            w.channels = le16(b, body + 2);
            w.rate = le32(b, body + 4);
            w.byteRate = le32(b, body + 8);
            w.blockAlign = le16(b, body + 12);
            w.bits = le16(b, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                w.error = "data before fmt";
                return w;
            }
            w.dataSize = size;
            if (body + size > b.size() || w.bits != 16) {
                w.error = "data chunk runs past the end or is not 16-bit";
                return w;
            }
            for (qsizetype i = body; i + 1 < body + size; i += 2) {
                w.samples.push_back(static_cast<std::int16_t>(le16(b, i)) / 32768.0);
            }
            w.ok = true;
            return w;
        }
        at = body + size + (size & 1);
    }
    w.error = "no data chunk";
    return w;
}

double tonePower(const std::vector<double>& s, std::size_t from, std::size_t count, double hz,
                 double rate) {
    const double coeff = 2.0 * std::cos(2.0 * std::numbers::pi * hz / rate);
    double s1 = 0.0, s2 = 0.0;
    const std::size_t end = std::min(s.size(), from + count);
    for (std::size_t i = from; i < end; ++i) {
        // A Hann window keeps neighbouring tones from leaking in.
        const double w =
            0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i - from) / count);
        const double v = s[i] * w + coeff * s1 - s2;
        s2 = s1;
        s1 = v;
    }
    return (s1 * s1 + s2 * s2 - coeff * s1 * s2) / (static_cast<double>(count) * count);
}

double strongestFrequency(const std::vector<double>& s, double fromSec, double toSec, double lo,
                          double hi, double step, double rate) {
    const auto from = static_cast<std::size_t>(fromSec * rate);
    const auto count = static_cast<std::size_t>((toSec - fromSec) * rate);
    double best = lo, bestPower = -1.0;
    for (double f = lo; f <= hi; f += step) {
        const double p = tonePower(s, from, count, f, rate);
        if (p > bestPower) {
            bestPower = p;
            best = f;
        }
    }
    return best;
}

double rms(const std::vector<double>& s, std::size_t from, std::size_t count) {
    double sum = 0.0;
    const std::size_t end = std::min(s.size(), from + count);
    for (std::size_t i = from; i < end; ++i) {
        sum += s[i] * s[i];
    }
    return end > from ? std::sqrt(sum / static_cast<double>(end - from)) : 0.0;
}

double pitchOf(const std::vector<double>& s, double fromSec, double toSec, double lo, double hi,
               double rate) {
    const auto from = static_cast<std::size_t>(fromSec * rate);
    const auto to = std::min(s.size(), static_cast<std::size_t>(toSec * rate));
    const auto minLag = static_cast<std::size_t>(rate / hi);
    const auto maxLag = static_cast<std::size_t>(rate / lo);
    std::vector<double> score;
    for (std::size_t lag = minLag; lag <= maxLag && from + lag < to; ++lag) {
        double r = 0.0, e1 = 0.0, e2 = 0.0;
        for (std::size_t i = from; i + lag < to; ++i) {
            r += s[i] * s[i + lag];
            e1 += s[i] * s[i];
            e2 += s[i + lag] * s[i + lag];
        }
        score.push_back(r / std::sqrt(e1 * e2 + 1e-12));
    }
    if (score.empty()) {
        return 0.0;
    }
    // Multiples of the period score almost as well: take the first peak near the best.
    const double best = *std::max_element(score.begin(), score.end());
    std::size_t bestLag = minLag;
    for (std::size_t k = 0; k < score.size(); ++k) {
        const bool peak = (k == 0 || score[k] >= score[k - 1]) &&
                          (k + 1 == score.size() || score[k] >= score[k + 1]);
        if (peak && score[k] >= 0.9 * best) {
            bestLag = minLag + k;
            break;
        }
    }
    return rate / static_cast<double>(bestLag);
}

} // namespace assettest
