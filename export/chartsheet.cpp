#include "chartsheet.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chartlayout.h"
#include "paint.h"
#include "survey.h"

namespace frankierung {

namespace {

namespace layout = chartlayout;
using Mark = DrawingItem::Mark;
using Kind = DrawingItem::Kind;

// The window gives the label column about 30 pixels per unit.
constexpr int kMinLabelWidth = 90;
// Below this the 10-point numbers no longer fit their white strips.
constexpr double kMinPixelsPerY = 32.0;
// The window's chart is about 1.5 times as high per unit as it is wide; the pair rows' circles
// need that much room to stay apart.
constexpr double kYPerX = 1.5;
constexpr double kSheetHeight = layout::kSheetBottom - layout::kSheetTop;
// The pens of the marks of a strip's last amount reach this far right of its stripe.
constexpr double kMarkBleed = 2.0;

bool isNumber(const DrawingItem& item) {
    return item.kind == Kind::Text && item.mark == Mark::Scale;
}

double widestNumber(const Drawing& chart) {
    double widest = 0;
    for (const DrawingItem& item : chart.items()) {
        if (isNumber(item)) {
            widest = std::max(widest, item.textSize.width());
        }
    }
    return widest;
}

int stepFor(double widest, double pixelsPerX) {
    for (const int step : {5, 10, 20, 50, 100, 200, 500}) {
        if (step * pixelsPerX >= widest) {
            return step;
        }
    }
    return kSurveyEnd;
}

// The widest of the numbers printed at x (above and below the rows).
double numberWidthAt(const Drawing& chart, int x) {
    double width = 0;
    for (const std::uint32_t i : chart.near(x, x)) {
        const DrawingItem& item = chart.items()[i];
        if (isNumber(item) && std::lround(item.p1.x()) == x) {
            width = std::max(width, item.textSize.width());
        }
    }
    return width;
}

// Pixels per amount that leave the strip's last number and the marks of its last amount whole
// in `width` pixels.
double pixelsPerX(const Drawing& chart, std::pair<int, int> strip, int step, double width) {
    const auto [from, to] = strip;
    double perX = (width - kMarkBleed) / (to + 1.0 - from);
    const int last = to - (to % step + step) % step;
    if (last >= from) {
        const double number = numberWidthAt(chart, last) + 1;
        perX = last > from ? std::min(perX, (width - number) / (last - from)) : perX;
    }
    return std::max(perX, 1e-3);
}

// The amount whose stripe an item of a row stands in.
double amountOf(const DrawingItem& item) {
    return std::floor(item.kind == Kind::Box ? std::min(item.p1.x(), item.p2.x()) : item.p1.x());
}

}  // namespace

ChartSheet::ChartSheet(const Drawing& chart, StripOptions options) : options_(std::move(options)) {
    // Wide labels (large values) widen the column rather than run into the chart. The labels
    // start 0.1 units in and the white strip ends 0.1 units before the chart.
    double widestLabel = 0;
    for (const DrawingItem& item : chart.items()) {
        if (item.mark == Mark::RowLabel) {
            widestLabel = std::max(widestLabel, item.textSize.width());
        }
    }
    labelWidth_ =
        std::max(kMinLabelWidth, static_cast<int>(std::ceil(widestLabel * 3.0 / 2.8)) + 1);
    labelWidth_ = std::min(labelWidth_, options_.width / 2);
    labels_ = chart.filtered([](const DrawingItem& item) {
        return item.mark == Mark::RowLabel ||
               (item.kind == Kind::Box && std::max(item.p1.x(), item.p2.x()) < 0);
    });

    // The step of the numbers follows from the narrowest strip, which the step's last number
    // may narrow further.
    const double width = options_.width - labelWidth_;
    const double widest = widestNumber(chart);
    std::vector<double> perX(options_.strips.size());
    for (;;) {  // the step only grows, up to every 1000th number
        for (std::size_t k = 0; k < perX.size(); ++k) {
            perX[k] = pixelsPerX(chart, options_.strips[k], numberStep_, width);
        }
        const double fewest = perX.empty() ? width : *std::min_element(perX.begin(), perX.end());
        const int step = stepFor(widest, fewest);
        if (step <= numberStep_) {
            break;
        }
        numberStep_ = step;
    }
    const double most = perX.empty() ? 1 : *std::max_element(perX.begin(), perX.end());
    stripHeight_ =
        static_cast<int>(std::lround(kSheetHeight * std::max(kMinPixelsPerY, kYPerX * most)));
    stripHeight_ = std::min(stripHeight_, options_.mostHeight);

    for (std::size_t k = 0; k < perX.size(); ++k) {
        const auto [from, to] = options_.strips[k];
        const double right = from + width / perX[k];
        rightEnds_.push_back(right);
        strips_.push_back(chart.filtered([&, from = from, to = to](const DrawingItem& item) {
            switch (item.mark) {
                case Mark::Scale:
                    if (item.kind == Kind::Box) {  // the white strips, cut when painted
                        return std::max(item.p1.x(), item.p2.x()) > from &&
                               std::min(item.p1.x(), item.p2.x()) < right;
                    }
                    if (item.kind == Kind::Text) {
                        return item.p1.x() >= from && item.p1.x() <= to &&
                               std::lround(item.p1.x()) % numberStep_ == 0;
                    }
                    return item.p1.x() >= from && item.p1.x() <= to + 1;  // the closing tick
                case Mark::PairRow:
                case Mark::AllRow:
                    if (options_.pupil) {
                        return false;
                    }
                    [[fallthrough]];
                case Mark::Row:
                    return amountOf(item) >= from && amountOf(item) <= to;
                default:
                    return false;
            }
        }));
    }
}

QRect ChartSheet::labelRect() const {
    return {0, 0, labelWidth_, stripHeight_};
}

QRect ChartSheet::chartRect() const {
    return {labelWidth_, 0, options_.width - labelWidth_, stripHeight_};
}

UserScale ChartSheet::labelScale() const {
    return {QRectF(layout::kLeft, layout::kSheetTop, -layout::kLeft, kSheetHeight), labelRect()};
}

UserScale ChartSheet::chartScale(std::size_t strip) const {
    const double from = options_.strips.at(strip).first;
    return {QRectF(from, layout::kSheetTop, rightEnds_.at(strip) - from, kSheetHeight),
            chartRect()};
}

QPointF ChartSheet::toStrip(std::size_t strip, QPointF chartPoint) const {
    return (chartPoint.x() < 0 ? labelScale() : chartScale(strip)).toPixels(chartPoint);
}

const Drawing& ChartSheet::stripDrawing(std::size_t strip) const {
    return strips_.at(strip);
}

void ChartSheet::paintStrip(QPainter& painter, std::size_t strip) const {
    painter.fillRect(labelRect(), options_.ground);
    frankierung::paint(painter, labels_, labelScale(), labelRect());
    painter.fillRect(chartRect(), options_.ground);
    frankierung::paint(painter, strips_.at(strip), chartScale(strip), chartRect());
}

}  // namespace frankierung
