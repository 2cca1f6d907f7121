// The game's pictures: bitmap files beside the program, read on first use.
// A missing or unreadable file is simply an empty picture.
#pragma once

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <string_view>

class QPainter;
class QRect;

namespace swoonery::ui {

class Pictures {
public:
    explicit Pictures(QString folder);

    // The picture in `file` (a bare file name such as "girl7.bmp"); a null
    // pixmap when the name is empty or the file cannot be read.
    QPixmap get(std::string_view file);
    const QString& folder() const { return folder_; }

private:
    QString folder_;
    QHash<QString, QPixmap> cache_;
};

// Draws `picture` into `target`, keeping its proportions and centred, scaled
// smoothly so that it stays clean at any display scale.
void draw_fitted(QPainter& painter, const QRect& target, const QPixmap& picture);

// An icon that scales its one picture smoothly to whatever size and pixel
// density a button asks for.
QIcon smooth_icon(const QPixmap& picture);

} // namespace swoonery::ui
