// The chart as a board: pointing names the amount, a press picks it and starts a freehand note;
// the stamp pictures are dragged along it by hand; the scroll bar slides it.
#include <cmath>
#include <cstdint>

#include "chartboard.h"
#include "form1.h"
#include "logcolumn.h"
#include "numbertext.h"
#include "stampinputs.h"

namespace frankierung {

namespace {

// The amount n owns the stripe n <= x < n + 1, also left of 0.
double amountUnder(float x) {
    return std::floor(static_cast<double>(x));
}

}  // namespace

void Form1::connectChart() {
    connect(board_, &ChartBoard::pressed, this, &Form1::picGraph_MouseDown);
    connect(board_, &ChartBoard::moved, this, &Form1::picGraph_MouseMove);
    connect(board_, &ChartBoard::released, this, &Form1::picGraph_MouseUp);
    connect(board_, &ChartBoard::stampPressed, this, &Form1::Picture1_MouseDown);
    connect(board_, &ChartBoard::stampDraggedOver, this, &Form1::picGraph_DragOver);
    connect(board_, &ChartBoard::scrolled, this, &Form1::hscn_Change);
    connect(board_, &ChartBoard::scrolling, this, &Form1::hscn_Scroll);
}

void Form1::picGraph_MouseDown(float X, float Y) {
    board_->startNote(X, Y);
    column_->setAmount(QString::fromStdString(signedNumberText(amountUnder(X))));
}

void Form1::picGraph_MouseMove(float X, float Y) {
    hint_->show(QStringLiteral("N = ") + QString::fromStdString(signedNumberText(amountUnder(X))) +
                QStringLiteral("  (Auswahl zur Darstellung durch Anklicken)"));
    board_->continueNote(X, Y);
}

void Form1::picGraph_MouseUp() {
    board_->endNote();
}

void Form1::Picture1_MouseDown(int Index) {
    board_->beginStampDrag(Index);
}

void Form1::picGraph_DragOver(int sourceIndex, float X, float Y) {
    if (sourceIndex < 0 || sourceIndex >= 3) {
        return;
    }
    // Runs txtMarke_Change, which puts the picture at the whole amount ...
    stamps_->setText(sourceIndex, QString::fromStdString(
                                      plainNumberText(static_cast<std::int64_t>(amountUnder(X)))));
    // ... before it follows the pointer exactly.
    board_->placeStamp(sourceIndex, X, Y);
}

void Form1::hscn_Change() {
    board_->followScrollBar();
}

void Form1::hscn_Scroll() {
    hscn_Change();
}

}  // namespace frankierung
