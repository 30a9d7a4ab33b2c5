#include "chartexport.h"

#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "chartrenderer.h"
#include "picturebox.h"

namespace frankierung {

namespace {

// The chart occupies y 4.5..15.5; a little grey above and below keeps stacked strips apart.
constexpr double kTop = 4.2;
constexpr double kBottom = 15.8;
constexpr double kLabelLeft = -3.0;
// The window gives the label area about 30 pixels per unit.
constexpr int kMinLabelWidth = 90;
// Below this the 10-point numbers no longer fit their white strips.
constexpr double kMinPixelsPerY = 32.0;
// The window's chart is about 1.5 times as high per unit as it is wide; the pair rows' circles
// need that much room to stay apart.
constexpr double kYPerX = 1.5;
class TextBoxes final : public SurveyBoxes {
public:
    explicit TextBoxes(std::array<std::string, 3> stamps) : stamps_(std::move(stamps)) {}
    [[nodiscard]] std::string stampText(int i) const override {
        return stamps_.at(static_cast<std::size_t>(i));
    }
    void setStampText(int i, const std::string& t) override {
        stamps_.at(static_cast<std::size_t>(i)) = t;
    }
    [[nodiscard]] std::string targetText() const override { return "0"; }

private:
    std::array<std::string, 3> stamps_;
};

class RefusalSink final : public SurveySink {
public:
    void refused(const std::string& message) override { message_ = message; }
    [[nodiscard]] const std::string& message() const { return message_; }

private:
    std::string message_;
};

bool isLabel(const Primitive& p) {
    return p.kind == Primitive::Kind::Text && p.p1.x() < 0;
}

// Every fifth amount carries its number, as in the window, unless the numbers would run into
// each other; then every tenth, twentieth, fiftieth ...
int numberStep(const std::vector<Primitive>& drawing, double pixelsPerX) {
    double widest = 0;
    for (const Primitive& p : drawing) {
        if (p.kind == Primitive::Kind::Text && !isLabel(p)) {
            widest = std::max(widest, p.textSize.width());
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

std::optional<SheetFormat> sheetFormatFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return SheetFormat::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return SheetFormat::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return SheetFormat::Pdf;
    }
    return std::nullopt;
}

std::vector<std::pair<int, int>> defaultStrips() {
    std::vector<std::pair<int, int>> strips;
    for (int from = 0; from < kSurveyEnd; from += kDefaultStripAmounts) {
        strips.emplace_back(from, std::min(from + kDefaultStripAmounts, kSurveyEnd));
    }
    return strips;
}

// --- The sheet ---

ChartSheet::ChartSheet(SheetOptions options)
    : options_(std::move(options)),
      box_(std::make_unique<PictureBox>()),
      chart_(std::make_unique<PictureBox>()) {
    PictureBox& box = *box_;
    // The look of the window's chart.
    box.setBackColor(QColor(224, 224, 224));
    box.setFillColor(QColor(240, 240, 240));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(15.75);
    box.setFont(font);
    box.setFontSize(10);
    box.setDrawWidth(2);
    box.resize(kMinLabelWidth, 1);
    box.setScaleCorners(kLabelLeft, kTop, 0, kBottom);

    TextBoxes boxes(options_.stamps);
    RefusalSink refusal;
    ChartRenderer renderer(box);
    SinkList sinks({&refusal, &renderer});
    Survey survey;
    survey.run(boxes, sinks);
    refusal_ = refusal.message();
    chart_->resize(box.size());
    chart_->setScaleCorners(kLabelLeft, kTop, 0, kBottom);
    // A label runs on to the right of x = 0 wherever a strip has fewer pixels per amount than
    // the window. The strips therefore show the drawing without the labels.
    std::vector<Primitive> withoutLabels;
    std::copy_if(box.primitives().begin(), box.primitives().end(),
                 std::back_inserter(withoutLabels), [](const Primitive& p) { return !isLabel(p); });

    // Wide labels (large values) widen the column rather than run into the chart.
    double widest = 0;
    for (const Primitive& p : box.primitives()) {
        if (isLabel(p)) {
            widest = std::max(widest, p.textSize.width());
        }
    }
    // The labels start 0.1 units in and the white strip ends 0.1 units before the chart.
    labelWidth_ = std::max(kMinLabelWidth, static_cast<int>(std::ceil(widest * 3.0 / 2.8)) + 1);
    labelWidth_ = std::min(labelWidth_, options_.width / 2);

    double pixelsPerX = 0;
    double fewestPixelsPerX = options_.width;
    const int chartWidth = options_.width - labelWidth_;
    for (const auto& strip : options_.strips) {
        pixelsPerX = std::max(pixelsPerX, (chartWidth - 1.0) / stripSpan(strip));
        fewestPixelsPerX = std::min(fewestPixelsPerX, (chartWidth - 1.0) / stripSpan(strip));
    }
    const double pixelsPerY = std::max(kMinPixelsPerY, kYPerX * pixelsPerX);
    stripHeight_ = static_cast<int>(std::lround((kBottom - kTop) * pixelsPerY));

    const int step = numberStep(withoutLabels, fewestPixelsPerX);
    std::erase_if(withoutLabels, [step](const Primitive& p) {
        return p.kind == Primitive::Kind::Text && std::lround(p.p1.x()) % step != 0;
    });
    chart_->setPrimitives(std::move(withoutLabels));
}

ChartSheet::~ChartSheet() = default;

QSize ChartSheet::size() const {
    return {options_.width, stripHeight_ * static_cast<int>(options_.strips.size())};
}

int ChartSheet::dpi() const {
    return box_->logicalDpiY();
}

QPointF ChartSheet::toSheet(std::size_t strip, QPointF chartPoint) const {
    const auto [from, to] = options_.strips.at(strip);
    const double y = static_cast<double>(strip) * stripHeight_ +
                     (chartPoint.y() - kTop) * stripHeight_ / (kBottom - kTop);
    if (chartPoint.x() < 0) {
        return {(chartPoint.x() - kLabelLeft) * labelWidth_ / -kLabelLeft, y};
    }
    const double chartWidth = options_.width - labelWidth_;
    return {labelWidth_ + (chartPoint.x() - from) * (chartWidth - 1) / stripSpan({from, to}), y};
}

QRect ChartSheet::pieceRect(std::size_t piece) const {
    const int top = static_cast<int>(piece / 2) * stripHeight_;
    if (piece % 2 == 0) {
        return {0, top, labelWidth_, stripHeight_};
    }
    return {labelWidth_, top, options_.width - labelWidth_, stripHeight_};
}

void ChartSheet::paintPiece(QPainter& painter, std::size_t piece) {
    const QRect rect = pieceRect(piece);
    PictureBox& box = piece % 2 == 0 ? *box_ : *chart_;
    box.resize(rect.size());
    if (piece % 2 == 0) {
        box.setScaleCorners(kLabelLeft, kTop, 0, kBottom);
    } else {
        const auto strip = options_.strips.at(piece / 2);
        // The last amount's mark whole, and one pixel more for the closing tick line.
        const double span = stripSpan(strip);
        box.setScaleCorners(strip.first, kTop, strip.first + span + span / (rect.width() - 1),
                            kBottom);
    }
    box.render(&painter, QPoint(0, 0), QRegion(), QWidget::DrawChildren);
}

void ChartSheet::paint(QPainter& painter) {
    for (std::size_t i = 0; i < pieceCount(); ++i) {
        painter.save();
        painter.translate(pieceRect(i).topLeft());
        paintPiece(painter, i);
        painter.restore();
    }
}

QImage ChartSheet::image() {
    QImage image(size(), QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi() / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(QColor(224, 224, 224));
    QPainter painter(&image);
    paint(painter);
    return image;
}

}  // namespace frankierung
