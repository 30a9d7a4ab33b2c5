// The pages of a worksheet: blocks as wide as the page's text, one below the other, a block that
// does not fit the rest of a page at the top of the next; and the blocks that hold text.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace frankierung {

struct SheetBlock {
    double height = 0;
    // Into its place on the page, in the page's pixels.
    std::function<void(QPainter&, const QRectF&)> paint;
    double spaceAfter = 0;
};

struct PlacedBlock {
    QRectF rect;
    std::function<void(QPainter&, const QRectF&)> paint;
};

class SheetPages {
public:
    // A4 portrait in pixels of kSheetDpi, and its text area within the margins.
    [[nodiscard]] static QSizeF pageSize();
    [[nodiscard]] static QRectF textArea();

    // The running head opens every page after the first.
    explicit SheetPages(SheetBlock runningHead) : head_(std::move(runningHead)) {}
    // Where it went: the page and its place.
    std::pair<std::size_t, QRectF> add(SheetBlock block);
    // Nothing there yet: the next block may take the rest of the page.
    [[nodiscard]] double roomLeft() const;
    [[nodiscard]] const std::vector<std::vector<PlacedBlock>>& pages() const { return pages_; }

private:
    void newPage();
    SheetBlock head_;
    std::vector<std::vector<PlacedBlock>> pages_;
    double top_ = 0;  // where the next block goes
};

// Text in the sheet's type, wrapped to the width, as high as it needs on any device.
[[nodiscard]] SheetBlock textBlock(const QString& text, const QFont& font, double width,
                                   const QColor& color = Qt::black);
// "Name: ____ Klasse: ____ Datum: ____", the lines drawn.
[[nodiscard]] SheetBlock nameLineBlock(double width);
// A caption followed by ruled lines to write an answer on.
[[nodiscard]] SheetBlock answerBlock(const QString& caption, double width, int lines);

// The sheet's type: the chart's face, in points.
[[nodiscard]] QFont sheetFont(double points, bool bold = false);

}  // namespace frankierung
