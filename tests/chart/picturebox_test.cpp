#include "picturebox.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QTemporaryDir>

#include <cmath>
#include <vector>

namespace frankierung {
namespace {

// --- Coordinate mapping ---

enum class ScaleKind { Twips, Scale, Corners };

struct MappingCase {
    const char* name;
    QSize size;
    bool sunken;
    ScaleKind kind;
    double a, b, c, d;  // setScale(left, top, width, height) or corners (x1, y1, x2, y2)
    QPointF user;
    QPointF pixels;
    double scaleWidth, scaleHeight;
};

class Mapping : public ::testing::TestWithParam<MappingCase> {};

TEST_P(Mapping, UserPointLandsOnPixelAndBack) {
    const MappingCase& m = GetParam();
    PictureBox box;
    box.resize(m.size);
    box.setSunkenBorder(m.sunken);
    switch (m.kind) {
        case ScaleKind::Twips:
            box.setTwipsScale();
            break;
        case ScaleKind::Scale:
            box.setScale(m.a, m.b, m.c, m.d);
            break;
        case ScaleKind::Corners:
            box.setScaleCorners(m.a, m.b, m.c, m.d);
            break;
    }
    const QPointF px = box.toPixels(m.user);
    EXPECT_NEAR(px.x(), m.pixels.x(), 1e-9);
    EXPECT_NEAR(px.y(), m.pixels.y(), 1e-9);
    const QPointF back = box.toUser(px);
    EXPECT_NEAR(back.x(), m.user.x(), 1e-9);
    EXPECT_NEAR(back.y(), m.user.y(), 1e-9);
    EXPECT_NEAR(box.scaleWidth(), m.scaleWidth, 1e-9);
    EXPECT_NEAR(box.scaleHeight(), m.scaleHeight, 1e-9);
    EXPECT_NEAR(box.pixelsPerUnitX() * box.scaleWidth(), box.innerRect().width(), 1e-9);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PictureBox, Mapping, ::testing::Values(
    MappingCase{"TwipsPoint", {300, 200}, false, ScaleKind::Twips, 0, 0, 0, 0, {150, 300}, {10, 20}, 4500, 3000},
    MappingCase{"TwipsInsideBorder", {300, 200}, true, ScaleKind::Twips, 0, 0, 0, 0, {0, 0}, {2, 2}, 296 * 15.0, 196 * 15.0},
    MappingCase{"ChartAmountZero", {2006, 400}, false, ScaleKind::Corners, -3, 0, 1000, 20, {0, 12.7}, {6, 254}, 1003, 20},
    MappingCase{"ScaleInsideBorder", {2010, 404}, true, ScaleKind::Scale, -3, 0, 1003, 20, {0, 10}, {8, 202}, 1003, 20},
    MappingCase{"Percent", {1000, 500}, false, ScaleKind::Scale, 0, 0, 100, 100, {16, 93.5}, {160, 467.5}, 100, 100},
    MappingCase{"UpwardY", {200, 100}, false, ScaleKind::Corners, 0, 10, 100, 0, {50, 2.5}, {100, 75}, 100, -10}),
    [](const auto& c) { return std::string(c.param.name); });
// clang-format on

TEST(PictureBoxScale, ZeroExtentKeepsTheScale) {
    PictureBox box;
    box.resize(200, 100);
    box.setScale(0, 0, 100, 10);
    box.setScale(5, 5, 0, 10);
    box.setScaleCorners(1, 1, 1, 7);
    EXPECT_EQ(box.scaleLeft(), 0);
    EXPECT_EQ(box.scaleWidth(), 100);
    EXPECT_EQ(box.scaleHeight(), 10);
}

TEST(PictureBoxScale, UserScaleStretchesWithTheBoxTwipsDoNot) {
    PictureBox box;
    box.resize(200, 100);
    box.setScaleCorners(-3, 0, 1000, 20);
    box.resize(4012, 100);
    EXPECT_DOUBLE_EQ(box.toPixels({1000, 0}).x(), 4012);
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 1003);

