#pragma once
// The game's pictures, rendered from their SVG sources once per size and device
// pixel ratio, so drawing a frame only copies pixmaps.

#include <QPixmap>
#include <QSize>
#include <map>
#include <tuple>

#include "controls.h"

namespace crumbleton {

class PictureCache {
public:
    // A pixmap of `picture` rendered at `devicePixels`, for a device of `devicePixelRatio`.
    const QPixmap& pixmap(Picture picture, QSize devicePixels, qreal devicePixelRatio);
    // A pixmap to draw `picture` scaled down to `logicalSize`: rendered at the next
    // power of two in each direction, so a picture that grows a little every frame
    // is rendered again only when its size doubles.
    const QPixmap& scalable(Picture picture, QSizeF logicalSize, qreal devicePixelRatio);

    // Forgets every pixmap: the sizes they were rendered for are no longer drawn,
    // after a resize or a change of screen.
    void clear() { cache_.clear(); }
    // What the cache holds; for measuring programs and tests.
    std::size_t entries() const { return cache_.size(); }
    qint64 bytes() const;

private:
    std::map<std::tuple<Picture, int, int, qreal>, QPixmap> cache_;
};

// The resource path of a picture's SVG source.
QString PicturePath(Picture picture);

}  // namespace crumbleton
