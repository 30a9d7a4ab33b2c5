// A worksheet written as PNG, SVG or PDF, all or nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "chartsheet.h"

namespace frankierung {

enum class SheetFormat { Png, Svg, Pdf };

// By the file name's extension, in any letter case.
[[nodiscard]] std::optional<SheetFormat> sheetFormatFor(const QString& path);

// The whole file in the given format; empty when the format's writer failed.
[[nodiscard]] QByteArray encodeSheet(const ChartSheet& sheet, SheetFormat format);

// Writes the sheet to path (its bytes as given, whatever their encoding) in the given format.
// On failure the message why, and any old file stays as it was.
[[nodiscard]] std::optional<QString> writeSheet(const ChartSheet& sheet, const QByteArray& path,
                                                SheetFormat format);

}  // namespace frankierung