    box.setTwipsScale();
    EXPECT_DOUBLE_EQ(box.toPixels({150, 0}).x(), 10);
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 4012 * 15.0);
}

// --- Children ---

// Qt holds back the resize events of a hidden widget until it is shown; the chart is shown.
struct ShownBox {
    QWidget window;
    PictureBox& box = *new PictureBox(&window);
    ShownBox() {
        window.resize(400, 300);
        window.show();
    }
};

TEST(PictureBoxChildren, NominalPlacementSurvivesResizeAndRescale) {
    ShownBox shown;
    PictureBox& box = shown.box;
    box.resize(2006, 400);
    box.setScaleCorners(-3, 0, 1000, 20);
    auto* stamp = new QWidget(&box);
    stamp->resize(101, 137);
    auto* sized = new QWidget(&box);
    box.placeChildAt(stamp, 42.3, 1.5);
    box.placeChild(sized, 10, 2, 5, 4);

    struct Step {
        QSize size;
        bool sunken;
    };
    for (const Step step : {Step{{2006, 400}, false}, Step{{30090, 1000}, false},
                            Step{{1003, 200}, true}, Step{{29700, 1000}, true}}) {
        box.resize(step.size);
        box.setSunkenBorder(step.sunken);
        SCOPED_TRACE(step.size.width());
        EXPECT_DOUBLE_EQ(box.childLeft(stamp), 42.3);
        EXPECT_DOUBLE_EQ(box.childTop(stamp), 1.5);
        EXPECT_EQ(stamp->size(), QSize(101, 137));
        const QPointF want = box.toPixels({42.3, 1.5});
        EXPECT_EQ(stamp->pos(), QPoint(qRound(want.x()), qRound(want.y())));

        EXPECT_DOUBLE_EQ(box.childWidth(sized), 5);
        const QPointF tl = box.toPixels({10, 2});
        const QPointF br = box.toPixels({15, 6});
        EXPECT_EQ(sized->geometry(), QRect(QPoint(qRound(tl.x()), qRound(tl.y())),
                                           QPoint(qRound(br.x()) - 1, qRound(br.y()) - 1)));
    }

    box.setScaleCorners(0, 0, 100, 20);
    EXPECT_EQ(stamp->x(), qRound(box.toPixels({42.3, 0}).x()));
}

TEST(PictureBoxChildren, SetChildLeftKeepsTopAndSize) {
    ShownBox shown;
    PictureBox& box = shown.box;
    box.resize(2006, 400);
    box.setScaleCorners(-3, 0, 1000, 20);
    auto* stamp = new QWidget(&box);
    stamp->resize(60, 80);
    box.placeChildAt(stamp, 6, 0.5);
    box.setChildLeft(stamp, 17.25);
    EXPECT_DOUBLE_EQ(box.childLeft(stamp), 17.25);
    EXPECT_DOUBLE_EQ(box.childTop(stamp), 0.5);
    EXPECT_EQ(stamp->size(), QSize(60, 80));
    EXPECT_DOUBLE_EQ(box.childWidth(stamp), 30);  // 60 px at 2 px per unit

    // A child never placed in user units is read from where it stands.
    auto* loose = new QWidget(&box);
    loose->move(26, 40);
    EXPECT_DOUBLE_EQ(box.childLeft(loose), 10);
    box.setChildLeft(loose, 20);
    EXPECT_EQ(loose->pos(), QPoint(46, 40));
    EXPECT_DOUBLE_EQ(box.childTop(loose), 2);

    delete stamp;  // forgets its placement; a resize must not touch it
    box.resize(4012, 400);
    EXPECT_EQ(loose->pos(), QPoint(92, 40));
}

// --- Drawing state and recording ---

struct PrintCase {
    const char* name;
    std::vector<PrintItem> items;
    QString text;
};

