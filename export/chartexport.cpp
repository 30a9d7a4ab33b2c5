#include "chartexport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <variant>

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
// A raster image beyond this would cost hundreds of megabytes.
constexpr double kMaxPixels = 64.0 * 1024 * 1024;
constexpr int kMaxHeight = 32000;

constexpr const char* kUsage =
    "Aufruf: frankierung-chart [--from N] [--to M] [--width PX] -o DATEI [--] A B C\n"
    "  A, B, C     die drei Markenwerte (Texte wie in den Eingabefeldern)\n"
    "  -o DATEI    Ausgabedatei; die Endung wählt das Format: .png, .svg oder .pdf\n"
    "  --from N    linker Rand des Streifens, ganzer Betrag 0 bis 999 (Vorgabe 0)\n"
    "  --to M      rechter Rand des Streifens, ganzer Betrag 1 bis 1000 (Vorgabe 1000)\n"
    "  --width PX  Breite in Pixeln, 200 bis 20000 (Vorgabe 1600)\n"
    "Ohne --from und --to: die Beträge 0 bis 1000 in zehn Streifen untereinander.\n";

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

QString quoted(const QString& s) {
    return QStringLiteral("„") + s + QStringLiteral("“");
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
    chart_->setPrimitives(std::move(withoutLabels));

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
    const int chartWidth = options_.width - labelWidth_;
    for (const auto& [from, to] : options_.strips) {
        pixelsPerX = std::max(pixelsPerX, (chartWidth - 1.0) / (to - from));
    }
    const double pixelsPerY = std::max(kMinPixelsPerY, kYPerX * pixelsPerX);
    stripHeight_ = static_cast<int>(std::lround((kBottom - kTop) * pixelsPerY));
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
    return {labelWidth_ + (chartPoint.x() - from) * (chartWidth - 1) / (to - from), y};
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
        const auto [from, to] = options_.strips.at(piece / 2);
        // One pixel beyond `to`, so that the strip's closing tick line shows at its right edge.
        const double right = to + static_cast<double>(to - from) / (rect.width() - 1);
        box.setScaleCorners(from, kTop, right, kBottom);
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

// --- Writing ---

namespace {

QString cannotWrite(const QString& path, const QString& reason) {
    const QString dir = QFileInfo(path).absolutePath();
    if (!QFileInfo(dir).isDir()) {
        return QStringLiteral("Das Verzeichnis %1 gibt es nicht.").arg(quoted(dir));
    }
    return QStringLiteral("Die Datei %1 kann nicht geschrieben werden (%2).")
        .arg(quoted(path), reason);
}

const QString kTitle = QStringLiteral("Frankierungsproblem mit 3 Marken: N = xA + yB + zC");

bool paintPdf(ChartSheet& sheet, QIODevice& device) {
    QPdfWriter pdf(&device);
    pdf.setTitle(kTitle);
    pdf.setCreator(QStringLiteral("frankierung-chart"));
    // Fonts are sized for the chart box's resolution; the page must measure in the same.
    pdf.setResolution(sheet.dpi());
    const QSize size = sheet.size();
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    size.width() > size.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return false;
    }
    const double scale = std::min(static_cast<double>(pdf.width()) / size.width(),
                                  static_cast<double>(pdf.height()) / size.height());
    painter.scale(scale, scale);
    sheet.paint(painter);
    return painter.end();
}

QByteArray pieceSvg(ChartSheet& sheet, std::size_t piece) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    const QSize size = sheet.pieceRect(piece).size();
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(sheet.dpi());
    QPainter painter;
    if (!painter.begin(&svg)) {
        return {};
    }
    sheet.paintPiece(painter, piece);
    painter.end();
    return buffer.data();
}

// The SVG generator cannot clip, and every piece holds the whole chart. Each piece becomes a
// nested <svg> element, whose viewport clips it.
bool writeSvg(ChartSheet& sheet, QIODevice& device) {
    const QString ns = QStringLiteral("http://www.w3.org/2000/svg");
    const auto number = [](int v) { return QString::number(v); };
    QXmlStreamWriter out(&device);
    out.writeStartDocument();
    out.writeDefaultNamespace(ns);
    out.writeNamespace(QStringLiteral("http://www.w3.org/1999/xlink"), QStringLiteral("xlink"));
    out.writeStartElement(ns, QStringLiteral("svg"));
    out.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    const QSize size = sheet.size();
    out.writeAttribute(QStringLiteral("width"), number(size.width()));
    out.writeAttribute(QStringLiteral("height"), number(size.height()));
    out.writeAttribute(QStringLiteral("viewBox"),
                       QStringLiteral("0 0 %1 %2").arg(size.width()).arg(size.height()));
    out.writeTextElement(ns, QStringLiteral("title"), kTitle);
    for (std::size_t piece = 0; piece < sheet.pieceCount(); ++piece) {
        const QRect rect = sheet.pieceRect(piece);
        const QByteArray svg = pieceSvg(sheet, piece);
        QXmlStreamReader in(svg);
        int depth = 0;
        while (!in.atEnd()) {
            in.readNext();
            if (in.isStartDocument() || in.isEndDocument() || in.isDTD()) {
                continue;
            }
            if (in.isStartElement() && depth++ == 0) {
                out.writeStartElement(ns, QStringLiteral("svg"));
                out.writeAttribute(QStringLiteral("x"), number(rect.x()));
                out.writeAttribute(QStringLiteral("y"), number(rect.y()));
                out.writeAttribute(QStringLiteral("width"), number(rect.width()));
                out.writeAttribute(QStringLiteral("height"), number(rect.height()));
                out.writeAttribute(
                    QStringLiteral("viewBox"),
                    QStringLiteral("0 0 %1 %2").arg(rect.width()).arg(rect.height()));
                continue;
            }
            if (in.isEndElement() && --depth == 0) {
                out.writeEndElement();
                continue;
            }
            out.writeCurrentToken(in);
        }
        if (in.hasError() || depth != 0) {
            return false;
        }
    }
    out.writeEndElement();
    out.writeEndDocument();
    return !out.hasError();
}

}  // namespace

