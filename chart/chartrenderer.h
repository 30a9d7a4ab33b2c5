// Draws the seven-row chart of a survey run into a picture box, step by step as the run
// produces its rows.
#pragma once

#include "survey.h"

namespace frankierung {

class PictureBox;

class ChartRenderer final : public SurveySink {
public:
    explicit ChartRenderer(PictureBox& chart) : chart_(chart) {}

    // Clears the chart and draws the white strips, the tick lines and the amounts.
    void runStarted() override;
    void singleRow(Row row, Amount value, std::span<const Amount> marks) override;
    void pairRowsStarting() override;
    void pairRow(Row row, Amount p, Amount q, const std::string& boundText,
                 std::span<const Amount> marks) override;
    void tripleStarting() override;
    void tripleRow(std::span<const Amount> reachable) override;

private:
    PictureBox& chart_;
};

}  // namespace frankierung
