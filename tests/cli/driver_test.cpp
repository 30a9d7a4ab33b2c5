// The survey driver as its callers see it: the JSON, the summary for people and the exit codes.
#include "driver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "core/reachable.h"

namespace frankierung {
namespace {

ProgramOutcome drive(std::vector<std::string> args) {
    return runDriver(args);
}

TEST(Driver, JsonOfTheStartValuesAndOfOddTexts) {
    const auto out = drive({"--json", "6", "10", "15"});
    ASSERT_EQ(out.exitCode, 0) << out.err;
    EXPECT_EQ(out.err, "");
    const auto j = nlohmann::ordered_json::parse(out.out);
    std::vector<std::string> keys;
    for (const auto& item : j.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"stamps", "rows", "StartAB", "StartBC", "StartCA",
                                              "StartABC", "representations", "log"}));
    EXPECT_EQ(j["stamps"], (std::vector<std::string>{"6", "10", "15"}));
    EXPECT_EQ(j["StartAB"].get<std::string>() + j["StartBC"].get<std::string>() +
                  j["StartCA"].get<std::string>() + "|" + j["StartABC"].get<std::string>(),
              " 16 10 12|30");
    // Each row lists sums of its values only, and every such sum up to 1000.
    const std::vector<int> values[] = {{6}, {10}, {15}, {6, 10}, {10, 15}, {15, 6}, {6, 10, 15}};
    for (std::size_t row = 0; row < std::size(values); ++row) {
        const auto sums = test::reachable(values[row], 2000);
        std::vector<bool> listed(sums.size());
        for (const int n : j["rows"][row]) {
            EXPECT_TRUE(sums.at(n)) << row << ": " << n;
            listed.at(n) = true;
        }
        EXPECT_TRUE(std::equal(sums.begin(), sums.begin() + 1001, listed.begin())) << row;
    }
    ASSERT_EQ(j["representations"].size(), 12U);  // of 200, the amount when none is given
    EXPECT_EQ(j["representations"][2], (std::vector<int>{5, 5, 8}));
    EXPECT_TRUE(j["log"].get<std::string>().starts_with(
        "200 = ( 0, 5, 10) * ( 6, 10, 15)\r\n\r\n200 = ( 5, 2, 10)"));
    // Texts as they stand, even when not UTF-8.
    const auto odd =
        nlohmann::json::parse(drive({"--json", "--", "-1e999", " 7", "1 2", "\xff"}).out);
    EXPECT_EQ(odd["stamps"], (std::vector<std::string>{"1", " 7", "1 2"}));
    EXPECT_EQ(odd["log"], "\xEF\xBF\xBD = ( 0, 0, 0) * ( 1, 7, 12)\r\n\r\n");
}

TEST(Driver, SummaryForPeople) {
    const auto out = drive({"6", "10", "15", "30"});
    ASSERT_EQ(out.exitCode, 0) << out.err;
    EXPECT_EQ(
        out.out,
        "Markenwerte: A = 6, B = 10, C = 15\n"
        "Stabil ab (Paare): A, B: 16   B, C: 10   C, A: 12\n"
        "Feld „A, B, C“ im Fenster: 30\n"
        "Nicht darstellbar bis 1000: 1–5, 7–9, 11, 13, 14, 17, 19, 23, 29\n"
        "Jede Zahl ab 30 ist darstellbar (größte Lücke: 29).\n"
        "Darstellungen von 30, die die Suche des Fensters findet (x ≤ 1000/A, y ≤ A, z ≤ B): 3\n"
        "30 = ( 0, 0, 2) * ( 6, 10, 15)\n"
        "30 = ( 0, 3, 0) * ( 6, 10, 15)\n"
        "30 = ( 5, 0, 0) * ( 6, 10, 15)\n");
    // One answer to "from which amount on": the window's box is labelled as what it is.
    for (const auto& [args, window, bound] :
         {std::tuple{std::vector<std::string>{"100", "101", "103"}, "?",
                     "Jede Zahl ab 3399 ist darstellbar (größte Lücke: 3398)."},
          {{"1", "10", "15"}, "1", "Jede Zahl ab 0 ist darstellbar.\n"},
          {{"32767", "32766", "32765"}, "?", "Jede Zahl ab 536"},
          {{"2", "4", "6"}, "?", "Unendlich viele"}}) {
        const std::string text = drive(args).out;
        EXPECT_NE(text.find("Feld „A, B, C“ im Fenster: " + std::string(window) + "\n"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find(bound), std::string::npos) << text;
        EXPECT_EQ(text.find("Jede Zahl ab"), text.rfind("Jede Zahl ab")) << text;
    }
}

TEST(Driver, ExitCodesAndMessages) {
    const std::tuple<std::vector<std::string>, int, const char*> cases[] = {
        {{"2.5", "10", "15"},
         2,
         "Markenwert A = „2.5“ geht nicht: erlaubt sind ganze Zahlen von 1 bis"},
        {{"0", "32768", "15"}, 2, "Markenwert B = „32768“ geht nicht"},  // after 0 became 1
        {{"--json", "6", "0", "1.5e0x", "200"}, 2, "Markenwert C = „1.5e0x“ geht nicht"},
        {{"6", "10"}, 1, "Aufruf:"},
        {{"6", "10", "15", "200", "300"}, 1, "Aufruf:"},
        {{"-3", "10", "15"}, 1, "Unbekannte Option: -3"},
    };
    for (const auto& [args, code, message] : cases) {
        const auto out = drive(args);
        EXPECT_EQ(out.exitCode, code) << args[0];
        EXPECT_EQ(out.out, "");
        EXPECT_NE(out.err.find(message), std::string::npos) << out.err;
    }
    const auto help = drive({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.starts_with("Aufruf: frankierung-survey"));
}

// English where the user interface's languages name it before German, German everywhere else.
TEST(Driver, SpeaksTheLanguageOfTheEnvironment) {
    EXPECT_EQ(languageFor({"fr_FR", "en_GB", "de"}), Language::English);
    EXPECT_EQ(languageFor({"de_AT", "en"}), Language::German);
    EXPECT_EQ(languageFor({"C.UTF-8", "fr"}), Language::German);
    setenv("LANGUAGE", "fr:en_US", 1);
    setenv("LC_ALL", "", 1);
    setenv("LC_MESSAGES", "de_DE.UTF-8", 1);
    EXPECT_EQ(uiLanguagesFromEnvironment(),
              (std::vector<std::string>{"fr", "en_US", "de_DE.UTF-8"}));
    unsetenv("LANGUAGE");
    unsetenv("LC_MESSAGES");
    const std::vector<std::string> args{"6", "10", "15", "30"};
    EXPECT_NE(runDriver(args, Language::English)
                  .out.find("Every amount from 30 on can be paid (largest gap: 29).\n"),
              std::string::npos);
    const std::vector<std::string> refused{"6", "2.5", "15"};
    EXPECT_EQ(
        runDriver(refused, Language::English).err,
        "Stamp value B = “2.5” cannot be used: only whole numbers from 1 to 32767 are allowed.\n");
}

}  // namespace
}  // namespace frankierung
