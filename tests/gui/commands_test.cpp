// The buttons that clear or fill the chart and the log, and the menu commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QMetaObject>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "driver.h"
#include "form1.h"
#include "started_form.h"

namespace frankierung {
namespace {

// The log of one run of the design values for 200, as the driver writes it and the box keeps it.
QString logOfOneRun() {
    const std::vector<std::string> args{"--json", "--", "6", "10", "15", "200"};
    const DriverOutput out = runDriver(args);
    EXPECT_EQ(out.exitCode, 0) << out.err;
    return QString::fromStdString(nlohmann::json::parse(out.out).at("log").get<std::string>())
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

struct Snapshot {
    std::size_t primitives;
    QString log;
    QStringList bounds;
    std::vector<double> stampLefts;
};
Snapshot snapshot(const Form1& f) {
    return {f.picGraph->primitives().size(),
            f.txtLog->toPlainText(),
            {f.StartAB->text(), f.StartBC->text(), f.StartCA->text(), f.StartABC->text()},
            {f.picGraph->childLeft(f.Picture1[0]), f.picGraph->childLeft(f.Picture1[1]),
             f.picGraph->childLeft(f.Picture1[2])}};
}

// A blue freehand note on the chart.
void drawNote(Form1& f) {
    f.picGraph_MouseDown(5.0f, 18.0f);
    f.picGraph_MouseMove(12.0f, 19.0f);
    f.picGraph_MouseMove(20.0f, 18.5f);
    f.picGraph_MouseUp();
}

bool hasNote(const Form1& f) {
    for (const Primitive& p : f.picGraph->primitives()) {
        if (p.kind == Primitive::Kind::Line && p.p1 == QPointF(12.0, 19.0) &&
            p.p2 == QPointF(20.0, 18.5)) {
            return true;
        }
    }
    return false;
}

// --- Clearing ---

struct ClearCase {
    const char* name;
    std::function<void(Form1&)> act;
    bool clearsChart;
    bool clearsLog;
};

class Clearing : public ::testing::TestWithParam<ClearCase> {};

TEST_P(Clearing, ClearsWhatItNamesAndKeepsTheRest) {
    const ClearCase& c = GetParam();
    auto form = test::startedForm();
    form->txtPruef->setText(QStringLiteral("200"));
    form->cmdZeigen_Click();
    drawNote(*form);
    const Snapshot before = snapshot(*form);
    ASSERT_GT(before.log.size(), 10);

    c.act(*form);

    const Snapshot after = snapshot(*form);
    EXPECT_EQ(after.primitives, c.clearsChart ? 0 : before.primitives);
    EXPECT_EQ(after.log, c.clearsLog ? QStringLiteral("\n") : before.log);
    EXPECT_EQ(after.bounds, before.bounds);
    EXPECT_EQ(after.stampLefts, before.stampLefts);
    for (PictureBox* stamp : form->Picture1) {
        EXPECT_TRUE(stamp->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Clearing,
    ::testing::Values(ClearCase{"X", [](Form1& f) { f.cmdLoeschen->click(); }, false, true},
                      ClearCase{"loeschen", [](Form1& f) { f.cmdCls->click(); }, true, true},
                      ClearCase{"Alles", [](Form1& f) { f.cmdAlles->trigger(); }, true, false}),
    [](const ::testing::TestParamInfo<ClearCase>& p) { return std::string(p.param.name); });

TEST(Commands, AllesThenNotizenBringsTheChartBackWithoutNotes) {
    auto form = test::startedForm();
    form->cmdZeigen_Click();
    const std::vector<Primitive> clean = form->picGraph->primitives();
    drawNote(*form);
    ASSERT_TRUE(hasNote(*form));

    form->cmdAlles->trigger();
    EXPECT_TRUE(form->picGraph->primitives().empty());
    form->cmdZeichnen->trigger();

    const auto& back = form->picGraph->primitives();
    EXPECT_FALSE(hasNote(*form));
    ASSERT_EQ(back.size(), clean.size());
    for (std::size_t k = 0; k < back.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(back[k].kind, clean[k].kind);
        EXPECT_EQ(back[k].p1, clean[k].p1);
        EXPECT_EQ(back[k].p2, clean[k].p2);
        EXPECT_EQ(back[k].color, clean[k].color);
        EXPECT_EQ(back[k].text, clean[k].text);
    }
}

// --- Every way to run appends the same entries ---

struct RunCase {
    const char* name;
    std::function<void(Form1&)> act;
};

class RunCommand : public ::testing::TestWithParam<RunCase> {};

TEST_P(RunCommand, AppendsTheRepresentationsLikeZeigen) {
    auto form = test::startedForm();
    drawNote(*form);  // picks 5 on its way
    form->txtPruef->setText(QStringLiteral("200"));
    form->cmdLoeschen->click();
    GetParam().act(*form);
    const QString entries = logOfOneRun();
    EXPECT_EQ(form->txtLog->toPlainText(), QStringLiteral("\n") + entries);
    EXPECT_EQ(entries.count(QStringLiteral("200 =")), 12) << entries.toStdString();
    EXPECT_FALSE(hasNote(*form));  // every run redraws the chart
    EXPECT_FALSE(form->isRunning());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RunCommand,
    ::testing::Values(RunCase{"zeigen", [](Form1& f) { f.cmdZeigen->click(); }},
                      RunCase{"Darstellung", [](Form1& f) { f.cmdWie->click(); }},
                      RunCase{"Notizen", [](Form1& f) { f.cmdZeichnen->trigger(); }}),
    [](const ::testing::TestParamInfo<RunCase>& p) { return std::string(p.param.name); });

// A run asked for from inside a run's event processing is remembered, not nested; however
// often it is asked for, one fresh run follows.
class RunRequestedDuringRun : public ::testing::TestWithParam<int> {};

TEST_P(RunRequestedDuringRun, OneFreshRunFollows) {
    const int requests = GetParam();
    auto form = test::startedForm();
    form->txtPruef->setText(QStringLiteral("200"));
    form->cmdLoeschen->click();
    int seenRunning = 0;
    QMetaObject::invokeMethod(
        form.get(),
        [&] {
            for (int k = 0; k < requests; ++k) {
                seenRunning += form->isRunning() ? 1 : 0;
                form->cmdWie->click();
            }
        },
        Qt::QueuedConnection);
    form->cmdZeigen_Click();
    EXPECT_EQ(seenRunning, requests);
    const QString one = logOfOneRun();
    EXPECT_EQ(form->txtLog->toPlainText(), QStringLiteral("\n") + one + one);
}

INSTANTIATE_TEST_SUITE_P(Commands, RunRequestedDuringRun, ::testing::Values(1, 3));

// --- Information and ending ---

TEST(Commands, InformationShowsTheAuthorAndIsClosedByItsButton) {
    auto form = test::startedForm();
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* mb = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = mb->windowTitle();
            text = mb->text();
            icon = mb->icon();
            buttons = mb->buttons().size();
            mb->accept();
        }
    });
    poll.start(5);
    form->cmdInfo->trigger();
    poll.stop();
    EXPECT_EQ(title, QStringLiteral("Programmiert von"));
    EXPECT_EQ(text, QStringLiteral("Orvandel\nKestrelhaus"));
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(buttons, 1);
}

// A question box here would block the run forever; the test would never end.
TEST(Commands, EndingDuringARunDropsTheRunItHadDeferred) {
    auto form = test::startedForm();
    form->txtPruef->setText(QStringLiteral("200"));
    form->cmdLoeschen->click();
    QMetaObject::invokeMethod(
        form.get(),
        [&] {
            form->cmdZeigen->click();  // deferred ...
            form->cmdEnde->trigger();  // ... and then not wanted any more
        },
        Qt::QueuedConnection);
    form->cmdZeigen_Click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->txtLog->toPlainText(), QStringLiteral("\n") + logOfOneRun());
}

}  // namespace
}  // namespace frankierung
