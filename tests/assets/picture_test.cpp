// The pictures the build leaves beside the game: present, the right size and
// format, drawn (not blank), on the right backgrounds, and eleven different girls.
#include "asset_support.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

using assettest::assetDir;

QImage load(const QString& file) {
    return QImage(QDir(assetDir()).filePath(file));
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
    for (const char* file : {"phone.bmp", "gift.bmp", "date.bmp", "work.bmp", "shop.bmp"}) {
        SCOPED_TRACE(file);
        const QImage img = load(file);
        ASSERT_FALSE(img.isNull());
        for (const QPoint c : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
            EXPECT_EQ(QColor(img.pixel(c)), face);
        }
    }
    const QImage heart = load("heart.bmp");
    ASSERT_FALSE(heart.isNull());
    EXPECT_EQ(QColor(heart.pixel(0, 0)), QColor(Qt::white));
    const QColor middle(heart.pixel(8, 9));
    EXPECT_GT(middle.red(), 150);
    EXPECT_LT(middle.green(), 90);
    const QImage logo = load("logo.bmp");
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(QColor(logo.pixel(2, 2)), QColor(Qt::white));
    EXPECT_EQ(QColor(logo.pixel(290, 269)), QColor(Qt::white));
}

// The banner is on red and the bill is green, as their windows' colours assume.
TEST(Pictures, BannerIsRedAndBillIsGreen) {
    const QImage banner = load("banner.bmp");
    const QImage bill = load("bill.bmp");
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
    const QImage girl = load("girl1.bmp");
    ASSERT_FALSE(girl.isNull());
    EXPECT_LT(shapeDifference(girl, recoloured(girl)), 0.2);
}

// The eleven girls are eleven different drawings, not one face in different colours.
TEST(Portraits, AllElevenDifferInShape) {
    std::vector<QImage> girls;
    for (int i = 1; i <= 11; ++i) {
        girls.push_back(load(QString("girl%1.bmp").arg(i)));
        ASSERT_FALSE(girls.back().isNull());
    }
    for (std::size_t a = 0; a < girls.size(); ++a) {
        for (std::size_t b = a + 1; b < girls.size(); ++b) {
            EXPECT_GT(shapeDifference(girls[a], girls[b]), 0.4)
                << "girl" << a + 1 << " and girl" << b + 1;
        }
    }
}

// The application icon is a PNG with real transparency at every installed size.
TEST(Icon, IsTransparentPngAtEverySize) {
    const QImage main = load("swoonery.png");
    ASSERT_FALSE(main.isNull());
    EXPECT_EQ(main.size(), QSize(256, 256));
    for (int s : assettest::iconSizes()) {
        SCOPED_TRACE(s);
        const QString file = QString("icons/hicolor/%1x%1/apps/swoonery.png").arg(s);
        const QImage img = load(file);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(s, s));
        ASSERT_TRUE(img.hasAlphaChannel());
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << "corner should be see-through";
        EXPECT_EQ(qAlpha(img.pixel(s - 1, s - 1)), 0);
        EXPECT_EQ(qAlpha(img.pixel(s / 2, s / 2)), 255) << "middle should be solid";
    }
}

} // namespace
