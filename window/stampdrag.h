// Dragging a stamp along the chart by hand: a translucent copy of the stamp follows the held
// pointer, and the chart is told where the pointer is while it is over the free chart.
#pragma once

#include <QObject>
#include <QPointF>

class QLabel;
class QWidget;

namespace frankierung {

class PictureBox;

class StampDrag final : public QObject {
    Q_OBJECT
public:
    // The copy lies in window, over everything; chart is where a drag counts.
    StampDrag(QWidget* window, PictureBox* chart, QObject* parent);

    // The stamp's presses, moves and releases drive the drag.
    void follow(int index, PictureBox* stamp);

signals:
    // Only over the free chart: not over a stamp, nor anything else lying on the chart.
    void draggedOver(int index, float x, float y);

private:
    void begin(int index, PictureBox* stamp, QPointF grip);
    void moved(int index, PictureBox* stamp, QPointF pixelPos, Qt::MouseButtons buttons);
    void released(int index);

    QWidget* window_;
    PictureBox* chart_;
    // The stamp being dragged (-1: none) and where it was gripped, in its pixels.
    int index_ = -1;
    QPointF grip_;
    QLabel* copy_;
};

}  // namespace frankierung
