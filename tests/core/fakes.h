// Test doubles for the survey's boxes and sink.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "survey.h"

namespace frankierung::test {

class FakeBoxes : public SurveyBoxes {
public:
    FakeBoxes(std::array<std::string, 3> stampTexts, std::string targetText_)
        : stamps(std::move(stampTexts)), target(std::move(targetText_)) {}
    std::string stampText(int i) const override { return stamps.at(static_cast<std::size_t>(i)); }
    void setStampText(int i, const std::string& t) override {
        stamps.at(static_cast<std::size_t>(i)) = t;
        writes.push_back(i);
    }
    std::string targetText() const override { return target; }

    std::array<std::string, 3> stamps;
    std::string target;
    std::vector<int> writes;
};

// Records everything in order; onEvents runs at every event-processing point.
class RecordingSink : public SurveySink {
public:
    void processEvents() override {
        ++eventPoints;
        if (onEvents)
            onEvents(eventPoints);
        calls.push_back("events");
    }
    void refused(const std::string& m) override {
        refusal = m;
        calls.push_back("refused");
    }
    void runStarted() override { calls.push_back("started"); }
    void singleRow(Row row, Amount, std::span<const Amount> marks) override {
        keep(row, marks);
        calls.push_back("single");
    }
    void pairRowsStarting() override { calls.push_back("pairs"); }
    void pairRow(Row row, Amount, Amount, const std::string& bound,
                 std::span<const Amount> marks) override {
        bounds.push_back(bound);
        keep(row, marks);
        calls.push_back("pair");
    }
    void tripleStarting() override { calls.push_back("triple"); }
    void representation(const Representation& r) override { reps.push_back(r); }
    void tripleRow(std::span<const Amount> reachable) override {
        keep(Row::ABC, reachable);
        calls.push_back("row7");
    }
    void tripleBound(const std::string& t) override {
        bounds.push_back(t);
        calls.push_back("bound7");
    }
    void runEnded() override { calls.push_back("ended"); }

    std::function<void(int)> onEvents;
    int eventPoints = 0;
    std::string refusal;
    std::vector<std::string> calls;
    std::array<std::vector<Amount>, 7> rows;
    std::vector<std::string> bounds;
    std::vector<Representation> reps;

private:
    void keep(Row row, std::span<const Amount> m) {
        rows[static_cast<std::size_t>(row) - 1].assign(m.begin(), m.end());
    }
};

}  // namespace frankierung::test
