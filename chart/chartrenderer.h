// Draws the seven-row chart of a survey run, step by step as the run produces its rows.
#pragma once

#include <QFont>
#include <optional>

#include "canvas.h"
#include "survey.h"

class QPaintDevice;

namespace frankierung {

// The chart's design font, and the size every run prints in.
[[nodiscard]] QFont chartFont();
inline constexpr double kRunPoints = 10;
// How far the axis's last number reaches right of its tick, in pixels of that device.
[[nodiscard]] double lastNumberReach(const QPaintDevice* device);

class ChartRenderer final : public SurveySink {
public:
    // A row label wider than labelRoom (pixels, the column left of the amount 0) takes smaller
    // type; without a room every label prints at kRunPoints.
    explicit ChartRenderer(Canvas& chart, std::optional<double> labelRoom = std::nullopt)
        : chart_(chart), labelRoom_(labelRoom) {}

    // Clears the chart and draws the white strips, the tick lines and the amounts. Every step
    // sets the pen, fill and font it draws with.
    void runStarted() override;
    void singleRow(Row row, Amount value, std::span<const Amount> marks) override;
    void pairRow(Row row, Amount p, Amount q, const std::string& boundText,
                 std::span<const Amount> marks) override;
    void tripleStarting() override;
    void tripleRow(std::span<const Amount> reachable) override;

private:
    // Bold, in the colour given, fitted to the room; afterwards the canvas draws the row's marks.
    void printLabel(Row row, const QColor& color, std::initializer_list<PrintItem> items);

    Canvas& chart_;
    std::optional<double> labelRoom_;
};

}  // namespace frankierung