class Printing : public ::testing::TestWithParam<PrintCase> {};

TEST_P(Printing, ItemsJoinAtThePrintPositionThenNextLine) {
    const PrintCase& c = GetParam();
    PictureBox box;
    box.resize(2006, 400);
    box.setScaleCorners(-3, 0, 1000, 20);
    box.setFont(QFont(QStringLiteral("DejaVu Sans")));
    box.setFontSize(10);
    box.setCurrentX(-2.9);
    box.setCurrentY(9.3);
    box.setForeColor(QColor(0, 0, 200));
    if (c.items.size() == 1) {
        box.print({c.items[0]});
    } else {
        box.print({c.items[0], c.items[1], c.items[2]});
    }
    ASSERT_EQ(box.primitives().size(), 1u);
    const Primitive& p = box.primitives()[0];
    EXPECT_EQ(p.kind, Primitive::Kind::Text);
    EXPECT_EQ(p.text, c.text);
    EXPECT_EQ(p.p1, QPointF(-2.9, 9.3));
    EXPECT_EQ(p.color, QColor(0, 0, 200));
    EXPECT_GT(p.textSize.width(), 0);

    EXPECT_DOUBLE_EQ(box.currentX(), box.scaleLeft());
    EXPECT_NEAR(box.currentY(), 9.3 + p.textSize.height() / box.pixelsPerUnitY(), 1e-9);
    const QRectF bounds = box.pixelBounds(p);
    EXPECT_TRUE(bounds.contains(QRectF(box.toPixels(p.p1), p.textSize)));
}

INSTANTIATE_TEST_SUITE_P(PictureBox, Printing,
                         ::testing::Values(PrintCase{"Positive", {PrintItem::number(6)}, " 6 "},
                                           PrintCase{"Negative", {PrintItem::number(-3)}, "-3 "},
                                           PrintCase{"Fraction", {PrintItem::number(2.5)}, " 2.5 "},
                                           PrintCase{"Text", {PrintItem::text(" alle")}, " alle"},
                                           PrintCase{"PairLabel",
                                                     {PrintItem::number(6), PrintItem::text(","),
                                                      PrintItem::number(10)},
                                                     " 6 , 10 "}),
                         [](const auto& c) { return std::string(c.param.name); });

TEST(PictureBoxDrawing, PrimitivesKeepTheStateTheyWereDrawnIn) {
    PictureBox box;
    box.resize(2006, 400);
    box.setScaleCorners(-3, 0, 1000, 20);
    box.setDrawWidth(2);
    box.setForeColor(QColor(0, 0, 128));
    box.setFillColor(QColor(240, 240, 240));
    box.line(1, 2, 3, 4);
    EXPECT_EQ(box.currentX(), 3);
    EXPECT_EQ(box.currentY(), 4);
    box.setForeColor(QColor(255, 255, 0));
    box.circle(30.52, 12.7, 0.3);
    box.box(30, 13.1, 31, 12.4, QColor(0, 0, 128));

    const auto& ps = box.primitives();
    ASSERT_EQ(ps.size(), 3u);
    EXPECT_EQ(ps[0].kind, Primitive::Kind::Line);
    EXPECT_EQ(ps[0].color, QColor(0, 0, 128));
    EXPECT_EQ(ps[0].penWidth, 2);
    EXPECT_EQ(ps[1].kind, Primitive::Kind::Circle);
    EXPECT_EQ(ps[1].color, QColor(255, 255, 0));
    EXPECT_EQ(ps[1].fill, QColor(240, 240, 240));
    EXPECT_EQ(ps[1].radius, 0.3);
    EXPECT_EQ(ps[2].kind, Primitive::Kind::Box);
    EXPECT_EQ(ps[2].color, QColor(0, 0, 128));

    box.setCurrentX(50);
    box.setCurrentY(7);
    box.cls();
    EXPECT_TRUE(box.primitives().empty());
    EXPECT_EQ(box.currentX(), -3);
    EXPECT_EQ(box.currentY(), 0);
}

