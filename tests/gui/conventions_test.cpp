// Conventions a German desktop program keeps, on the window: Qt's own texts in German, number
// boxes that refuse runaway input, and small screens on which every control stays whole.
#include <QMenu>
#include <QTextDocument>

#include "appstart.h"
#include "started_form.h"

namespace frankierung {
namespace {

TEST(Conventions, QtsOwnMenusAreGerman) {
    ASSERT_TRUE(installQtTranslations());
    const auto form = test::startedForm();
    for (const auto& menu : {std::unique_ptr<QMenu>(form->txtMarke[0]->createStandardContextMenu()),
                             std::unique_ptr<QMenu>(form->txtLog->createStandardContextMenu())}) {
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << action->text().remove(u'&').section(u'\t', 0, 0);
        }
        EXPECT_TRUE(texts.contains(QStringLiteral("Rückgängig"))) << texts.join(u',').toStdString();
        EXPECT_TRUE(texts.contains(QStringLiteral("Alles auswählen")));
    }
}

// 10,000 typed characters froze the window for seconds inside the toolkit.
TEST(Conventions, NumberBoxesTakeNoRunawayInput) {
    const auto form = test::startedForm();
    for (TextBox* box : {form->txtMarke[0], form->txtMarke[1], form->txtMarke[2], form->txtPruef}) {
        QTest::keyClicks(box, QString(80, u'9'));
        box->insert(QString(10000, u'7'));
        EXPECT_EQ(box->text().size(), 64) << box->objectName().toStdString();
    }
}

class SmallScreen : public ::testing::TestWithParam<std::pair<QSize, QSize>> {};

// At 1024 x 768 "Darstellung" and the notes were cut; at 640 x 480 controls vanished.
TEST_P(SmallScreen, EveryControlWholeAndEveryCaptionInside) {
    Form1 form;
    form.setGeometry(QRect(QPoint(0, 0), GetParam().first));
    form.Form_Load();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.resize(GetParam().second);  // as the user may shrink it
    QCoreApplication::processEvents();
    // Whole inside every container up to the window; the stamps on the chart may scroll away.
    for (const QWidget* w : form.picContainer->findChildren<QWidget*>()) {
        for (const QWidget* a = w; w->isVisible() && !form.picGraph->isAncestorOf(w) && a != &form;
             a = a->parentWidget()) {
            EXPECT_TRUE(a->parentWidget()->rect().contains(a->geometry()))
                << w->objectName().toStdString() << " in " << a->objectName().toStdString();
        }
    }
    for (const QPushButton* b : {form.cmdWie, form.cmdLoeschen}) {
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), b->width() - 4);
    }
    EXPECT_LE(form.txtN->fontMetrics().horizontalAdvance(form.txtN->text()),
              form.txtN->width() - 6);
    EXPECT_LE(form.txtPos->fontMetrics().height(),
              form.txtPos->contentsRect().height() -
                  2 * static_cast<int>(form.txtPos->document()->documentMargin()));
    EXPECT_GE(std::min(form.cmdWie->font().pointSizeF(), form.txtPos->font().pointSizeF()), 7.0);
    // The start-up notes end before the log; drawn once, they stay as they are on a resize.
    for (const Primitive& p : form.picGraph->primitives()) {
        if (GetParam().first == GetParam().second && p.p1.y() >= 16) {
            EXPECT_LE(form.picGraph->toPixels(p.p1).x() + p.textSize.width(),
                      form.txtLog->x() - form.picGraph->x());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Conventions, SmallScreen,
    ::testing::Values(std::pair(QSize(1024, 768), QSize(1024, 768)),
                      std::pair(QSize(1280, 1024), QSize(640, 480)),
                      std::pair(QSize(kMinimumWindowWidth, kMinimumWindowHeight),
                                QSize(kMinimumWindowWidth, kMinimumWindowHeight))));

}  // namespace
}  // namespace frankierung
