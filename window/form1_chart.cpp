// The chart as a board: pointing names the amount, a press picks it and starts a freehand note;
// the stamp pictures are dragged along it by hand; the scroll bar slides it.
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QScrollBar>
#include <cmath>
#include <cstdint>

#include "form1.h"
#include "logcolumn.h"
#include "numbertext.h"
#include "stampinputs.h"

namespace frankierung {

namespace {

const QColor kNoteColor{0, 0, 128};  // palette blue

// The amount n owns the stripe n <= x < n + 1, also left of 0.
double amountUnder(float x) {
    return std::floor(static_cast<double>(x));
}

}  // namespace

void Form1::connectChart() {
    connect(picGraph, &PictureBox::mousePressed, this, [this](QPointF pos, Qt::MouseButtons) {
        picGraph_MouseDown(static_cast<float>(pos.x()), static_cast<float>(pos.y()));
    });
    connect(picGraph, &PictureBox::mouseMoved, this, [this](QPointF pos, Qt::MouseButtons) {
        picGraph_MouseMove(static_cast<float>(pos.x()), static_cast<float>(pos.y()));
    });
    connect(picGraph, &PictureBox::mouseReleased, this,
            [this](QPointF, Qt::MouseButtons) { picGraph_MouseUp(); });

    for (int i = 0; i < 3; ++i) {
        PictureBox* stamp = Picture1[static_cast<std::size_t>(i)];
        // The box reports user units; the drag works in the stamp's own pixels.
        connect(stamp, &PictureBox::mousePressed, this,
                [this, i, stamp](QPointF pos, Qt::MouseButtons) {
                    stampPressed(i, stamp->scale().toPixels(pos));
                });
        connect(stamp, &PictureBox::mouseMoved, this,
                [this, i, stamp](QPointF pos, Qt::MouseButtons buttons) {
                    stampMoved(i, stamp->scale().toPixels(pos), buttons);
                });
        connect(stamp, &PictureBox::mouseReleased, this,
                [this, i](QPointF, Qt::MouseButtons) { stampReleased(i); });
        // The value label has no handlers: a press on it must not reach the stamp beneath.
        Label2[static_cast<std::size_t>(i)]->setAttribute(Qt::WA_NoMousePropagation);
    }

    dragFeedback_ = new QLabel(this);
    dragFeedback_->setObjectName(QStringLiteral("stampDragFeedback"));
    dragFeedback_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragFeedback_->setFocusPolicy(Qt::NoFocus);
    auto* translucency = new QGraphicsOpacityEffect(dragFeedback_);
    translucency->setOpacity(0.5);
    dragFeedback_->setGraphicsEffect(translucency);
    dragFeedback_->hide();

    // Without tracking the value changes when the thumb is released; while it is dragged the
    // chart follows the thumb's position.
    hscn->setTracking(false);
    connect(hscn, &QScrollBar::valueChanged, this, [this] { hscn_Change(); });
    connect(hscn, &QScrollBar::sliderMoved, this, [this] { hscn_Scroll(); });
}

void Form1::picGraph_MouseDown(float X, float Y) {
    zeichnet = true;
    picGraph->canvas().setForeColor(kNoteColor);
    letztesX = X;
    letztesY = Y;
    column_->setAmount(QString::fromStdString(signedNumberText(amountUnder(X))));
}

void Form1::picGraph_MouseMove(float X, float Y) {
    hint_->show(QStringLiteral("N = ") + QString::fromStdString(signedNumberText(amountUnder(X))) +
                QStringLiteral("  (Auswahl zur Darstellung durch Anklicken)"));
    if (zeichnet) {
        // The pen width is whatever the last rendering left.
        picGraph->canvas().line(letztesX, letztesY, X, Y);
        letztesX = X;
        letztesY = Y;
    }
}

void Form1::picGraph_MouseUp() {
    zeichnet = false;
}

void Form1::Picture1_MouseDown(int Index) {
    if (Index < 0 || Index >= static_cast<int>(Picture1.size())) {
        return;
    }
    dragIndex_ = Index;
    PictureBox* stamp = Picture1[static_cast<std::size_t>(Index)];
    dragFeedback_->setPixmap(stamp->grab());
    dragFeedback_->resize(stamp->size());
    dragFeedback_->move(mapFromGlobal(stamp->mapToGlobal(QPoint(0, 0))));
    dragFeedback_->raise();
    dragFeedback_->show();
}

void Form1::picGraph_DragOver(int sourceIndex, float X, float Y) {
    if (sourceIndex < 0 || sourceIndex >= static_cast<int>(Picture1.size())) {
        return;
    }
    const auto i = static_cast<std::size_t>(sourceIndex);
    // Runs txtMarke_Change, which puts the picture at the whole amount ...
    stamps_->setText(sourceIndex, QString::fromStdString(
                                      plainNumberText(static_cast<std::int64_t>(amountUnder(X)))));
    // ... before it follows the pointer exactly.
    picGraph->placeChildAt(Picture1[i], X, Y);
}

void Form1::stampPressed(int index, QPointF pixelPos) {
    dragGrip_ = pixelPos;
    Picture1_MouseDown(index);
}

void Form1::stampMoved(int index, QPointF pixelPos, Qt::MouseButtons buttons) {
    if (index != dragIndex_ || buttons == Qt::NoButton) {
        return;
    }
    PictureBox* stamp = Picture1[static_cast<std::size_t>(index)];
    const QPointF global = stamp->mapToGlobal(pixelPos);
    dragFeedback_->move((mapFromGlobal(global) - dragGrip_).toPoint());
    // Only free parts of the chart take the drag: not the stamp pictures nor what lies on them,
    // nor the legend or anything else that covers the chart.
    if (childAt(mapFromGlobal(global).toPoint()) != picGraph) {
        return;
    }
    const QPointF user = picGraph->scale().toUser(picGraph->mapFromGlobal(global));
    picGraph_DragOver(index, static_cast<float>(user.x()), static_cast<float>(user.y()));
}

void Form1::stampReleased(int index) {
    if (index != dragIndex_) {
        return;
    }
    dragIndex_ = -1;
    dragFeedback_->hide();
    dragFeedback_->clear();
}

void Form1::hscn_Change() {
    // 16, not the legend's width: start-up placed the chart there.
    const auto left = static_cast<std::int16_t>(16 - hscn->sliderPosition());
    picContainer->setChildLeft(picGraph, static_cast<float>(left));
}

void Form1::hscn_Scroll() {
    hscn_Change();
}

}  // namespace frankierung
