// The window as a whole: menus, title, focus and stacking order, and the arrangement applied.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <vector>

#include "form1.h"
#include "started_form.h"

namespace frankierung {
namespace {

QStringList names(const std::vector<QWidget*>& widgets) {
    QStringList list;
    for (const QWidget* w : widgets) {
        list << w->objectName();
    }
    return list;
}

TEST(Window, TitleAndIcon) {
    Form1 form;
    EXPECT_EQ(form.windowTitle(),
              QStringLiteral("Frankierungsproblem mit 3 Marken:     N = xA + yB + zC"));
    const QIcon icon = form.windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 32}) {
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size));
    }
}

TEST(Window, MenuBar) {
    Form1 form;
    const QList<QAction*> bar = form.menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0], form.cmdEnde);
    EXPECT_EQ(bar[1], form.cmdClean->menuAction());
    EXPECT_EQ(bar[2], form.cmdInfo);

    // Ending and information act straight from the bar; only "Tafel wischen" opens a menu.
    const struct {
        QAction* action;
        const char* name;
        const char* caption;
        bool opensMenu;
    } items[] = {
        {form.cmdEnde, "cmdEnde", "Programm beenden", false},
        {form.cmdClean->menuAction(), "cmdClean", "Tafel wischen", true},
        {form.cmdAlles, "cmdAlles", "Alles", false},
        {form.cmdZeichnen, "cmdZeichnen", "Notizen", false},
        {form.cmdInfo, "cmdInfo", "Information", false},
    };
    for (const auto& item : items) {
        SCOPED_TRACE(item.name);
        ASSERT_NE(item.action, nullptr);
        EXPECT_EQ(item.action->objectName(), QString::fromUtf8(item.name));
        EXPECT_EQ(item.action->text(), QString::fromUtf8(item.caption));
        EXPECT_EQ(item.action->menu() != nullptr, item.opensMenu);
        EXPECT_TRUE(item.action->isEnabled());
    }
    EXPECT_EQ(form.cmdClean->objectName(), QStringLiteral("cmdClean"));
    EXPECT_EQ(form.cmdClean->actions(), (QList<QAction*>{form.cmdAlles, form.cmdZeichnen}));
}

TEST(Window, TabOrderFromTheThirdStampValue) {
    Form1 form;
    std::vector<QWidget*> stops;
    QWidget* w = form.txtMarke[2];
    do {
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->objectName().isEmpty()) {
            stops.push_back(w);
        }
        w = w->nextInFocusChain();
    } while (w != form.txtMarke[2] && stops.size() < 100);
    // clang-format off
    const QStringList expected = {
        "txtMarke(2)", "txtMarke(1)", "txtMarke(0)", "cmdZeigen", "picAB", "picBC", "picCA",
        "cmdCls", "Picture1(0)", "Picture1(1)", "Picture1(2)", "cmdWie",
        "cmdMarkeplus(0)", "cmdMarkeMinus(0)", "cmdMarkeplus(1)", "cmdMarkeMinus(1)",
        "cmdMarkeplus(2)", "cmdMarkeMinus(2)", "txtRechnung", "StartAB", "StartCA", "StartABC",
        "StartBC", "cmdLoeschen", "picContainer", "hscn", "picGraph", "picLegende"};
    // clang-format on
    EXPECT_EQ(names(stops), expected);
}

TEST(Window, BoxesWithoutTabStopTakeTheCaretOnClick) {
    const auto started = test::startedForm();
    Form1& form = *started;
    form.activateWindow();
    QWidget* boxes[] = {form.txtPos, form.txtN, form.txtPruef, form.txtLog};
    for (QWidget* box : boxes) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_EQ(box->focusPolicy(), Qt::ClickFocus);
        auto* edit = qobject_cast<QTextEdit*>(box);
        QWidget* target = edit != nullptr ? edit->viewport() : box;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        EXPECT_EQ(QApplication::focusWidget(), box);
    }
    for (QLabel* label : form.Label1) {
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(form.frmABC->focusPolicy(), Qt::NoFocus);
}

// Front-to-back lists: where two overlap, the one listed first lies in front.
void expectFrontToBack(const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 1; i < widgets.size(); ++i) {
        const QObjectList& siblings = widgets[i]->parentWidget()->children();
        EXPECT_GT(siblings.indexOf(widgets[i - 1]), siblings.indexOf(widgets[i]))
            << widgets[i - 1]->objectName().toStdString() << " before "
            << widgets[i]->objectName().toStdString();
    }
}

