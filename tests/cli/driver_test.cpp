// The survey driver as its callers see it: the JSON, the summary for people, the exit codes, and
// "--warum" with the issue's sentences literally, its JSON against its text and every kind of
// verdict (the texts that are no amount: tests/core/remainders_test.cpp, AmountText).
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

std::string why(std::vector<std::string> args, Language language = Language::German) {
    args.insert(args.begin(), "--warum");
    const ProgramOutcome out = runDriver(args, language);
    EXPECT_EQ(out.exitCode, 0) << out.err;
    return out.out;
}

nlohmann::ordered_json whyJson(std::vector<std::string> args) {
    args.insert(args.begin(), "--json");
    return nlohmann::ordered_json::parse(why(std::move(args)));
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(Driver, JsonOfTheStartValuesAndOfOddTexts) {
    const auto out = drive({"--json", "6", "10", "15"});
    ASSERT_EQ(out.exitCode, 0) << out.err;
    const auto j = nlohmann::json::parse(out.out);
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
    const std::string english = why({"6", "10", "15", "29"}, Language::English);
    EXPECT_TRUE(
        english.ends_with("\n29 cannot be paid: divided by 6, 29 leaves the remainder 5, "
                          "and the smallest payable amount with remainder 5 is 35.\n"))
        << english;
    EXPECT_FALSE(contains(english, "Rest")) << english;
}

TEST(WhyDriver, TheIssuesSentencesLiterally) {
    const std::string text = why({"6", "10", "15", "29"});
    EXPECT_TRUE(text.starts_with("Markenwerte: A = 6, B = 10, C = 15\n")) << text;
    EXPECT_TRUE(contains(text, "25 = 1·10 + 1·15 bei Rest 1")) << text;
    EXPECT_TRUE(contains(text, "35 − 6 = 29 der größte Betrag")) << text;
    EXPECT_TRUE(contains(text, "nicht frankieren lassen: 15.\n")) << text;

    const std::string even = why({"6", "10", "14", "8"});
    EXPECT_TRUE(contains(even, "\nAlle drei Werte sind durch 2 teilbar: nur gerade Beträge"))
        << even;
    EXPECT_TRUE(contains(even, "Geteilt durch 2 sind die Werte 3, 5 und 7 mit der größten Lücke 4"))
        << even;
    EXPECT_TRUE(contains(even,
                         "= 8 der größte gerade Betrag, der sich nicht frankieren lässt. "
                         "Von 10 bis"))
        << even;
    EXPECT_FALSE(contains(why({"6", "10", "15"}), "teilbar")) << "no divisor, no divisor sentence";
    const std::string whole = why({"8", "4", "12"});  // divided, one value is 1: no gap
    EXPECT_TRUE(contains(whole, "Geteilt durch 4 sind die Werte 2, 1 und 3; einer davon ist 1.\n"))
        << whole;
}

TEST(WhyDriver, VerdictsOnEveryKindOfAmount) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* kind;
        const char* sentence;
    } rows[] = {
        {"payable",
         {"6", "10", "15", "1500"},
         "payable",
         "\n1500 ist darstellbar, zum Beispiel 1500 = 0·6 + 0·10 + 100·15.\n"},
        {"no multiple of the divisor",
         {"6", "10", "14", "9"},
         "notMultiple",
         "9 ist nicht darstellbar: 9 ist nicht durch 2 teilbar"},
        {"the issue's gap",
         {"6", "10", "15", "29"},
         "notPayable",
         "\n29 ist nicht darstellbar: 29 hat beim Teilen durch 6 den Rest 5, und der kleinste "
         "Betrag mit Rest 5 ist 35.\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string text = why(row.args);
        const auto j = whyJson(row.args);
        EXPECT_EQ(j["verdict"]["kind"], row.kind);
        EXPECT_TRUE(contains(text, row.sentence)) << text;
        EXPECT_TRUE(text.ends_with(j["verdict"]["text"].get<std::string>() + "\n")) << text;
    }
}

TEST(WhyDriver, JsonHoldsTheClassesAndWhatFollows) {
    const auto j = whyJson({"6", "10", "15", "29"});
    std::vector<std::string> keys;  // not all of them are read below
    for (const auto& item : j.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"stamps", "values", "ggT", "smallestValue", "classes",
                                              "largestGap", "gapCount", "runStart", "amount",
                                              "verdict", "explanation"}));
    EXPECT_EQ(j["classes"][5], nlohmann::ordered_json::parse(
                                   R"({"remainder":5,"smallest":35,"representation":[0,2,1]})"));
    EXPECT_EQ(j["largestGap"], 29);
    EXPECT_EQ(j["gapCount"], 15);
    EXPECT_EQ(j["runStart"], 30);
    EXPECT_EQ(j["verdict"]["remainder"], 5);
    EXPECT_EQ(j["verdict"]["smallest"], 35);
    // The text is the same explanation, line by line.
    std::string lines = "Markenwerte: A = 6, B = 10, C = 15\n";
    for (const auto& sentence : j["explanation"]) {
        lines += sentence.get<std::string>() + "\n";
    }
    EXPECT_EQ(why({"6", "10", "15", "29"}), lines + j["verdict"]["text"].get<std::string>() + "\n");

    const auto even = whyJson({"6", "10", "14"});
    EXPECT_EQ(even["ggT"], 2);
    EXPECT_EQ(whyJson({"0", "5", "7"})["largestGap"], nullptr) << "0 counts as 1: no gap";
    EXPECT_EQ(whyJson({"0", "5", "7"})["stamps"][0], "1");
}

TEST(WhyDriver, ManyClassesAreListedOneALine) {
    const std::string text = why({"100", "101", "103", "3398"});
    EXPECT_TRUE(contains(text, "\nÜbersicht:\nRest 0: 0\nRest 1: 101 = 1·101\n")) << text;
    EXPECT_TRUE(contains(text, "\nRest 99: 3399 = 33·103\n")) << text;
    EXPECT_TRUE(contains(text, "Rest 0, 1, 2, …, 99.")) << text;
    EXPECT_FALSE(contains(why({"12", "13", "17"}), "Übersicht")) << "twelve classes in a sentence";
}

}  // namespace
}  // namespace frankierung
