// The window after start-up, and what one run of "zeigen" changes and leaves alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "form1.h"
#include "palette.h"

namespace frankierung {
namespace {

constexpr const char* kStartLog =
    ".\n"
    "200 = ( 0, 5, 10) * ( 6, 10, 15)\n\n200 = ( 5, 2, 10) * ( 6, 10, 15)\n\n"
    "200 = ( 5, 5, 8) * ( 6, 10, 15)\n\n200 = ( 10, 2, 8) * ( 6, 10, 15)\n\n"
    "200 = ( 10, 5, 6) * ( 6, 10, 15)\n\n200 = ( 15, 2, 6) * ( 6, 10, 15)\n\n"
    "200 = ( 15, 5, 4) * ( 6, 10, 15)\n\n200 = ( 20, 2, 4) * ( 6, 10, 15)\n\n"
    "200 = ( 20, 5, 2) * ( 6, 10, 15)\n\n200 = ( 25, 2, 2) * ( 6, 10, 15)\n\n"
    "200 = ( 25, 5, 0) * ( 6, 10, 15)\n\n200 = ( 30, 2, 0) * ( 6, 10, 15)\n\n";

const QStringList kExplanations{
    "Obere 3 Zeilen: Nur einen Markenwert verwenden",
    "Mittlere 3 Zeilen: Nur zwei Markenwerte verwenden",
    "Untere Zeile: Alle drei Markenwerte verwenden",
    "Bedienung: Eingabe der Markenwerte unter dem Posthorn, dann auf 'zeigen' klicken."};

struct Started {
    Form1 form;
    Started() {
        form.setGeometry(0, 0, 1280, 1024);
        form.Form_Load();
    }
};

std::vector<const Primitive*> textsOf(const PictureBox& box) {
    std::vector<const Primitive*> out;
    for (const Primitive& p : box.primitives()) {
        if (p.kind == Primitive::Kind::Text && kExplanations.contains(p.text)) {
            out.push_back(&p);
        }
    }
    return out;
}

TEST(StartUp, FirstIdleState) {
    Started s;
    Form1& f = s.form;
    const struct {
        QLineEdit* box;
        const char* text;
    } texts[] = {{f.txtMarke[0], "6"}, {f.txtMarke[1], "10"}, {f.txtMarke[2], "15"},
                 {f.txtPruef, "200"},  {f.StartAB, " 16"},    {f.StartBC, " 10"},
                 {f.StartCA, " 12"},   {f.StartABC, "30"},    {f.txtN, "N ="}};
    for (const auto& t : texts) {
        EXPECT_EQ(t.box->text(), QString::fromUtf8(t.text)) << t.box->objectName().toStdString();
    }
    const char* labels[] = {"6c", "10c", "15c"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(f.Label2[i]->text(), labels[i]);
        EXPECT_DOUBLE_EQ(f.picGraph->childLeft(f.Picture1[i]),
                         std::stod(f.txtMarke[i]->text().toStdString()));
    }
    EXPECT_EQ(f.txtLog->toPlainText(), QString::fromUtf8(kStartLog));
    EXPECT_FALSE(f.txtRechnung->isVisibleTo(&f));
    EXPECT_TRUE(f.txtPos->toPlainText().isEmpty());
    EXPECT_DOUBLE_EQ(f.picContainer->childLeft(f.picGraph), 16);
    EXPECT_DOUBLE_EQ(f.picGraph->fontSize(), 10);
    EXPECT_EQ(f.picGraph->foreColor(), QColor(0, 0, 0));
    EXPECT_EQ(f.picGraph->drawWidth(), 2);
    EXPECT_TRUE(f.picGraph->fontBold());
    for (QWidget* w : std::initializer_list<QWidget*>{f.txtLog, f.cmdWie, f.cmdLoeschen}) {
        const QPalette::ColorRole role =
            qobject_cast<QTextEdit*>(w) != nullptr ? QPalette::Base : QPalette::Button;
        EXPECT_EQ(w->palette().color(role), QColor(240, 240, 240)) << w->objectName().toStdString();
    }
    EXPECT_EQ(f.txtPos->palette().color(QPalette::Text), QColor(175, 0, 0));
    // The pair panels carry their pairs.
    const std::pair<PictureBox*, const char*> panels[] = {
        {f.picAB, "6-10"}, {f.picBC, "10-15"}, {f.picCA, "15-6"}};
    for (const auto& [panel, label] : panels) {
        ASSERT_EQ(panel->primitives().size(), 1u);
        EXPECT_EQ(panel->primitives()[0].text, label);
    }
}

TEST(StartUp, ExplanationLinesBelowTheRowsUntilTheNextRun) {
    Started s;
    const auto lines = textsOf(*s.form.picGraph);
    ASSERT_EQ(lines.size(), 4u);
    const QPointF at[] = {{2, 16}, {3, 17}, {4, 18}, {2, 19}};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines[i]->text, kExplanations[static_cast<int>(i)]);
        EXPECT_EQ(lines[i]->p1, at[i]);
        EXPECT_EQ(lines[i]->color, i < 3 ? QColor(0, 0, 200) : QColor(0, 0, 0));
        EXPECT_DOUBLE_EQ(lines[i]->font.pointSizeF(), 12);
        EXPECT_TRUE(lines[i]->font.bold());
    }
    s.form.cmdZeigen_Click();
    EXPECT_TRUE(textsOf(*s.form.picGraph).empty());
    // Later runs print in 10 points.
    const auto& prims = s.form.picGraph->primitives();
    const auto tick = std::find_if(prims.begin(), prims.end(), [](const Primitive& p) {
        return p.kind == Primitive::Kind::Text;
    });
    ASSERT_NE(tick, prims.end());
    EXPECT_DOUBLE_EQ(tick->font.pointSizeF(), 10);
}

