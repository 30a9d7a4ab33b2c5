// The stamp values: typed, stepped with "+" and "-", or set by code; every change of a text
// moves its stamp picture and clears the pair panels.
#include <cmath>
#include <limits>

#include "design.h"
#include "form1.h"
#include "numbertext.h"
#include "pairpanels.h"
#include "stampinputs.h"

namespace frankierung {

namespace {

// Chart units are single precision. Beyond that range the value becomes an infinity, which
// the chart keeps off screen; a plain cast would be undefined there.
double chartUnits(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (std::fabs(value) > kLargest) {
        return std::copysign(std::numeric_limits<double>::infinity(), value);
    }
    return static_cast<double>(static_cast<float>(value));
}

}  // namespace

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
    const QString text = stamps_->text(Index);
    Label2[Index]->setText(text + QStringLiteral("c"));
    picGraph->setChildLeft(Picture1[Index], chartUnits(numericValue(text.toStdString())));
}

}  // namespace frankierung
