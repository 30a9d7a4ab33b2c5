// A picture box's painted content kept in tiles: repaints after scrolling or uncovering copy
// pixels instead of painting every item again, so a chart full of notes stays quick to move.
#pragma once

#include <QCache>
#include <QPixmap>
#include <QRect>
#include <functional>

class QPainter;

namespace frankierung {

class Tiles {
public:
    // Paints the area (box pixels) with the drawing's items from index `from` on; the painter is
    // clipped to the area. From 0 it paints the ground first.
    using PaintArea = std::function<void(QPainter&, const QRect& area, std::size_t from)>;

    // Covers `exposed` (box pixels, within `inner`) from the tiles: a missing tile is painted
    // whole, a kept one gets the items drawn since on top, as a full repaint would paint them.
    void paint(QPainter& painter, const QRect& exposed, const QRect& inner, qreal pixelRatio,
               std::size_t items, const PaintArea& paintArea);
    // Everything painted so far is void (a clear, a new scale, size, ground or picture).
    void clear() { tiles_.clear(); }
    // The drawing lost its items from index `items` on, which painted only within `area` (box
    // pixels): tiles there are void, the others show exactly the items that are left.
    void truncated(std::size_t items, const QRect& area);

private:
    static constexpr int kSize = 256;  // logical pixels
    struct Tile {
        QPixmap pixmap;
        bool painted = false;
        std::size_t items = 0;  // the drawing's items painted into it
    };

    // Recently used tiles (cost in kilobytes): two full-HD screens, or twice the box when larger.
    static constexpr qsizetype kLeastKilobytes = qsizetype{16} * 1024;
    QCache<quint64, Tile> tiles_{kLeastKilobytes};
    qreal ratio_ = 0;
};

}  // namespace frankierung
