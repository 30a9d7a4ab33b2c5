// The stamp value boxes: "+" and "-", typing, and what every change moves and clears.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <limits>
#include <memory>

#include "form1.h"
#include "started_form.h"

namespace frankierung {
namespace {

const QString kUntouched = QStringLiteral("unberührt");
const QString kBefore = QStringLiteral("vorher");

// Leaves box i at text, with marks that only a change of the text would wipe: the value
// label, and something printed in each pair panel.
void prepare(Form1& form, std::size_t i, const QString& text) {
    form.txtMarke[i]->setText(text);
    form.Label2[i]->setText(kUntouched);
    for (PictureBox* panel : {form.picAB, form.picBC, form.picCA}) {
        panel->print(QStringLiteral("6-10"));
    }
    form.txtPos->setPlainText(kBefore);
}

bool panelsCleared(const Form1& form) {
    return form.picAB->primitives().empty() && form.picBC->primitives().empty() &&
           form.picCA->primitives().empty();
}

struct StepCase {
    const char* before;
    bool plus;
    std::size_t box;
    const char* after;    // nullptr: the text stays and no change runs
    const char* message;  // the hint line afterwards; nullptr: untouched
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << (c.plus ? "+ on \"" : "- on \"") << c.before << "\" in box " << c.box;
}

class StampStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(StampStep, WritesTheSignedNumberTextOrNothing) {
    const StepCase& c = GetParam();
    auto form = test::startedForm();
    const QString before = QString::fromUtf8(c.before);
    prepare(*form, c.box, before);

    CommandButton* button = c.plus ? form->cmdMarkeplus[c.box] : form->cmdMarkeMinus[c.box];
    QTest::mouseClick(button, Qt::LeftButton);

