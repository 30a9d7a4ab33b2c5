// The remainder picture as pixels: filled exactly where amounts can be paid, the largest gap in
// red, the pupil's version unfilled, bars for high staircases, a table beyond the column limit,
// and never a pixel outside the rectangle it is given, also in SVG.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "../core/reachable.h"
#include "palette.h"
#include "remainderpicture.h"

namespace frankierung {
namespace {

using Values = std::array<std::int64_t, 3>;
using Variant = RemainderPicture::Variant;

RemainderPicture pictureOf(const Values& v, Variant variant = Variant::Teacher) {
    return {*RemainderClasses::of(v), variant};
}

QImage painted(const RemainderPicture& picture, QSize size, const QRectF& area) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.paint(painter, area);
    return image;
}

int count(const QImage& image, const QRect& where, const QColor& color) {
    int n = 0;
    for (int y = where.top(); y <= where.bottom(); ++y) {
        for (int x = where.left(); x <= where.right(); ++x) {
            n += image.pixelColor(x, y) == color ? 1 : 0;
        }
    }
    return n;
}

// Where the picture puts the cell of that amount when it fills an image of that size.
std::optional<QRectF> cellIn(const RemainderPicture& picture, QSize size, std::int64_t amount) {
    QImage probe(size, QImage::Format_RGB32);
    QPainter measure(&probe);
    return picture.cellOf(measure, QRectF(QPointF(), size), amount);
}

QByteArray svgOf(const RemainderPicture& picture, QSize size) {
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    QPainter painter(&generator);
    picture.paint(painter, QRectF(QPointF(), size));
    painter.end();
    return svg;
}

TEST(RemainderPicture, FilledWhereTheAmountsCanBePaid) {
    const struct {
        const char* name;
        Values values;
    } rows[] = {{"the start values", {6, 10, 15}},
                {"a common divisor", {6, 10, 14}},
                {"a value twice", {7, 7, 12}},
                {"thirty columns", {30, 31, 37}},
                {"every amount", {1, 5, 7}}};
    const QSize size(1000, 700);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const RemainderPicture picture = pictureOf(row.values);
        ASSERT_TRUE(picture.showsColumns() && picture.showsCells());
        const QImage image = painted(picture, size, QRectF(QPointF(), size));
        QImage probe(size, QImage::Format_RGB32);
        QPainter measure(&probe);
        const std::int64_t step = picture.classes().smallestValue();
        const std::int64_t last = picture.rows() * step - 1;
        const std::vector<bool> can = test::reachable(row.values, last);
        const auto gap = picture.classes().largestGap();
        for (std::int64_t n = 0; n <= last + 1; ++n) {
            const auto cell = picture.cellOf(measure, QRectF(QPointF(), size), n);
            ASSERT_EQ(cell.has_value(), n <= last && n % picture.classes().ggT() == 0) << n;
            if (!cell) {
                continue;
            }
            // Inside the cell, clear of its ring, its number, its frame and the staircase.
            const QPointF inside =
                cell->topLeft() + QPointF(0.2 * cell->width(), 0.2 * cell->height());
            const QColor ground = image.pixelColor(inside.toPoint());
            EXPECT_EQ(ground, can[static_cast<std::size_t>(n)] ? palette::blue : palette::white)
                << n;
            EXPECT_EQ(count(image, cell->toRect(), palette::gapRed) > 0, gap == n) << n;
        }
        const QImage pupil =
            painted(pictureOf(row.values, Variant::Pupil), size, QRectF(QPointF(), size));
        EXPECT_EQ(
            count(pupil, pupil.rect(), palette::blue) + count(pupil, pupil.rect(), palette::gapRed),
            0);
    }
}

TEST(RemainderPicture, BarsForAHighStaircase) {
    const RemainderPicture picture = pictureOf({6, 200, 301});
    ASSERT_TRUE(picture.showsColumns());
    ASSERT_FALSE(picture.showsCells());
    const QSize size(600, 500);
    const QImage image = painted(picture, size, QRectF(QPointF(), size));
    EXPECT_FALSE(cellIn(picture, size, 0));
    // Column 0 is filled from its top, column 5 (smallest amount 701) only near its foot.
    const int columnWidth = size.width() / 6;
    const auto blueIn = [&](int column, int from, int to) {
        return count(
            image, QRect(column * columnWidth + columnWidth / 4, from, columnWidth / 2, to - from),
            palette::blue);
    };
    EXPECT_GT(blueIn(0, 60, 120), 0);
    EXPECT_EQ(blueIn(5, 60, 120), 0);
    EXPECT_GT(count(image, image.rect(), palette::gapRed), 0);
}

TEST(RemainderPicture, ATableBeyondTheColumnLimit) {
    const RemainderPicture picture = pictureOf({100, 101, 103});
    EXPECT_FALSE(picture.showsColumns());
    const QSize size(900, 1200);
    const QImage image = painted(picture, size, QRectF(QPointF(), size));
    EXPECT_FALSE(cellIn(picture, size, 0));
    EXPECT_EQ(count(image, image.rect(), palette::blue), 0);
    EXPECT_GT(count(image, image.rect(), palette::gapRed), 0) << "the class of the largest gap";

    // As many classes as there can be: a table that says how many it leaves out.
    const QByteArray svg = svgOf(pictureOf({32765, 32766, 32767}), QSize(800, 1100));
    EXPECT_TRUE(svg.contains("weitere")) << "… and so many more";
    EXPECT_TRUE(svg.contains(
        QByteArray::number(RemainderClasses::of({32765, 32766, 32767})->highest().smallest)));
}

TEST(RemainderPicture, NothingOutsideTheArea) {
    const QRectF area(120, 80, 420, 300);
    for (const Values v : {Values{6, 10, 15}, Values{6, 200, 301}, Values{100, 101, 103},
                           Values{1, 5, 7}, Values{30, 31, 37}}) {
        for (const Variant variant : {Variant::Teacher, Variant::Pupil}) {
            const QImage image = painted(pictureOf(v, variant), QSize(700, 500), area);
            QImage outside = image;
            QPainter(&outside).fillRect(area, Qt::white);
            EXPECT_EQ(count(outside, outside.rect(), Qt::white), 700 * 500) << v[0] << "," << v[1];
        }
    }
}

// Thirty columns in that width: the heads name the remainder alone (with "Rest" where they fit:
// the worksheet's test).
TEST(RemainderPicture, NarrowHeadsNameTheRemainderAlone) {
    const QByteArray narrow = svgOf(pictureOf({30, 31, 37}), QSize(900, 600));
    EXPECT_FALSE(narrow.contains("Rest ")) << "too small to read";
    EXPECT_TRUE(narrow.contains(">29<"));
}

}  // namespace
}  // namespace frankierung
