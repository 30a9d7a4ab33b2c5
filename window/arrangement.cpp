#include "arrangement.h"

#include <algorithm>

namespace frankierung {

namespace {

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

    a.scrollBar = {a.legend.width, 93.5f, single(100.0 - a.legend.width - 18.0), 2.5f};

    a.frame = {2.0f, 4.2f};

    a.amountCaption = {82.0f, 0.0f, 3.0f, 4.0f};
    a.amount = {85.0f, 0.0f, 7.0f, 4.0f};
    a.listButton = {92.0f, 0.0f, 6.0f, 4.0f};
    a.clearLogButton = {98.0f, 0.0f, 2.0f, 4.0f};
    a.log = {82.0f, 4.0f, 18.0f, 92.0f};

    a.hintLine.left = 0.0f;
    a.hintLine.top = single(static_cast<double>(a.legend.top) + a.legend.height + 1.0);
    a.hintLine.width = 100.0f;
    a.hintLine.height = single(100.0 - a.hintLine.top);

    a.image = {1.0f, 0.8f};
    return a;
}

}  // namespace frankierung