TEST(Window, StackingOrderAsDesigned) {
    Form1 form;
    expectFrontToBack({form.txtPos, form.cmdLoeschen, form.cmdWie, form.txtN, form.txtPruef,
                       form.txtLog, form.hscn, form.picLegende, form.picGraph});
    expectFrontToBack({form.frmABC, form.Image1});
    // clang-format off
    expectFrontToBack({form.StartBC, form.StartABC, form.StartCA, form.StartAB,
                       form.cmdMarkeMinus[2], form.cmdMarkeplus[2], form.cmdMarkeMinus[1],
                       form.cmdMarkeplus[1], form.cmdMarkeMinus[0], form.cmdMarkeplus[0],
                       form.cmdCls, form.picCA, form.picBC, form.picAB, form.cmdZeigen,
                       form.txtMarke[0], form.txtMarke[1], form.txtMarke[2], form.Label1[6],
                       form.Label1[5], form.Label1[4], form.Label1[0], form.Label1[3],
                       form.Label1[2], form.Label1[1]});
    // clang-format on
    expectFrontToBack({form.Picture1[2], form.Picture1[1], form.Picture1[0]});
    expectFrontToBack({form.txtRechnung, form.Label2[2]});
}

TEST(Window, ArrangementBringsTheLegendToTheFront) {
    Form1 form;
    form.arrangeForm();
    expectFrontToBack({form.picLegende, form.txtPos, form.cmdLoeschen, form.cmdWie, form.txtN,
                       form.txtPruef, form.txtLog, form.hscn, form.picGraph});
}

void expectPlaced(PictureBox* box, QWidget* child, double left, double top, double width,
                  double height) {
    SCOPED_TRACE(child->objectName().toStdString());
    EXPECT_NEAR(box->childLeft(child), left, 1e-4);
    EXPECT_NEAR(box->childTop(child), top, 1e-4);
    EXPECT_NEAR(box->childWidth(child), width, 1e-4);
    EXPECT_NEAR(box->childHeight(child), height, 1e-4);
}

void expectArrangedFor(Form1& form) {
    const int menu = form.menuBar()->heightForWidth(form.width()) > 0
                         ? form.menuBar()->heightForWidth(form.width())
                         : form.menuBar()->sizeHint().height();
    const Arrangement a = arrange({form.width() * 15.0, form.height() * 15.0},
                                  {form.width() * 15.0, (form.height() - menu) * 15.0});
    EXPECT_EQ(form.picContainer->geometry(),
              twipsRect(a.container.left, a.container.top, a.container.width, a.container.height));
    PictureBox* c = form.picContainer;
    EXPECT_DOUBLE_EQ(c->scaleLeft(), 0);
    EXPECT_DOUBLE_EQ(c->scaleTop(), 0);
    EXPECT_DOUBLE_EQ(c->scaleWidth(), 100);
    EXPECT_DOUBLE_EQ(c->scaleHeight(), 100);
    expectPlaced(c, form.picLegende, 0, 0, 16, 96);
    expectPlaced(c, form.hscn, 16, 93.5, 66, 2.5);
    expectPlaced(c, form.txtN, 82, 0, 3, 4);
    expectPlaced(c, form.txtPruef, 85, 0, 7, 4);
    expectPlaced(c, form.cmdWie, 92, 0, 6, 4);
    expectPlaced(c, form.cmdLoeschen, 98, 0, 2, 4);
    expectPlaced(c, form.txtLog, 82, 4, 18, 92);
    expectPlaced(c, form.txtPos, 0, 97, 100, 3);
    EXPECT_NEAR(c->childTop(form.picGraph), 0, 1e-4);
    EXPECT_NEAR(c->childWidth(form.picGraph), 1600, 1e-4);
    EXPECT_NEAR(c->childHeight(form.picGraph), 94, 1e-4);

    EXPECT_DOUBLE_EQ(form.picLegende->scaleWidth(), 50);
    EXPECT_DOUBLE_EQ(form.picLegende->scaleHeight(), 20);
    EXPECT_NEAR(form.picLegende->childLeft(form.frmABC), 2, 1e-4);
    EXPECT_NEAR(form.picLegende->childTop(form.frmABC), 4.2, 1e-4);
    EXPECT_NEAR(form.picLegende->childLeft(form.Image1), 1, 1e-4);
    EXPECT_NEAR(form.picLegende->childTop(form.Image1), 0.8, 1e-4);
    // Sizes inside the legend and of the stamps stay as designed.
    EXPECT_EQ(form.frmABC->size(), QSize(121, 377));
    EXPECT_EQ(form.Image1->size(), QSize(124, 115));
    for (PictureBox* stamp : form.Picture1) {
        EXPECT_EQ(stamp->size(), QSize(101, 137));
    }

    EXPECT_DOUBLE_EQ(form.picGraph->scaleLeft(), -3);
    EXPECT_DOUBLE_EQ(form.picGraph->scaleTop(), 0);
    EXPECT_DOUBLE_EQ(form.picGraph->scaleWidth(), 1003);
    EXPECT_DOUBLE_EQ(form.picGraph->scaleHeight(), 20);
    EXPECT_EQ(form.txtPos->palette().color(QPalette::Text), QColor(175, 0, 0));
}

TEST(Window, ArrangeFormFitsTheWindow) {
    Form1 form;
    form.setGeometry(0, 0, 1024, 768);
    form.arrangeForm();
    expectArrangedFor(form);
    EXPECT_NEAR(form.picContainer->childLeft(form.picGraph), 16, 1e-4);
    EXPECT_EQ(form.picGraph->drawWidth(), 1);
    // Later arrangements leave the pen width to the drawing.
    form.picGraph->setDrawWidth(2);
    form.resize(1280, 1024);
    form.arrangeForm();
    EXPECT_EQ(form.picGraph->drawWidth(), 2);
}

