// The chart of a survey run laid out as a printable worksheet: strips stacked top to bottom, each
// with the row labels in a column at its left and its own part of the chart right of them.
#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "drawing.h"
#include "picturewriter.h"
#include "survey.h"
#include "userscale.h"

class QPainter;

namespace frankierung {

inline constexpr int kDefaultSheetWidth = 1600;
inline constexpr int kMinSheetWidth = 200;
inline constexpr int kMaxSheetWidth = 20000;
inline constexpr int kDefaultStripAmounts = 100;

struct SheetOptions {
    std::array<std::string, 3> stamps;  // texts as typed into the stamp boxes
    // The amounts from..to of each strip, stacked top to bottom.
    std::vector<std::pair<int, int>> strips;
    int width = kDefaultSheetWidth;  // pixels, label column included
};

// The whole range 0..1000 in strips of kDefaultStripAmounts.
[[nodiscard]] std::vector<std::pair<int, int>> defaultStrips();

class ChartSheet final : public Picture {
public:
    // Runs the survey for the stamp texts and lays its drawing out.
    explicit ChartSheet(SheetOptions options);

    // What the run refused of the stamp values; then nothing was drawn.
    [[nodiscard]] const std::optional<StampRefusal>& refusal() const { return refusal_; }

    [[nodiscard]] QSize size() const override;
    [[nodiscard]] int stripHeight() const { return stripHeight_; }
    // The pieces of the sheet: for every strip its label column, then its part of the chart;
    // and the scale that maps the chart's units onto a piece.
    [[nodiscard]] std::size_t pieceCount() const { return 2 * options_.strips.size(); }
    [[nodiscard]] QRect pieceRect(std::size_t piece) const;
    [[nodiscard]] UserScale pieceScale(std::size_t piece) const;
    // Where a point of the chart lands on the sheet: left of 0 in the strip's label column.
    [[nodiscard]] QPointF toSheet(std::size_t strip, QPointF chartPoint) const;
    // What the strips show of the run: no row labels, and only the axis numbers that fit.
    [[nodiscard]] const Drawing& stripDrawing() const { return strips_; }

    // The whole sheet at the painter's origin, in pixels, whatever the area. A device that cannot
    // clip (SVG) gets in each piece only the items that start inside it, boxes cut to it.
    void paint(QPainter& painter, const QRect& area, bool deviceClips) const override;
    [[nodiscard]] QImage image() const { return pictureImage(*this); }
    // The screen's, which the texts were measured on.
    [[nodiscard]] int dpi() const override;

private:
    SheetOptions options_;
    Drawing run_;     // everything the run drew; the label columns show it
    Drawing strips_;  // what the strips show
    std::optional<StampRefusal> refusal_;
    int labelWidth_ = 0;
    int stripHeight_ = 0;
};

}  // namespace frankierung
