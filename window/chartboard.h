// The chart as a board: it shows what a run draws, takes notes by hand, carries the three stamp
// pictures at their values and slides under its scroll bar. It reports the mouse in chart units;
// what that means for the other controls is the window's to say.
#pragma once

#include <QObject>
#include <QPointF>
#include <array>
#include <optional>

#include "arrangement.h"
#include "boardpicture.h"
#include "canvas.h"

class QLabel;
class QScrollBar;
class QWidget;

namespace frankierung {

class NoteHistory;
class PictureBox;

class ChartBoard final : public QObject {
    Q_OBJECT
public:
    // Builds the chart and its scroll bar in the container, the stamp pictures on the chart, and
    // the translucent copy that a dragged stamp shows in the window.
    ChartBoard(PictureBox* container, QWidget* window, QObject* parent);

    // Runs draw on the chart, and screen readers read it.
    [[nodiscard]] PictureBox* chart() const { return chart_; }
    // The canvas runs draw with; the notes and the guide have their own.
    [[nodiscard]] Canvas& canvas() const;
    // The pixels of the column left of the amount 0 that a row label may take.
    [[nodiscard]] double labelRoom() const;

    // The first arrangement gives the chart its system; the stamps keep their place on screen.
    // Later ones keep the scroll position and the stamps' places in chart units.
    void arrange(const Arrangement& a, bool first);

    // A note in note blue, 2 pixels wide, from where the mouse went down to each place it moves
    // to.
    void startNote(float x, float y);
    void continueNote(float x, float y);  // nothing without a note started
    void endNote();
    // The chart as it stands for a file or a printer: its whole width, or the part in view.
    [[nodiscard]] BoardPicture picture(bool whole) const;

    // The strokes to take back and bring back. Either command ends a stroke being drawn first.
    [[nodiscard]] NoteHistory& history() const { return *history_; }
    void takeBackNote();
    void bringBackNote();

    // The lines under the rows that explain them, bold, in type small enough to end before
    // rightEdge (the container's pixels).
    void printGuide(int rightEdge);

    // Its value label reads text + "c"; its left edge stands at the value, off the chart when
    // that is not a finite number of chart units.
    void showStampValue(int index, const QString& text);
    void placeStamp(int index, float x, float y);
    void setPatienceVisible(bool visible);  // "Geduld bitte, Rechnung läuft"
    // The chart's left edge where the scroll bar's value says; the value follows the thumb
    // while it is dragged.
    void followScrollBar();

signals:
    // In chart units, for any button.
    void pressed(float x, float y);
    void moved(float x, float y);
    void released();
    // A stamp dragged by hand, only over the free chart: not over a stamp, nor anything else
    // lying on the chart.
    void stampDraggedOver(int index, float x, float y);

private:
    // The stamps at the given share of their designed size; their value labels keep theirs.
    void sizeStamps(double share);

    PictureBox* container_;
    PictureBox* chart_;
    QScrollBar* scrollBar_;
    std::array<PictureBox*, 3> stamps_{};
    std::array<QLabel*, 3> values_{};
    QWidget* patience_;

    std::optional<Canvas> notes_;
    NoteHistory* history_;
    bool noting_ = false;
    float lastX_ = 0;
    float lastY_ = 0;
};

}  // namespace frankierung
