// How long one survey takes, sinks that do nothing included (the window adds its drawing).
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "survey.h"

namespace {

using namespace frankierung;

class Boxes final : public SurveyBoxes {
public:
    Boxes(std::array<std::string, 3> s, std::string t) : s_(std::move(s)), t_(std::move(t)) {}
    std::string stampText(int i) const override { return s_[static_cast<std::size_t>(i)]; }
    void setStampText(int i, const std::string& t) override { s_[static_cast<std::size_t>(i)] = t; }
    std::string targetText() const override { return t_; }

private:
    std::array<std::string, 3> s_;
    std::string t_;
};

// Touches every mark so that nothing is optimised away.
class Counting final : public SurveySink {
public:
    void singleRow(Row, Amount, std::span<const Amount> m) override { n += m.size(); }
    void pairRow(Row, Amount, Amount, const std::string&, std::span<const Amount> m) override {
        n += m.size();
    }
    void representation(const Representation&) override { ++n; }
    void tripleRow(std::span<const Amount> m) override { n += m.size(); }
    std::size_t n = 0;
};

void survey(benchmark::State& state, const char* a, const char* b, const char* c,
            const char* target) {
    Survey s;
    for (auto _ : state) {
        Boxes boxes({a, b, c}, target);
        Counting sink;
        s.run(boxes, sink);
        benchmark::DoNotOptimize(sink.n);
    }
}

BENCHMARK_CAPTURE(survey, 6_10_15, "6", "10", "15", "200");
BENCHMARK_CAPTURE(survey, 1_32767_32767, "1", "32767", "32767", "200");
BENCHMARK_CAPTURE(survey, 32767_32767_32767, "32767", "32767", "32767", "200");
BENCHMARK_CAPTURE(survey, 1000_999_998, "1000", "999", "998", "200");
BENCHMARK_CAPTURE(survey, 1_2_3_target1000, "1", "2", "3", "1000");
BENCHMARK_CAPTURE(survey, 2_32767_32765, "2", "32767", "32765", "200");
BENCHMARK_CAPTURE(survey, 44_45_46, "44", "45", "46", "200");

}  // namespace

BENCHMARK_MAIN();
