#include "remainderpicture.h"

#include <QPainter>
#include <algorithm>

#include "palette.h"
#include "picturetext.h"
#include "remainderlegend.h"
#include "remaindertable.h"
#include "whysentences.h"

namespace frankierung {

namespace {

constexpr QColor kCellLine{150, 150, 150};
constexpr double kBarRows = 8;       // the height of the bars, in rows of cells
constexpr double kFooterRows = 2;    // room for the stamps under the columns
constexpr double kCellInset = 0.04;  // the ground between cells, in cells

QString number(std::int64_t n) {
    return QString::number(n);
}

}  // namespace

RemainderPicture::RemainderPicture(RemainderClasses classes, Variant variant)
    : classes_(std::move(classes)), variant_(variant) {}

bool RemainderPicture::showsColumns() const {
    return classes_.classes().size() <= kMostColumns;
}

std::int64_t RemainderPicture::rows() const {
    return classes_.highest().smallest / classes_.smallestValue() + 2;
}

double RemainderPicture::aspect() const {
    const double grid = showsCells() ? static_cast<double>(rows()) : kBarRows;
    const double legend = variant_ == Variant::Teacher ? RemainderLegend::kLine : 0;
    return static_cast<double>(classes_.classes().size()) / (1 + grid + kFooterRows + legend);
}

RemainderPicture::Frame RemainderPicture::frame(QPainter& p, const QRectF& area) const {
    Frame f;
    f.area = area;
    f.gridTop = 1;
    f.gridHeight = showsCells() ? static_cast<double>(rows()) : kBarRows;
    f.footerTop = f.gridTop + f.gridHeight;
    f.legendTop = f.footerTop + kFooterRows;
    const double width = static_cast<double>(classes_.classes().size());
    const std::optional<RemainderLegend> legend =
        variant_ == Variant::Teacher
            ? std::optional<RemainderLegend>(std::in_place, classes_.largestGap(), p)
            : std::nullopt;
    double unitX = 0;
    double unitY = 0;
    // As many lines of legend as its entries need at the size the rows leave them, and the rows
    // a little lower for each line more.
    for (std::size_t lines = legend ? 1 : 0;; ++lines) {
        f.legendLines = lines;
        const double height = f.legendTop + RemainderLegend::kLine * static_cast<double>(lines);
        // Cells no taller than wide and at most four times as wide as tall.
        unitX = area.width() / width;
        unitY = std::min(area.height() / height, unitX);
        unitX = std::min(unitX, 4 * unitY);
        if (!legend || legend->lines(area.width() / unitY) <= lines) {
            break;
        }
    }
    const double height = f.legendTop + RemainderLegend::kLine * static_cast<double>(f.legendLines);
    // Centred across the area, from its top.
    const QRectF pixels(area.center().x() - unitX * width / 2, area.top(), unitX * width,
                        unitY * height);
    f.scale = UserScale(QRectF(0, 0, width, height), pixels);
    return f;
}

double RemainderPicture::yOf(const Frame& f, std::int64_t amount) const {
    const std::int64_t step = classes_.smallestValue();
    if (showsCells()) {
        const std::int64_t row = amount / step;
        return f.gridTop + static_cast<double>(row);
    }
    // Room under the highest step, so that its bar shows.
    const std::int64_t highest = classes_.highest().smallest;
    const auto range = static_cast<double>(highest + std::max(step, highest / 6));
    return f.gridTop + static_cast<double>(amount) / range * f.gridHeight;
}

void RemainderPicture::paint(QPainter& painter, const QRectF& area) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (!showsColumns()) {
        RemainderTable(classes_, variant_ == Variant::Teacher).paint(painter, area);
        painter.restore();
        return;
    }
    const Frame f = frame(painter, area);
    paintHeader(painter, f);
    if (showsCells()) {
        paintCells(painter, f);
    } else {
        paintBars(painter, f);
    }
    if (variant_ == Variant::Teacher) {
        paintStaircase(painter, f);
        paintLargestGap(painter, f);
        paintLegend(painter, f);
    }
    paintFooter(painter, f);
    painter.restore();
}

std::optional<QRectF> RemainderPicture::cellOf(QPainter& painter, const QRectF& area,
                                               std::int64_t amount) const {
    const std::int64_t step = classes_.smallestValue();
    if (!showsColumns() || !showsCells() || amount < 0 || amount % classes_.ggT() != 0 ||
        amount / step >= rows()) {
        return std::nullopt;
    }
    const Frame f = frame(painter, area);
    const std::int64_t column = amount % step / classes_.ggT();
    return f.scale.toPixels(QRectF(static_cast<double>(column), yOf(f, amount), 1, 1));
}

