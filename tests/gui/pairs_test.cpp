// The pair panels: the line computed from the box texts, and what a move over a panel writes.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <memory>

#include "form1.h"
#include "pairinfo.h"
#include "started_form.h"

namespace frankierung {
namespace {

const PairNames kAB{"A", "B", "C", "Grenze A, B", "S((AB),C)"};
constexpr const char* kDomain = " – erlaubt sind ganze Zahlen von 0 bis 32767.";

struct LineCase {
    const char* first;
    const char* second;
    const char* third;
    const char* bound;
    bool ok;
    std::string expected;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << '"' << c.first << "\" \"" << c.second << "\" \"" << c.third << "\" \"" << c.bound << '"';
}

class PairLineFromTexts : public ::testing::TestWithParam<LineCase> {};

TEST_P(PairLineFromTexts, IsTheLineOrNamesTheBoxAtFault) {
    const LineCase& c = GetParam();
    const PairLine line = pairInfoLine({c.first, c.second, c.third, c.bound}, kAB);
    EXPECT_EQ(line.text, c.expected);
    EXPECT_EQ(line.ok, c.ok);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, PairLineFromTexts, ::testing::Values(
    LineCase{"6", "10", "15", " 16", true, "ggT = 2,  kgV = 30,  S((AB),C) = 30"},
    LineCase{"6", "10", "16", " 16", true, "ggT = 2,  kgV = 30,  S((AB),C) = 31"},
    LineCase{"7", "10", "15", " 54", true, "ggT = 1,  kgV = 70,  S((AB),C) = 54"},
    LineCase{" 6", " 10 ", "15 ", "16", true, "ggT = 2,  kgV = 30,  S((AB),C) = 30"},
    // The multiple is not cut to any narrower type.
    LineCase{"181", "182", "2", " 32580", true, "ggT = 1,  kgV = 32942,  S((AB),C) = 32580"},
    LineCase{"0", "9", "3", "0", true, "ggT = 9,  kgV = 0,  S((AB),C) = 16"},
    // The second value is rounded half to even before it is checked.
    LineCase{"6", "2.5", "3", "0", true, "ggT = 2,  kgV = 6,  S((AB),C) = 2"},
    LineCase{"6", "3.5", "3", "0", true, "ggT = 2,  kgV = 12,  S((AB),C) = 2"},
    LineCase{"6", "-0.4", "3", "0", true, "ggT = 6,  kgV = 0,  S((AB),C) = 10"},
    LineCase{"6", "32767.5", "3", "0", false, "B: „32767.5“ ist zu groß" + std::string(kDomain)},
    // The third value and the bound may be any finite number.
    LineCase{"6", "10", "2.5", "1.5", true, "ggT = 2,  kgV = 30,  S((AB),C) = 3"},
    LineCase{"6", "10", "1e308", "1e308", false, "S((AB),C) ist zu groß für eine Zahl."},
    // Texts that are no number, or a number outside the pair domain.
    LineCase{"abc", "10", "15", "16", false, "A: „abc“ ist keine Zahl" + std::string(kDomain)},
    LineCase{"6", "12abc", "15", "16", false, "B: „12abc“ ist keine Zahl" + std::string(kDomain)},
    LineCase{"6", "1e999", "15", "16", false, "B: „1e999“ ist keine Zahl" + std::string(kDomain)},
    LineCase{"6", "10", "x", "16", false, "C: „x“ ist keine Zahl."},
    LineCase{"6", "  ", "15", "16", false, "B ist leer" + std::string(kDomain)},
    LineCase{"6", "10", "", "16", false, "C ist leer."},
    LineCase{"2.5", "10", "15", "16", false, "A: „2.5“ ist keine ganze Zahl" + std::string(kDomain)},
    LineCase{"40000", "10", "15", "16", false, "A: „40000“ ist zu groß" + std::string(kDomain)},
    LineCase{"-6", "10", "15", "16", false, "A: „-6“ ist zu klein" + std::string(kDomain)},
    LineCase{"6", "10", "15", "", false, "Grenze A, B fehlt – bitte zuerst „zeigen“ klicken."},
    LineCase{"6", "10", "15", "?", false, "Grenze A, B fehlt – bitte zuerst „zeigen“ klicken."},
    // The first box at fault is named.
    LineCase{"abc", "", "x", "", false, "A: „abc“ ist keine Zahl" + std::string(kDomain)},
    LineCase{"6", "", "x", "", false, "B ist leer" + std::string(kDomain)}));
// clang-format on

TEST(PairLineFromTexts, AMessageShowsALongTextShortened) {
    const PairLine line = pairInfoLine({"6", "10", "15 Marken zu je zehn Cent", "16"}, kAB);
    EXPECT_FALSE(line.ok);
    EXPECT_EQ(line.text, "C: „15 Marken zu je zehn…“ ist keine Zahl.");
}

// --- In the window ---

// The pointer goes elsewhere first: a move to where it already stands is no move at all.
QString lineAfterMoveOver(Form1& form, PictureBox* panel) {
    form.txtPos->setPlainText(QStringLiteral("vorher"));
    QTest::mouseMove(panel, QPoint(4, 4));
    QTest::mouseMove(panel, QPoint(5, 5));
    return form.txtPos->toPlainText();
}

enum class Panel { AB, BC, CA };

struct PanelCase {
    const char* name;
    const char* texts[3];   // A, B, C afterwards; nullptr keeps the box
    bool runFirst;          // "zeigen" after the change
    const char* boundText;  // written into the panel's bound box last; nullptr keeps it
    Panel panel;
    const char* expected;
};

void PrintTo(const PanelCase& c, std::ostream* os) {
    *os << c.name;
}

class PanelLine : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PanelLine, MoveWritesTheLineOfThePanelsPair) {
    const PanelCase& c = GetParam();
    auto form = test::startedForm();
    for (std::size_t i = 0; i < 3; ++i) {
        if (c.texts[i] != nullptr) {
            form->txtMarke[i]->setText(QString::fromUtf8(c.texts[i]));
        }
    }
    if (c.runFirst) {
        form->cmdZeigen_Click();
    }
    PictureBox* panels[3] = {form->picAB, form->picBC, form->picCA};
    TextBox* bounds[3] = {form->StartAB, form->StartBC, form->StartCA};
    const auto k = static_cast<std::size_t>(c.panel);
    if (c.boundText != nullptr) {
        bounds[k]->setText(QString::fromUtf8(c.boundText));
    }
    EXPECT_EQ(lineAfterMoveOver(*form, panels[k]), QString::fromUtf8(c.expected));
}

// Bad texts: one of each kind per panel; the message texts themselves are checked above.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Window, PanelLine, ::testing::Values(
    PanelCase{"StartAB", {}, false, nullptr, Panel::AB, "ggT = 2,  kgV = 30,  S((AB),C) = 30"},
    PanelCase{"StartBC", {}, false, nullptr, Panel::BC, "ggT = 5,  kgV = 30,  S((BC),A) = 30"},
    PanelCase{"StartCA", {}, false, nullptr, Panel::CA, "ggT = 3,  kgV = 30,  S((CA),B) = 30"},
    PanelCase{"ThirdValueWithoutRun", {nullptr, nullptr, "16"}, false, nullptr, Panel::AB, "ggT = 2,  kgV = 30,  S((AB),C) = 31"},
    PanelCase{"FirstValueWithoutRun", {"7", nullptr, nullptr}, false, nullptr, Panel::AB, "ggT = 1,  kgV = 70,  S((AB),C) = 16"},
    PanelCase{"FirstValueAfterRun", {"7", nullptr, nullptr}, true, nullptr, Panel::AB, "ggT = 1,  kgV = 70,  S((AB),C) = 54"},
    PanelCase{"EqualPairAfterRun", {"6", "6", nullptr}, true, nullptr, Panel::AB, "ggT = 6,  kgV = 6,  S((AB),C) = 70"},
    PanelCase{"LeadingBlanks", {" 6", " 10", " 15"}, false, nullptr, Panel::CA, "ggT = 3,  kgV = 30,  S((CA),B) = 30"},
    PanelCase{"SecondNotANumber", {nullptr, "abc", nullptr}, false, nullptr, Panel::AB, "B: „abc“ ist keine Zahl – erlaubt sind ganze Zahlen von 0 bis 32767."},
    PanelCase{"FirstNotWhole", {nullptr, "2.5", nullptr}, false, nullptr, Panel::BC, "B: „2.5“ ist keine ganze Zahl – erlaubt sind ganze Zahlen von 0 bis 32767."},
    PanelCase{"FirstEmpty", {nullptr, nullptr, ""}, false, nullptr, Panel::CA, "C ist leer – erlaubt sind ganze Zahlen von 0 bis 32767."},
    PanelCase{"ThirdNotANumber", {"abc", nullptr, nullptr}, false, nullptr, Panel::BC, "A: „abc“ ist keine Zahl."},
    PanelCase{"EmptyBoundBox", {}, false, "", Panel::BC, "Grenze B, C fehlt – bitte zuerst „zeigen“ klicken."},
    PanelCase{"UnreadableBoundBox", {}, false, "16 oder so", Panel::CA, "Grenze C, A fehlt – bitte zuerst „zeigen“ klicken."}),
    [](const ::testing::TestParamInfo<PanelCase>& row) { return std::string(row.param.name); });