    if (c.after != nullptr) {
        const QString after = QString::fromUtf8(c.after);
        EXPECT_EQ(form->txtMarke[c.box]->text(), after);
        EXPECT_EQ(form->Label2[c.box]->text(), after + QStringLiteral("c"));
        EXPECT_TRUE(panelsCleared(*form));
        EXPECT_DOUBLE_EQ(form->picGraph->childLeft(form->Picture1[c.box]),
                         std::strtod(c.after, nullptr));
    } else {
        EXPECT_EQ(form->txtMarke[c.box]->text(), before);
        EXPECT_EQ(form->Label2[c.box]->text(), kUntouched) << "a change ran";
        EXPECT_FALSE(panelsCleared(*form));
    }
    EXPECT_EQ(form->txtPos->toPlainText(),
              c.message != nullptr ? QString::fromUtf8(c.message) : kBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Minus, StampStep,
    ::testing::Values(
        StepCase{"6", false, 0, " 5", nullptr}, StepCase{" 5", false, 0, " 4", nullptr},
        StepCase{"2", false, 1, " 1", nullptr}, StepCase{"1.5", false, 2, " 0.5", nullptr},
        StepCase{"12abc", false, 0, " 11", nullptr}, StepCase{"1", false, 0, nullptr, nullptr},
        StepCase{"0", false, 1, nullptr, nullptr}, StepCase{"-3", false, 2, nullptr, nullptr},
        StepCase{"", false, 0, nullptr, nullptr}, StepCase{"abc", false, 0, nullptr, nullptr},
        StepCase{"-1e999", false, 0, nullptr, nullptr},
        StepCase{"1e999", false, 1, nullptr, "B: „1e999“ ist zu groß zum Verringern."},
        StepCase{"1e20", false, 0, nullptr, "A: „1e20“ ist zu groß zum Verringern."}));

INSTANTIATE_TEST_SUITE_P(
    Plus, StampStep,
    ::testing::Values(StepCase{"15", true, 2, " 16", nullptr}, StepCase{"", true, 0, " 1", nullptr},
                      StepCase{"abc", true, 1, " 1", nullptr},
                      StepCase{"-5", true, 0, "-4", nullptr},
                      StepCase{"32767", true, 0, " 32768", nullptr},
                      StepCase{"0.5", true, 0, " 1.5", nullptr},
                      StepCase{"1e999", true, 0, nullptr, "A: „1e999“ ist zu groß zum Erhöhen."},
                      StepCase{"-1e999", true, 2, nullptr, "C: „-1e999“ ist zu groß zum Erhöhen."},
                      StepCase{"1.7976931348623157e308", true, 1, nullptr,
                               "B: „1.7976931348623157e3…“ ist zu groß zum Erhöhen."}));

struct TypedCase {
    const char* typed;  // into the emptied box
    const char* label;
    double left;
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class TypedValue : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedValue, LabelShowsTheTextAndThePictureStandsAtItsNumber) {
    const TypedCase& c = GetParam();
    auto form = test::startedForm();
    TextBox* box = form->txtMarke[0];
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, QString::fromUtf8(c.typed));
    EXPECT_EQ(box->text(), QString::fromUtf8(c.typed));
    EXPECT_EQ(form->Label2[0]->text(), QString::fromUtf8(c.label));
    EXPECT_DOUBLE_EQ(form->picGraph->childLeft(form->Picture1[0]), c.left);
    EXPECT_TRUE(panelsCleared(*form));
}

INSTANTIATE_TEST_SUITE_P(Keys, TypedValue,
                         ::testing::Values(TypedCase{"12abc", "12abcc", 12}, TypedCase{"", "c", 0},
                                           TypedCase{" 5", " 5c", 5}, TypedCase{"-3", "-3c", -3},
                                           TypedCase{"0.1", "0.1c", double{0.1F}}));

TEST(StampInput, EveryKeystrokeThatChangesTheTextIsOneChange) {
    auto form = test::startedForm();
    TextBox* box = form->txtMarke[1];
    QSignalSpy changes(box, &QLineEdit::textChanged);
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, QStringLiteral("23"));
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(form->Label2[1]->text(), QStringLiteral("1023c"));
    // At the end of the text Delete changes nothing.
    form->Label2[1]->setText(kUntouched);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(form->Label2[1]->text(), kUntouched);
}

TEST(StampInput, TheChangeRunsInsideTheAssignmentAndOnlyForANewText) {
    auto form = test::startedForm();
    form->txtMarke[2]->setText(QStringLiteral("7"));
    // No event processing in between: the handler ran inside setText.
    EXPECT_EQ(form->Label2[2]->text(), QStringLiteral("7c"));
    EXPECT_DOUBLE_EQ(form->picGraph->childLeft(form->Picture1[2]), 7.0);

    prepare(*form, 2, QStringLiteral("7"));
    form->txtMarke[2]->setText(QStringLiteral("7"));
    EXPECT_EQ(form->Label2[2]->text(), kUntouched);
    EXPECT_FALSE(panelsCleared(*form));
}

TEST(StampInput, AButtonOnOneBoxTouchesOnlyItsOwnValueAndTheLastRunsResults) {
    auto form = test::startedForm();
    const std::size_t chartItems = form->picGraph->primitives().size();
    const QStringList bounds{form->StartAB->text(), form->StartBC->text(), form->StartCA->text(),
                             form->StartABC->text()};
    ASSERT_FALSE(form->picAB->primitives().empty()) << "the start-up run labels the panels";

    QTest::mouseClick(form->cmdMarkeplus[1], Qt::LeftButton);
    QTest::mouseClick(form->cmdMarkeMinus[1], Qt::LeftButton);
    QTest::mouseClick(form->cmdMarkeMinus[1], Qt::LeftButton);

    EXPECT_EQ(form->txtMarke[1]->text(), QStringLiteral(" 9"));
    EXPECT_TRUE(panelsCleared(*form));
    const double lefts[3] = {6, 9, 15};
    const char* labels[3] = {"6c", " 9c", "15c"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(form->Label2[i]->text(), QString::fromLatin1(labels[i]));
        EXPECT_DOUBLE_EQ(form->picGraph->childLeft(form->Picture1[i]), lefts[i]);
    }
    EXPECT_EQ(form->picGraph->primitives().size(), chartItems);
    EXPECT_EQ((QStringList{form->StartAB->text(), form->StartBC->text(), form->StartCA->text(),
                           form->StartABC->text()}),
              bounds);
}

// Values below one, the empty text among them, become "1" before the rows are computed.
TEST(StampInput, TheRunsRaiseToOneMovesThePictureAtOnce) {
    auto form = test::startedForm();
    form->txtMarke[1]->setText(QStringLiteral(""));
    form->txtMarke[2]->setText(QStringLiteral("-4"));
    form->cmdZeigen_Click();
    for (std::size_t i : {1, 2}) {
        EXPECT_EQ(form->txtMarke[i]->text(), QStringLiteral("1"));
        EXPECT_EQ(form->Label2[i]->text(), QStringLiteral("1c"));
        EXPECT_DOUBLE_EQ(form->picGraph->childLeft(form->Picture1[i]), 1.0);
    }
    EXPECT_EQ(form->StartABC->text(), QStringLiteral("1"));
}

TEST(StampInput, ValuesBeyondTheChartLeaveThePictureSafelyAside) {
    auto form = test::startedForm();
    const QPoint home = form->Picture1[0]->pos();
    for (const char* text : {"1e999", "-1e999", "1e300", "-1e300", "3.5e38", "1e39"}) {
        SCOPED_TRACE(text);
        form->txtMarke[0]->setText(QString::fromLatin1(text));
        EXPECT_EQ(form->Label2[0]->text(), QString::fromLatin1(text) + QStringLiteral("c"));
        const double left = form->picGraph->childLeft(form->Picture1[0]);
        EXPECT_TRUE(std::isinf(left) || std::fabs(left) <= std::numeric_limits<float>::max());
        EXPECT_NE(form->Picture1[0]->pos(), home);
        form->arrangeForm();  // a later arrangement places it from the same value
    }
    form->txtMarke[0]->setText(QStringLiteral("6"));
    EXPECT_EQ(form->Picture1[0]->pos(), home);
}

}  // namespace
}  // namespace frankierung
