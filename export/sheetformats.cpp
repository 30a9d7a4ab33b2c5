// The sheet's file formats, made in memory: a writer that cannot report a failed write (the
// PDF writer) or reports it on its own (libpng) never touches the file.
#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "chartexport.h"
#include "sheetfile.h"

namespace frankierung {

namespace {

const QString kTitle = QStringLiteral("Frankierungsproblem mit 3 Marken: N = xA + yB + zC");

bool paintPdf(ChartSheet& sheet, QIODevice& device) {
    QPdfWriter pdf(&device);
    pdf.setTitle(kTitle);
    pdf.setCreator(QStringLiteral("frankierung-chart"));
    // Fonts are sized for the chart box's resolution; the page must measure in the same.
    pdf.setResolution(sheet.dpi());
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

QByteArray pieceSvg(ChartSheet& sheet, std::size_t piece) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    const QSize size = sheet.pieceRect(piece).size();
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(sheet.dpi());
    QPainter painter;
    if (!painter.begin(&svg)) {
        return {};
    }
    sheet.paintPiece(painter, piece);
    painter.end();
    return buffer.data();
}

// The SVG generator cannot clip, and every piece holds the whole chart. Each piece becomes a
// nested <svg> element, whose viewport clips it.
bool writeSvg(ChartSheet& sheet, QIODevice& device) {
    const QString ns = QStringLiteral("http://www.w3.org/2000/svg");
    const auto number = [](int v) { return QString::number(v); };
    QXmlStreamWriter out(&device);
    out.writeStartDocument();
    out.writeDefaultNamespace(ns);
    out.writeNamespace(QStringLiteral("http://www.w3.org/1999/xlink"), QStringLiteral("xlink"));
    out.writeStartElement(ns, QStringLiteral("svg"));
    out.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    const QSize size = sheet.size();
    out.writeAttribute(QStringLiteral("width"), number(size.width()));
    out.writeAttribute(QStringLiteral("height"), number(size.height()));
    out.writeAttribute(QStringLiteral("viewBox"),
                       QStringLiteral("0 0 %1 %2").arg(size.width()).arg(size.height()));
    out.writeTextElement(ns, QStringLiteral("title"), kTitle);
    for (std::size_t piece = 0; piece < sheet.pieceCount(); ++piece) {
        const QRect rect = sheet.pieceRect(piece);
        const QByteArray svg = pieceSvg(sheet, piece);
        QXmlStreamReader in(svg);
        int depth = 0;
        while (!in.atEnd()) {
            in.readNext();
            if (in.isStartDocument() || in.isEndDocument() || in.isDTD()) {
                continue;
            }
            if (in.isStartElement() && depth++ == 0) {
                out.writeStartElement(ns, QStringLiteral("svg"));
                out.writeAttribute(QStringLiteral("x"), number(rect.x()));
                out.writeAttribute(QStringLiteral("y"), number(rect.y()));
                out.writeAttribute(QStringLiteral("width"), number(rect.width()));
                out.writeAttribute(QStringLiteral("height"), number(rect.height()));
                out.writeAttribute(
                    QStringLiteral("viewBox"),
                    QStringLiteral("0 0 %1 %2").arg(rect.width()).arg(rect.height()));
                continue;
            }
            if (in.isEndElement() && --depth == 0) {
                out.writeEndElement();
                continue;
            }
            out.writeCurrentToken(in);
        }
        if (in.hasError() || depth != 0) {
            return false;
        }
    }
    out.writeEndElement();
    out.writeEndDocument();
    return !out.hasError();
}

}  // namespace

QByteArray encodeSheet(ChartSheet& sheet, SheetFormat format) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    switch (format) {
        case SheetFormat::Png:
            painted = sheet.image().save(&buffer, "PNG");
            break;
        case SheetFormat::Svg:
            painted = writeSvg(sheet, buffer);
            break;
        case SheetFormat::Pdf:
            painted = paintPdf(sheet, buffer);
            break;
    }
    return painted ? buffer.data() : QByteArray();
}

std::optional<QString> writeSheet(ChartSheet& sheet, const QByteArray& path, SheetFormat format) {
    const QByteArray bytes = encodeSheet(sheet, format);
    if (bytes.isEmpty()) {
        return QStringLiteral("Die Datei „%1“ konnte nicht erzeugt werden.").arg(shownName(path));
    }
    return replaceFile(path, bytes);
}

}  // namespace frankierung
