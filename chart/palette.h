// The colours of the classic 16-colour palette that the chart uses, by their palette number, and
// the chart's ground.
#pragma once

#include <QColor>

namespace frankierung::palette {

inline constexpr QColor black{0, 0, 0};        // 0
inline constexpr QColor blue{0, 0, 128};       // 1
inline constexpr QColor green{0, 128, 0};      // 2
inline constexpr QColor cyan{0, 128, 128};     // 3
inline constexpr QColor grey{128, 128, 128};   // 8
inline constexpr QColor yellow{255, 255, 0};   // 14
inline constexpr QColor white{255, 255, 255};  // 15

// The chart's ground, and the face of the window's panels and buttons.
inline constexpr QColor ground{224, 224, 224};

// The largest gap in the remainder picture and table: a red that prints dark.
inline constexpr QColor gapRed{200, 0, 0};

}  // namespace frankierung::palette
