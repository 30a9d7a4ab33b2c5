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

class PictureBox;

// The stamp boxes and the amount box. Setting a text runs the box's change handling at once.
class StampBoxes final : public SurveyBoxes {
public:
    StampBoxes(std::array<QLineEdit*, 3> stamps, QLineEdit* target)
        : stamps_(stamps), target_(target) {}
    [[nodiscard]] std::string stampText(int index) const override;
    void setStampText(int index, const std::string& text) override;
    [[nodiscard]] std::string targetText() const override;

private:
    std::array<QLineEdit*, 3> stamps_;
    QLineEdit* target_;
};

// The log box. Entries are appended at the end, never by rewriting the whole text; the
// toolkit keeps a CR LF line break as one line break.
class LogBox final : public LogText {
public:
    explicit LogBox(QTextEdit* box) : box_(box) {}
    void append(std::string_view text) override;

private:
    QTextEdit* box_;
};

// The controls around the chart: the patience box, the pair panels and the four bound boxes;
// and the event processing that keeps the window alive while a run works.
class WindowRunSink final : public SurveySink {
public:
    struct Controls {
        QWidget* patience = nullptr;  // shown while a run works
        std::array<PictureBox*, 3> pairPanels{};
        std::array<QLineEdit*, 3> stamps{};
        std::array<QLineEdit*, 4> bounds{};  // the three pairs, then all three
        QWidget* messageParent = nullptr;
    };
    explicit WindowRunSink(Controls controls) : c_(controls) {}

    void processEvents() override;
    void refused(const StampRefusal& refusal) override;
    void runStarted() override;
    void pairRowsStarting() override;
    void pairRow(Row row, Amount p, Amount q, const std::string& boundText,
                 std::span<const Amount> marks) override;
    void tripleBound(const std::string& text) override;
    void runEnded() override;

    // Pending events are let through at most this often within a run; the first time always.
    static constexpr int kEventIntervalMs = 15;

private:
    Controls c_;
    QElapsedTimer sinceEvents_;
};

}  // namespace frankierung
