// "zeigen" as the window runs it: one survey run at a time, read from and shown by the window's
// parts, with the window kept alive while it works.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <array>
#include <optional>

#include "survey.h"

class QWidget;

namespace frankierung {

class ChartBoard;
class LogColumn;
class PairPanels;
class StampInputs;

class RunController final : public QObject, private SurveySink {
    Q_OBJECT
public:
    struct Parts {
        StampInputs& stamps;
        LogColumn& column;  // the amount to represent, and the log
        PairPanels& pairs;
        ChartBoard& board;
        QWidget& window;  // the parent of the message that refuses stamp values
    };
    RunController(Parts parts, QObject* parent);

    // One run of the survey. Asked for while a run lets events through, it is remembered, not
    // nested: one fresh run follows when the current one ends.
    void run();
    // The remembered run will not follow; the one in progress still finishes.
    void dropPending() { pending_ = false; }

    // What the last run that was not refused worked on: the stamp values and the text of the
    // amount box at its end.
    struct LastRun {
        std::array<Amount, 3> values{};
        QString amountText;
    };
    [[nodiscard]] const std::optional<LastRun>& lastRun() const { return lastRun_; }

    // Pending events are let through at most this often within a run; the first time always.
    static constexpr int kEventIntervalMs = 15;

signals:
    // A run has ended; lastRun() holds it.
    void ran();

private:
    void runOnce();

    // What the window shows of a run beyond the parts: the patience box while it works, the
    // refusal, and the events it lets through.
    void processEvents() override;
    void refused(const StampRefusal& refusal) override;
    void runStarted() override;
    void singleRow(Row row, Amount value, std::span<const Amount> marks) override;
    void runEnded() override;

    Parts parts_;
    Survey survey_;
    bool running_ = false;
    bool pending_ = false;
    QElapsedTimer sinceEvents_;
    std::array<Amount, 3> values_{};  // of the run in progress
    std::optional<LastRun> lastRun_;
};

}  // namespace frankierung
