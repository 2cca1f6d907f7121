// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures the build leaves beside the game: present, the right size and
// format, drawn (not blank), on the right backgrounds, and eleven different girls.
#include "asset_support.h"
#include "support/image_compare.h"

#include "core/asset_names.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <set>
#include <string_view>

namespace {

using assettest::assetDir;
namespace pic = swoonery::pictures;

QImage load(const QString& file) {
    return QImage(QDir(assetDir()).filePath(file));
}

QImage load(std::string_view file) {
    return load(assettest::listedName(file));
}

int distinctColours(const QImage& img) {
    std::set<QRgb> colours;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            colours.insert(img.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

// Where the picture has edges: colour changes sharper than a threshold.
std::vector<bool> edgeMap(const QImage& img) {
    std::vector<bool> edges(static_cast<std::size_t>(img.width() * img.height()), false);
    for (int y = 1; y + 1 < img.height(); ++y) {
        for (int x = 1; x + 1 < img.width(); ++x) {
            const QColor c(img.pixel(x, y));
            const QColor r(img.pixel(x + 1, y));
            const QColor d(img.pixel(x, y + 1));
            const int dv =
                std::max(std::abs(c.value() - r.value()), std::abs(c.value() - d.value()));
            const int dh =
                std::max(std::abs(c.hsvHue() - r.hsvHue()), std::abs(c.hsvHue() - d.hsvHue()));
            edges[static_cast<std::size_t>(y * img.width() + x)] =
                dv > 28 || (dh > 40 && c.saturation() > 60);
        }
    }
    return edges;
}

// The share of pixels that are an edge in one picture but not the other.
double shapeDifference(const QImage& a, const QImage& b) {
    const std::vector<bool> ea = edgeMap(a), eb = edgeMap(b);
    int differ = 0, any = 0;
    for (std::size_t i = 0; i < ea.size(); ++i) {
        differ += ea[i] != eb[i];
        any += ea[i] || eb[i];
    }
    return any ? static_cast<double>(differ) / any : 0.0;
}

// The same picture with every hue turned round: a recolouring, nothing more.
QImage recoloured(const QImage& img) {
    QImage out = img.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            QColor c(out.pixel(x, y));
            const int h = c.hsvHue() < 0 ? 0 : (c.hsvHue() + 137) % 360;
            c.setHsv(h, c.hsvSaturation(), c.value());
            out.setPixel(x, y, c.rgb());
        }
    }
    return out;
}

// Every picture the game names is there, decodes, and has the size its window expects.
TEST(Pictures, EveryPictureExistsAtItsSize) {
    for (const auto& p : assettest::expectedPictures()) {
        SCOPED_TRACE(p.file.toStdString());
        const QImage img = load(p.file);
        ASSERT_FALSE(img.isNull()) << "missing or unreadable";
        EXPECT_EQ(img.size(), p.size);
    }
}

// The pictures are 24-bit BMP files, the format the game's loader is given.
TEST(Pictures, AreTwentyFourBitBitmaps) {
    for (const auto& p : assettest::expectedPictures()) {
        SCOPED_TRACE(p.file.toStdString());
        QFile f(QDir(assetDir()).filePath(p.file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray head = f.read(30);
        ASSERT_EQ(head.size(), 30);
        EXPECT_EQ(head.left(2), QByteArray("BM"));
        const int bits =
            static_cast<unsigned char>(head[28]) | (static_cast<unsigned char>(head[29]) << 8);
        EXPECT_EQ(bits, 24);
    }
}

// Nothing is a plain rectangle: every picture has real drawing in it.
TEST(Pictures, AreDrawnNotBlank) {
    for (const auto& p : assettest::expectedPictures()) {
        SCOPED_TRACE(p.file.toStdString());
        const QImage img = load(p.file);
        ASSERT_FALSE(img.isNull());
        const int minimum = img.width() * img.height() >= 2000 ? 200 : 25;
        EXPECT_GE(distinctColours(img), minimum);
    }
}

// Button pictures sit on the button face colour, the heart on the gauge's white and the logo on
// white.
TEST(Pictures, BackgroundsMatchWhereTheyAreShown) {
    const QColor face(0xF0, 0xF0, 0xF0);
    for (const QString& file : assettest::buttonPictures()) {
        SCOPED_TRACE(file.toStdString());
        const QImage img = load(file);
        ASSERT_FALSE(img.isNull());
        for (const QPoint c : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
            EXPECT_EQ(QColor(img.pixel(c)), face);
        }
    }
    const QImage heart = load(pic::kHeart);
    ASSERT_FALSE(heart.isNull());
    EXPECT_EQ(QColor(heart.pixel(0, 0)), QColor(Qt::white));
    const QColor middle(heart.pixel(8, 9));
    EXPECT_GT(middle.red(), 150);
    EXPECT_LT(middle.green(), 90);
    const QImage logo = load(pic::kLogo);
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(QColor(logo.pixel(2, 2)), QColor(Qt::white));
    EXPECT_EQ(QColor(logo.pixel(290, 269)), QColor(Qt::white));
}

// The banner is on red and the bill is green, as their windows' colours assume.
TEST(Pictures, BannerIsRedAndBillIsGreen) {
    const QImage banner = load(pic::kBanner);
    const QImage bill = load(pic::kBill);
    ASSERT_FALSE(banner.isNull());
    ASSERT_FALSE(bill.isNull());
    const QColor red(banner.pixel(8, 40));
    EXPECT_GT(red.red(), 2 * red.green());
    const QColor green(bill.pixel(60, 80));
    EXPECT_GT(green.green(), green.red());
    EXPECT_GT(green.green(), green.blue());
}

// The shape check below tells a mere recolouring apart from a different drawing.
TEST(Portraits, ShapeCheckSeesThroughRecolouring) {
    const QImage girl = load(pic::kPortraits[0]);
    ASSERT_FALSE(girl.isNull());
    EXPECT_LT(shapeDifference(girl, recoloured(girl)), 0.2);
}

// The eleven girls are eleven different drawings, not one face in different colours.
TEST(Portraits, AllElevenDifferInShape) {
    std::vector<QImage> girls;
    for (const std::string_view file : pic::kPortraits) {
        girls.push_back(load(file));
        ASSERT_FALSE(girls.back().isNull());
    }
    EXPECT_EQ(girls.size(), 11u) << "the game draws one of eleven girls";
    for (std::size_t a = 0; a < girls.size(); ++a) {
        for (std::size_t b = a + 1; b < girls.size(); ++b) {
            EXPECT_GT(shapeDifference(girls[a], girls[b]), 0.4)
                << "girl" << a + 1 << " and girl" << b + 1;
        }
    }
}

// How much a picture changes from pixel to pixel: the mean of the absolute
// differences to the right and below, over all channels.
double sharpness(const QImage& img) {
    const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    long n = 0;
    for (int y = 0; y + 1 < rgb.height(); ++y) {
        for (int x = 0; x + 1 < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y), r = rgb.pixel(x + 1, y), d = rgb.pixel(x, y + 1);
            sum += std::abs(qRed(c) - qRed(r)) + std::abs(qGreen(c) - qGreen(r)) +
                   std::abs(qBlue(c) - qBlue(r)) + std::abs(qRed(c) - qRed(d)) +
                   std::abs(qGreen(c) - qGreen(d)) + std::abs(qBlue(c) - qBlue(d));
            ++n;
        }
    }
    return n ? sum / n : 0.0;
}

// Every picture also comes drawn afresh at twice its size: the same picture,
// as its half-size reduction shows, yet crisper than the small one enlarged.
TEST(Pictures, HighDensityVersionsAreTheSamePicturesDrawnLarger) {
    for (const auto& p : assettest::expectedPictures()) {
        SCOPED_TRACE(p.file.toStdString());
        const QImage small = load(p.file);
        const QImage large = load(assettest::versionName(p.file, "@2x"));
        ASSERT_FALSE(small.isNull());
        ASSERT_FALSE(large.isNull()) << "no @2x version";
        ASSERT_EQ(large.size(), p.size * 2);
        const QImage reduced =
            large.scaled(p.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(swoonery::test::mean_difference(reduced, small), 12.0);
        const QImage enlarged =
            small.scaled(p.size * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_GT(sharpness(large), sharpness(enlarged));
    }
}

// The category buttons' pictures also come as PNGs whose background is see-through:
// laid on the button face they give the bitmap, and they are solid where drawn.
TEST(Pictures, ButtonPicturesHaveTransparentVersions) {
    const QColor face(0xF0, 0xF0, 0xF0);
    for (const QString& file : assettest::buttonPictures()) {
        for (int scale : {1, 2}) {
            const QString png = assettest::versionName(file, scale == 1 ? "" : "@2x", "png");
            SCOPED_TRACE(png.toStdString());
            QFile f(QDir(assetDir()).filePath(png));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.read(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
            QImage img = load(png);
            img.setDevicePixelRatio(1.0); // compared pixel for pixel
            ASSERT_TRUE(img.hasAlphaChannel());
            const int s = 32 * scale;
            ASSERT_EQ(img.size(), QSize(s, s));
            int clear = 0, solid = 0;
            for (int y = 0; y < s; ++y) {
                for (int x = 0; x < s; ++x) {
                    const int a = qAlpha(img.pixel(x, y));
                    clear += a == 0;
                    solid += a == 255;
                }
            }
            EXPECT_GT(clear, s * s / 10);
            EXPECT_GT(solid, s * s / 8);
            for (const QPoint c :
                 {QPoint(0, 0), QPoint(s - 1, 0), QPoint(0, s - 1), QPoint(s - 1, s - 1)}) {
                EXPECT_EQ(qAlpha(img.pixel(c)), 0);
            }
            QImage laid(img.size(), QImage::Format_RGB32);
            laid.fill(face);
            QPainter painter(&laid);
            painter.drawImage(0, 0, img);
            painter.end();
            const QImage bitmap = load(scale == 1 ? file : assettest::versionName(file, "@2x"));
            EXPECT_LT(swoonery::test::mean_difference(laid, bitmap), 1.0);
        }
    }
}

// The application icon is a PNG with real transparency at every installed size.
TEST(Icon, IsTransparentPngAtEverySize) {
    for (const auto& icon : assettest::icons()) {
        SCOPED_TRACE(icon.file.toStdString());
        const QImage img = load(icon.file);
        ASSERT_FALSE(img.isNull());
        ASSERT_EQ(img.size(), icon.size);
        const int s = icon.size.width();
        ASSERT_TRUE(img.hasAlphaChannel());
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << "corner should be see-through";
        EXPECT_EQ(qAlpha(img.pixel(s - 1, s - 1)), 0);
        EXPECT_EQ(qAlpha(img.pixel(s / 2, s / 2)), 255) << "middle should be solid";
    }
}

} // namespace
