// A worksheet's pages as they will be printed, one below the other, each scaled so that it shows
// whole in the preview. A page is painted once for a sheet and a size, not on every scroll step,
// and only while it is in view or next to it: a long sheet costs no more memory than three pages.
#pragma once

#include <QImage>
#include <QScrollArea>
#include <map>
#include <memory>

namespace frankierung {

class Worksheet;

class SheetPreview final : public QScrollArea {
    Q_OBJECT
public:
    explicit SheetPreview(QWidget* parent = nullptr);

    // Shows the sheet's pages, from the first on when their number changed; an empty preview
    // while there is no sheet.
    void setSheet(std::shared_ptr<const Worksheet> sheet);
    [[nodiscard]] std::size_t pageCount() const;
    // A page's place on the column of pages, in the column's pixels.
    [[nodiscard]] QRect pageRect(std::size_t page) const;
    // The column the pages stand on, inside the scroll area.
    [[nodiscard]] QWidget* column() const { return widget(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class Column;

    // The pages' scale and the column's height, for the viewport's size.
    void layOutPages();
    void paintPages(QPainter& painter, const QRect& exposed);
    [[nodiscard]] const QImage& pageImage(std::size_t page);

    std::shared_ptr<const Worksheet> sheet_;
    double scale_ = 1;  // preview pixels per sheet pixel
    std::map<std::size_t, QImage> images_;
};

}  // namespace frankierung
