#include "tiles.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace frankierung {

namespace {

int tileOf(int pixel, int size) {
    return static_cast<int>(std::floor(static_cast<double>(pixel) / size));
}

quint64 keyOf(int tx, int ty) {
    return (static_cast<quint64>(static_cast<quint32>(tx)) << 32) | static_cast<quint32>(ty);
}

QRect tileRect(int tx, int ty, int size) {
    return {tx * size, ty * size, size, size};
}

QRect tileRect(quint64 key, int size) {
    return tileRect(static_cast<qint32>(static_cast<quint32>(key >> 32)),
                    static_cast<qint32>(static_cast<quint32>(key)), size);
}

}  // namespace

void Tiles::paint(QPainter& painter, const QRect& exposed, const QRect& inner, qreal pixelRatio,
                  std::size_t items, const PaintArea& paintArea) {
    if (pixelRatio != ratio_) {
        clear();
        ratio_ = pixelRatio;
    }
    // A repaint of the whole box must never evict its own tiles.
    const auto tileKilobytes = static_cast<qsizetype>(std::ceil(kSize * pixelRatio)) *
                               static_cast<qsizetype>(std::ceil(kSize * pixelRatio)) * 4 / 1024;
    const qsizetype tilesInBox =
        static_cast<qsizetype>(inner.width() / kSize + 2) * (inner.height() / kSize + 2);
    tiles_.setMaxCost(std::max(kLeastKilobytes, 2 * tilesInBox * tileKilobytes));
    const QRect area = exposed & inner;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    for (int ty = tileOf(area.top(), kSize); ty <= tileOf(area.bottom(), kSize); ++ty) {
        for (int tx = tileOf(area.left(), kSize); tx <= tileOf(area.right(), kSize); ++tx) {
            const QRect rect = tileRect(tx, ty, kSize);
            Tile* tile = tiles_.object(keyOf(tx, ty));
            if (tile == nullptr) {
                tile = new Tile{QPixmap(rect.size() * pixelRatio)};
                tile->pixmap.setDevicePixelRatio(pixelRatio);
                const auto kilobytes = static_cast<qsizetype>(tile->pixmap.width()) *
                                       tile->pixmap.height() * tile->pixmap.depth() / 8 / 1024;
                if (!tiles_.insert(keyOf(tx, ty), tile, kilobytes)) {
                    tile = nullptr;  // deleted by the cache: too large to keep
                }
            }
            if (tile == nullptr) {
                paintArea(painter, rect & area, 0);
                continue;
            }
            if (!tile->painted || tile->items < items) {
                QPainter p(&tile->pixmap);
                p.translate(-rect.topLeft());
                p.setClipRect(rect & inner);
                paintArea(p, rect & inner, tile->painted ? tile->items : 0);
                tile->painted = true;
                tile->items = items;
            }
            painter.drawPixmap(rect.topLeft(), tile->pixmap);
        }
    }
    painter.restore();
}

void Tiles::truncated(std::size_t items, const QRect& area) {
    for (const quint64 key : tiles_.keys()) {
        if (tileRect(key, kSize).intersects(area)) {
            tiles_.remove(key);
        } else {
            Tile* tile = tiles_.object(key);
            tile->items = std::min(tile->items, items);
        }
    }
}

}  // namespace frankierung
