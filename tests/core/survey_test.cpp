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
#include "reachable.h"
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

// From the bound on every amount is reachable: the window's box says "?" where no such amount
// below 1000 is certain, the driver's summary gives the largest gap however large it is.
TEST(Survey, BoundOfAllThreeAgainstBruteForce) {
    std::mt19937 rng(3);
    for (int round = 0; round < 300; ++round) {
        std::uniform_int_distribution value(1, round % 2 == 0 ? 40 : 200);
        std::array v{value(rng), value(rng), value(rng)};
        if (round < 2) {  // the largest gap at 998 and at 999
            v = round == 0 ? std::array{29, 66, 79} : std::array{26, 26, 41};
        }
        const auto [a, b, c] = v;
        const auto r = test::reachable({a, b, c}, 40000);  // beyond any gap of values to 200
        const int last =
            static_cast<int>(std::find(r.rbegin(), r.rend(), false).base() - r.begin()) - 1;
        const bool bound = std::gcd(std::gcd(a, b), c) == 1;
        const std::vector<std::string> texts{std::to_string(a), std::to_string(b),
                                             std::to_string(c), "0"};
        SCOPED_TRACE(texts[0] + "," + texts[1] + "," + texts[2]);
        EXPECT_EQ(survey(texts)["StartABC"],
                  bound && last < 999 ? std::to_string(std::max(last, 0) + 1) : "?");
        const std::string gap = "ab " + std::to_string(last + 1) + " ist darstellbar";
        const std::string says = runDriver(texts).out;
        EXPECT_NE(says.find(!bound     ? "Unendlich viele"
                            : last < 0 ? gap + ".\n"
                                       : gap + " (größte Lücke: " + std::to_string(last) + ")."),
                  std::string::npos)
            << says;
    }
}

}  // namespace
}  // namespace frankierung