void RemainderPicture::paintHeader(QPainter& p, const Frame& f) const {
    const auto& all = classes_.classes();
    const QSizeF cell = f.scale.toPixels(QRectF(0, 0, 1, 1)).size();
    const QString widest = tr("Rest %1").arg(all.back().remainder);
    // "Rest 5" where it fits well, else the remainder alone.
    double height = fittingHeight(p, {widest}, 0.8 * cell.width(), 0.45 * cell.height());
    const bool named = height >= 0.3 * cell.height();
    if (!named) {
        height = fittingHeight(p, {number(all.back().remainder)}, 0.9 * cell.width(),
                               0.45 * cell.height());
    }
    for (std::size_t c = 0; c < all.size(); ++c) {
        const QString r = number(all[c].remainder);
        drawPictureText(p, f.scale.toPixels(QRectF(static_cast<double>(c), 0, 1, 1)),
                        named ? tr("Rest %1").arg(r) : r, palette::black,
                        pictureFont(height, true));
    }
}

void RemainderPicture::paintCells(QPainter& p, const Frame& f) const {
    const bool teacher = variant_ == Variant::Teacher;
    const auto& all = classes_.classes();
    const std::int64_t step = classes_.smallestValue();
    const QSizeF cell = f.scale.toPixels(QRectF(0, 0, 1, 1)).size();
    const double height =
        fittingHeight(p, {number(rows() * step)}, 0.7 * cell.width(), 0.42 * cell.height());
    const QFont plain = pictureFont(height);
    const QFont bold = pictureFont(height, true);
    for (std::int64_t k = 0; k < rows(); ++k) {
        for (std::size_t c = 0; c < all.size(); ++c) {
            const std::int64_t amount = k * step + all[c].remainder;
            const QRectF box =
                f.scale
                    .toPixels(
                        QRectF(static_cast<double>(c), f.gridTop + static_cast<double>(k), 1, 1))
                    .adjusted(kCellInset * cell.width(), kCellInset * cell.height(),
                              -kCellInset * cell.width(), -kCellInset * cell.height());
            const bool payable = teacher && amount >= all[c].smallest;
            // Edges along whole pixels need no antialiasing, which costs most of a cell.
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(QPen(payable ? palette::blue : kCellLine, 1));
            p.setBrush(payable ? palette::blue : palette::white);
            p.drawRect(box);
            p.setRenderHint(QPainter::Antialiasing, true);
            if (payable) {
                // The ring of the chart's row "alle".
                const double r = 0.36 * std::min(box.width(), box.height());
                p.setPen(QPen(palette::yellow, std::max(1.5, 0.16 * r)));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(box.center(), r, r);
            }
            const bool step0 = teacher && amount == all[c].smallest;
            drawPictureText(p, box, number(amount), payable ? palette::white : palette::black,
                            step0 ? bold : plain);
        }
    }
}

void RemainderPicture::paintBars(QPainter& p, const Frame& f) const {
    const bool teacher = variant_ == Variant::Teacher;
    const auto& all = classes_.classes();
    const QSizeF cell = f.scale.toPixels(QRectF(0, 0, 1, 1)).size();
    const double height = fittingHeight(p, {number(classes_.highest().smallest)},
                                        0.8 * cell.width(), 0.42 * cell.height());
    const double bottom = f.gridTop + f.gridHeight;
    for (std::size_t c = 0; c < all.size(); ++c) {
        const auto x = static_cast<double>(c);
        const double top = yOf(f, all[c].smallest);
        const QRectF column =
            f.scale.toPixels(QRectF(x, f.gridTop, 1, f.gridHeight))
                .adjusted(kCellInset * cell.width(), 0, -kCellInset * cell.width(), 0);
        p.setPen(QPen(kCellLine, 1));
        p.setBrush(palette::white);
        p.drawRect(column);
        if (!teacher) {
            continue;
        }
        QRectF bar = f.scale.toPixels(QRectF(x, top, 1, bottom - top));
        bar.setLeft(column.left());
        bar.setRight(column.right());
        p.fillRect(bar, palette::blue);
        // The step's amount inside the bar where there is room, else above it.
        const double fontHeight = height;
        QRectF label(bar.left(), bar.top(), bar.width(), 1.4 * fontHeight);
        const bool inside = bar.height() >= label.height();
        if (!inside) {
            label.moveBottom(bar.top());
        }
        drawPictureText(p, label, number(all[c].smallest), inside ? palette::white : palette::black,
                        pictureFont(fontHeight, true));
    }
}

