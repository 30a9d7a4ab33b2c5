// The remainder classes as a picture a class reads from the back row, and as a worksheet: the
// amounts in one column per remainder, so that the smallest payable amounts of the columns form
// a staircase. Painted into any rectangle of any paint device, screen, PNG, SVG, PDF or printer.
#pragma once

#include <QCoreApplication>
#include <QRectF>
#include <optional>

#include "remainders.h"
#include "userscale.h"

class QPainter;

namespace frankierung {

class RemainderPicture {
    Q_DECLARE_TR_FUNCTIONS(RemainderPicture)

public:
    // Teacher: the payable amounts filled as the chart's row "alle", the staircase of the
    // smallest payable amounts, their stamps under the columns, the largest gap and a legend.
    // Pupil: the columns and their amounts only, with room under each column for the stamps.
    enum class Variant { Teacher, Pupil };

    // Up to this many columns; beyond, a table of the classes (RemainderTable). At 30 columns in
    // a window 1024 pixels wide the amounts are still read from a few metres; at 40 they are not.
    static constexpr std::size_t kMostColumns = 30;
    // Up to this many rows of cells, each with its amount; beyond, each column is one bar.
    static constexpr std::int64_t kMostCellRows = 24;

    RemainderPicture(RemainderClasses classes, Variant variant);

    [[nodiscard]] bool showsColumns() const;
    [[nodiscard]] const RemainderClasses& classes() const { return classes_; }
    [[nodiscard]] Variant variant() const { return variant_; }
    // How many rows of amounts the columns show: up to the highest step and one row more.
    [[nodiscard]] std::int64_t rows() const;
    [[nodiscard]] bool showsCells() const { return rows() <= kMostCellRows; }
    // Width over height with square cells and one line of legend: the room that shows the
    // picture well.
    [[nodiscard]] double aspect() const;

    // The whole picture inside area, in the painter's coordinates; the columns keep a readable
    // shape and stand centred in it. Nothing is painted outside area.
    void paint(QPainter& painter, const QRectF& area) const;
    // Where paint() puts the cell of that amount: none for amounts it shows no cell for (not a
    // multiple of the divisor, below the picture, or no cells at all).
    [[nodiscard]] std::optional<QRectF> cellOf(QPainter& painter, const QRectF& area,
                                               std::int64_t amount) const;

private:
    // Model units: one column is 1 wide, one row of cells 1 high.
    struct Frame {
        QRectF area;
        UserScale scale;
        double gridTop = 0;
        double gridHeight = 0;
        double footerTop = 0;
        double legendTop = 0;
        std::size_t legendLines = 0;
    };
    // The model laid into the area, measured with the painter's device.
    [[nodiscard]] Frame frame(QPainter& p, const QRectF& area) const;
    // The top of the amount in its column, in model units.
    [[nodiscard]] double yOf(const Frame& f, std::int64_t amount) const;

    void paintHeader(QPainter& p, const Frame& f) const;
    void paintCells(QPainter& p, const Frame& f) const;
    void paintBars(QPainter& p, const Frame& f) const;
    void paintStaircase(QPainter& p, const Frame& f) const;
    void paintLargestGap(QPainter& p, const Frame& f) const;
    void paintFooter(QPainter& p, const Frame& f) const;
    void paintLegend(QPainter& p, const Frame& f) const;

    RemainderClasses classes_;
    Variant variant_;
};

}  // namespace frankierung
