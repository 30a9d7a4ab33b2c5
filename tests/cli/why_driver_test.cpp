// "frankierung-survey --warum" as its callers see it: the issue's sentences literally, the JSON
// against the text, every kind of verdict, and the refusals of the plain survey.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "driver.h"

namespace frankierung {
namespace {

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

TEST(WhyDriver, TheIssuesSentencesLiterally) {
    const std::string text = why({"6", "10", "15", "29"});
    EXPECT_TRUE(text.starts_with("Markenwerte: A = 6, B = 10, C = 15\n")) << text;
    EXPECT_TRUE(
        text.ends_with("\n29 ist nicht darstellbar: 29 hat beim Teilen durch 6 den Rest "
                       "5, und der kleinste Betrag mit Rest 5 ist 35.\n"))
        << text;
    EXPECT_TRUE(contains(text, "25 = 1·10 + 1·15 bei Rest 1")) << text;
    EXPECT_TRUE(contains(text, "35 − 6 = 29 der größte Betrag")) << text;
    EXPECT_TRUE(contains(text, "nicht frankieren lassen: 15.\n")) << text;
    EXPECT_TRUE(
        why({"6", "10", "15", "1500"})
            .ends_with("\n1500 ist darstellbar, zum Beispiel 1500 = 0·6 + 0·10 + 100·15.\n"));

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
}

TEST(WhyDriver, VerdictsOnEveryKindOfText) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* kind;
        const char* sentence;
    } rows[] = {
        {"payable", {"4", "6", "9", "10"}, "payable", "10 ist darstellbar, zum Beispiel 10 = "},
        {"no multiple of the divisor",
         {"6", "10", "14", "9"},
         "notMultiple",
         "9 ist nicht darstellbar: 9 ist nicht durch 2 teilbar"},
        {"an even gap",
         {"6", "10", "14", "8"},
         "notPayable",
         "8 ist nicht darstellbar: 8 hat beim Teilen durch 6 den Rest 2, und der kleinste Betrag "
         "mit Rest 2 ist 14."},
        {"empty", {"6", "10", "15", " "}, "empty", "Kein Betrag"},
        {"letters", {"6", "10", "15", "29 Cent"}, "notANumber", "„29 Cent“ ist keine Zahl."},
        {"a fraction", {"6", "10", "15", "2.5"}, "notWhole", "„2.5“ ist keine ganze Zahl"},
        {"negative", {"6", "10", "15", "--", "-4"}, "negative", "„-4“ ist negativ"},
        {"too large",
         {"6", "10", "15", "1e19"},
         "tooLarge",
         "„1e19“ ist zu groß; geprüft werden Beträge bis 9223372036854775807."},
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
    std::vector<std::string> keys;
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
    EXPECT_EQ(even["largestGap"], 8);
    EXPECT_EQ(even["classes"].size(), 3U);
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

TEST(WhyDriver, RefusalsAndEnglish) {
    const std::vector<std::string> refused{"--warum", "6", "2.5", "15"};
    const ProgramOutcome out = runDriver(refused, Language::German);
    EXPECT_EQ(out.exitCode, 2);
    EXPECT_EQ(out.out, "");
    EXPECT_TRUE(contains(out.err, "Markenwert B = „2.5“ geht nicht")) << out.err;
    EXPECT_TRUE(
        contains(runDriver(std::vector<std::string>{"--help"}, Language::German).out, "--warum"));

    const std::string english = why({"6", "10", "15", "29"}, Language::English);
    EXPECT_TRUE(
        english.ends_with("\n29 cannot be paid: divided by 6, 29 leaves the remainder 5, "
                          "and the smallest payable amount with remainder 5 is 35.\n"))
        << english;
    EXPECT_FALSE(contains(english, "Rest")) << english;
}

}  // namespace
}  // namespace frankierung
