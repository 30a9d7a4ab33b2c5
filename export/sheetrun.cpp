#include "sheetrun.h"

#include <QImage>
#include <cmath>

#include "canvas.h"
#include "chartlayout.h"
#include "chartrenderer.h"

namespace frankierung {

namespace {

namespace layout = chartlayout;

// The chart's drawing as the window would draw it, its texts measured on the sheet's device;
// the scale only moves the print position, which the rendering sets before every print.
class SheetTarget final : public Canvas::Target {
public:
    explicit SheetTarget(Drawing& drawing) : drawing_(drawing) {}
    Drawing& mutableDrawing() override { return drawing_; }
    [[nodiscard]] UserScale scale() const override {
        return {
            QRectF(layout::kLeft, layout::kTop, layout::kRight - layout::kLeft, layout::kBottom),
            QRectF(0, 0, 1, 1)};
    }
    [[nodiscard]] QFont baseFont() const override { return chartFont(); }
    [[nodiscard]] const QPaintDevice* metricsDevice() const override { return &sheetMetrics(); }

private:
    Drawing& drawing_;
};

struct Facts final : SurveySink {
    explicit Facts(SheetRun& r) : run(r) {}
    void refused(const StampRefusal& refusal) override { run.refusal = refusal; }
    void singleRow(Row row, Amount value, std::span<const Amount> /*marks*/) override {
        run.values.at(static_cast<std::size_t>(row) - 1) = value;
    }
    void tripleRow(std::span<const Amount> reachable) override {
        run.reachable.assign(reachable.begin(), reachable.end());
    }
    SheetRun& run;
};

}  // namespace

const QPaintDevice& sheetMetrics() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const auto dotsPerMeter = static_cast<int>(std::lround(kSheetDpi / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

SheetRun runForSheet(const std::array<std::string, 3>& stamps) {
    SheetRun run;
    SheetTarget target(run.chart);
    Canvas canvas(target);
    TextBoxes boxes(stamps, "0");
    Facts facts(run);
    ChartRenderer renderer(canvas);
    SinkList sinks({&facts, &renderer});
    Survey().run(boxes, sinks);
    return run;
}

}  // namespace frankierung
