// A worksheet for a class: options in, A4 pages out, one routine that paints a page onto any
// painter (the window's preview, PNG, SVG, PDF, a printer). Every page is A4 portrait with its
// margins; the first opens with the title, the line for name, class and date, and the task.
#pragma once

#include <QPainter>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "chartsheet.h"
#include "picturewriter.h"
#include "remainders.h"
#include "sheetlayout.h"
#include "sheetrun.h"
#include "sheettexts.h"

namespace frankierung {

struct WorksheetOptions {
    std::array<std::string, 3> stamps;  // texts as typed into the stamp boxes
    SheetKind kind = SheetKind::Diagram;
    // One strip of the amounts from..to; without, defaultStrips().
    std::optional<std::pair<int, int>> range;
    bool nameLine = true;
    // White around the rows, which saves a school printer's ink; else the window's grey.
    bool whiteGround = true;
};

// The strips of 100 amounts from 0 up to the first that shows the run of the smallest value's
// payable amounts after the largest gap; all up to 1000 when the values share a divisor, and at
// most up to 1000.
[[nodiscard]] std::vector<std::pair<int, int>> defaultStrips(const RemainderClasses& classes);

class Worksheet final : public Picture {
public:
    // Runs the survey for the stamp texts and lays the sheet out.
    explicit Worksheet(WorksheetOptions options);

    // What the run refused of the stamp values; then the sheet has no page.
    [[nodiscard]] const std::optional<StampRefusal>& refusal() const { return run_.refusal; }
    [[nodiscard]] const WorksheetOptions& options() const { return options_; }
    [[nodiscard]] std::size_t pageCount() const { return pages_.size(); }
    // The amounts of the strips the chart kinds show.
    [[nodiscard]] const std::vector<std::pair<int, int>>& strips() const { return strips_; }

    // A page in pixels of kSheetDpi (SheetPages::pageSize()), its top-left corner at the
    // painter's origin; the painter's device must measure in kSheetDpi.
    void paintPage(std::size_t page, QPainter& painter) const;
    // For the chart kinds: the page a strip stands on, and where a point of the chart lands.
    [[nodiscard]] std::pair<std::size_t, QPointF> locate(std::size_t strip,
                                                         QPointF chartPoint) const;
    // The strips as laid out; nothing for the Why kinds.
    [[nodiscard]] const std::optional<ChartSheet>& chart() const { return chart_; }

    // As a picture: the pages one below the other, each of them a page of its own in a PDF or
    // on a printer.
    [[nodiscard]] QSize size() const override;
    [[nodiscard]] int dpi() const override { return kSheetDpi; }
    void paint(QPainter& painter, const QRect& area, bool deviceClips) const override;
    [[nodiscard]] std::vector<QRect> pages() const override;

private:
    void layOutHeader(SheetPages& pages, const RemainderClasses& classes, bool columns) const;
    void layOutChart(SheetPages& pages, const RemainderClasses& classes);
    void layOutWhy(SheetPages& pages, const RemainderClasses& classes) const;

    WorksheetOptions options_;
    SheetRun run_;
    std::vector<std::pair<int, int>> strips_;
    std::optional<ChartSheet> chart_;
    std::vector<std::pair<std::size_t, QPointF>> stripPlaces_;  // page, top-left corner
    std::vector<std::vector<PlacedBlock>> pages_;
};

}  // namespace frankierung
