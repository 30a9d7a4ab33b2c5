// The design's typefaces, named in one place.
#pragma once

#include <QFont>
#include <QString>
#include <functional>

namespace frankierung {

[[nodiscard]] QFont designFont(const QString& family, double points, bool bold = false);
[[nodiscard]] QFont timesFont(double points, bool bold = false);

// No caption or label shrinks below this size, whatever the screen.
inline constexpr double kSmallestCaptionPoints = 7.0;

// The font at its own size, or smaller in quarter points down to kSmallestCaptionPoints: the
// largest size at which fits holds, the smallest when it never does.
[[nodiscard]] QFont shrunkToFit(QFont font, const std::function<bool(const QFont&)>& fits);

}  // namespace frankierung
