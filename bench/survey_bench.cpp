// How long one survey takes, sinks that do nothing included (the window adds its drawing).
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "drivertexts.h"
#include "remainders.h"
#include "survey.h"
#include "whysentences.h"

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

// "Warum?": the remainder classes, the sentences, the count and a verdict. The cost grows with
// the smallest value divided by the common divisor, and most where the walks over the remainders
// stride by 512 or 1024 of them (4 or 8 KiB), which the caches serve worst: 31743, 32767, 32255
// was the slowest triple a search over the smallest values 16000..32767 found.
void explanation(benchmark::State& state, Amount a, Amount b, Amount c) {
    const WhyWording wording = driverWhyWording(Language::German);
    for (auto _ : state) {
        const auto classes = RemainderClasses::of({a, b, c});
        auto sentences = whyArgument(*classes, wording);
        sentences.push_back(gapCountSentence(*classes, wording));
        sentences.push_back(verdictSentence(*classes, "9223372036854775807", wording));
        benchmark::DoNotOptimize(sentences);
    }
}
BENCHMARK_CAPTURE(explanation, 6_10_15, 6, 10, 15)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(explanation, 32765_32766_32767, 32765, 32766, 32767)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(explanation, 31743_32767_32255, 31743, 32767, 32255)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(explanation, 32767_32766_2, 32767, 32766, 2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