TEST(PictureBoxDrawing, BoldAndSizeReachThePrintButNotTheChildren) {
    PictureBox box;
    box.resize(2006, 400);
    box.setScaleCorners(-3, 0, 1000, 20);
    box.setFont(QFont(QStringLiteral("DejaVu Serif"), 15));
    auto* label = new QLabel(QStringLiteral("6"), &box);

    box.setFontSize(10);
    box.setFontBold(true);
    EXPECT_TRUE(box.fontBold());
    EXPECT_DOUBLE_EQ(box.fontSize(), 10);
    box.print(QStringLiteral("fett"));
    box.setFontBold(false);
    box.setFontSize(12);
    box.print(QStringLiteral("mager"));

    const auto& ps = box.primitives();
    ASSERT_EQ(ps.size(), 2u);
    EXPECT_TRUE(ps[0].font.bold());
    EXPECT_DOUBLE_EQ(ps[0].font.pointSizeF(), 10);
    EXPECT_EQ(ps[0].font.family(), QStringLiteral("DejaVu Serif"));
    EXPECT_FALSE(ps[1].font.bold());
    EXPECT_DOUBLE_EQ(ps[1].font.pointSizeF(), 12);
    EXPECT_GT(ps[1].textSize.height(), ps[0].textSize.height());
    EXPECT_FALSE(label->font().bold());
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 15);
}

// --- Pixel geometry ---

TEST(PictureBoxGeometry, AdjacentBoxesShareWholePixelEdges) {
    // Fractional pixels per unit: rounding each box's extent on its own would leave seams.
    for (const int width : {2006, 2750, 29700, 30091}) {
        PictureBox box;
        box.resize(width, 997);
        box.setScaleCorners(-3, 0, 1000, 20);
        for (int k = 0; k < 1000; ++k) {
            box.box(k, 12.4, k + 1, 13.1, Qt::blue);
        }
        const auto& ps = box.primitives();
        for (std::size_t k = 0; k + 1 < ps.size(); ++k) {
            const QRectF a = box.pixelBounds(ps[k]);
            const QRectF b = box.pixelBounds(ps[k + 1]);
            ASSERT_EQ(a.right(), b.left()) << width << " at " << k;
            ASSERT_EQ(a.left(), std::round(a.left()));
            ASSERT_EQ(a.top(), b.top());
            ASSERT_GE(a.width(), 1);
        }
    }
}

TEST(PictureBoxGeometry, BoundsFollowTheCurrentSize) {
    PictureBox box;
    box.resize(2006, 400);
    box.setScaleCorners(-3, 0, 1000, 20);
    box.setDrawWidth(2);
    box.circle(30.55, 9.5, 0.4);
    box.line(10, 5, 10, 15);
    const Primitive circle = box.primitives()[0];
    const Primitive tick = box.primitives()[1];

    for (const QSize size : {QSize(2006, 400), QSize(30090, 1000), QSize(1003, 1000)}) {
        box.resize(size);
        SCOPED_TRACE(size.width());
        const QRectF c = box.pixelBounds(circle);
        const double r = 0.4 * box.pixelsPerUnitX();
        // Round on screen whatever the two axes' scales; pen and antialiasing included.
        EXPECT_DOUBLE_EQ(c.width(), c.height());
        EXPECT_GE(c.width(), 2 * r + 2);
        EXPECT_TRUE(c.contains(box.toPixels({30.55, 9.5})));

        // An upright line of even width sits on a pixel edge, covering whole pixels.
        const QRectF t = box.pixelBounds(tick);
        const double x = (t.left() + t.right()) / 2;
        EXPECT_EQ(x, std::round(box.toPixels({10, 0}).x()));
        EXPECT_LE(t.top(), box.toPixels({0, 5}).y());
        EXPECT_GE(t.bottom(), box.toPixels({0, 15}).y());
    }
}