// clang-format on

TEST(PanelLine, AClearedPanelStillShowsTheFullLine) {
    auto form = test::startedForm();
    form->txtMarke[2]->setText(QStringLiteral("15"));
    form->txtMarke[2]->setText(QStringLiteral(" 15"));
    ASSERT_TRUE(form->picAB->primitives().empty());
    EXPECT_EQ(lineAfterMoveOver(*form, form->picAB),
              QStringLiteral("ggT = 2,  kgV = 30,  S((AB),C) = 30"));
}

TEST(PanelLine, ABadTextChangesNothingButTheHintLine) {
    auto form = test::startedForm();
    form->txtMarke[0]->setText(QStringLiteral("abc"));
    const QString bound = form->StartAB->text();
    const QString label = form->Label2[0]->text();
    lineAfterMoveOver(*form, form->picAB);
    EXPECT_EQ(form->txtMarke[0]->text(), QStringLiteral("abc"));
    EXPECT_EQ(form->StartAB->text(), bound);
    EXPECT_EQ(form->Label2[0]->text(), label);
}

TEST(PanelLine, EachMoveCostsWellUnderAMillisecond) {
    auto form = test::startedForm();
    // The slowest pair for a subtraction loop.
    form->txtMarke[2]->setText(QStringLiteral("32767"));
    form->txtMarke[0]->setText(QStringLiteral("1"));
    constexpr int kMoves = 200;
    QElapsedTimer timer;
    timer.start();
    for (int n = 0; n < kMoves; ++n) {
        form->picCA_MouseMove();
    }
    const double perMove = static_cast<double>(timer.nsecsElapsed()) / kMoves / 1e6;
    EXPECT_EQ(form->txtPos->toPlainText(),
              QStringLiteral("ggT = 1,  kgV = 32767,  S((CA),B) = 12"));
    EXPECT_LT(perMove, 1.0) << "ms per move";
}

}  // namespace
}  // namespace frankierung
