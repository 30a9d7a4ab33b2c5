// The stamp values: typed, stepped with "+" and "-", or set by code; every change of a text
// moves its stamp picture and clears the pair panels.
#include "chartboard.h"
#include "form1.h"
#include "pairpanels.h"
#include "stampinputs.h"

namespace frankierung {

void Form1::connectStampInput() {
    connect(stamps_, &StampInputs::plusClicked, this, &Form1::cmdMarkeplus_Click);
    connect(stamps_, &StampInputs::minusClicked, this, &Form1::cmdMarkeMinus_Click);
    connect(stamps_, &StampInputs::changed, this, &Form1::txtMarke_Change);
}

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

}  // namespace frankierung
