// What a screen reader learns from the window: names, descriptions and the chart as text.
#include <gtest/gtest.h>

#include <QGroupBox>

#include <memory>
#include <vector>

#include "form1.h"
#include "started_form.h"

namespace frankierung {
namespace {

class ScreenReader : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        form_ = test::startedForm();
        startupSummary_ = form_->picGraph->accessibleDescription();
    }
    static void TearDownTestSuite() { form_.reset(); }

    static void runWith(const char* a, const char* b, const char* c) {
        form_->txtMarke[0]->setText(QString::fromLatin1(a));
        form_->txtMarke[1]->setText(QString::fromLatin1(b));
        form_->txtMarke[2]->setText(QString::fromLatin1(c));
        form_->cmdZeigen_Click();
    }

    static std::unique_ptr<Form1> form_;
    static QString startupSummary_;
};

std::unique_ptr<Form1> ScreenReader::form_;
QString ScreenReader::startupSummary_;

struct DescriptionCase {
    const char* control;
    QWidget* (*pick)(const Form1&);
    const char* description;
};

void PrintTo(const DescriptionCase& c, std::ostream* os) {
    *os << c.control;
}

class Descriptions : public ScreenReader, public ::testing::WithParamInterface<DescriptionCase> {};

TEST_P(Descriptions, CarryTooltipAndHint) {
    const auto& c = GetParam();
    EXPECT_EQ(c.pick(*form_)->accessibleDescription(), QString::fromUtf8(c.description));
}

// Hint only, tooltip only is already the design's; tooltip and hint; a hint on the viewport;
// a move and a click hint; a hint ending in its own full stop.
INSTANTIATE_TEST_SUITE_P(
    Controls, Descriptions,
    ::testing::Values(
        DescriptionCase{"txtMarke1", [](const Form1& f) -> QWidget* { return f.txtMarke[1]; },
                        "Markenwert eingeben. Wert eingeben"},
        DescriptionCase{"cmdMarkeMinus2",
                        [](const Form1& f) -> QWidget* { return f.cmdMarkeMinus[2]; }, "Wert - 1"},
        DescriptionCase{"StartABC", [](const Form1& f) -> QWidget* { return f.StartABC; },
                        "jede Zahl ab. Jede Zahl ab ... ist mit den drei Markenwerten "
                        "darstellbar."},
        DescriptionCase{"txtLog", [](const Form1& f) -> QWidget* { return f.txtLog; },
                        "Beispiele für Zahldarstellungen"},
        DescriptionCase{"Label1_4", [](const Form1& f) -> QWidget* { return f.Label1[4]; },
                        "Verwendete Markenwerte. Nur diese Markenwerte verwenden"},
        DescriptionCase{"Picture1_1", [](const Form1& f) -> QWidget* { return f.Picture1[1]; },
                        "Pladdina"},
        // The frame's hint clears the line; it has nothing to say.
        DescriptionCase{"frmABC", [](const Form1& f) -> QWidget* { return f.frmABC; }, ""}),
    [](const auto& param) { return std::string(param.param.control); });

TEST_F(ScreenReader, ChartAfterStartUpSummarisesTheDesignValues) {
    EXPECT_EQ(startupSummary_,
              QStringLiteral("Markenwerte 6, 10 und 15. Stabil ab: A, B 16; B, C 10; C, A 12. "
                             "Jede Zahl ab 30 ist mit allen drei Werten darstellbar. "
                             "Nicht darstellbar bis 1000: 1–5, 7–9, 11, 13, 14, 17, 19, 23, 29."));
}

struct RunCase {
    const char* name;
    const char* a;
    const char* b;
    const char* c;
    std::vector<const char*> parts;
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

class ChartSummary : public ScreenReader, public ::testing::WithParamInterface<RunCase> {};

TEST_P(ChartSummary, FollowsEveryRun) {
    const auto& c = GetParam();
    runWith(c.a, c.b, c.c);
    const QString summary = form_->picGraph->accessibleDescription();
    for (const char* part : c.parts) {
        EXPECT_TRUE(summary.contains(QString::fromUtf8(part))) << summary.toStdString();
    }
    runWith("6", "10", "15");
    EXPECT_EQ(form_->picGraph->accessibleDescription(), startupSummary_);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ChartSummary,
    ::testing::Values(RunCase{"common_divisor",
                              "2",
                              "4",
                              "6",
                              {"Markenwerte 2, 4 und 6. ", "Stabil ab: A, B 0; B, C 4; C, A 0. ",
                               "Keine Grenze bis 1000 sicher",
                               "Nicht darstellbar bis 1000: 1, 3, 5, 7, ", ", 997, 999."}},
                      RunCase{"nothing_missing",
                              "1",
                              "1",
                              "1",
                              {"Jede Zahl ab 1 ist", "Nicht darstellbar bis 1000: keine."}},
                      // Texts the run corrects: what the summary tells is what the run used.
                      RunCase{"corrected_text", "0", "3", "5", {"Markenwerte 1, 3 und 5. "}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace frankierung
