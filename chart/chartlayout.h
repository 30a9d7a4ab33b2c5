// Where the chart's parts lie in its user coordinates (x the amount, y 0 at the top to 20 at the
// bottom): shared by the rendering and the worksheet export.
#pragma once

#include <array>

namespace frankierung::chartlayout {

// The chart box's coordinate system.
inline constexpr double kLeft = -3.0;
inline constexpr double kTop = 0.0;
inline constexpr double kRight = 1000.0;
inline constexpr double kBottom = 20.0;

// Row labels are printed here, in the column left of the amount 0.
inline constexpr double kLabelX = -2.9;

// The white strips behind the upper and lower amounts and behind the row labels.
inline constexpr double kStripsTop = 4.5;
inline constexpr double kUpperStripBottom = 4.9;
inline constexpr double kLowerStripTop = 15.05;
inline constexpr double kStripsBottom = 15.45;
inline constexpr double kLabelStripLeft = -4.0;
inline constexpr double kLabelStripRight = -0.1;
// Tick lines: every amount from 5 to 15, every fifth from 4.5 to 15.5; the lower numbers at 15.
inline constexpr double kTickTop = 5.0;
inline constexpr double kTickBottom = 15.0;
inline constexpr double kLongTickTop = 4.5;
inline constexpr double kLongTickBottom = 15.5;

// Each row: where its label is printed, and the top of its boxes or the centre of its circles.
struct Row {
    double labelY;
    double markY;
};
// Rows 1..7 at index 0..6: the three values, the three pairs, all three.
inline constexpr std::array<Row, 7> kRows{
    {{5.5, 5.5}, {6.5, 6.5}, {7.5, 7.5}, {9.3, 9.5}, {10.1, 10.3}, {10.9, 11.1}, {12.4, 12.7}}};
inline constexpr double kValueBoxHeight = 0.45;
inline constexpr double kPairRadius = 0.4;
// Row 7: a box from 12.4 down to 13.1 under a ring around (n + 0.52, 12.7).
inline constexpr double kAllBoxTop = 12.4;
inline constexpr double kAllBoxBottom = 13.1;
inline constexpr double kAllRadius = 0.3;

// A worksheet strip shows the rows and both number strips with a little ground around them.
inline constexpr double kSheetTop = 4.2;
inline constexpr double kSheetBottom = 15.8;

}  // namespace frankierung::chartlayout
