#include "chartscroller.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTouchEvent>
#include <QWheelEvent>
#include <cmath>

#include "picturebox.h"

namespace frankierung {

ChartScroller::ChartScroller(QWidget* chart, const PictureBox* container, QScrollBar* bar,
                             QObject* parent)
    : QObject(parent), chart_(chart), container_(container), bar_(bar) {
    chart_->setAttribute(Qt::WA_AcceptTouchEvents);
    chart_->installEventFilter(this);
}

bool ChartScroller::eventFilter(QObject* watched, QEvent* event) {
    if (watched != chart_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::Wheel:
            return wheel(static_cast<QWheelEvent*>(event));
        case QEvent::KeyPress:
            return key(static_cast<QKeyEvent*>(event));
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            return touch(static_cast<QTouchEvent*>(event));
        default:
            return false;
    }
}

bool ChartScroller::wheel(QWheelEvent* event) {
    // The bar's own rule: the desktop's lines per notch, partial notches kept, a sideways
    // delta where there is no upright one.
    QCoreApplication::sendEvent(bar_, event);
    return true;
}

bool ChartScroller::key(const QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    // Up and down as the wheel: up goes back, down goes on.
    using Action = QAbstractSlider::SliderAction;
    Action action = Action::SliderNoAction;
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            action = Action::SliderSingleStepSub;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            action = Action::SliderSingleStepAdd;
            break;
        case Qt::Key_PageUp:
            action = Action::SliderPageStepSub;
            break;
        case Qt::Key_PageDown:
            action = Action::SliderPageStepAdd;
            break;
        case Qt::Key_Home:
            action = Action::SliderToMinimum;
            break;
        case Qt::Key_End:
            action = Action::SliderToMaximum;
            break;
        default:
            return false;
    }
    bar_->triggerAction(action);
    return true;
}

bool ChartScroller::touch(QTouchEvent* event) {
    if (event->type() == QEvent::TouchBegin &&
        chart_->childAt(event->points().first().position().toPoint()) != nullptr) {
        // Not accepted: the toolkit hands the finger to the stamp as a mouse.
        event->ignore();
        return true;
    }
    event->accept();
    if (event->type() == QEvent::TouchEnd || event->type() == QEvent::TouchCancel) {
        endTouch();
        return true;
    }
    // On the screen: the chart moves under the fingers as it follows them.
    int fingers = 0;
    double sumX = 0;
    QPointF first;
    for (const QEventPoint& p : event->points()) {
        if (p.state() != QEventPoint::Released) {
            first = fingers == 0 ? p.position() : first;
            sumX += p.globalPosition().x();
            ++fingers;
        }
    }
    if (touch_ == Touch::None && fingers == 1) {
        touch_ = Touch::Writing;
        sendMouse(QEvent::MouseButtonPress, first);
    } else if (touch_ == Touch::Writing && fingers == 1) {
        sendMouse(QEvent::MouseMove, first);
    } else if (fingers >= 2) {
        if (touch_ == Touch::Writing) {
            sendMouse(QEvent::MouseButtonRelease, writingAt_);
        }
        touch_ = Touch::Swiping;
        // A finger more or less moves the mean without any swipe.
        const double x = sumX / fingers;
        if (swipeX_ && fingers == fingers_) {
            // The chart follows the fingers: a swipe to the left shows larger amounts.
            swipeRest_ += (*swipeX_ - x) / container_->scale().pixelsPerUnitX();
            const double steps = std::round(swipeRest_);
            swipeRest_ -= steps;
            bar_->setValue(bar_->value() + static_cast<int>(steps));
        }
        swipeX_ = x;
    }
    fingers_ = fingers;
    return true;
}

void ChartScroller::sendMouse(int type, QPointF at) {
    writingAt_ = at;
    const bool release = type == QEvent::MouseButtonRelease;
    QMouseEvent mouse(static_cast<QEvent::Type>(type), at, chart_->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      release ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(chart_, &mouse);
}

void ChartScroller::endTouch() {
    if (touch_ == Touch::Writing) {
        sendMouse(QEvent::MouseButtonRelease, writingAt_);
    }
    touch_ = Touch::None;
    fingers_ = 0;
    swipeX_.reset();
    swipeRest_ = 0;
}

}  // namespace frankierung
