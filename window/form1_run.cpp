// "zeigen": one survey run, drawn into the chart and written to the boxes and the log.
#include "accessibility.h"
#include "chartboard.h"
#include "chartrenderer.h"
#include "form1.h"
#include "logcolumn.h"
#include "pairpanels.h"
#include "runsinks.h"
#include "stampinputs.h"

namespace frankierung {

void Form1::cmdZeigen_Click() {
    if (running_) {
        runPending_ = true;
        return;
    }
    running_ = true;
    do {
        runPending_ = false;
        runSurvey();
    } while (runPending_);
    running_ = false;
}

void Form1::runSurvey() {
    StampBoxes boxes(*stamps_, *column_);
    WindowRunSink window({.board = board_, .messageParent = this});
    ChartRenderer chart(board_->canvas());
    LogSink log(*column_);
    AccessibleSummary summary(board_->chart());
    SinkList sinks({&window, pairs_, &chart, &log, &summary});
    survey_.run(boxes, sinks);
}

}  // namespace frankierung
