#include "pictures.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace crumbleton {

QString PicturePath(Picture picture) {
    switch (picture) {
        case Picture::CompactDisc:
            return QStringLiteral(":/pictures/compact_disc.svg");
        case Picture::Banana:
            return QStringLiteral(":/pictures/banana.svg");
        case Picture::BurningMatch:
            return QStringLiteral(":/pictures/burning_match.svg");
        case Picture::Smiley:
            return QStringLiteral(":/pictures/smiley.svg");
        case Picture::None:
            break;
    }
    return {};
}

const QPixmap& PictureCache::scalable(Picture picture, QSizeF logicalSize, qreal devicePixelRatio) {
    const auto fit = [](qreal length) {
        int power = 32;
        while (power < length) power *= 2;
        return power;
    };
    const QSizeF logical(fit(logicalSize.width()), fit(logicalSize.height()));
    return pixmap(picture, (logical * devicePixelRatio).toSize(), devicePixelRatio);
}

qint64 PictureCache::bytes() const {
    qint64 total = 0;
    for (const auto& [key, pixmap] : cache_)
        total += qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
    return total;
}

const QPixmap& PictureCache::pixmap(Picture picture, QSize devicePixels, qreal devicePixelRatio) {
    const auto key = std::make_tuple(picture, devicePixels.width(), devicePixels.height(), devicePixelRatio);
    auto found = cache_.find(key);
    if (found != cache_.end()) return found->second;

    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (picture != Picture::None) {
        QSvgRenderer renderer(PicturePath(picture));
        QPainter painter(&image);
        renderer.render(&painter);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return cache_.emplace(key, std::move(pixmap)).first->second;
}

}  // namespace crumbleton
