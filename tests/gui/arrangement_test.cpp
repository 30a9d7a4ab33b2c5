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
