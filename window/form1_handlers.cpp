// The window's named handlers: what a command, a stamp value, a pair panel or the mouse on the
// chart means for the parts; and the start-up.
#include <QCoreApplication>
#include <QMessageBox>
#include <array>
#include <cmath>
#include <cstdint>

#include "canvas.h"
#include "chartboard.h"
#include "form1.h"
#include "hintline.h"
#include "logcolumn.h"
#include "numbertext.h"
#include "pairpanels.h"
#include "runcontroller.h"
#include "stampinputs.h"

namespace frankierung {

namespace {

// The amount n owns the stripe n <= x < n + 1, also left of 0.
double amountUnder(float x) {
    return std::floor(static_cast<double>(x));
}

}  // namespace

void Form1::connectParts() {
    connect(column_, &LogColumn::clearClicked, this, &Form1::cmdLoeschen_Click);
    connect(column_, &LogColumn::showClicked, this, &Form1::cmdWie_Click);
    connect(stamps_, &StampInputs::plusClicked, this, &Form1::cmdMarkeplus_Click);
    connect(stamps_, &StampInputs::minusClicked, this, &Form1::cmdMarkeMinus_Click);
    connect(stamps_, &StampInputs::changed, this, &Form1::txtMarke_Change);
    connect(pairs_, &PairPanels::hovered, this, [this](int pair) {
        const std::array handlers{&Form1::picAB_MouseMove, &Form1::picBC_MouseMove,
                                  &Form1::picCA_MouseMove};
        (this->*handlers.at(static_cast<std::size_t>(pair)))();
    });
    connect(board_, &ChartBoard::pressed, this, &Form1::picGraph_MouseDown);
    connect(board_, &ChartBoard::moved, this, &Form1::picGraph_MouseMove);
    connect(board_, &ChartBoard::released, this, &Form1::picGraph_MouseUp);
    connect(board_, &ChartBoard::stampPressed, this, &Form1::Picture1_MouseDown);
    connect(board_, &ChartBoard::stampDraggedOver, this, &Form1::picGraph_DragOver);
    connect(board_, &ChartBoard::scrolled, this, &Form1::hscn_Change);
    connect(board_, &ChartBoard::scrolling, this, &Form1::hscn_Scroll);
}

void Form1::Form_Load() {
    setMinimumSize(kMinimumWindowWidth, kMinimumWindowHeight);
    arrangeForm();
    board_->canvas().setFontSize(10);
    cmdZeigen_Click();
    board_->printGuide(column_->logLeft());
    hscn_Change();
    for (int k = 0; k < 3; ++k) {
        board_->showStampValue(k, stamps_->text(k));
    }
}

// --- Commands and menus ---

void Form1::cmdZeigen_Click() {
    run_->run();
}

void Form1::cmdCls_Click() {
    board_->canvas().cls();
    column_->clearLog();
}

void Form1::cmdLoeschen_Click() {
    column_->clearLog();
}

void Form1::cmdWie_Click() {
    cmdZeigen_Click();
}

void Form1::cmdAlles_Click() {
    board_->canvas().cls();
}

void Form1::cmdZeichnen_Click() {
    // The run clears the chart before it draws; stamp values it refuses leave chart and notes.
    cmdZeigen_Click();
}

void Form1::cmdInfo_Click() {
    QMessageBox box(QMessageBox::Information, tr("Programmiert von"),
                    QStringLiteral("Orvandel\nKestrelhaus"), QMessageBox::Ok, this);
    box.exec();
}

void Form1::cmdEnde_Click() {
    // A run in progress finishes inside its event processing; a run it had deferred must not
    // follow.
    run_->dropPending();
    close();
    QCoreApplication::quit();
}

// --- Stamp value input ---

void Form1::cmdMarkeplus_Click(int Index) {
    if (const QString refusal = stamps_->step(Index, +1); !refusal.isEmpty()) {
        hint_->show(refusal);
    }
}

void Form1::cmdMarkeMinus_Click(int Index) {
    if (const QString refusal = stamps_->step(Index, -1); !refusal.isEmpty()) {
        hint_->show(refusal);
    }
}

void Form1::txtMarke_Change(int Index) {
    pairs_->clear();
    board_->showStampValue(Index, stamps_->text(Index));
}

// --- Pair information panels ---

void Form1::picAB_MouseMove() {
    hint_->show(pairs_->line(0));
}

void Form1::picBC_MouseMove() {
    hint_->show(pairs_->line(1));
}

void Form1::picCA_MouseMove() {
    hint_->show(pairs_->line(2));
}

// --- Chart interaction ---

void Form1::picGraph_MouseDown(float X, float Y) {
    board_->startNote(X, Y);
    column_->setAmount(QString::fromStdString(signedNumberText(amountUnder(X))));
}

void Form1::picGraph_MouseMove(float X, float Y) {
    hint_->show(QStringLiteral("N = ") + QString::fromStdString(signedNumberText(amountUnder(X))) +
                tr("  (Auswahl zur Darstellung durch Anklicken)"));
    board_->continueNote(X, Y);
}

void Form1::picGraph_MouseUp() {
    board_->endNote();
}

void Form1::Picture1_MouseDown(int Index) {
    board_->beginStampDrag(Index);
}

void Form1::picGraph_DragOver(int sourceIndex, float X, float Y) {
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
