// Draws the seven-row chart of a survey run, step by step as the run produces its rows.
#pragma once

#include <QFont>

#include "survey.h"

namespace frankierung {

class Canvas;

// The chart's design font; start-up sets its size to 10 points, in which every run prints.
[[nodiscard]] QFont chartFont();

class ChartRenderer final : public SurveySink {
public:
    explicit ChartRenderer(Canvas& chart) : chart_(chart) {}

    // Clears the chart and draws the white strips, the tick lines and the amounts.
    void runStarted() override;
    void singleRow(Row row, Amount value, std::span<const Amount> marks) override;
    void pairRowsStarting() override;
    void pairRow(Row row, Amount p, Amount q, const std::string& boundText,
                 std::span<const Amount> marks) override;
    void tripleStarting() override;
    void tripleRow(std::span<const Amount> reachable) override;

private:
    Canvas& chart_;
};

}  // namespace frankierung
