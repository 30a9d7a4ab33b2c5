#include "stampdrag.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>

#include "picturebox.h"

namespace frankierung {

StampDrag::StampDrag(QWidget* window, PictureBox* chart, QObject* parent)
    : QObject(parent), window_(window), chart_(chart), copy_(new QLabel(window)) {
    copy_->setObjectName(QStringLiteral("stampDragFeedback"));
    copy_->setAttribute(Qt::WA_TransparentForMouseEvents);
    copy_->setFocusPolicy(Qt::NoFocus);
    auto* translucency = new QGraphicsOpacityEffect(copy_);
    translucency->setOpacity(0.5);
    copy_->setGraphicsEffect(translucency);
    copy_->hide();
}

void StampDrag::follow(int index, PictureBox* stamp) {
    // The box reports user units; the drag works in the stamp's own pixels.
    connect(stamp, &PictureBox::mousePressed, this,
            [this, index, stamp](QPointF pos, Qt::MouseButtons) {
                begin(index, stamp, stamp->scale().toPixels(pos));
            });
    connect(stamp, &PictureBox::mouseMoved, this,
            [this, index, stamp](QPointF pos, Qt::MouseButtons buttons) {
                moved(index, stamp, stamp->scale().toPixels(pos), buttons);
            });
    connect(stamp, &PictureBox::mouseReleased, this,
            [this, index](QPointF, Qt::MouseButtons) { released(index); });
}

void StampDrag::begin(int index, PictureBox* stamp, QPointF grip) {
    index_ = index;
    grip_ = grip;
    copy_->setPixmap(stamp->grab());
    copy_->resize(stamp->size());
    copy_->move(window_->mapFromGlobal(stamp->mapToGlobal(QPoint(0, 0))));
    copy_->raise();
    copy_->show();
}

void StampDrag::moved(int index, PictureBox* stamp, QPointF pixelPos, Qt::MouseButtons buttons) {
    if (index != index_ || buttons == Qt::NoButton) {
        return;
    }
    const QPointF global = stamp->mapToGlobal(pixelPos);
    copy_->move((window_->mapFromGlobal(global) - grip_).toPoint());
    // Only free parts of the chart take the drag: not the stamp pictures nor what lies on them,
    // nor the legend or anything else that covers the chart.
    if (window_->childAt(window_->mapFromGlobal(global).toPoint()) != chart_) {
        return;
    }
    const QPointF user = chart_->scale().toUser(chart_->mapFromGlobal(global));
    emit draggedOver(index, static_cast<float>(user.x()), static_cast<float>(user.y()));
}

void StampDrag::released(int index) {
    if (index != index_) {
        return;
    }
    index_ = -1;
    copy_->hide();
    copy_->clear();
}

}  // namespace frankierung
