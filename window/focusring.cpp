#include "focusring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>

#include "picturebox.h"

namespace frankierung {

namespace {

constexpr int kWidth = 2;  // over a sunken border exactly, so a panel's label stays clear

bool showsNoFocus(const QWidget* w) {
    return qobject_cast<const PictureBox*>(w) != nullptr ||
           qobject_cast<const QScrollBar*>(w) != nullptr;
}

}  // namespace

FocusRing::FocusRing(QWidget& window) : QWidget(&window), window_(window) {
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    fitLater_.setSingleShot(true);  // at once when the events in hand are done
    connect(&fitLater_, &QTimer::timeout, this, &FocusRing::fit);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* /*old*/, QWidget* now) { follow(now); });
}

QRect FocusRing::shownPart(const QWidget& control) {
    const QWidget* parent = control.parentWidget();
    if (parent == nullptr) {
        return control.rect();
    }
    QRegion shown = QRegion(control.geometry()) & parent->rect();
    const QObjectList& siblings = parent->children();  // back to front
    for (qsizetype i = siblings.indexOf(&control) + 1; i < siblings.size(); ++i) {
        const auto* w = qobject_cast<const QWidget*>(siblings[i]);
        if (w == nullptr || !w->isVisibleTo(parent) || w->isWindow()) {
            continue;
        }
        // A border frame covers only its ring.
        shown -= w->mask().isEmpty() ? QRegion(w->geometry()) : w->mask().translated(w->pos());
    }
    return shown.boundingRect().translated(-control.pos());
}

void FocusRing::follow(QWidget* focused) {
    if (control_ != nullptr) {
        control_->removeEventFilter(this);
    }
    // As the style draws the focus of buttons and boxes: once the keyboard has moved it.
    if (focused == nullptr || !showsNoFocus(focused) || focused->window() != &window_ ||
        !window_.testAttribute(Qt::WA_KeyboardFocusChange)) {
        control_ = nullptr;
        hide();
        setParent(&window_);
        return;
    }
    control_ = focused;
    setParent(focused);
    focused->installEventFilter(this);
    fit();
    show();
}

void FocusRing::fit() {
    if (control_ == nullptr) {
        return;
    }
    const QRect r = shownPart(*control_);
    setGeometry(r);
    const QRect inside(QPoint(0, 0), r.size());
    setMask(QRegion(inside).subtracted(inside.adjusted(kWidth, kWidth, -kWidth, -kWidth)));
    raise();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    // The chart moves under its scroll bar; a window resize moves and sizes every box. Fitted
    // once the box has handled the event: a box raises its border over its children then.
    if (watched == control_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        fitLater_.start();
    }
    return false;
}

void FocusRing::paintEvent(QPaintEvent* /*event*/) {
    QPainter(this).fillRect(rect(), palette().color(QPalette::Highlight));
}

}  // namespace frankierung
