// The chart of a survey run as a printable worksheet: PNG, SVG or PDF.
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "picturebox.h"
#include "survey.h"

class QPainter;
class QImage;

namespace frankierung {

inline constexpr int kDefaultSheetWidth = 1600;
inline constexpr int kMinSheetWidth = 200;
inline constexpr int kMaxSheetWidth = 20000;
inline constexpr int kDefaultStripAmounts = 100;

enum class SheetFormat { Png, Svg, Pdf };

// By the file name's extension, in any letter case.
[[nodiscard]] std::optional<SheetFormat> sheetFormatFor(const QString& path);

struct SheetOptions {
    std::array<std::string, 3> stamps;  // texts as typed into the stamp boxes
    // The amounts from..to of each strip, stacked top to bottom.
    std::vector<std::pair<int, int>> strips;
    int width = kDefaultSheetWidth;  // pixels, label column included
};

// The whole range 0..1000 in strips of kDefaultStripAmounts.
[[nodiscard]] std::vector<std::pair<int, int>> defaultStrips();

// One survey run drawn into an offscreen chart box, laid out as strips. Every strip shows the
// row labels in a column at its left and its own part of the chart right of them.
class ChartSheet {
public:
    explicit ChartSheet(SheetOptions options);
    ~ChartSheet();
    ChartSheet(const ChartSheet&) = delete;
    ChartSheet& operator=(const ChartSheet&) = delete;

    // The core's German message when it refused the stamp values; then nothing was drawn.
    [[nodiscard]] const std::string& refusal() const { return refusal_; }

    [[nodiscard]] QSize size() const;
    [[nodiscard]] int labelWidth() const { return labelWidth_; }
    [[nodiscard]] int stripHeight() const { return stripHeight_; }
    // Where a point of the chart's coordinates (x the amount, y 0..20) lands on the sheet.
    [[nodiscard]] QPointF toSheet(std::size_t strip, QPointF chartPoint) const;

    // The pieces of the sheet: for every strip its label column, then its part of the chart.
    [[nodiscard]] std::size_t pieceCount() const { return 2 * options_.strips.size(); }
    [[nodiscard]] QRect pieceRect(std::size_t piece) const;
    // What every strip shows of the run: no row labels, and only the axis numbers that fit.
    [[nodiscard]] const std::vector<Primitive>& stripDrawing() const {
        return chart_->primitives();
    }
    // One piece with its top-left corner at the painter's origin, clipped to it where the
    // paint device can clip.
    void paintPiece(QPainter& painter, std::size_t piece);
    // The whole sheet with its top-left corner at the painter's origin, in pixels.
    void paint(QPainter& painter);
    [[nodiscard]] QImage image();
    // The resolution the chart's fonts were measured in; paint devices must use the same.
    [[nodiscard]] int dpi() const;

private:
    SheetOptions options_;
    std::unique_ptr<PictureBox> box_;    // the whole run; shows the label columns
    std::unique_ptr<PictureBox> chart_;  // the run without its labels; shows the strips
    std::string refusal_;
    int labelWidth_ = 0;
    int stripHeight_ = 0;
};

// The whole file in the given format; empty when the format's writer failed.
[[nodiscard]] QByteArray encodeSheet(ChartSheet& sheet, SheetFormat format);

// Writes the sheet to path (its bytes as given, whatever their encoding) in the given format,
// all or nothing. On failure the German message.
[[nodiscard]] std::optional<QString> writeSheet(ChartSheet& sheet, const QByteArray& path,
                                                SheetFormat format);

struct ExportOutcome {
    int exitCode = 0;
    std::string out;
    std::string err;
};

// The command line without the program name. Needs a QApplication. Exit codes: 0 written,
// 1 bad arguments or not writable, 2 stamp values refused.
[[nodiscard]] ExportOutcome runChartExport(std::span<const std::string> args);

}  // namespace frankierung
