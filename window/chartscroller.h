// The chart slid as desktop programs slide wide content: the wheel over it (a vertical wheel
// moves it sideways, as in a timeline; a touchpad's sideways swipe too), the arrow keys, Page
// Up/Down, Home and End while it has the focus, and two fingers on a touch screen. Everything
// goes through the scroll bar, whose value stays the one scroll state. One finger still writes a
// note, as the mouse does; a touch on a stamp stays the stamp's.
#pragma once

#include <QObject>
#include <QPointF>
#include <optional>

class QKeyEvent;
class QScrollBar;
class QTouchEvent;
class QWheelEvent;
class QWidget;

namespace frankierung {

class PictureBox;

class ChartScroller final : public QObject {
public:
    // Watches the chart, which lies in the container and slides by one container unit per step
    // of the bar.
    ChartScroller(QWidget* chart, const PictureBox* container, QScrollBar* bar, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool wheel(QWheelEvent* event);
    bool key(const QKeyEvent* event);
    bool touch(QTouchEvent* event);
    // The finger that writes, handed to the chart as the held left button.
    void sendMouse(int type, QPointF at);
    void endTouch();

    QWidget* chart_;
    const PictureBox* container_;
    QScrollBar* bar_;

    enum class Touch { None, Writing, Swiping };
    Touch touch_ = Touch::None;
    QPointF writingAt_;
    int fingers_ = 0;
    std::optional<double> swipeX_;  // the fingers' mean x when last seen, on the screen
    double swipeRest_ = 0;          // bar steps swiped but not yet taken
};

}  // namespace frankierung
