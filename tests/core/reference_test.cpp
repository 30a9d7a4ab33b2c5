// The survey against a literal enumeration of every triple of the enumeration box, which reads
// the amount box for every triple: same table, same representations in the same order, same
// texts, on many random inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "fakes.h"
#include "numbertext.h"
#include "survey.h"

namespace frankierung {
namespace {

struct Literal {
    Survey::Table table{};
    std::vector<Representation> reps;
};

Literal literalEnumeration(double a, double b, double c, test::FakeBoxes& boxes,
                           const std::function<void()>& events) {
    Literal out;
    for (double x = 0; x <= 1000.0 / a; x += 1) {
        events();
        for (double y = 0; y <= a; y += 1) {
            for (double z = 0; z <= b; z += 1) {
                const double s = x * a + y * b + z * c;
                if (s <= 1000) {
                    out.table[static_cast<std::size_t>(std::nearbyint(s))] = 1;
                }
                const std::string text = boxes.targetText();
                if (numericValue(text) == s) {
                    out.reps.push_back(
                        {static_cast<Amount>(x),
                         static_cast<Amount>(y),
                         static_cast<Amount>(z),
                         text,
                         {static_cast<Amount>(a), static_cast<Amount>(b), static_cast<Amount>(c)}});
                }
            }
        }
    }
    return out;
}

std::string randomTarget(std::mt19937& rng) {
    switch (std::uniform_int_distribution<int>(0, 9)(rng)) {
        case 0:
            return "";
        case 1:
            return "abc";
        case 2:
            return std::to_string(std::uniform_int_distribution<int>(1001, 40000)(rng));
        case 3:
            return std::to_string(std::uniform_int_distribution<int>(-50, -1)(rng));
        case 4:
            return std::to_string(std::uniform_int_distribution<int>(0, 300)(rng)) + ".5";
        case 5:
            return " " + std::to_string(std::uniform_int_distribution<int>(0, 1000)(rng));
        default:
            return std::to_string(std::uniform_int_distribution<int>(0, 1200)(rng));
    }
}

TEST(Reference, FastEnumerationEqualsTheLiteralOne) {
    std::mt19937 rng(20261206);
    std::uniform_int_distribution<int> value(1, 150);
    for (int round = 0; round < 250; ++round) {
        const int a = value(rng), b = value(rng), c = value(rng);
        // The amount box may change wherever events are processed; both runs see the same.
        std::vector<std::string> targets(1200);
        for (auto& t : targets)
            t = randomTarget(rng);
        const int changeEvery = std::uniform_int_distribution<int>(1, 40)(rng);

        test::FakeBoxes boxes({std::to_string(a), std::to_string(b), std::to_string(c)},
                              targets[0]);
        int point = 0;
        const Literal expected = literalEnumeration(a, b, c, boxes, [&] {
            ++point;
            if (point % changeEvery == 0)
                boxes.target = targets[static_cast<std::size_t>(point)];
        });

        boxes.target = targets[0];
        test::RecordingSink sink;
        // The run's own first event point comes before the passes of x.
        sink.onEvents = [&](int p) {
            if (p > 1 && (p - 1) % changeEvery == 0) {
                boxes.target = targets[static_cast<std::size_t>(p - 1)];
            }
        };
        Survey survey;
        survey.run(boxes, sink);

        ASSERT_EQ(survey.darstellbar(), expected.table) << a << "," << b << "," << c;
        ASSERT_EQ(sink.reps.size(), expected.reps.size()) << a << "," << b << "," << c;
        for (std::size_t i = 0; i < sink.reps.size(); ++i) {
            const auto& got = sink.reps[i];
            const auto& want = expected.reps[i];
            ASSERT_EQ(std::tie(got.x, got.y, got.z, got.targetText, got.values),
                      std::tie(want.x, want.y, want.z, want.targetText, want.values))
                << a << "," << b << "," << c << " #" << i;
        }
    }
}

}  // namespace
}  // namespace frankierung
