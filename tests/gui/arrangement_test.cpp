#include <gtest/gtest.h>

#include "arrangement.h"

namespace frankierung {
namespace {

void expectRect(const UnitRect& r, float left, float top, float width, float height) {
    EXPECT_FLOAT_EQ(r.left, left);
    EXPECT_FLOAT_EQ(r.top, top);
    EXPECT_FLOAT_EQ(r.width, width);
    EXPECT_FLOAT_EQ(r.height, height);
}

struct ScreenCase {
    double width, height;  // twips
    float left, top, containerWidth, containerHeight;
};

class ContainerOnScreen : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(ContainerOnScreen, FollowsTheWindowSize) {
    const ScreenCase& c = GetParam();
    const Arrangement a = arrange({c.width, c.height}, {c.width, c.height});
    expectRect(a.container, c.left, c.top, c.containerWidth, c.containerHeight);
}

INSTANTIATE_TEST_SUITE_P(ExampleScreens, ContainerOnScreen,
                         ::testing::Values(ScreenCase{15360, 11520, 153.6f, 100, 14899.2f, 10320},
                                           ScreenCase{19200, 15360, 192, 100, 18624, 14160}));

// The container's inner layout does not depend on the window.
class ContainerLayout : public ::testing::TestWithParam<SizeTwips> {};

TEST_P(ContainerLayout, IsTheSameOnEveryWindow) {
    const Arrangement a = arrange(GetParam(), GetParam());
    EXPECT_FLOAT_EQ(a.containerScale.left, 0);
    EXPECT_FLOAT_EQ(a.containerScale.top, 0);
    EXPECT_FLOAT_EQ(a.containerScale.width, 100);
    EXPECT_FLOAT_EQ(a.containerScale.height, 100);

    const struct {
        const char* name;
        UnitRect rect;
        float left, top, width, height;
    } rows[] = {
        {"picLegende", a.legend, 0, 0, 16, 96},      {"picGraph", a.chart, 16, 0, 1600, 94},
        {"hscn", a.scrollBar, 16, 93.5f, 66, 2.5f},  {"txtN", a.txtN, 82, 0, 3, 4},
        {"txtPrüf", a.txtPruef, 85, 0, 7, 4},        {"cmdWie", a.cmdWie, 92, 0, 6, 4},
        {"cmdLoeschen", a.cmdLoeschen, 98, 0, 2, 4}, {"txtLog", a.txtLog, 82, 4, 18, 92},
        {"txtPos", a.txtPos, 0, 97, 100, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        expectRect(row.rect, row.left, row.top, row.width, row.height);
    }

    EXPECT_FLOAT_EQ(a.legendScale.left, 0);
    EXPECT_FLOAT_EQ(a.legendScale.top, 0);
    EXPECT_FLOAT_EQ(a.legendScale.width, 50);
    EXPECT_FLOAT_EQ(a.legendScale.height, 20);
    EXPECT_FLOAT_EQ(a.chartX1, -3);
    EXPECT_FLOAT_EQ(a.chartY1, 0);
    EXPECT_FLOAT_EQ(a.chartX2, 1000);
    EXPECT_FLOAT_EQ(a.chartY2, 20);
    EXPECT_EQ(a.chartDrawWidth, 1);
    EXPECT_FLOAT_EQ(a.frame.left, 2);
    EXPECT_FLOAT_EQ(a.frame.top, 4.2f);
    EXPECT_FLOAT_EQ(a.image.left, 1);
    EXPECT_FLOAT_EQ(a.image.top, 0.8f);
}

TEST_P(ContainerLayout, UncoveredChartShowsAmountsUpToAbout38) {
    const Arrangement a = arrange(GetParam(), GetParam());
    const double visibleUnits = a.scrollBar.width;  // between legend and right column
    const double chartUnits = (a.chartX2 - a.chartX1) * visibleUnits / a.chart.width;
    EXPECT_NEAR(a.chartX1 + chartUnits, 38.37, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Windows, ContainerLayout,
                         ::testing::Values(SizeTwips{15360, 11520}, SizeTwips{19200, 15360},
                                           SizeTwips{4800, 3000}, SizeTwips{57600, 32400}));

struct ClampCase {
    SizeTwips window, client;
};

class SmallClientArea : public ::testing::TestWithParam<ClampCase> {};

TEST_P(SmallClientArea, ContainerStaysInside) {
    const ClampCase& c = GetParam();
    const Arrangement a = arrange(c.window, c.client);
    EXPECT_GE(a.container.width, 0);
    EXPECT_GE(a.container.height, 0);
    EXPECT_LE(a.container.left + a.container.width, std::max(c.client.width, 153.6) + 1e-3);
    EXPECT_LE(a.container.top + a.container.height, std::max(c.client.height, 100.0) + 1e-3);
    // Where the client has room, the window's formulas stand.
    if (c.window.height >= 1200 && c.client.height >= c.window.height - 1100) {
        EXPECT_FLOAT_EQ(a.container.height, static_cast<float>(c.window.height - 1200));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, SmallClientArea,
    ::testing::Values(ClampCase{{15360, 11520}, {15360, 11520 - 330}},  // menu bar: room enough
                      ClampCase{{15360, 11520}, {9000, 6000}},          // client cut short
                      ClampCase{{3000, 900}, {3000, 600}},              // below the 1200 margin
                      ClampCase{{0, 0}, {0, 0}}));

}  // namespace
}  // namespace frankierung
