#include "survey.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "pairs.h"

namespace frankierung {
namespace {

using test::FakeBoxes;
using test::RecordingSink;

struct SurveyRun {
    FakeBoxes boxes;
    RecordingSink sink;
    Survey survey;
    SurveyRun(std::array<std::string, 3> stamps, std::string target = "200")
        : boxes(std::move(stamps), std::move(target)) {
        survey.run(boxes, sink);
    }
};

TEST(Survey, WorkedExampleSixTenFifteen) {
    SurveyRun r({"6", "10", "15"});
    ASSERT_TRUE(r.sink.refusal.empty());
    EXPECT_EQ(r.sink.bounds, (std::vector<std::string>{" 16", " 10", " 12", "30"}));
    EXPECT_EQ(r.sink.rows[0].size(), 167u);
    EXPECT_EQ(r.sink.rows[0].back(), 996);
    EXPECT_EQ(r.sink.rows[3].size(), 167u * 7u);
    EXPECT_EQ(r.sink.rows[4].size(), 101u * 11u);
    EXPECT_EQ(r.sink.rows[5].size(), 67u * 16u);
    EXPECT_EQ(std::vector<Amount>(r.sink.rows[3].begin(), r.sink.rows[3].begin() + 8),
              (std::vector<Amount>{0, 10, 20, 30, 40, 50, 60, 6}));
    const std::vector<Amount> gaps{1, 2, 3, 4, 5, 7, 8, 9, 11, 13, 14, 17, 19, 23, 29};
    EXPECT_EQ(r.sink.rows[6].size(), 1001u - gaps.size());
    for (const Amount g : gaps) {
        EXPECT_EQ(r.survey.darstellbar()[static_cast<std::size_t>(g)], 0) << g;
    }
    EXPECT_EQ(r.survey.letzteLuecke(), 29);
    ASSERT_EQ(r.sink.reps.size(), 12u);
    const std::vector<std::array<Amount, 3>> first{{0, 5, 10}, {5, 2, 10}, {5, 5, 8}};
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ((std::array<Amount, 3>{r.sink.reps[i].x, r.sink.reps[i].y, r.sink.reps[i].z}),
                  first[i]);
        EXPECT_EQ(r.sink.reps[i].targetText, "200");
    }
    EXPECT_TRUE(r.boxes.writes.empty());
}

TEST(Survey, ProducesItsResultsInRunOrder) {
    SurveyRun r({"6", "10", "15"});
    std::vector<std::string> expected{"events", "started", "single", "single", "single",
                                      "pairs",  "pair",    "pair",   "pair",   "triple"};
    expected.insert(expected.end(), 167, "events");  // one per pass of x
    expected.insert(expected.end(), {"row7", "bound7", "ended"});
    EXPECT_EQ(r.sink.calls, expected);
}

struct BoundCase {
    std::array<std::string, 3> stamps;
    std::vector<std::string> bounds;  // AB, BC, CA, ABC
};

void PrintTo(const BoundCase& c, std::ostream* os) {
    *os << c.stamps[0] << "," << c.stamps[1] << "," << c.stamps[2];
}

class Bounds : public ::testing::TestWithParam<BoundCase> {};

TEST_P(Bounds, FillTheFourBoxes) {
    SurveyRun r(GetParam().stamps);
    EXPECT_EQ(r.sink.bounds, GetParam().bounds);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Bounds,
    ::testing::Values(BoundCase{{"1", "10", "15"}, {" 0", " 10", " 0", "1"}},
                      BoundCase{{"15", "5", "7"}, {" 0", " 24", " 84", "24"}},
                      BoundCase{{"2", "4", "6"}, {" 0", " 4", " 0", "?"}},
                      BoundCase{{"3", "6", "9"}, {" 0", " 6", " 0", "?"}},
                      BoundCase{{"100", "101", "103"}, {" 9900", " 10200", " 10098", "?"}},
                      // Gaps at 999, 1000 and 1001 but none from 1002 on would be shown as 968 if
                      // only the range up to 1000 counted; the true largest gap decides.
                      BoundCase{{"44", "45", "46"}, {" 1892", " 1980", " 924", "968"}},
                      BoundCase{{"200", "201", "7"}, {" 39800", " 1200", " 1194", "595"}},
                      BoundCase{{" 7", "10", "12abc"}, {" 54", " 40", " 66", "26"}}));

// Amounts whose largest gap lies just beyond the survey range must not claim a bound.
TEST(Survey, NoFalseBoundWhenGapsLieBeyondTheRange) {
    for (int a = 30; a <= 60; ++a) {
        for (int b = a + 1; b <= 70; b += 3) {
            for (int c = b + 1; c <= 80; c += 5) {
                SurveyRun r({std::to_string(a), std::to_string(b), std::to_string(c)});
                const std::string text = r.sink.bounds.back();
                if (text == "?")
                    continue;
                const auto gap = largestGap(a, b, c);
                ASSERT_TRUE(gap.has_value());
                EXPECT_EQ(std::to_string(*gap + 1 < 1 ? 1 : *gap + 1), text)
                    << a << "," << b << "," << c;
            }
        }
    }
}

struct FixCase {
    std::array<std::string, 3> stamps;
    std::array<std::string, 3> fixed;
    std::vector<int> writes;
};

void PrintTo(const FixCase& c, std::ostream* os) {
    *os << c.stamps[0] << "," << c.stamps[1] << "," << c.stamps[2];
}

class Fixing : public ::testing::TestWithParam<FixCase> {};

TEST_P(Fixing, ValuesBelowOneBecomeOne) {
    SurveyRun r(GetParam().stamps);
    EXPECT_TRUE(r.sink.refusal.empty()) << r.sink.refusal;
    EXPECT_EQ(r.boxes.stamps, GetParam().fixed);
    EXPECT_EQ(r.boxes.writes, GetParam().writes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Fixing,
    ::testing::Values(FixCase{{"0", "10", "15"}, {"1", "10", "15"}, {0}},
                      FixCase{{"6", "", "abc"}, {"6", "1", "1"}, {1, 2}},
                      FixCase{{"-3", "0.5", "-1e999"}, {"1", "1", "1"}, {0, 1, 2}},
                      FixCase{{" 5", "1", "12abc"}, {" 5", "1", "12abc"}, {}}));

class Refusal : public ::testing::TestWithParam<std::array<std::string, 3>> {};

TEST_P(Refusal, OutOfDomainChangesNothing) {
    SurveyRun r(GetParam());
    EXPECT_FALSE(r.sink.refusal.empty());
    EXPECT_EQ(r.sink.calls, (std::vector<std::string>{"events", "refused"}));
    EXPECT_EQ(r.boxes.stamps, GetParam());
    EXPECT_TRUE(r.boxes.writes.empty());
    EXPECT_NE(r.sink.refusal.find("1 bis 32767"), std::string::npos) << r.sink.refusal;
}

INSTANTIATE_TEST_SUITE_P(Texts, Refusal,
                         ::testing::Values(std::array<std::string, 3>{"2.5", "10", "15"},
                                           std::array<std::string, 3>{"6", "32768", "15"},
                                           std::array<std::string, 3>{"0", "10", "1e999"},
                                           std::array<std::string, 3>{"6", "10", "1.5e0x"}));

TEST(Refusal, NamesTheBoxAndItsText) {
    SurveyRun r({"6", "0", "2.5"});
    EXPECT_EQ(r.sink.refusal,
              "Markenwert C = „2.5“ geht nicht: erlaubt sind ganze Zahlen von 1 bis 32767.");
}

struct TargetCase {
    std::string target;
    std::size_t count;
    std::array<Amount, 3> first;
};

void PrintTo(const TargetCase& c, std::ostream* os) {
    *os << '"' << c.target << '"';
}

class Targets : public ::testing::TestWithParam<TargetCase> {};

TEST_P(Targets, RepresentationsOfTheAmount) {
    SurveyRun r({"6", "10", "15"}, GetParam().target);
    ASSERT_EQ(r.sink.reps.size(), GetParam().count);
    if (!r.sink.reps.empty()) {
        const auto& f = r.sink.reps.front();
        EXPECT_EQ((std::array<Amount, 3>{f.x, f.y, f.z}), GetParam().first);
        EXPECT_EQ(f.targetText, GetParam().target);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Targets,
    ::testing::Values(TargetCase{"1100", 7, {150, 5, 10}}, TargetCase{"", 1, {0, 0, 0}},
                      TargetCase{"abc", 1, {0, 0, 0}}, TargetCase{"0", 1, {0, 0, 0}},
                      TargetCase{"29", 0, {}}, TargetCase{"200.5", 0, {}}, TargetCase{"-6", 0, {}},
                      TargetCase{" 17", 0, {}}, TargetCase{" 16", 1, {1, 1, 0}},
                      TargetCase{"1e999", 0, {}}));

TEST(Survey, LargeValuesStayBounded) {
    SurveyRun r({"32767", "32767", "32767"}, "65534");
    EXPECT_EQ(r.sink.rows[0], (std::vector<Amount>{0}));
    EXPECT_EQ(r.sink.rows[3].size(), 32768u);
    EXPECT_EQ(r.sink.rows[3].back(), 32767LL * 32767LL);
    EXPECT_EQ(r.sink.bounds.back(), "?");
    ASSERT_EQ(r.sink.reps.size(), 3u);  // y + z = 2, ascending y
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(r.sink.reps[i].y, static_cast<Amount>(i));
        EXPECT_EQ(r.sink.reps[i].z, static_cast<Amount>(2 - i));
    }
}

TEST(Survey, TargetChangedWhileRunningCountsFromTheNextPass) {
    FakeBoxes boxes({"6", "10", "15"}, "0");
    RecordingSink sink;
    // The first event point is the run's start; pass x = 0 follows at point 2.
    sink.onEvents = [&](int point) {
        if (point == 3)
            boxes.target = "6";
    };
    Survey survey;
    survey.run(boxes, sink);
    ASSERT_EQ(sink.reps.size(), 2u);
    EXPECT_EQ(sink.reps[0].targetText, "0");
    EXPECT_EQ(sink.reps[1].targetText, "6");
    EXPECT_EQ(sink.reps[1].x, 1);
}

}  // namespace
}  // namespace frankierung
