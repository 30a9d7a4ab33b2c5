// The sheet's file formats, made in memory: a writer that cannot report a failed write (the
// PDF writer) or reports it on its own (libpng) never touches the file.
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "sheetfile.h"
#include "sheetwriter.h"

namespace frankierung {

std::optional<SheetFormat> sheetFormatFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return SheetFormat::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return SheetFormat::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return SheetFormat::Pdf;
    }
    return std::nullopt;
}

namespace {

// The texts in the user's language; German is the source.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Export)
};

QString title() {
    return Texts::tr("Frankierungsproblem mit 3 Marken: N = xA + yB + zC");
}

bool paintPdf(const ChartSheet& sheet, QIODevice& device) {
    QPdfWriter pdf(&device);
    pdf.setTitle(title());
    pdf.setCreator(QStringLiteral("frankierung-chart"));
    // Fonts are sized for the chart box's resolution; the page must measure in the same.
    pdf.setResolution(ChartSheet::dpi());
    const QSize size = sheet.size();
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    size.width() > size.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return false;
    }
    const double scale = std::min(static_cast<double>(pdf.width()) / size.width(),
                                  static_cast<double>(pdf.height()) / size.height());
    painter.scale(scale, scale);
    sheet.paint(painter);
    return painter.end();
}

bool paintSvg(const ChartSheet& sheet, QIODevice& device) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(sheet.size());
    svg.setViewBox(QRect(QPoint(0, 0), sheet.size()));
    svg.setResolution(ChartSheet::dpi());
    svg.setTitle(title());
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    sheet.paint(painter, false);  // the generator cannot clip
    return painter.end();
}

}  // namespace

QByteArray encodeSheet(const ChartSheet& sheet, SheetFormat format) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    switch (format) {
        case SheetFormat::Png:
            painted = sheet.image().save(&buffer, "PNG");
            break;
        case SheetFormat::Svg:
            painted = paintSvg(sheet, buffer);
            break;
        case SheetFormat::Pdf:
            painted = paintPdf(sheet, buffer);
            break;
    }
    return painted ? buffer.data() : QByteArray();
}

std::optional<QString> writeSheet(const ChartSheet& sheet, const QByteArray& path,
                                  SheetFormat format) {
    const QByteArray bytes = encodeSheet(sheet, format);
    if (bytes.isEmpty()) {
        return Texts::tr("Die Datei „%1“ konnte nicht erzeugt werden.").arg(shownName(path));
    }
    return replaceFile(path, bytes);
}

}  // namespace frankierung
