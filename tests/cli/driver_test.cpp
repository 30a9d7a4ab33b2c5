#include "driver.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace frankierung {
namespace {

DriverOutput drive(std::vector<std::string> args) {
    return runDriver(args);
}

TEST(Driver, JsonOfTheWorkedExample) {
    const auto out = drive({"--json", "6", "10", "15", "200"});
    ASSERT_EQ(out.exitCode, 0) << out.err;
    EXPECT_TRUE(out.err.empty());
    const auto j = nlohmann::json::parse(out.out);
    EXPECT_EQ(j["stamps"], (std::vector<std::string>{"6", "10", "15"}));
    EXPECT_EQ(j["StartAB"], " 16");
    EXPECT_EQ(j["StartBC"], " 10");
    EXPECT_EQ(j["StartCA"], " 12");
    EXPECT_EQ(j["StartABC"], "30");
    ASSERT_EQ(j["rows"].size(), 7u);
    EXPECT_EQ(j["rows"][0].size(), 167u);
    EXPECT_TRUE(j["rows"][3][1].is_number_integer());
    EXPECT_EQ(j["rows"][3].size(), 1169u);
    EXPECT_EQ(j["rows"][6].size(), 986u);
    ASSERT_EQ(j["representations"].size(), 12u);
    EXPECT_EQ(j["representations"][0], (std::vector<int>{0, 5, 10}));
    EXPECT_EQ(j["representations"][2], (std::vector<int>{5, 5, 8}));
    const std::string log = j["log"];
    EXPECT_EQ(log.substr(0, 38), "200 = ( 0, 5, 10) * ( 6, 10, 15)\r\n\r\n20");
    // Keys in the documented order.
    std::size_t previous = 0;
    for (const char* key : {"\"stamps\"", "\"rows\"", "\"StartAB\"", "\"StartBC\"", "\"StartCA\"",
                            "\"StartABC\"", "\"representations\"", "\"log\""}) {
        const std::size_t at = out.out.find(key);
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GE(at, previous) << key;
        previous = at;
    }
}

TEST(Driver, TextsArePassedAsTheyStand) {
    const auto out = drive({"--json", "--", "-3", " 7", "12abc", ""});
    ASSERT_EQ(out.exitCode, 0) << out.err;
    const auto j = nlohmann::json::parse(out.out);
    EXPECT_EQ(j["stamps"], (std::vector<std::string>{"1", " 7", "12abc"}));
    ASSERT_EQ(j["representations"].size(), 1u);
    EXPECT_EQ(j["log"], " = ( 0, 0, 0) * ( 1, 7, 12)\r\n\r\n");
}

TEST(Driver, JsonEscapesControlCharactersAndUmlauts) {
    const auto out = drive({"--json", "6", "10", "15", "0\x01\"ä"});
    ASSERT_EQ(out.exitCode, 0) << out.err;
    const auto j = nlohmann::json::parse(out.out);
    EXPECT_EQ(j["log"], "0\x01\"ä = ( 0, 0, 0) * ( 6, 10, 15)\r\n\r\n");
    // Invalid UTF-8 from a command line is replaced, never a crash.
    const auto bad = drive({"--json", "6", "10", "15", "0\xff"});
    EXPECT_EQ(bad.exitCode, 0);
    EXPECT_TRUE(nlohmann::json::accept(bad.out));
}

struct ExitCase {
    std::vector<std::string> args;
    int exitCode;
    const char* errContains;
};

void PrintTo(const ExitCase& c, std::ostream* os) {
    for (const auto& a : c.args)
        *os << a << " ";
}

class Exits : public ::testing::TestWithParam<ExitCase> {};

TEST_P(Exits, CodeAndMessage) {
    const auto out = drive(GetParam().args);
    EXPECT_EQ(out.exitCode, GetParam().exitCode);
    if (out.exitCode != 0) {
        EXPECT_TRUE(out.out.empty()) << out.out;
        EXPECT_NE(out.err.find(GetParam().errContains), std::string::npos) << out.err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Exits,
    ::testing::Values(ExitCase{{"6", "10", "15"}, 0, ""},
                      ExitCase{{"6", "2.5", "15"}, 2, "Markenwert B = „2.5“"},
                      ExitCase{{"--json", "6", "10", "32768"}, 2, "1 bis 32767"},
                      ExitCase{{"1e999", "10", "15", "200"}, 2, "Markenwert A"},
                      ExitCase{{"6", "10"}, 1, "Aufruf:"},
                      ExitCase{{"6", "10", "15", "200", "300"}, 1, "Aufruf:"},
                      ExitCase{{"-3", "10", "15"}, 1, "Unbekannte Option"},
                      ExitCase{{"--xml", "6", "10", "15"}, 1, "Unbekannte Option"},
                      ExitCase{{}, 1, "Aufruf:"}));

TEST(Driver, SummaryForPeople) {
    const auto out = drive({"6", "10", "15", "200"});
    ASSERT_EQ(out.exitCode, 0);
    for (const char* part :
         {"A = 6, B = 10, C = 15", "A, B: 16", "B, C: 10", "C, A: 12",
          "Feld „A, B, C“ im Fenster: 30", "1–5, 7–9, 11, 13, 14, 17, 19, 23, 29", "B): 12\n",
          "200 = ( 0, 5, 10) * ( 6, 10, 15)\n200 = ( 5, 2, 10)"}) {
        EXPECT_NE(out.out.find(part), std::string::npos) << part << "\n" << out.out;
    }
}

TEST(Driver, SummaryShowsTheTrueBoundBeyondTheRange) {
    const auto beyond = drive({"100", "101", "103"});
    EXPECT_NE(beyond.out.find("Feld „A, B, C“ im Fenster: ?"), std::string::npos);
    EXPECT_NE(beyond.out.find("ist darstellbar (größte Lücke:"), std::string::npos) << beyond.out;
    const auto never = drive({"2", "4", "6"});
    EXPECT_NE(never.out.find("Unendlich viele"), std::string::npos) << never.out;
}

}  // namespace
}  // namespace frankierung
