#include "remaindertable.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "palette.h"
#include "picturetext.h"
#include "whysentences.h"

namespace frankierung {

namespace {

constexpr QColor kRule{150, 150, 150};
// The shares of a block's width: remainder, smallest amount, stamps.
constexpr std::array<double, 3> kShares{0.2, 0.25, 0.55};

struct Row {
    std::array<QString, 3> cells;
    bool highest = false;
};

}  // namespace

RemainderTable::RemainderTable(const RemainderClasses& classes, bool filled)
    : classes_(classes), filled_(filled) {}

std::array<QString, 3> RemainderTable::headings() {
    return {tr("Rest"), tr("kleinster Betrag"), tr("Marken")};
}

void RemainderTable::paint(QPainter& p, const QRectF& area) const {
    const auto& all = classes_.classes();
    const auto count = static_cast<std::int64_t>(all.size());
    const std::int64_t blocks = std::clamp<std::int64_t>(
        (count + kMostRowsPerBlock - 1) / kMostRowsPerBlock, 1, kMostBlocks);
    const std::int64_t perBlock = std::min(kMostRowsPerBlock, (count + blocks - 1) / blocks);
    const std::int64_t shown = std::min(count, blocks * perBlock);

    std::vector<Row> rows;
    const auto add = [&](const RemainderClass& c) {
        Row row{{QString::number(c.remainder)}, &c == &classes_.highest()};
        if (filled_) {
            row.cells[1] = QString::number(c.smallest);
            row.cells[2] = QString::fromStdString(stampSum(c.counts, classes_.values(), false));
        }
        rows.push_back(row);
    };
    if (shown == count) {
        std::for_each(all.begin(), all.end(), add);
    } else {
        std::for_each(all.begin(), all.begin() + (shown - 2), add);
        rows.push_back({{tr("… %1 weitere").arg(count - shown + 1)}});
        add(classes_.highest());
    }

    const double blockWidth = area.width() / static_cast<double>(blocks);
    const double rowHeight = area.height() / static_cast<double>(perBlock + 1);
    const std::array<QString, 3> heads = headings();
    // One size for the whole table: the widest text of each column fits its share.
    const QFontMetricsF probe(pictureFont(100, true), p.device());
    double height = 0.6 * rowHeight;
    for (std::size_t k = 0; k < heads.size(); ++k) {
        double widest = probe.horizontalAdvance(heads[k]);
        for (const Row& row : rows) {
            widest = std::max(widest, probe.horizontalAdvance(row.cells[k]));
        }
        height = std::min(height, 100 * 0.92 * kShares[k] * blockWidth / widest);
    }

    p.save();
    for (std::int64_t b = 0; b < blocks; ++b) {
        const double left = area.left() + static_cast<double>(b) * blockWidth;
        const auto first = static_cast<std::size_t>(b * perBlock);
        const std::size_t last = std::min(rows.size(), first + static_cast<std::size_t>(perBlock));
        for (std::size_t r = first; r <= last; ++r) {
            const bool head = r == first;
            const Row& row = head ? Row{heads} : rows[r - 1];
            const double top = area.top() + static_cast<double>(r - first) * rowHeight;
            // Inside the row, so that the last one stays inside the area.
            const double rule = top + rowHeight - 0.5;
            p.setPen(QPen(kRule, 1, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(left, rule), QPointF(left + blockWidth - 1, rule));
            p.setPen(row.highest ? palette::gapRed : palette::black);
            p.setFont(pictureFont(height, head || row.highest));
            double x = left;
            for (std::size_t k = 0; k < kShares.size(); ++k) {
                const double width = kShares[k] * blockWidth;
                p.drawText(QRectF(x + 0.04 * width, top, 0.92 * width, rowHeight),
                           Qt::AlignLeft | Qt::AlignVCenter, row.cells[k]);
                x += width;
            }
        }
    }
    p.restore();
}

}  // namespace frankierung