TEST(PictureBoxGeometry, ThinUprightLinesSitOnPixelCentres) {
    PictureBox box;
    box.resize(2751, 400);
    box.setScaleCorners(-3, 0, 1000, 20);
    box.setDrawWidth(1);
    for (int i = 0; i < 50; ++i) {
        box.line(i, 5, i, 15);
    }
    for (const Primitive& p : box.primitives()) {
        const QRectF b = box.pixelBounds(p);
        const double centre = (b.left() + b.right()) / 2;
        EXPECT_EQ(centre - std::floor(centre), 0.5);
    }
}

// --- Painting ---

QImage renderRegion(PictureBox& box, const QRect& area) {
    QImage image(area.size(), QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    box.render(&image, QPoint(), QRegion(area));
    return image;
}

TEST(PictureBoxPaint, BorderBackgroundPictureAndDrawingInTheirOrder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString svg = dir.filePath(QStringLiteral("red.svg"));
    {
        QFile f(svg);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
                R"(<rect width="10" height="10" fill="#ff0000"/></svg>)");
    }
    PictureBox box;
    box.resize(200, 100);
    box.setSunkenBorder(true);
    box.setBackColor(QColor(224, 224, 224));
    box.setPicture(svg, QSize(40, 40));
    EXPECT_EQ(box.picturePath(), svg);
    box.setScale(0, 0, 196, 96);  // one unit per pixel inside the border
    box.box(10, 10, 20, 20, QColor(0, 0, 128));

    const QImage image = renderRegion(box, box.rect());
    EXPECT_NE(image.pixelColor(0, 0), QColor(224, 224, 224));  // the sunken edge
    EXPECT_EQ(image.pixelColor(2 + 5, 2 + 5), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(2 + 15, 2 + 15), QColor(0, 0, 128));  // above the picture
    EXPECT_EQ(image.pixelColor(2 + 45, 2 + 5), QColor(224, 224, 224));
    EXPECT_EQ(image.pixelColor(150, 80), QColor(224, 224, 224));
}

TEST(PictureBoxPaint, OnlyPrimitivesInTheExposedAreaArePainted) {
    PictureBox box;
    box.resize(30090, 1000);
    box.setScaleCorners(-3, 0, 1000, 20);
    for (int i = 0; i <= 1000; ++i) {
        box.line(i, 5, i, 15);
        box.circle(i + 0.55, 9.5, 0.4);
    }
    const QRect area(QPointF(box.toPixels({100, 0})).toPoint(), QSize(300, 1000));
    renderRegion(box, area);
    // Ten amounts wide: about ten lines and ten circles, a few more at the edges.
    EXPECT_GE(box.lastPaintCount(), 20);
    EXPECT_LE(box.lastPaintCount(), 26);
}

// A note segment must not make the toolkit repaint the whole, sixteen screens wide chart.
class PaintSpy : public QObject {
public:
    QRegion painted;
    int events = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++events;
        }
        return QObject::eventFilter(watched, event);
    }
};

TEST(PictureBoxPaint, DrawingRepaintsOnlyTheAreaItTouches) {
    QWidget window;
    window.resize(1200, 600);
    auto* box = new PictureBox(&window);
    box->setGeometry(0, 0, 30090, 600);
    box->setScaleCorners(-3, 0, 1000, 20);
    window.show();
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
    PaintSpy spy;
    box->installEventFilter(&spy);
    box->setDrawWidth(2);
    box->line(10, 5, 10.5, 6);
    QApplication::processEvents();
    ASSERT_GT(spy.events, 0);
    const QRect segment = box->pixelBounds(box->primitives().back()).toAlignedRect();
    EXPECT_TRUE(spy.painted.boundingRect().contains(segment));
    EXPECT_LE(spy.painted.boundingRect().width(), segment.width() + 2);
    EXPECT_LE(spy.painted.boundingRect().height(), segment.height() + 2);
}

}  // namespace
}  // namespace frankierung
