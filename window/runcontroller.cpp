#include "runcontroller.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "accessibility.h"
#include "appstart.h"
#include "chartboard.h"
#include "chartrenderer.h"
#include "logcolumn.h"
#include "pairpanels.h"
#include "picturebox.h"
#include "stampinputs.h"

namespace frankierung {

namespace {

// The stamp boxes and the amount box. Setting a stamp text runs its change handling at once.
class WindowBoxes final : public SurveyBoxes {
public:
    WindowBoxes(StampInputs& stamps, const LogColumn& column) : stamps_(stamps), column_(column) {}
    [[nodiscard]] std::string stampText(int index) const override {
        return stamps_.text(index).toStdString();
    }
    void setStampText(int index, const std::string& text) override {
        stamps_.setText(index, QString::fromStdString(text));
    }
    [[nodiscard]] std::string targetText() const override { return column_.amount().toStdString(); }

private:
    StampInputs& stamps_;
    const LogColumn& column_;
};

}  // namespace

RunController::RunController(Parts parts, QObject* parent) : QObject(parent), parts_(parts) {}

void RunController::run() {
    if (running_) {
        pending_ = true;
        return;
    }
    running_ = true;
    do {
        pending_ = false;
        runOnce();
    } while (pending_);
    running_ = false;
}

void RunController::runOnce() {
    WindowBoxes boxes(parts_.stamps, parts_.column);
    ChartRenderer chart(parts_.board.canvas(), parts_.board.labelRoom());
    LogSink log(parts_.column);
    AccessibleSummary summary(parts_.board.chart());
    SinkList sinks({this, &parts_.pairs, &chart, &log, &summary});
    sinceEvents_.invalidate();
    survey_.run(boxes, sinks);
}

void RunController::processEvents() {
    if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kEventIntervalMs) {
        return;
    }
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

void RunController::refused(const StampRefusal& refusal) {
    QMessageBox box(QMessageBox::Warning, tr("Markenwert nicht zulässig"), refusalText(refusal),
                    QMessageBox::Ok, &parts_.window);
    box.setObjectName(QStringLiteral("domainMessage"));
    box.exec();
}

void RunController::runStarted() {
    parts_.board.setPatienceVisible(true);
}

void RunController::singleRow(Row row, Amount value, std::span<const Amount> /*marks*/) {
    values_.at(static_cast<std::size_t>(row) - 1) = value;
}

void RunController::runEnded() {
    parts_.board.setPatienceVisible(false);
    lastRun_ = LastRun{values_, parts_.column.amount()};
    emit ran();
}

}  // namespace frankierung
