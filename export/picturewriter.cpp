// The file formats, made in memory: a writer that cannot report a failed write (the PDF writer)
// or reports it on its own (libpng) never touches the file.
#include "picturewriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "sheetfile.h"

namespace frankierung {

std::optional<PictureFormat> pictureFormatFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return PictureFormat::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return PictureFormat::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return PictureFormat::Pdf;
    }
    return std::nullopt;
}

QImage pictureImage(const Picture& picture) {
    QImage image(picture.size(), QImage::Format_RGB32);
    const auto dotsPerMeter = [&image](double dpi) {
        image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
        image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    };
    dotsPerMeter(picture.dpi());  // the texts' size
    {
        QPainter painter(&image);
        picture.paint(painter, image.rect(), true);
    }
    dotsPerMeter(picture.imageDpi());  // the file's
    return image;
}

QSize ZoomedPicture::size() const {
    const QSizeF size = QSizeF(picture_.size()) * zoom_;
    return {std::max(1, static_cast<int>(std::ceil(size.width() - 1e-6))),
            std::max(1, static_cast<int>(std::ceil(size.height() - 1e-6)))};
}

void ZoomedPicture::paint(QPainter& painter, const QRect& area, bool deviceClips) const {
    painter.save();
    painter.scale(zoom_, zoom_);
    picture_.paint(
        painter,
        QRectF(QPointF(area.topLeft()) / zoom_, QSizeF(area.size()) / zoom_).toAlignedRect(),
        deviceClips);
    painter.restore();
}

std::vector<QRect> ZoomedPicture::pages() const {
    std::vector<QRect> pages;
    for (const QRect& page : picture_.pages()) {
        pages.push_back(
            QRectF(QPointF(page.topLeft()) * zoom_, QSizeF(page.size()) * zoom_).toAlignedRect());
    }
    return pages;
}

bool paintPages(const Picture& picture, QPagedPaintDevice& device, Pages pages) {
    const QSizeF size = picture.size();
    const double pageWidth = device.width();
    const double pageHeight = device.height();
    // The picture's pixels on each page, and their scale.
    std::vector<QRectF> pieces;
    double scale = std::min(pageWidth / size.width(), pageHeight / size.height());
    if (const std::vector<QRect> own = picture.pages(); !own.empty()) {
        pieces.assign(own.begin(), own.end());
        scale = std::min(pageWidth / own.front().width(), pageHeight / own.front().height());
    } else {
        double pieceWidth = size.width();
        if (pages == Pages::SideBySide && size.height() * scale < pageHeight / 2) {
            scale = pageHeight / size.height();
            pieceWidth = pageWidth / scale;
        }
        const int count = static_cast<int>(std::ceil(size.width() / pieceWidth - 1e-9));
        // The last piece ends with the picture.
        for (int k = 0; k < count; ++k) {
            pieces.push_back(QRectF(k * pieceWidth, 0, pieceWidth, size.height()) &
                             QRectF(QPointF(0, 0), size));
        }
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        if (k > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        // Only the piece's items go onto its page; the clip keeps neighbours' edges off it.
        const QRectF& piece = pieces[k];
        painter.save();
        painter.scale(scale, scale);
        painter.translate(-piece.topLeft());
        painter.setClipRect(piece);
        picture.paint(painter, piece.toAlignedRect(), true);
        painter.restore();
    }
    return painter.end();
}

namespace {

// The texts in the user's language; German is the source.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Export)
};

QString title() {
    return Texts::tr("Frankierungsproblem mit 3 Marken: N = xA + yB + zC");
}

bool paintPdf(const Picture& picture, QIODevice& device, Pages pages) {
    QPdfWriter pdf(&device);
    pdf.setTitle(title());
    pdf.setCreator(QCoreApplication::applicationName());
    pdf.setResolution(picture.dpi());
    const std::vector<QRect> own = picture.pages();
    const QSize size = own.empty() ? picture.size() : own.front().size();
    const double margin = own.empty() ? 10 : 0;
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    size.width() > size.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
    return paintPages(picture, pdf, pages);
}

bool paintSvg(const Picture& picture, QIODevice& device) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(picture.size());
    svg.setViewBox(QRect(QPoint(0, 0), picture.size()));
    svg.setResolution(picture.dpi());
    svg.setTitle(title());
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    picture.paint(painter, QRect(QPoint(0, 0), picture.size()), false);  // it cannot clip
    return painter.end();
}

}  // namespace

QByteArray encodePicture(const Picture& picture, PictureFormat format, Pages pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    switch (format) {
        case PictureFormat::Png:
            painted = pictureImage(picture).save(&buffer, "PNG");
            break;
        case PictureFormat::Svg:
            painted = paintSvg(picture, buffer);
            break;
        case PictureFormat::Pdf:
            painted = paintPdf(picture, buffer, pages);
            break;
    }
    return painted ? buffer.data() : QByteArray();
}

std::optional<QString> writePicture(const Picture& picture, const QByteArray& path,
                                    PictureFormat format, Pages pages) {
    const QByteArray bytes = encodePicture(picture, format, pages);
    if (bytes.isEmpty()) {
        return Texts::tr("Die Datei „%1“ konnte nicht erzeugt werden.").arg(shownName(path));
    }
    return replaceFile(path, bytes);
}

}  // namespace frankierung
