// Draws the seven-row chart of a survey run, step by step as the run produces its rows.
#pragma once

#include <QFont>

class QPaintDevice;

#include "survey.h"

namespace frankierung {

class Canvas;

// The chart's design font, and the size every run prints in.
[[nodiscard]] QFont chartFont();
inline constexpr double kRunPoints = 10;
// How far the axis's last number reaches right of its tick, in pixels of that device.
[[nodiscard]] double lastNumberReach(const QPaintDevice* device);

class ChartRenderer final : public SurveySink {
public:
    explicit ChartRenderer(Canvas& chart) : chart_(chart) {}

    // Clears the chart and draws the white strips, the tick lines and the amounts. Every step
    // sets the pen, fill and font it draws with.
    void runStarted() override;
    void singleRow(Row row, Amount value, std::span<const Amount> marks) override;
    void pairRow(Row row, Amount p, Amount q, const std::string& boundText,
                 std::span<const Amount> marks) override;
    void tripleStarting() override;
    void tripleRow(std::span<const Amount> reachable) override;

private:
    Canvas& chart_;
};

}  // namespace frankierung
