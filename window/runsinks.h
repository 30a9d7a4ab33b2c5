// How a survey run meets the window: the boxes it reads and writes, the log box it appends
// to, and what the window itself shows while and after it runs.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <array>

#include "logentry.h"
#include "survey.h"

class QLineEdit;
class QTextEdit;
class QWidget;

namespace frankierung {

class ChartBoard;
class LogColumn;
class PictureBox;
class StampInputs;

// The stamp boxes and the amount box. Setting a text runs the box's change handling at once.
class StampBoxes final : public SurveyBoxes {
public:
    StampBoxes(StampInputs& stamps, const LogColumn& column) : stamps_(stamps), column_(column) {}
    [[nodiscard]] std::string stampText(int index) const override;
    void setStampText(int index, const std::string& text) override;
    [[nodiscard]] std::string targetText() const override;

private:
    StampInputs& stamps_;
    const LogColumn& column_;
};

// The controls around the chart: the patience box, the pair panels and the four bound boxes;
// and the event processing that keeps the window alive while a run works.
class WindowRunSink final : public SurveySink {
public:
    struct Controls {
        ChartBoard* board = nullptr;  // its patience box shows while a run works
        QWidget* messageParent = nullptr;
    };
    explicit WindowRunSink(Controls controls) : c_(controls) {}

    void processEvents() override;
    void refused(const std::string& message) override;
    void runStarted() override;
    void runEnded() override;

    // Pending events are let through at most this often within a run; the first time always.
    static constexpr int kEventIntervalMs = 15;

private:
    Controls c_;
    QElapsedTimer sinceEvents_;
};

}  // namespace frankierung
