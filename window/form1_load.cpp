// Start-up: arrange, draw the chart once, explain it, and put the stamps at their values.
#include "canvas.h"
#include "chartboard.h"
#include "form1.h"
#include "logcolumn.h"
#include "stampinputs.h"

namespace frankierung {

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

}  // namespace frankierung
