// The survey against a literal enumeration of the whole box, reading the amount box for every
// triple while it changes, and, through the driver, against brute force for the bound of all
// three values.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <nlohmann/json.hpp>
#include <numeric>
#include <random>

#include "driver.h"
#include "numbertext.h"
#include "survey.h"

namespace frankierung {
namespace {

using Triple = std::tuple<Amount, Amount, Amount, std::string>;

struct Boxes : SurveyBoxes, SurveySink {
    std::string stampText(int i) const override { return stamps.at(static_cast<std::size_t>(i)); }
    void setStampText(int, const std::string&) override { ADD_FAILURE() << "no value is below 1"; }
    std::string targetText() const override { return target; }
    void processEvents() override { onEvents(++eventPoints); }
    void representation(const Representation& r) override {
        reps.emplace_back(r.x, r.y, r.z, r.targetText);
    }
    std::array<std::string, 3> stamps;
    std::string target;
    std::function<void(int)> onEvents;
    int eventPoints = 0;
    std::vector<Triple> reps;
};

TEST(Survey, EqualsTheLiteralEnumerationWhileTheAmountBoxChanges) {
    std::mt19937 rng(20261206);
    const char* kTargets[] = {"", "abc", "1100", "-6", "200.5", " 17", "1e999", "65534"};
    for (int round = 0; round < 200; ++round) {
        std::uniform_int_distribution value(1, 150);
        const int a = value(rng), b = value(rng), c = value(rng);
        std::vector<std::string> targets(1200);
        for (auto& t : targets) {
            const int k = std::uniform_int_distribution(0, 15)(rng);
            t = k < 8 ? kTargets[k] : std::to_string(std::uniform_int_distribution(0, 1200)(rng));
        }
        const int every = std::uniform_int_distribution(1, 40)(rng);
        // As first described: x <= 1000/A, y <= A, z <= B, every sum compared with the amount
        // box as it stands; the box changes only where events are let through.
        Boxes boxes;
        boxes.stamps = {std::to_string(a), std::to_string(b), std::to_string(c)};
        boxes.target = targets[0];
        Survey::Table table{};
        std::vector<Triple> reps;
        for (double x = 0; x <= 1000.0 / a; ++x) {
            if (static_cast<int>(x + 1) % every == 0) {
                boxes.target = targets[static_cast<std::size_t>(x + 1)];
            }
            for (double y = 0; y <= a; ++y) {
                for (double z = 0; z <= b; ++z) {
                    const double s = x * a + y * b + z * c;
                    if (s <= 1000) {
                        table[static_cast<std::size_t>(std::nearbyint(s))] = 1;
                    }
                    if (numericValue(boxes.target) == s) {
                        reps.emplace_back(static_cast<Amount>(x), static_cast<Amount>(y),
                                          static_cast<Amount>(z), boxes.target);
                    }
                }
            }
        }
        boxes.target = targets[0];
        boxes.onEvents = [&](int p) {  // the run's first event point comes before the passes
            if (p > 1 && (p - 1) % every == 0) {
                boxes.target = targets[static_cast<std::size_t>(p - 1)];
            }
        };
        Survey survey;
        survey.run(boxes, boxes);
        ASSERT_EQ(survey.darstellbar(), table) << a << "," << b << "," << c;
        ASSERT_EQ(boxes.reps, reps) << a << "," << b << "," << c;
        ASSERT_EQ(boxes.eventPoints, 1000 / a + 2);
    }
}

nlohmann::json survey(const std::vector<std::string>& texts) {
    std::vector<std::string> args{"--json", "--"};
    args.insert(args.end(), texts.begin(), texts.end());
    const ProgramOutcome out = runDriver(args);
    return out.exitCode == 0 ? nlohmann::json::parse(out.out) : nlohmann::json(out.err);
}

// From the bound on every amount is reachable; "?" where no such amount below 1000 is certain,
// also when the gaps lie just beyond 1000.
TEST(Survey, BoundOfAllThreeAgainstBruteForce) {
    std::vector<std::array<int, 3>> triples{
        {1, 10, 15},  {2, 4, 6},     {3, 6, 9},    {100, 101, 103}, {44, 45, 46},
        {35, 79, 87}, {200, 201, 7}, {29, 66, 79}, {26, 26, 41}};  // gaps up to 998 and 999
    for (const auto& [a, b, c] : triples) {
        std::vector<bool> r(5000, false);
        int last = -1;
        for (int n = 0; n < 5000; ++n) {
            r[n] = n == 0 || (n >= a && r[n - a]) || (n >= b && r[n - b]) || (n >= c && r[n - c]);
            last = r[n] ? last : n;
        }
        const bool bound = std::gcd(std::gcd(a, b), c) == 1 && last + 1 < 1000;
        const auto j = survey({std::to_string(a), std::to_string(b), std::to_string(c), "0"});
        ASSERT_EQ(j["StartABC"], bound ? std::to_string(std::max(last, 0) + 1) : "?")
            << a << "," << b << "," << c;
    }
}

TEST(Survey, ValuesBelowOneBecomeOneAndOthersOutsideAreRefused) {
    EXPECT_EQ(survey({"0", "", "-1e999"})["stamps"], (std::vector<std::string>{"1", "1", "1"}));
    EXPECT_EQ(survey({" 5", "1", "1 2"})["stamps"], (std::vector<std::string>{" 5", "1", "1 2"}));
    EXPECT_EQ(survey({"2.5", "10", "15"}),
              "Markenwert A = „2.5“ geht nicht: erlaubt sind ganze Zahlen von 1 bis 32767.\n");
    EXPECT_EQ(survey({"0", "32768", "15"}),
              "Markenwert B = „32768“ geht nicht: erlaubt sind ganze Zahlen von 1 bis 32767.\n");
    EXPECT_EQ(survey({"6", "0", "1.5e0x"}),
              "Markenwert C = „1.5e0x“ geht nicht: erlaubt sind ganze Zahlen von 1 bis 32767.\n");
}

}  // namespace
}  // namespace frankierung