TEST(Window, FirstArrangementKeepsTheStampsOnScreen) {
    Form1 form;
    std::array<QPoint, 3> before{};
    for (std::size_t i = 0; i < 3; ++i) {
        before[i] = form.Picture1[i]->pos();
    }
    form.setGeometry(0, 0, 1280, 1024);
    form.arrangeForm();
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(form.Picture1[i]->x(), before[i].x(), 1) << i;
        EXPECT_NEAR(form.Picture1[i]->y(), before[i].y(), 1) << i;
    }
}

TEST(Window, ResizeReappliesTheArrangementAndKeepsTheScrolledChart) {
    Form1 form;
    form.setGeometry(0, 0, 1024, 768);
    form.Form_Load();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // As the scroll handling and the stamp input leave them.
    form.picContainer->setChildLeft(form.picGraph, 16 - 500);
    const double stampLefts[3] = {6, 10, 15};
    for (std::size_t i = 0; i < 3; ++i) {
        form.picGraph->setChildLeft(form.Picture1[i], stampLefts[i]);
    }
    std::array<double, 3> stampTops{};
    for (std::size_t i = 0; i < 3; ++i) {
        stampTops[i] = form.picGraph->childTop(form.Picture1[i]);
    }

    for (const QSize size :
         {QSize(1280, 1024), QSize(kMinimumWindowWidth, kMinimumWindowHeight), QSize(1920, 1080)}) {
        SCOPED_TRACE(size.width());
        form.resize(size);
        QCoreApplication::processEvents();
        ASSERT_EQ(form.size(), size);
        expectArrangedFor(form);
        EXPECT_NEAR(form.picContainer->childLeft(form.picGraph), -484, 1e-4);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(form.picGraph->childLeft(form.Picture1[i]), stampLefts[i], 1e-9);
            EXPECT_NEAR(form.picGraph->childTop(form.Picture1[i]), stampTops[i], 1e-9);
        }
    }
}

TEST(Window, ShowCoveringScreenCoversTheAvailableArea) {
    Form1 form;
    form.setGeometry(availableScreenArea());
    form.Form_Load();
    showCoveringScreen(form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // The offscreen platform pretends a thin window frame; the frame then covers the area.
    const QRect area = availableScreenArea();
    EXPECT_TRUE(area.contains(form.geometry()));
    EXPECT_GE(form.width(), area.width() - 8);
    EXPECT_GE(form.height(), area.height() - 8);
    expectArrangedFor(form);
    // The container lies inside the client area, under the menu bar.
    EXPECT_TRUE(form.centralWidget()->rect().contains(form.picContainer->geometry()));
}

TEST(TextBoxes, MultiLineTextStaysCentredWhenAppended) {
    Form1 form;
    form.setGeometry(0, 0, 1280, 1024);
    form.arrangeForm();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    MultiLineTextBox* boxes[] = {form.txtLog, form.txtPos, form.txtRechnung};
    for (MultiLineTextBox* box : boxes) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_FALSE(box->acceptRichText());
        box->setPlainText(QStringLiteral("1\n22"));
        box->append(QStringLiteral("333"));
        EXPECT_EQ(box->toPlainText(), QStringLiteral("1\n22\n333"));
        const int middle = box->viewport()->width() / 2;
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            QTextCursor cursor(block);
            const int start = box->cursorRect(cursor).x();
            cursor.movePosition(QTextCursor::EndOfBlock);
            const int end = box->cursorRect(cursor).x();
            EXPECT_NEAR((start + end) / 2, middle, 4) << block.text().toStdString();
        }
    }
    EXPECT_EQ(form.txtLog->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(form.txtPos->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(form.txtRechnung->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(TextBoxes, SingleLineTextIsCentred) {
    Form1 form;
    for (TextBox* box : {form.txtMarke[0], form.txtN, form.txtPruef, form.StartABC}) {
        EXPECT_EQ(box->alignment(), Qt::AlignCenter) << box->objectName().toStdString();
    }
}

// A flat box shows a thin dark line at its edge; a default one the sunken frame.
TEST(TextBoxes, FlatBorder) {
    Form1 form;
    const struct {
        QWidget* box;
        bool flat;
    } rows[] = {{form.txtN, true},     {form.txtPruef, true},    {form.txtLog, true},
                {form.txtPos, true},   {form.txtRechnung, true}, {form.txtMarke[0], false},
                {form.StartAB, false}, {form.StartABC, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.box->objectName().toStdString());
        const QImage image = row.box->grab().toImage();
        const QColor corner = image.pixelColor(image.width() / 2, 0);
        const QColor inside = image.pixelColor(image.width() / 2, 2);
        if (row.flat) {
            EXPECT_LT(qGray(corner.rgb()), 60);
            EXPECT_GT(qGray(inside.rgb()), qGray(corner.rgb()));
        } else {
            EXPECT_GT(qGray(corner.rgb()), 60);
        }
    }
}

}  // namespace
}  // namespace frankierung
