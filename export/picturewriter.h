// Pictures written as PNG, SVG or PDF, all or nothing, and painted onto a printer's pages: the
// worksheet, the board, whatever paints itself at a size.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace frankierung {

class Picture {
public:
    virtual ~Picture() = default;
    // In pixels of dpi(), the resolution its texts were measured in; a paint device must measure
    // in the same.
    [[nodiscard]] virtual QSize size() const = 0;
    [[nodiscard]] virtual int dpi() const = 0;
    // At least the part within `area` (its pixels), the picture's origin at the painter's. A
    // device that cannot clip (SVG) is told so.
    virtual void paint(QPainter& painter, const QRect& area, bool deviceClips) const = 0;
    // The picture's own pages, top to bottom in its pixels, each of them whole on a page of its
    // own with no margins added (a worksheet brings its margins); none when it is cut into
    // pages as the caller asks.
    [[nodiscard]] virtual std::vector<QRect> pages() const { return {}; }
    // The resolution a raster image of it declares: the size it prints at.
    [[nodiscard]] virtual double imageDpi() const { return dpi(); }
};

// Another picture larger or smaller, texts and pens alike: a raster image of another size.
class ZoomedPicture final : public Picture {
public:
    ZoomedPicture(const Picture& picture, double zoom) : picture_(picture), zoom_(zoom) {}
    [[nodiscard]] QSize size() const override;
    [[nodiscard]] int dpi() const override { return picture_.dpi(); }
    void paint(QPainter& painter, const QRect& area, bool deviceClips) const override;
    [[nodiscard]] std::vector<QRect> pages() const override;
    [[nodiscard]] double imageDpi() const override { return zoom_ * picture_.imageDpi(); }

private:
    const Picture& picture_;
    double zoom_;
};

enum class PictureFormat { Png, Svg, Pdf };

// A raster image beyond these would cost hundreds of megabytes; SVG and PDF cost no such memory.
inline constexpr double kMostPngPixels = 64.0 * 1024 * 1024;
inline constexpr int kMostPngSide = 32000;

// By the file name's extension, in any letter case.
[[nodiscard]] std::optional<PictureFormat> pictureFormatFor(const QString& path);

// The whole picture as pixels, marked with its resolution.
[[nodiscard]] QImage pictureImage(const Picture& picture);

// How a picture without pages of its own goes onto pages: fitted to one, or, when that would
// leave it lower than half the page, as high as the page and cut into as many pages side by
// side as it needs.
enum class Pages { One, SideBySide };

// Onto the device's pages, which must measure in the picture's resolution. False when the
// device failed.
[[nodiscard]] bool paintPages(const Picture& picture, QPagedPaintDevice& device, Pages pages);

// The whole file in the given format, PDF on A4 pages turned to the picture's shape (of its own
// pages, if it has them); empty when the format's writer failed.
[[nodiscard]] QByteArray encodePicture(const Picture& picture, PictureFormat format,
                                       Pages pages = Pages::One);

// Writes the picture to path (its bytes as given, whatever their encoding) in the given format.
// On failure the message why, and any old file stays as it was.
[[nodiscard]] std::optional<QString> writePicture(const Picture& picture, const QByteArray& path,
                                                  PictureFormat format, Pages pages = Pages::One);

}  // namespace frankierung
