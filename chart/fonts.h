// The design's typefaces, named in one place.
#pragma once

#include <QFont>
#include <QString>

namespace frankierung {

[[nodiscard]] QFont designFont(const QString& family, double points, bool bold = false);
[[nodiscard]] QFont timesFont(double points, bool bold = false);

}  // namespace frankierung
