// Conventions a German desktop program keeps, on the window: Qt's own texts in German, number
// boxes that refuse runaway input, and small screens on which every control stays whole.
#include <QGroupBox>
#include <QMenu>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>

#include "appstart.h"
#include "started_form.h"

namespace frankierung {
namespace {

QStringList actionTexts(QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text().remove(u'&').section(u'\t', 0, 0);
    }
    return texts;
}

TEST(Conventions, QtsOwnMenusAreGerman) {
    ASSERT_TRUE(installQtTranslations());
    const auto form = test::startedForm();
    std::vector<std::unique_ptr<QMenu>> menus;
    menus.emplace_back(form->txtMarke[0]->createStandardContextMenu());
    menus.emplace_back(form->txtPruef->createStandardContextMenu());
    menus.emplace_back(form->txtLog->createStandardContextMenu());
    for (const auto& menu : menus) {
        const QStringList texts = actionTexts(menu.get());
        EXPECT_TRUE(texts.contains(QStringLiteral("Rückgängig"))) << texts.join(u',').toStdString();
        EXPECT_TRUE(texts.contains(QStringLiteral("Alles auswählen")));
        EXPECT_FALSE(texts.contains(QStringLiteral("Undo")));
    }
}

// 10,000 typed characters froze the window for seconds inside the toolkit.
TEST(Conventions, NumberBoxesTakeNoRunawayInput) {
    const auto form = test::startedForm();
    for (TextBox* box : {form->txtMarke[0], form->txtMarke[1], form->txtMarke[2], form->txtPruef}) {
        box->clear();
        QTest::keyClicks(box, QString(80, u'9'));
        EXPECT_EQ(box->text().size(), 64) << box->objectName().toStdString();
        box->insert(QString(10000, u'7'));
        EXPECT_EQ(box->text().size(), 64) << box->objectName().toStdString();
    }
}

// Whole inside every container up to the window, as the user sees it.
bool shownWhole(const QWidget* w) {
    const QRect rect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    for (const QWidget* a = w->parentWidget(); a != nullptr; a = a->parentWidget()) {
        if (!QRect(a->mapTo(a->window(), QPoint(0, 0)), a->size()).contains(rect)) {
            return false;
        }
    }
    return true;
}

struct ScreenCase {
    QSize start;
    QSize resized;  // after start-up; empty: none
};

class SmallScreen : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(SmallScreen, EveryControlWholeAndEveryCaptionInside) {
    Form1 form;
    form.setGeometry(QRect(QPoint(0, 0), GetParam().start));
    form.Form_Load();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    if (!GetParam().resized.isEmpty()) {
        form.resize(GetParam().resized);
        QCoreApplication::processEvents();
    }
    EXPECT_GE(form.width(), kMinimumWindowWidth);
    EXPECT_GE(form.height(), kMinimumWindowHeight);

    std::vector<QWidget*> controls{
        form.frmABC,  form.Image1,  form.txtN,    form.txtPruef, form.cmdWie,    form.cmdLoeschen,
        form.txtLog,  form.txtPos,  form.hscn,    form.picAB,    form.picBC,     form.picCA,
        form.StartAB, form.StartBC, form.StartCA, form.StartABC, form.cmdZeigen, form.cmdCls};
    for (std::size_t i = 0; i < 3; ++i) {
        controls.insert(controls.end(),
                        {form.txtMarke[i], form.cmdMarkeplus[i], form.cmdMarkeMinus[i]});
    }
    controls.insert(controls.end(), form.Label1.begin(), form.Label1.end());
    for (const QWidget* w : controls) {
        EXPECT_TRUE(shownWhole(w)) << w->objectName().toStdString();
    }

    // Captions inside their controls, never below 7 points.
    for (const QPushButton* b : {form.cmdWie, form.cmdLoeschen}) {
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), b->width() - 4);
        EXPECT_GE(b->font().pointSizeF(), 7.0);
    }
    EXPECT_LE(form.txtN->fontMetrics().horizontalAdvance(form.txtN->text()),
              form.txtN->width() - 6);
    const int hintRoom = form.txtPos->contentsRect().height() -
                         2 * static_cast<int>(form.txtPos->document()->documentMargin());
    EXPECT_LE(form.txtPos->fontMetrics().height(), hintRoom);
    EXPECT_GE(form.txtPos->font().pointSizeF(), 7.0);
    // The start-up notes end before the log; drawn once, they stay as they are on a resize.
    for (const Primitive& p : form.picGraph->primitives()) {
        if (GetParam().resized.isEmpty() && p.kind == Primitive::Kind::Text && p.p1.y() >= 16) {
            EXPECT_LE(form.picGraph->toPixels(p.p1).x() + p.textSize.width(),
                      form.txtLog->x() - form.picGraph->x())
                << p.text.toStdString();
            EXPECT_GE(p.font.pointSizeF(), 7.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Conventions, SmallScreen,
                         ::testing::Values(ScreenCase{{1024, 768}, {}},
                                           ScreenCase{{kMinimumWindowWidth, kMinimumWindowHeight},
                                                      {}},
                                           ScreenCase{{1280, 1024}, {640, 480}}));

}  // namespace
}  // namespace frankierung
