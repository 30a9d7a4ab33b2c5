// The hint line: which text a move over (or a click on) each control leaves in it.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "form1.h"
#include "started_form.h"

namespace frankierung {
namespace {

const QString kBefore = QStringLiteral("vorher");

// A point of w where w itself, not a child or a sibling in front, is under the mouse.
std::optional<QPoint> uncoveredPoint(QWidget* w) {
    QWidget* top = w->window();
    for (int y = 2; y < w->height() - 1; y += 2) {
        for (int x = 2; x < w->width() - 1; x += 2) {
            if (top->childAt(top->mapFromGlobal(w->mapToGlobal(QPoint(x, y)))) == w) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

// The pointer goes elsewhere first: a move to where it already stands is no move at all.
void hoverOver(QWidget* w, std::optional<QPoint> at = std::nullopt) {
    const std::optional<QPoint> p = at ? at : uncoveredPoint(w);
    ASSERT_TRUE(p.has_value()) << w->objectName().toStdString() << " lies nowhere in the open";
    QTest::mouseMove(w, *p + QPoint(1, 0));
    QTest::mouseMove(w, *p);
}

class HintLine : public ::testing::Test {
protected:
    static void SetUpTestSuite() { form_ = test::startedForm(); }
    static void TearDownTestSuite() { form_.reset(); }
    void SetUp() override { form_->txtPos->setPlainText(kBefore); }

    static QString hint() { return form_->txtPos->toPlainText(); }
    static std::unique_ptr<Form1> form_;
};
std::unique_ptr<Form1> HintLine::form_;

struct HintCase {
    const char* control;
    std::function<QWidget*(Form1&)> widget;
    const char* expected;  // nullptr: the line keeps what it held
};

void PrintTo(const HintCase& c, std::ostream* os) {
    *os << c.control;
}

class HintOnMove : public HintLine, public ::testing::WithParamInterface<HintCase> {};

TEST_P(HintOnMove, WritesTheControlsTextOrLeavesTheLine) {
    const HintCase& c = GetParam();
    QWidget* w = c.widget(*form_);
    ASSERT_NE(w, nullptr);
    // The patience box is hidden between runs; show it for the move.
    std::vector<QWidget*> hidden;
    for (QWidget* a = w; a != nullptr; a = a->parentWidget()) {
        if (a->isHidden()) {
            hidden.push_back(a);
            a->show();
        }
    }
    hoverOver(w);
    for (QWidget* a : hidden) {
        a->hide();
    }
    EXPECT_EQ(hint(), c.expected != nullptr ? QString::fromUtf8(c.expected) : kBefore);
}

const char* const kPairBound =
    "Lückenlose Darstellung der Vielfachen des ggT dieser zwei Zahlen ab ...";

std::vector<HintCase> moveCases() {
    std::vector<HintCase> cases = {
        {"cmdZeigen", [](Form1& f) { return f.cmdZeigen; }, "Graphik aufbauen, Grenzen berechnen"},
        {"cmdWie", [](Form1& f) { return f.cmdWie; },
         "Einige Darstellungen für N = xA + yB + zC anzeigen"},
        {"txtPrüf", [](Form1& f) { return f.txtPruef; },
         "Die darzustellende Zahl kann auch direkt hier eingegeben werden."},
        {"txtLog", [](Form1& f) { return f.txtLog->viewport(); },
         "Beispiele für Zahldarstellungen"},
        {"StartAB", [](Form1& f) { return f.StartAB; }, kPairBound},
        {"StartBC", [](Form1& f) { return f.StartBC; }, kPairBound},
        {"StartCA", [](Form1& f) { return f.StartCA; }, kPairBound},
        {"StartABC", [](Form1& f) { return f.StartABC; },
         "Jede Zahl ab ... ist mit den drei Markenwerten darstellbar."},
        {"Image1", [](Form1& f) { return f.Image1; }, "Posthorn"},
        {"picLegende", [](Form1& f) { return f.picLegende; }, "Eingabefeld"},
        {"frmABC", [](Form1& f) { return f.frmABC; }, ""},
        {"Picture1(0)", [](Form1& f) { return f.Picture1[0]; }, "Pladdo"},
        {"Picture1(1)", [](Form1& f) { return f.Picture1[1]; }, "Pladdina"},
        {"Picture1(2)", [](Form1& f) { return f.Picture1[2]; }, "Pladdo"},
        // No hint of their own, and their container's hint must not show through.
        {"cmdLoeschen", [](Form1& f) { return f.cmdLoeschen; }, nullptr},
        {"cmdCls", [](Form1& f) { return f.cmdCls; }, nullptr},
        {"txtN", [](Form1& f) { return f.txtN; }, nullptr},
        {"txtRechnung", [](Form1& f) { return f.txtRechnung->viewport(); }, nullptr},
        {"hscn", [](Form1& f) { return f.hscn; }, nullptr},
        {"txtPos", [](Form1& f) { return f.txtPos->viewport(); }, nullptr},
        {"picContainer", [](Form1& f) { return f.picContainer; }, nullptr},
        {"menu bar", [](Form1& f) { return f.menuBar(); }, nullptr},
    };
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(i);
        cases.push_back(
            {"cmdMarkeMinus", [at](Form1& f) { return f.cmdMarkeMinus[at]; }, "Wert - 1"});
        cases.push_back(
            {"cmdMarkeplus", [at](Form1& f) { return f.cmdMarkeplus[at]; }, "Wert + 1"});
        cases.push_back({"txtMarke", [at](Form1& f) { return f.txtMarke[at]; }, "Wert eingeben"});
        cases.push_back({"Label2", [at](Form1& f) { return f.Label2[at]; }, nullptr});
    }
    for (std::size_t i = 0; i < 7; ++i) {
        cases.push_back(
            {"Label1", [i](Form1& f) { return f.Label1[i]; }, "Verwendete Markenwerte"});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryControl, HintOnMove, ::testing::ValuesIn(moveCases()));

TEST_F(HintLine, ClickOnARowLabelThenAMoveOverIt) {
    for (QLabel* label : form_->Label1) {
        SCOPED_TRACE(label->objectName().toStdString());
        const std::optional<QPoint> p = uncoveredPoint(label);
        ASSERT_TRUE(p.has_value());
        form_->txtPos->setPlainText(kBefore);
        QTest::mouseClick(label, Qt::LeftButton, {}, *p);
        EXPECT_EQ(hint(), QStringLiteral("Nur diese Markenwerte verwenden"));
        hoverOver(label, *p);
        EXPECT_EQ(hint(), QStringLiteral("Verwendete Markenwerte"));
    }
}

TEST_F(HintLine, OnlyALeftClickThatEndsOnTheLabelCounts) {
    QLabel* label = form_->Label1[3];
    QTest::mouseClick(label, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_EQ(hint(), kBefore);
    // Pressed on the label, released beside it: no click.
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(hint(), kBefore);
}

}  // namespace
}  // namespace frankierung
