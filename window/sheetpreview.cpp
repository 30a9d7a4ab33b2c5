#include "sheetpreview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "worksheet.h"

namespace frankierung {

namespace {

// Around and between the pages, in preview pixels.
constexpr int kMargin = 12;
constexpr double kInchesPerMeter = 1 / 0.0254;

}  // namespace

class SheetPreview::Column final : public QWidget {
public:
    explicit Column(SheetPreview& preview) : preview_(preview) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        preview_.paintPages(painter, event->rect());
    }

private:
    SheetPreview& preview_;
};

SheetPreview::SheetPreview(QWidget* parent) : QScrollArea(parent) {
    setWidget(new Column(*this));
    // The pages lie on a darker ground, as paper on a desk.
    setBackgroundRole(QPalette::Dark);
    // Always there, so that the scroll bar appearing with a second page does not narrow the
    // pages, which would shorten the column and take the scroll bar away again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMinimumSize(240, 300);
}

void SheetPreview::setSheet(std::shared_ptr<const Worksheet> sheet) {
    const std::size_t pages = pageCount();
    sheet_ = std::move(sheet);
    images_.clear();
    layOutPages();
    // A choice that keeps the pages keeps the page in view; other pages start from the first.
    if (pageCount() != pages) {
        verticalScrollBar()->setValue(0);
    }
    widget()->update();
}

std::size_t SheetPreview::pageCount() const {
    return sheet_ ? sheet_->pageCount() : 0;
}

QRect SheetPreview::pageRect(std::size_t page) const {
    const QSizeF sheetPage = SheetPages::pageSize();
    const QSize size(static_cast<int>(std::floor(sheetPage.width() * scale_)),
                     static_cast<int>(std::floor(sheetPage.height() * scale_)));
    const int left = std::max(kMargin, (widget()->width() - size.width()) / 2);
    return {QPoint(left, kMargin + static_cast<int>(page) * (size.height() + kMargin)), size};
}

void SheetPreview::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    layOutPages();
}

void SheetPreview::layOutPages() {
    const QSize room = viewport()->size() - QSize(2 * kMargin, 2 * kMargin);
    const QSizeF page = SheetPages::pageSize();
    const double scale =
        std::max(0.05, std::min(room.width() / page.width(), room.height() / page.height()));
    if (scale != scale_) {
        scale_ = scale;
        images_.clear();
    }
    const int height = pageCount() == 0 ? 0 : pageRect(pageCount() - 1).bottom() + 1 + kMargin;
    widget()->resize(viewport()->width(), std::max(height, viewport()->height()));
}

void SheetPreview::paintPages(QPainter& painter, const QRect& exposed) {
    std::size_t first = pageCount();
    std::size_t last = 0;
    for (std::size_t k = 0; k < pageCount(); ++k) {
        const QRect page = pageRect(k);
        if (!page.adjusted(-1, -1, 1, 1).intersects(exposed)) {
            continue;
        }
        first = std::min(first, k);
        last = k;
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(page.adjusted(-1, -1, 0, 0));
        painter.drawImage(page, pageImage(k));
    }
    // The pages beside those in view stay for the next scroll step; the others go.
    std::erase_if(images_, [&](const auto& entry) {
        return entry.first + 1 < first || entry.first > last + 1;
    });
}

const QImage& SheetPreview::pageImage(std::size_t page) {
    auto [it, made] = images_.try_emplace(page);
    if (made) {
        const double ratio = devicePixelRatioF();
        const QSize pixels = pageRect(page).size() * ratio;
        QImage image(pixels, QImage::Format_RGB32);
        // Texts are sized for the sheet's resolution, whatever the screen's.
        const int dotsPerMeter = static_cast<int>(std::lround(kSheetDpi * kInchesPerMeter));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            const double scale = pixels.width() / SheetPages::pageSize().width();
            painter.scale(scale, scale);
            sheet_->paintPage(page, painter);
        }
        image.setDevicePixelRatio(ratio);
        it->second = std::move(image);
    }
    return it->second;
}

}  // namespace frankierung