void RemainderPicture::paintStaircase(QPainter& p, const Frame& f) const {
    const auto& all = classes_.classes();
    const QSizeF cell = f.scale.toPixels(QRectF(0, 0, 1, 1)).size();
    // One line along the tops of the steps, down or up between the columns.
    QPolygonF steps;
    for (std::size_t c = 0; c < all.size(); ++c) {
        const auto x = static_cast<double>(c);
        const double y = yOf(f, all[c].smallest);
        steps << f.scale.toPixels(QPointF(x, y)) << f.scale.toPixels(QPointF(x + 1, y));
    }
    const double pen = std::max(2.0, 0.08 * std::min(cell.width(), cell.height()));
    // Inside the picture at both ends.
    steps.first().rx() += pen / 2;
    steps.last().rx() -= pen / 2;
    p.setPen(QPen(palette::black, pen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(steps);
}

void RemainderPicture::paintLargestGap(QPainter& p, const Frame& f) const {
    const auto gap = classes_.largestGap();
    if (!gap) {
        return;
    }
    const std::int64_t step = classes_.smallestValue();
    const std::int64_t index = *gap % step / classes_.ggT();
    const auto column = static_cast<double>(index);
    const QSizeF cell = f.scale.toPixels(QRectF(0, 0, 1, 1)).size();
    const double top = yOf(f, *gap);
    const double bottom = yOf(f, *gap + step);
    // A cell of its own; over a bar at least as high as a cell, above the highest step.
    QRectF box = f.scale.toPixels(QRectF(column, top, 1, bottom - top))
                     .adjusted(kCellInset * cell.width(), kCellInset * cell.height(),
                               -kCellInset * cell.width(), 0);
    box.setTop(std::min(box.top(), box.bottom() - (1 - kCellInset) * cell.height()));
    const double pen = std::max(2.0, 0.08 * std::min(cell.width(), cell.height()));
    p.setPen(QPen(palette::gapRed, pen));
    p.setBrush(palette::white);
    p.drawRect(box.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
    const double height =
        fittingHeight(p, {number(*gap)}, 0.7 * cell.width(), 0.42 * cell.height());
    drawPictureText(p, box, number(*gap), palette::gapRed, pictureFont(height, true));
}

void RemainderPicture::paintFooter(QPainter& p, const Frame& f) const {
    const bool teacher = variant_ == Variant::Teacher;
    const auto& all = classes_.classes();
    const QSizeF cell = f.scale.toPixels(QRectF(0, 0, 1, 1)).size();
    // One line per stamp value, so that narrow columns keep a readable size.
    std::vector<QStringList> lines;
    QStringList every;
    for (const RemainderClass& c : all) {
        const QString sum = QString::fromStdString(stampSum(c.counts, classes_.values(), false));
        lines.push_back(sum.split(QStringLiteral(" + ")));
        for (qsizetype k = 1; k < lines.back().size(); ++k) {
            lines.back()[k].prepend(QStringLiteral("+ "));
        }
        every << lines.back();
    }
    const double height = fittingHeight(p, every, 0.9 * cell.width(), 0.42 * cell.height());
    for (std::size_t c = 0; c < all.size(); ++c) {
        const QRectF box =
            f.scale.toPixels(QRectF(static_cast<double>(c), f.footerTop, 1, kFooterRows))
                .adjusted(kCellInset * cell.width(), kCellInset * cell.height(),
                          -kCellInset * cell.width(), -kCellInset * cell.height());
        if (!teacher) {
            // Room to write the stamps in.
            p.setPen(QPen(kCellLine, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(box);
            continue;
        }
        drawPictureText(p, box, lines[c].join(QLatin1Char('\n')), palette::black,
                        pictureFont(height), Qt::AlignHCenter | Qt::AlignTop);
    }
}

void RemainderPicture::paintLegend(QPainter& p, const Frame& f) const {
    // Across the whole area: a picture of few columns is narrow.
    const QPointF top = f.scale.toPixels(QPointF(0, f.legendTop));
    RemainderLegend(classes_.largestGap(), p)
        .paint(p, QRectF(f.area.left(), top.y(), f.area.width(), f.area.bottom() - top.y()),
               f.scale.pixelsPerUnitY());
}

}  // namespace frankierung
