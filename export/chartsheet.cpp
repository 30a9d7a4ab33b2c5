#include "chartsheet.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "chartlayout.h"
#include "chartrenderer.h"
#include "paint.h"
#include "palette.h"

namespace frankierung {

namespace {

namespace layout = chartlayout;
using Mark = DrawingItem::Mark;

// The window gives the label column about 30 pixels per unit.
constexpr int kMinLabelWidth = 90;
// Below this the 10-point numbers no longer fit their white strips.
constexpr double kMinPixelsPerY = 32.0;
// The window's chart is about 1.5 times as high per unit as it is wide; the pair rows' circles
// need that much room to stay apart.
constexpr double kYPerX = 1.5;
constexpr double kSheetHeight = layout::kSheetBottom - layout::kSheetTop;

// A drawing of its own, measured as the screen measures; its scale only moves the print
// position, which the rendering sets before every print.
class SheetTarget final : public Canvas::Target {
public:
    explicit SheetTarget(Drawing& drawing) : drawing_(drawing) {}
    Drawing& mutableDrawing() override { return drawing_; }
    [[nodiscard]] UserScale scale() const override {
        return {
            QRectF(layout::kLeft, layout::kTop, layout::kRight - layout::kLeft, layout::kBottom),
            QRectF(0, 0, kMinLabelWidth, 1)};
    }
    [[nodiscard]] QFont baseFont() const override { return chartFont(); }

private:
    Drawing& drawing_;
};

struct Refusal final : SurveySink {
    void refused(const StampRefusal& r) override { refusal = r; }
    std::optional<StampRefusal> refusal;
};

// Every fifth amount carries its number, as in the window, unless the numbers would run into
// each other; then every tenth, twentieth, fiftieth ...
int numberStep(const Drawing& drawing, double pixelsPerX) {
    double widest = 0;
    for (const DrawingItem& item : drawing.items()) {
        if (item.kind == DrawingItem::Kind::Text && item.mark == Mark::Scale) {
            widest = std::max(widest, item.textSize.width());
        }
    }
    for (const int step : {5, 10, 20, 50, 100, 200, 500}) {
        if (step * pixelsPerX >= widest) {
            return step;
        }
    }
    return kSurveyEnd;
}

// The amounts a strip shows: its last amount's mark is one amount wide.
double stripSpan(std::pair<int, int> strip) {
    return strip.second + 1.0 - strip.first;
}

}  // namespace

std::vector<std::pair<int, int>> defaultStrips() {
    std::vector<std::pair<int, int>> strips;
    for (int from = 0; from < kSurveyEnd; from += kDefaultStripAmounts) {
        strips.emplace_back(from, std::min(from + kDefaultStripAmounts, kSurveyEnd));
    }
    return strips;
}

ChartSheet::ChartSheet(SheetOptions options) : options_(std::move(options)) {
    SheetTarget target(run_);
    Canvas canvas(target);
    TextBoxes boxes(options_.stamps, "0");
    Refusal refusal;
    ChartRenderer renderer(canvas);
    SinkList sinks({&refusal, &renderer});
    Survey().run(boxes, sinks);
    refusal_ = refusal.refusal;

    // Wide labels (large values) widen the column rather than run into the chart. The labels
    // start 0.1 units in and the white strip ends 0.1 units before the chart.
    double widest = 0;
    for (const DrawingItem& item : run_.items()) {
        if (item.mark == Mark::RowLabel) {
            widest = std::max(widest, item.textSize.width());
        }
    }
    labelWidth_ = std::max(kMinLabelWidth, static_cast<int>(std::ceil(widest * 3.0 / 2.8)) + 1);
    labelWidth_ = std::min(labelWidth_, options_.width / 2);

    double most = 0;
    double fewest = options_.width;
    for (const auto& strip : options_.strips) {
        const double perX = (options_.width - labelWidth_ - 1.0) / stripSpan(strip);
        most = std::max(most, perX);
        fewest = std::min(fewest, perX);
    }
    stripHeight_ =
        static_cast<int>(std::lround(kSheetHeight * std::max(kMinPixelsPerY, kYPerX * most)));

    const int step = numberStep(run_, fewest);
    strips_ = run_.filtered([step](const DrawingItem& item) {
        return item.mark != Mark::RowLabel &&
               !(item.kind == DrawingItem::Kind::Text && item.mark == Mark::Scale &&
                 std::lround(item.p1.x()) % step != 0);
    });
}

QSize ChartSheet::size() const {
    return {options_.width, stripHeight_ * static_cast<int>(options_.strips.size())};
}

QRect ChartSheet::pieceRect(std::size_t piece) const {
    const int top = static_cast<int>(piece / 2) * stripHeight_;
    if (piece % 2 == 0) {
        return {0, top, labelWidth_, stripHeight_};
    }
    return {labelWidth_, top, options_.width - labelWidth_, stripHeight_};
}

UserScale ChartSheet::pieceScale(std::size_t piece) const {
    const QRect rect = pieceRect(piece);
    if (piece % 2 == 0) {
        return {QRectF(layout::kLeft, layout::kSheetTop, -layout::kLeft, kSheetHeight), rect};
    }
    // The last amount's mark whole, and one pixel more for the closing tick line.
    const auto strip = options_.strips.at(piece / 2);
    const double span = stripSpan(strip);
    return {QRectF(strip.first, layout::kSheetTop, span + span / (rect.width() - 1), kSheetHeight),
            rect};
}

QPointF ChartSheet::toSheet(std::size_t strip, QPointF chartPoint) const {
    return pieceScale(2 * strip + (chartPoint.x() < 0 ? 0 : 1)).toPixels(chartPoint);
}

void ChartSheet::paint(QPainter& painter, const QRect& /*area*/, bool deviceClips) const {
    for (std::size_t piece = 0; piece < pieceCount(); ++piece) {
        const QRect rect = pieceRect(piece);
        const UserScale scale = pieceScale(piece);
        const Drawing& drawing = piece % 2 == 0 ? run_ : strips_;
        painter.save();
        painter.setClipRect(rect);
        painter.fillRect(rect, palette::ground);
        if (deviceClips) {
            frankierung::paint(painter, drawing, scale, rect);
        } else {
            // Boxes are cut to the piece; circles and texts show where their centre or start
            // lies inside it.
            const Drawing inside = drawing.filtered([&](const DrawingItem& item) {
                return item.kind == DrawingItem::Kind::Box ||
                       item.kind == DrawingItem::Kind::Line ||
                       QRectF(rect).contains(scale.toPixels(item.p1));
            });
            frankierung::paint(painter, inside, scale, rect);
        }
        painter.restore();
    }
}

int ChartSheet::dpi() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : 96;
}

}  // namespace frankierung
