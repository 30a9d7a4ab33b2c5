// The pair panels: moving over one shows its pair's divisor, multiple and three-value bound.
#include <array>

#include "form1.h"
#include "pairpanels.h"

namespace frankierung {

void Form1::connectPairPanels() {
    connect(pairs_, &PairPanels::hovered, this, [this](int pair) {
        const std::array handlers{&Form1::picAB_MouseMove, &Form1::picBC_MouseMove,
                                  &Form1::picCA_MouseMove};
        (this->*handlers.at(static_cast<std::size_t>(pair)))();
    });
}

void Form1::picAB_MouseMove() {
    hint_->show(pairs_->line(0));
}

void Form1::picBC_MouseMove() {
    hint_->show(pairs_->line(1));
}

void Form1::picCA_MouseMove() {
    hint_->show(pairs_->line(2));
}

}  // namespace frankierung
