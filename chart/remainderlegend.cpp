#include "remainderlegend.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "palette.h"
#include "picturetext.h"

namespace frankierung {

namespace {

// In rows of cells: the font, the swatches and the room around them.
constexpr double kFont = 0.42;
constexpr double kSwatch = 0.5;
constexpr double kSwatchGap = 0.25;
constexpr double kEntryGap = 0.6;

}  // namespace

RemainderLegend::RemainderLegend(std::optional<std::int64_t> largestGap, QPainter& p)
    : texts_{tr("frankierbar"), tr("kleinster frankierbarer Betrag")} {
    if (largestGap) {
        texts_ << tr("größte Lücke: %1").arg(*largestGap);
    }
    const QFontMetricsF probe(pictureFont(100), p.device());
    for (const QString& text : texts_) {
        widths_.push_back(kSwatch + kSwatchGap + kFont * probe.horizontalAdvance(text) / 100 +
                          kEntryGap);
    }
}

std::vector<std::size_t> RemainderLegend::rows(double width) const {
    std::vector<std::size_t> rows{0};
    double used = 0;
    for (const double entry : widths_) {
        if (used > 0 && used + entry > width) {
            rows.push_back(0);
            used = 0;
        }
        ++rows.back();
        used += entry;
    }
    return rows;
}

double RemainderLegend::fitted(double width) const {
    return std::max(width, *std::max_element(widths_.begin(), widths_.end()));
}

void RemainderLegend::paint(QPainter& p, const QRectF& area, double rowUnit) const {
    // A narrow picture of large cells: the legend's own unit is smaller.
    const double room = fitted(area.width() / rowUnit);
    const double unit = area.width() / room;
    const QFont font = pictureFont(kFont * unit);
    const QFontMetricsF metrics(font, p.device());
    const double swatch = kSwatch * unit;
    qsizetype k = 0;
    const std::vector<std::size_t> lines = rows(room);
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const QRectF line(area.left(), area.top() + static_cast<double>(row) * kLine * unit,
                          area.width(), kLine * unit);
        double x = line.left();
        for (std::size_t n = 0; n < lines[row]; ++n, ++k) {
            const QRectF sample(x, line.center().y() - swatch / 2, swatch, swatch);
            if (k == 0) {
                // A payable cell: the ring of the chart's row "alle" on blue.
                p.fillRect(sample, palette::blue);
                p.setPen(QPen(palette::yellow, std::max(1.0, swatch / 10)));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(sample.center(), swatch / 3, swatch / 3);
            } else if (k == 1) {
                // A step of the staircase.
                p.setPen(
                    QPen(palette::black, std::max(2.0, swatch / 6), Qt::SolidLine, Qt::FlatCap));
                p.drawLine(QPointF(sample.left(), sample.center().y()),
                           QPointF(sample.right(), sample.center().y()));
            } else {
                p.setPen(QPen(palette::gapRed, std::max(2.0, swatch / 6)));
                p.setBrush(palette::white);
                p.drawRect(sample);
            }
            x += (kSwatch + kSwatchGap) * unit;
            const double width = metrics.horizontalAdvance(texts_[k]);
            drawPictureText(p, QRectF(x, line.top(), width, line.height()), texts_[k],
                            palette::black, font, Qt::AlignLeft | Qt::AlignVCenter);
            x += width + kEntryGap * unit;
        }
    }
}

}  // namespace frankierung