TEST(StartUp, RowSevenAndThePenLeftBehind) {
    Started s;
    std::vector<int> boxes;
    for (const Primitive& p : s.form.picGraph->primitives()) {
        if (p.kind == Primitive::Kind::Box && p.color == palette::blue && p.p1.y() == 13.1) {
            boxes.push_back(static_cast<int>(p.p1.x()));
        }
    }
    std::vector<int> gaps;
    for (int n = 0, i = 0; n <= 1000; ++n) {
        if (i < static_cast<int>(boxes.size()) && boxes[static_cast<std::size_t>(i)] == n) {
            ++i;
        } else {
            gaps.push_back(n);
        }
    }
    EXPECT_EQ(gaps, (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 11, 13, 14, 17, 19, 23, 29}));
    s.form.cmdZeigen_Click();
    EXPECT_EQ(s.form.picGraph->foreColor(), palette::yellow);
    EXPECT_EQ(s.form.picGraph->drawWidth(), 2);
    EXPECT_TRUE(s.form.picGraph->fontBold());
}

TEST(Run, AppendsToTheLogAndRedrawsForTheBoxes) {
    Started s;
    Form1& f = s.form;
    f.txtMarke[0]->setText("7");
    f.txtPruef->setText(" 22");
    f.cmdZeigen_Click();
    EXPECT_EQ(f.StartAB->text(), " 54");
    EXPECT_EQ(f.picAB->primitives().at(0).text, "7-10");
    EXPECT_TRUE(f.txtLog->toPlainText().endsWith("15)\n\n 22 = ( 1, 0, 1) * ( 7, 10, 15)\n\n"))
        << f.txtLog->toPlainText().toStdString();
    EXPECT_TRUE(f.txtLog->toPlainText().startsWith(QString::fromUtf8(kStartLog)));
}

struct RefusedCase {
    std::size_t index;
    const char* text;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << "box " << c.index << " holds " << c.text;
}

class Refused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, OutOfDomainChangesNothing) {
    Started s;
    Form1& f = s.form;
    const auto [index, text] = GetParam();
    f.txtMarke[index]->setText(QString::fromUtf8(text));
    const QString log = f.txtLog->toPlainText();
    const std::size_t primitives = f.picGraph->primitives().size();
    const QStringList bounds{f.StartAB->text(), f.StartBC->text(), f.StartCA->text(),
                             f.StartABC->text()};

    // The run lets events through before it checks the values: poll for the message box.
    QString message;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&message, &poll] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            box->accept();
            poll.stop();
        }
    });
    poll.start(5);
    f.cmdZeigen_Click();
    EXPECT_TRUE(message.contains("1 bis 32767")) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromUtf8(text).left(10))) << message.toStdString();
    EXPECT_EQ(f.txtLog->toPlainText(), log);
    EXPECT_EQ(f.picGraph->primitives().size(), primitives);
    EXPECT_EQ(
        (QStringList{f.StartAB->text(), f.StartBC->text(), f.StartCA->text(), f.StartABC->text()}),
        bounds);
    EXPECT_EQ(f.txtMarke[index]->text(), QString::fromUtf8(text));
    EXPECT_FALSE(f.txtRechnung->isVisibleTo(&f));
}

INSTANTIATE_TEST_SUITE_P(Texts, Refused,
                         ::testing::Values(RefusedCase{0, "2.5"}, RefusedCase{1, "32768"},
                                           RefusedCase{2, "1e999"}));

}  // namespace
}  // namespace frankierung
