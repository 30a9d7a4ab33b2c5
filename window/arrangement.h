// Fitting the window's content to the window's size, as plain numbers: no widgets involved,
// so every layout value can be checked for any window size.
#pragma once

namespace frankierung {

// A position and size; the unit depends on the container (twips, container or legend units).
struct UnitRect {
    float left = 0, top = 0, width = 0, height = 0;
};

struct UnitPoint {
    float left = 0, top = 0;
};

// A box's coordinate system, given by its top-left corner and its extent in its own units.
struct CoordinateSystem {
    float left = 0, top = 0, width = 0, height = 0;
};

struct SizeTwips {
    double width = 0, height = 0;
};

struct Arrangement {
    UnitRect container;  // window twips, relative to the client area
    CoordinateSystem containerSystem;
    // In container units.
    UnitRect legend;
    UnitRect chart;  // left as at scroll position 0
    UnitRect scrollBar;
    UnitRect amountCaption;  // "N ="
    UnitRect amount;
    UnitRect listButton;      // "Darstellung"
    UnitRect clearLogButton;  // "X"
    UnitRect log;
    UnitRect hintLine;
    CoordinateSystem legendSystem;
    // The chart's system as two corners: (x1, y1) top-left, (x2, y2) bottom-right.
    float chartX1 = 0, chartY1 = 0, chartX2 = 0, chartY2 = 0;
    // In legend units; their sizes stay as designed.
    UnitPoint frame;
    UnitPoint image;
};

// The smallest window, in logical pixels, in which every control shows whole and every caption
// fits at kSmallestCaptionPoints or more: "Darstellung" sets the width, the input frame under
// the post horn the height. A smaller screen still gets a window no larger than itself; below
// this width the right column keeps the width it has here.
inline constexpr int kMinimumWindowWidth = 980;
inline constexpr int kMinimumWindowHeight = 600;

// The post horn's and the input frame's designed widths in twips; they keep them whatever the
// window.
inline constexpr double kPostHornWidth = 1860;
inline constexpr double kInputFrameWidth = 1815;

// window: the window's size; client: the area that holds the container (the window without its
// menu bar). The container never reaches beyond the client area.
[[nodiscard]] Arrangement arrange(SizeTwips window, SizeTwips client);

}  // namespace frankierung
