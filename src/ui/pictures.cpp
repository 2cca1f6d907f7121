// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <utility>

namespace swoonery::ui {

namespace {

// Bitmaps are read by Qt's own BMP reader: left to guess, Qt would load every
// image plugin to ask each whether it knows the file. Anything else a file
// may hold is still recognised.
QPixmap read(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    if (path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) {
        QImageReader bmp(path, "bmp");
        bmp.setAutoDetectImageFormat(false);
        const QImage image = bmp.read();
        if (!image.isNull()) {
            return QPixmap::fromImage(image);
        }
    }
    QImageReader any(path);
    any.setDecideFormatFromContent(true);
    return QPixmap::fromImage(any.read());
}

} // namespace

Pictures::Pictures(QString folder, qreal density)
    : folder_(std::move(folder)), density_(density > 0 ? density : qApp->devicePixelRatio()) {}

QPixmap Pictures::get(std::string_view file) {
    if (file.empty()) {
        return {};
    }
    const QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
    const auto found = cache_.constFind(name);
    if (found != cache_.constEnd()) {
        return found.value();
    }
    QPixmap picture;
    // Only plain file names are looked up, never a path out of the folder.
    if (!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))) {
        const QDir dir(folder_);
        for (const Version& v : versions(name, density_)) {
            picture = read(dir.filePath(v.file));
            if (!picture.isNull()) {
                picture.setDevicePixelRatio(v.scale);
                break;
            }
        }
    }
    cache_.insert(name, picture);
    return picture;
}

std::vector<Pictures::Version> Pictures::versions(const QString& file, qreal density) {
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? file : file.left(dot);
    const QString ext = dot < 0 ? QString() : file.mid(dot);
    const QString png = QStringLiteral(".png");
    std::vector<Version> out;
    auto add = [&out](const QString& f, qreal scale) {
        for (const Version& v : out) {
            if (v.file == f) {
                return;
            }
        }
        out.push_back({f, scale});
    };
    if (density > 1.0) {
        add(stem + QStringLiteral("@2x") + png, 2.0);
        add(stem + QStringLiteral("@2x") + ext, 2.0);
    }
    add(stem + png, 1.0);
    add(file, 1.0);
    return out;
}

namespace {

QRect fitted(const QRect& target, const QSize& size) {
    const QSize scaled = size.scaled(target.size(), Qt::KeepAspectRatio);
    QRect r(QPoint(0, 0), scaled);
    r.moveCenter(target.center());
    return r;
}

class SmoothIconEngine final : public QIconEngine {
public:
    explicit SmoothIconEngine(QPixmap picture) : picture_(std::move(picture)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal dpr =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = render(rect.size() * dpr, mode);
        if (pm.isNull()) {
            return;
        }
        pm.setDevicePixelRatio(dpr);
        painter->drawPixmap(fitted(rect, pm.deviceIndependentSize().toSize()), pm);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        return render(size, mode);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        QPixmap pm = render(size * scale, mode);
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (picture_.isNull()) {
            return {};
        }
        return picture_.deviceIndependentSize().toSize().scaled(size, Qt::KeepAspectRatio);
    }

    QIconEngine* clone() const override { return new SmoothIconEngine(picture_); }
    bool isNull() override { return picture_.isNull(); }

private:
    QPixmap render(const QSize& size, QIcon::Mode mode) const {
        if (picture_.isNull() || size.isEmpty()) {
            return {};
        }
        QPixmap pm = picture_.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            QStyleOption opt;
            opt.palette = QApplication::palette();
            pm = QApplication::style()->generatedIconPixmap(mode, pm, &opt);
        }
        return pm;
    }

    QPixmap picture_;
};

} // namespace

void draw_fitted(QPainter& painter, const QRect& target, const QPixmap& picture) {
    if (picture.isNull() || target.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawPixmap(fitted(target, picture.deviceIndependentSize().toSize()), picture);
    painter.restore();
}

QIcon smooth_icon(const QPixmap& picture) {
    if (picture.isNull()) {
        return {};
    }
    return QIcon(new SmoothIconEngine(picture));
}

} // namespace swoonery::ui
