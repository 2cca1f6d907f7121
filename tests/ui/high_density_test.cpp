// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// On a high-density screen (run with QT_SCALE_FACTOR=2) the windows show the
// pictures drawn at twice the size, the buttons' pictures keep their
// transparency, and a picture without such a version still shows.
#include "support/image_compare.h"
#include "test_support.h"

#include "ui/widgets.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace swoonery;
using namespace swoonery::ui;
using namespace swoonery::ui::testing;

namespace {

const QString kAssets = QStringLiteral(SWOONERY_ASSET_DIR);

// `image` drawn as draw_fitted draws it into `size` device pixels.
QImage fitted_into(const QImage& image, const QSize& size) {
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    QImage plain = image;
    plain.setDevicePixelRatio(1.0);
    draw_fitted(p, out.rect(), QPixmap::fromImage(plain));
    return out;
}

} // namespace

class HighDensityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void the_screen_is_high_density();
    void windows_show_the_large_pictures();
    void versions_by_density_data();
    void versions_by_density();
    void a_picture_without_versions_still_shows();
};

void HighDensityTest::the_screen_is_high_density() {
    // The rest of this test means nothing on an ordinary screen.
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

void HighDensityTest::windows_show_the_large_pictures() {
    // The face, the banner and the hearts hold their pictures at twice the
    // size, and what the face box shows is the large drawing, not the small
    // one enlarged.
    Harness h(1, kAssets);
    h.windows.start();
    auto* banner = h.find<ui::PictureBox>(Window::Setup, Control::Banner);
    QCOMPARE(banner->picture().devicePixelRatio(), 2.0);
    QCOMPARE(banner->picture().size(), QSize(550, 160));
    h.start_game();
    auto* face = h.find<ui::PictureBox>(Window::Main, Control::Face);
    QCOMPARE(face->file(), QStringLiteral("girl1.bmp"));
    QCOMPARE(face->picture().devicePixelRatio(), 2.0);
    QCOMPARE(face->picture().deviceIndependentSize().toSize(), QSize(102, 116));
    auto* heart = h.find<ui::PictureBox>(Window::Main, Control::Hearts, QStringLiteral("_0"));
    QCOMPARE(heart->picture().size(), QSize(34, 34));

    QVERIFY(QTest::qWaitForWindowExposed(face->window()));
    const QImage shown = face->grab(face->contentsRect()).toImage();
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    const QImage large(kAssets + QStringLiteral("/girl1@2x.bmp"));
    const QImage small(kAssets + QStringLiteral("/girl1.bmp"));
    const QImage enlarged =
        small.scaled(large.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double to_large =
        swoonery::test::mean_difference(shown, fitted_into(large, shown.size()));
    const double to_enlarged =
        swoonery::test::mean_difference(shown, fitted_into(enlarged, shown.size()));
    QVERIFY2(to_large < 6.0 && to_large < to_enlarged,
             qPrintable(QStringLiteral("%1 from the large drawing, %2 from the small one enlarged")
                            .arg(to_large)
                            .arg(to_enlarged)));
}

void HighDensityTest::versions_by_density_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("density");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<bool>("alpha");
    QTest::newRow("face, ordinary") << "girl3.bmp" << 1.0 << QSize(102, 116) << false;
    QTest::newRow("face, high density") << "girl3.bmp" << 2.0 << QSize(204, 232) << false;
    QTest::newRow("button, ordinary") << "phone.bmp" << 1.0 << QSize(32, 32) << true;
    QTest::newRow("button, high density") << "shop.bmp" << 2.0 << QSize(64, 64) << true;
    QTest::newRow("banner, high density") << "banner.bmp" << 2.0 << QSize(550, 160) << false;
}

void HighDensityTest::versions_by_density() {
    // A picture asked for by its name comes in the version for the screen:
    // twice the pixels at density 2, and with transparency for buttons.
    QFETCH(QString, file);
    QFETCH(double, density);
    Pictures pictures(kAssets, density);
    const QPixmap p = pictures.get(file.toStdString());
    QTEST(p.size(), "pixels");
    QCOMPARE(p.devicePixelRatio(), density);
    QTEST(p.hasAlphaChannel(), "alpha");
}

void HighDensityTest::a_picture_without_versions_still_shows() {
    // A picture that has no larger version, or no PNG, is read as named.
    QTemporaryDir dir;
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(dir.filePath(QStringLiteral("plain.bmp")), "BMP"));
    Pictures pictures(dir.path(), 2.0);
    const QPixmap p = pictures.get("plain.bmp");
    QCOMPARE(p.size(), QSize(20, 10));
    QCOMPARE(p.devicePixelRatio(), 1.0);
    QVERIFY(pictures.get("missing.bmp").isNull());
    QVERIFY(pictures.get("../plain.bmp").isNull());
}

QTEST_MAIN(HighDensityTest)
#include "high_density_test.moc"
