// The legend under the teacher's remainder picture: what the filled cells, the staircase and the
// red cell mean, in as many lines as the width asks for.
#pragma once

#include <QCoreApplication>
#include <QRectF>
#include <QStringList>
#include <optional>
#include <vector>

#include "remainders.h"

class QPainter;

namespace frankierung {

class RemainderLegend {
    Q_DECLARE_TR_FUNCTIONS(RemainderLegend)

public:
    // Sizes are in rows of the picture's cells: a line of the legend is this high.
    static constexpr double kLine = 0.8;

    // The painter's device measures the texts.
    RemainderLegend(std::optional<std::int64_t> largestGap, QPainter& p);

    // How many lines the legend takes in that width, in rows of cells.
    [[nodiscard]] std::size_t lines(double width) const { return rows(fitted(width)).size(); }
    // From the top-left corner of area, whose width it fills; a row of cells is rowUnit high.
    void paint(QPainter& p, const QRectF& area, double rowUnit) const;

private:
    // How many entries go on each line.
    [[nodiscard]] std::vector<std::size_t> rows(double width) const;
    // The width in units of a legend whose widest entry is shrunk to fit it, if need be.
    [[nodiscard]] double fitted(double width) const;

    QStringList texts_;
    std::vector<double> widths_;  // of each entry with its swatch and the room after it
};

}  // namespace frankierung
