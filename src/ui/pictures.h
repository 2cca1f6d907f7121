// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's pictures: files beside the program, read on first use. A
// missing or unreadable file is simply an empty picture.
//
// A picture asked for by its name may be read from another version beside
// it: on a high-density screen one drawn at twice the size ("girl7@2x.bmp"),
// and in either case a PNG of the same name first ("phone.png" for
// "phone.bmp"), which can carry transparency.
#pragma once

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <string_view>
#include <vector>

class QPainter;
class QRect;

namespace swoonery::ui {

class Pictures {
public:
    // `density` is the screen's device pixel ratio; 0 asks the application.
    explicit Pictures(QString folder, qreal density = 0);

    // The picture in `file` (a bare file name such as "girl7.bmp"); a null
    // pixmap when the name is empty or the file cannot be read.
    QPixmap get(std::string_view file);
    const QString& folder() const { return folder_; }

    struct Version {
        QString file;
        qreal scale; // device pixels per pixel of the named picture
    };
    // The files that may stand for `file` at `density`, the best first.
    static std::vector<Version> versions(const QString& file, qreal density);

private:
    QString folder_;
    qreal density_;
    QHash<QString, QPixmap> cache_;
};

// Draws `picture` into `target`, keeping its proportions and centred, scaled
// smoothly so that it stays clean at any display scale.
void draw_fitted(QPainter& painter, const QRect& target, const QPixmap& picture);

// An icon that scales its one picture smoothly to whatever size and pixel
// density a button asks for.
QIcon smooth_icon(const QPixmap& picture);

} // namespace swoonery::ui