std::optional<QString> writeSheet(ChartSheet& sheet, const QString& path, SheetFormat format) {
    // Written beside the target and renamed on success: a failed run leaves no partial file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return cannotWrite(path, file.errorString());
    }
    bool painted = false;
    switch (format) {
        case SheetFormat::Png:
            painted = sheet.image().save(&file, "PNG");
            break;
        case SheetFormat::Svg:
            painted = writeSvg(sheet, file);
            break;
        case SheetFormat::Pdf:
            painted = paintPdf(sheet, file);
            break;
    }
    if (!painted) {
        file.cancelWriting();
        file.commit();
        return QStringLiteral("Die Datei %1 konnte nicht erzeugt werden.").arg(quoted(path));
    }
    if (!file.commit()) {
        return cannotWrite(path, file.errorString());
    }
    return std::nullopt;
}

// --- Command line ---

namespace {

struct Arguments {
    std::array<std::string, 3> stamps;
    std::optional<int> from;
    std::optional<int> to;
    int width = kDefaultSheetWidth;
    QString output;
};

ExportOutcome usageError(const std::string& message) {
    return {1, {}, message + "\n" + kUsage};
}

std::optional<int> wholeNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

// Either the arguments or the outcome that refuses them.
std::variant<Arguments, ExportOutcome> parse(std::span<const std::string> args) {
    Arguments a;
    std::vector<std::string> values;
    bool optionsEnded = false;
    struct Bounded {
        const char* name;
        int min;
        int max;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            values.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            return ExportOutcome{0, kUsage, {}};
        }
        const bool known = arg == "-o" || arg == "--from" || arg == "--to" || arg == "--width";
        if (!known) {
            return usageError("Unbekannte Option: " + arg);
        }
        if (i + 1 == args.size()) {
            return usageError("Der Option " + arg + " fehlt ihr Wert.");
        }
        const std::string& value = args[++i];
        if (arg == "-o") {
            a.output = QString::fromStdString(value);
            continue;
        }
        const Bounded b = arg == "--from" ? Bounded{"--from", 0, kSurveyEnd - 1}
                          : arg == "--to" ? Bounded{"--to", 1, kSurveyEnd}
                                          : Bounded{"--width", kMinSheetWidth, kMaxSheetWidth};
        const auto n = wholeNumber(value);
        if (!n) {
            return usageError(std::string(b.name) + " erwartet eine ganze Zahl, nicht „" + value +
                              "“.");
        }
        if (*n < b.min || *n > b.max) {
            return usageError(std::string(b.name) + " muss zwischen " + std::to_string(b.min) +
                              " und " + std::to_string(b.max) + " liegen, nicht " +
                              std::to_string(*n) + ".");
        }
        if (arg == "--from") {
            a.from = *n;
        } else if (arg == "--to") {
            a.to = *n;
        } else {
            a.width = *n;
        }
    }
    if (a.output.isEmpty()) {
        return usageError("Keine Ausgabedatei angegeben (-o DATEI).");
    }
    if (values.size() != 3) {
        return usageError("Genau drei Markenwerte erwartet, " + std::to_string(values.size()) +
                          " angegeben.");
    }
    if (a.from.value_or(0) >= a.to.value_or(kSurveyEnd)) {
        return usageError("--from muss kleiner als --to sein.");
    }
    if (!sheetFormatFor(a.output)) {
        return usageError("Unbekanntes Dateiformat: " + a.output.toStdString() +
                          " (erlaubt sind .png, .svg und .pdf).");
    }
    std::copy(values.begin(), values.end(), a.stamps.begin());
    return a;
}

}  // namespace

ExportOutcome runChartExport(std::span<const std::string> args) {
    auto parsed = parse(args);
    if (auto* outcome = std::get_if<ExportOutcome>(&parsed)) {
        return *outcome;
    }
    const Arguments& a = std::get<Arguments>(parsed);
    SheetOptions options;
    options.stamps = a.stamps;
    options.width = a.width;
    if (a.from || a.to) {
        options.strips = {{a.from.value_or(0), a.to.value_or(kSurveyEnd)}};
    } else {
        options.strips = defaultStrips();
    }
    ChartSheet sheet(std::move(options));
    if (!sheet.refusal().empty()) {
        return {2, {}, sheet.refusal() + "\n"};
    }
    const QSize size = sheet.size();
    if (size.height() > kMaxHeight ||
        static_cast<double>(size.width()) * size.height() > kMaxPixels) {
        return usageError("Das Bild würde " + std::to_string(size.width()) + " × " +
                          std::to_string(size.height()) +
                          " Pixel groß; bitte --width verkleinern oder den Bereich vergrößern.");
    }
    const auto format = sheetFormatFor(a.output);
    if (const auto error = writeSheet(sheet, a.output, *format)) {
        return {1, {}, error->toStdString() + "\n"};
    }
    return {};
}

}  // namespace frankierung
