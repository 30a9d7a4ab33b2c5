// The chart of a survey run cut into strips for a worksheet: each strip with the row labels in a
// column at its left and its own amounts right of them, every amount at its ends whole.
#pragma once

#include <QColor>
#include <QRect>
#include <utility>
#include <vector>

#include "drawing.h"
#include "userscale.h"

class QPainter;

namespace frankierung {

inline constexpr int kDefaultStripAmounts = 100;

struct StripOptions {
    // The amounts from..to of each strip, stacked top to bottom.
    std::vector<std::pair<int, int>> strips;
    int width = 0;  // pixels, label column included
    // No strip higher than this; the rows then lie closer together.
    int mostHeight = 1 << 20;
    // The pupil's strips: scale, grid and the single values' rows, the pairs' rows and the row
    // "alle" left empty.
    bool pupil = false;
    QColor ground;  // around the rows
};

class ChartSheet {
public:
    // The run's whole chart, measured on the sheet's device (sheetrun.h).
    ChartSheet(const Drawing& chart, StripOptions options);

    [[nodiscard]] std::size_t stripCount() const { return options_.strips.size(); }
    [[nodiscard]] int stripHeight() const { return stripHeight_; }
    [[nodiscard]] int width() const { return options_.width; }
    // Every fifth amount carries its number, unless the numbers would run into each other;
    // then every tenth, twentieth, fiftieth ...
    [[nodiscard]] int numberStep() const { return numberStep_; }
    // Where a point of the chart lands in a strip whose top-left corner is at (0, 0): left of
    // the amount 0 in the label column. A strip may reach a few amounts beyond its range, so that
    // the numbers and marks at its right end show whole.
    [[nodiscard]] QPointF toStrip(std::size_t strip, QPointF chartPoint) const;
    [[nodiscard]] UserScale chartScale(std::size_t strip) const;
    // What a strip shows right of its label column.
    [[nodiscard]] const Drawing& stripDrawing(std::size_t strip) const;

    // One strip with its top-left corner at the painter's origin, in pixels. Nothing reaches
    // beyond it, also on a device that cannot clip (SVG).
    void paintStrip(QPainter& painter, std::size_t strip) const;

private:
    [[nodiscard]] QRect labelRect() const;
    [[nodiscard]] QRect chartRect() const;
    [[nodiscard]] UserScale labelScale() const;

    StripOptions options_;
    Drawing labels_;
    std::vector<Drawing> strips_;
    std::vector<double> rightEnds_;  // the chart x at each strip's right edge
    int labelWidth_ = 0;
    int stripHeight_ = 0;
    int numberStep_ = 5;
};

}  // namespace frankierung
