#include "arrangement.h"

#include <algorithm>

#include "userscale.h"

namespace frankierung {

namespace {

// Whatever the window, the chart keeps this much of the container beside the legend.
constexpr double kWidestColumn = 60;

// Products and differences in double precision, each result kept in single precision.
float single(double v) {
    return static_cast<float>(v);
}

}  // namespace

Arrangement arrange(SizeTwips window, SizeTwips client) {
    Arrangement a;
    const double w = window.width;
    const double h = window.height;

    a.container.left = single(w * 0.01);
    a.container.top = 100.0f;
    a.container.width = single(w * 0.97);
    a.container.height = single(h - 1200.0);
    // A small window would otherwise hide the hint line and the right column under its edges.
    a.container.width = single(std::clamp(static_cast<double>(a.container.width), 0.0,
                                          std::max(0.0, client.width - a.container.left)));
    a.container.height = single(std::clamp(static_cast<double>(a.container.height), 0.0,
                                           std::max(0.0, client.height - a.container.top)));
    a.containerSystem = {0.0f, 0.0f, 100.0f, 100.0f};

    a.legend = {0.0f, 0.0f, 16.0f, 96.0f};
    a.legendSystem = {0.0f, 0.0f, 50.0f, 20.0f};

    a.chart = {a.legend.width, 0.0f, 1600.0f, 94.0f};
    a.chartX1 = -3.0f;
    a.chartY1 = 0.0f;
    a.chartX2 = 1000.0f;
    a.chartY2 = 20.0f;

    // The right column: 18 units, but never narrower than in the least designed window, where
    // "Darstellung" and a line of the log just fit; in a narrower window (a screen scaled by
    // 1.5) the chart's visible part gives way.
    const double leastContainer = kMinimumWindowWidth * kTwipsPerPixel * 0.97;
    const double column =
        a.container.width > 0
            ? std::clamp(18.0 * leastContainer / a.container.width, 18.0, kWidestColumn)
            : 18.0;
    const auto inColumn = [column](double left, double width) {  // designed units of 18
        return UnitRect{single(100.0 - column * (18.0 - left) / 18.0), 0.0f,
                        single(column * width / 18.0), 4.0f};
    };
    a.scrollBar = {a.legend.width, 93.5f, single(100.0 - a.legend.width - column), 2.5f};

    // A legend narrower than designed (a small screen) moves the input frame and the post horn
    // left, down to its edge, rather than cut them; a pixel to spare against rounding.
    const double legendTwips = (a.container.width - 4 * kTwipsPerPixel) * a.legend.width / 100;
    const auto leftWithin = [legendTwips, &a](double designed, double width) {
        const double room = (legendTwips - width - kTwipsPerPixel) / legendTwips;
        return single(legendTwips > 0 ? std::clamp(room * a.legendSystem.width, 0.0, designed)
                                      : designed);
    };
    a.frame = {leftWithin(2, kInputFrameWidth), 4.2f};

    a.amountCaption = inColumn(0, 3);
    a.amount = inColumn(3, 7);
    a.listButton = inColumn(10, 6);
    a.clearLogButton = inColumn(16, 2);
    a.log = {single(100.0 - column), 4.0f, single(column), 92.0f};

    a.hintLine.left = 0.0f;
    a.hintLine.top = single(static_cast<double>(a.legend.top) + a.legend.height + 1.0);
    a.hintLine.width = 100.0f;
    a.hintLine.height = single(100.0 - a.hintLine.top);

    a.image = {leftWithin(1, kPostHornWidth), 0.8f};
    return a;
}

}  // namespace frankierung
