// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes every asset into a folder, and draws the contact sheet of all pictures.
#include "assets.h"
#include "paint.h"
#include "wav.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace assetgen {

namespace {

bool save_image(const QImage& image, const QString& path, const char* format) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, format)) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

QImage contact_sheet(const std::vector<PictureAsset>& pictures) {
    // Shelf packing: rows of pictures at twice their size, each with its name.
    constexpr int kWidth = 1500;
    constexpr int kGap = 12;
    constexpr int kLabel = 16;
    struct Item {
        QImage image;
        QString name;
        QPoint at;
    };
    std::vector<Item> items;
    for (const PictureAsset& a : pictures) {
        const QImage big = render_picture(a, 2);
        items.push_back({big, a.file, {}});
    }
    std::vector<int> sizes;
    for (const swoonery::pictures::Icon& i : swoonery::pictures::kIcons) {
        if (std::find(sizes.begin(), sizes.end(), i.size) != sizes.end()) {
            continue; // each size once
        }
        sizes.push_back(i.size);
        QImage icon = render_icon(i.size);
        if (i.size <= 64) {
            icon =
                icon.scaled(i.size * 2, i.size * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        }
        items.push_back({icon, QString("icon %1").arg(i.size), {}});
    }
    int x = kGap, y = kGap, row_height = 0;
    for (Item& it : items) {
        if (x + it.image.width() + kGap > kWidth) {
            x = kGap;
            y += row_height + kLabel + kGap;
            row_height = 0;
        }
        it.at = QPoint(x, y);
        x += it.image.width() + kGap;
        row_height = std::max(row_height, it.image.height());
    }
    QImage sheet(kWidth, y + row_height + kLabel + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(200, 200, 206));
    QPainter p(&sheet);
    p.setFont(sans_font(12));
    for (const Item& it : items) {
        // A checkerboard shows where the icon is transparent.
        for (int cy = 0; cy < it.image.height(); cy += 8) {
            for (int cx = 0; cx < it.image.width(); cx += 8) {
                p.fillRect(QRect(it.at + QPoint(cx, cy), QSize(8, 8)),
                           ((cx + cy) / 8) % 2 ? QColor(170, 170, 176) : QColor(230, 230, 236));
            }
        }
        p.drawImage(it.at, it.image);
        p.setPen(Qt::black);
        p.drawText(QPointF(it.at.x(), it.at.y() + it.image.height() + 13), it.name);
    }
    p.end();
    return sheet;
}

int generate_all(const QString& folder) {
    const QDir dir(folder);
    int failures = 0;
    // Each picture under its own name, then drawn afresh at twice the size
    // for high-density screens; button pictures also with transparency.
    const auto save = [&](const QImage& image, const QString& file, const char* format) {
        failures += save_image(image, dir.filePath(file), format) ? 0 : 1;
    };
    for (const PictureAsset& a : picture_assets()) {
        save(render_picture(a), a.file, "BMP");
        save(render_picture(a, 2), sibling(a.file, "@2x"), "BMP");
        if (a.transparent) {
            save(render_transparent(a), sibling(a.file, "", "png"), "PNG");
            save(render_transparent(a, 2), sibling(a.file, "@2x", "png"), "PNG");
        }
    }
    for (const swoonery::pictures::Icon& i : swoonery::pictures::kIcons) {
        save(render_icon(i.size), listed_name(i.file), "PNG");
    }
    if (!QDir().mkpath(dir.filePath("sounds"))) {
        std::fprintf(stderr, "assetgen: cannot make %s\n", qPrintable(dir.filePath("sounds")));
        return failures + 1;
    }
    for (const SoundAsset& s : sound_assets()) {
        const QString path = dir.filePath("sounds/" + s.file);
        if (!write_wav(path.toStdString(), s.make())) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures;
}

} // namespace assetgen
