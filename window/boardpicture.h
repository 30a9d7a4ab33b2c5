// The chart as it stands, notes included, as a picture for a file or a printer: the amounts
// between two x of the chart and its whole height, at the pixels per unit it has on screen;
// shrunk, texts and all, where a PNG that large would cost too much. The stamps are controls on
// the chart, not part of it.
#pragma once

#include "picturewriter.h"
#include "userscale.h"

namespace frankierung {

class PictureBox;

class BoardPicture final : public Picture {
public:
    // From left to right in chart units.
    BoardPicture(const PictureBox& chart, double left, double right);

    [[nodiscard]] QSize size() const override { return size_; }
    [[nodiscard]] int dpi() const override;
    void paint(QPainter& painter, const QRect& area, bool deviceClips) const override;

private:
    const PictureBox& chart_;
    UserScale scale_;  // chart units onto the picture's pixels before shrinking
    double shrink_ = 1;
    QSize size_;
};

}  // namespace frankierung
