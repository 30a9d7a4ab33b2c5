// A seeded random user: thousands of typed texts, clicks, chart presses and drags, stamp drags,
// scroll values and menu commands on a started window. Whatever it does, the window must stay
// responsive, the log may only lose text through the two clearing buttons, and every run that
// was not refused must leave the bounds the survey driver computes for the same stamp texts.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "driver.h"
#include "form1.h"

namespace frankierung {
namespace {

constexpr qint64 kPatienceMs = 1000;

int envInt(const char* name, int fallback) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

const std::vector<QString>& hostileTexts() {
    static const std::vector<QString> texts = {
        QStringLiteral(""),      QStringLiteral("0"),      QStringLiteral("1"),
        QStringLiteral("-5"),    QStringLiteral("-0"),     QStringLiteral("2.5"),
        QStringLiteral("1e999"), QStringLiteral("-1e999"), QString(400, QLatin1Char('9')),
        QStringLiteral("32767"), QStringLiteral("32768"),  QStringLiteral(" 12 "),
        QStringLiteral("12abc"), QStringLiteral("abc"),    QStringLiteral("1e3"),
        QStringLiteral("äöüß"),  QStringLiteral("7ä"),     QStringLiteral("\x01\x02\x7f"),
        QStringLiteral("\t8\n"), QStringLiteral("6"),      QStringLiteral("10"),
        QStringLiteral("15"),
    };
    return texts;
}

// The bounds the driver gives for three stamp texts; nothing when it refuses them.
struct Expected {
    bool refused = false;
    QStringList bounds;
};

class BoundsOracle {
public:
    const Expected& operator()(const std::array<std::string, 3>& stamps) {
        auto it = cache_.find(stamps);
        if (it != cache_.end()) {
            return it->second;
        }
        const std::vector<std::string> args{"--json", "--", stamps[0], stamps[1], stamps[2]};
        const DriverOutput out = runDriver(args);
        Expected e;
        e.refused = out.exitCode == 2;
        if (out.exitCode == 0) {
            const auto j = nlohmann::json::parse(out.out);
            for (const char* key : {"StartAB", "StartBC", "StartCA", "StartABC"}) {
                e.bounds << QString::fromStdString(j.at(key).get<std::string>());
            }
        }
        return cache_.emplace(stamps, std::move(e)).first->second;
    }

private:
    std::map<std::array<std::string, 3>, Expected> cache_;
};

class Monkey {
public:
    explicit Monkey(unsigned seed) : rng_(seed) {
        form_.setGeometry(0, 0, 1280, 1024);
        form_.Form_Load();
        form_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form_));
        // Any modal box (the run's refusal of stamp values) is answered at once.
        QObject::connect(&closer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (box->objectName() == QStringLiteral("domainMessage")) {
                    ++refusals_;
                }
                box->accept();
            }
        });
        closer_.start(1);
    }

    // One random action; false once an invariant broke.
    bool step(int n) {
        const QString logBefore = form_.txtLog->toPlainText();
        const std::array<std::string, 3> stamps = stampTexts();
        const QStringList boundsBefore = bounds();
        const int refusalsBefore = refusals_;

        QElapsedTimer clock;
        clock.start();
        const Kind kind = act();
        QCoreApplication::processEvents();
        const qint64 ms = clock.elapsed();

        const std::string where =
            "action " + std::to_string(n) + " (" + kKindNames[static_cast<int>(kind)] + ")";
        if (ms > kPatienceMs) {
            ADD_FAILURE() << where << " took " << ms << " ms";
            return false;
        }
        const QString log = form_.txtLog->toPlainText();
        if (kind == Kind::ClearLog) {
            if (log != QStringLiteral("\n")) {
                ADD_FAILURE() << where << ": the log is not a single line break";
                return false;
            }
        } else if (!log.startsWith(logBefore)) {
            ADD_FAILURE() << where << ": the log lost text";
            return false;
        }
        if (kind == Kind::Run) {
            const Expected& e = oracle_(stamps);
            if (e.refused) {
                if (refusals_ == refusalsBefore || bounds() != boundsBefore) {
                    ADD_FAILURE() << where << ": refused stamps " << stamps[0] << " | " << stamps[1]
                                  << " | " << stamps[2] << " not refused alone";
                    return false;
                }
                ++refusedRuns_;
            } else {
                if (refusals_ != refusalsBefore || bounds() != e.bounds) {
                    ADD_FAILURE() << where << ": bounds " << bounds().join('|').toStdString()
                                  << " for stamps " << stamps[0] << " | " << stamps[1] << " | "
                                  << stamps[2] << ", driver " << e.bounds.join('|').toStdString();
                    return false;
                }
                ++checkedRuns_;
            }
        }
        return true;
    }

    void finish() {
        releaseHeld();
        closer_.stop();
    }
    [[nodiscard]] int checkedRuns() const { return checkedRuns_; }
    [[nodiscard]] int refusedRuns() const { return refusedRuns_; }

private:
    enum class Kind { Run, ClearLog, Other };
    static constexpr const char* kKindNames[] = {"run", "clearing the log", "other"};
    enum class Held { None, Chart, Stamp };

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng_); }

    std::array<std::string, 3> stampTexts() const {
        return {form_.txtMarke[0]->text().toStdString(), form_.txtMarke[1]->text().toStdString(),
                form_.txtMarke[2]->text().toStdString()};
    }
    QStringList bounds() const {
        return {form_.StartAB->text(), form_.StartBC->text(), form_.StartCA->text(),
                form_.StartABC->text()};
    }

    QString someText() {
        if (pick(3) == 0) {
            return QString::number(1 + pick(40));
        }
        const auto& texts = hostileTexts();
        return texts[static_cast<std::size_t>(pick(static_cast<int>(texts.size())))];
    }

    QLineEdit* someBox() {
        const int k = pick(4);
        return k < 3 ? form_.txtMarke[static_cast<std::size_t>(k)] : form_.txtPruef;
    }

    void typeInto(QLineEdit* box, const QString& text) {
        for (const QChar ch : text) {
            if (ch.unicode() < 0x20 || ch.unicode() >= 0x7f) {
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
            } else {
                QTest::keyClicks(box, QString(ch));
            }
        }
    }

    // A random pixel of the part of the chart that is in view.
    QPoint chartPixel() {
        QRect r = form_.picGraph->visibleRegion().boundingRect();
        if (r.isEmpty()) {
            r = form_.picGraph->rect();
        }
        return {r.left() + pick(std::max(1, r.width())), r.top() + pick(std::max(1, r.height()))};
    }
    // A random pixel of the window, seen from `w`.
    QPoint windowPixelFor(QWidget* w) {
        return w->mapFrom(&form_, QPoint(pick(form_.width()), pick(form_.height())));
    }

    void releaseHeld() {
        if (held_ == Held::Chart) {
            QTest::mouseRelease(form_.picGraph, button_, {}, chartPixel());
        } else if (held_ == Held::Stamp) {
            QWidget* stamp = form_.Picture1[heldStamp_];
            QTest::mouseRelease(stamp, button_, {}, windowPixelFor(stamp));
        }
        held_ = Held::None;
    }

    Kind act() {
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton,
                                                  Qt::MiddleButton};
        switch (pick(20)) {
            case 0:
            case 1:
                someBox()->setText(someText());
                return Kind::Other;
            case 2: {
                QLineEdit* box = someBox();
                if (pick(2) == 0) {
                    box->clear();
                }
                typeInto(box, someText());
                return Kind::Other;
            }
            case 3:
                QTest::keyClick(someBox(), pick(2) == 0 ? Qt::Key_Backspace : Qt::Key_Delete);
                return Kind::Other;
            case 4:
                form_.cmdMarkeplus[static_cast<std::size_t>(pick(3))]->click();
                return Kind::Other;
            case 5:
                form_.cmdMarkeMinus[static_cast<std::size_t>(pick(3))]->click();
                return Kind::Other;
            case 6:
                form_.cmdZeigen->click();
                return Kind::Run;
            case 7:
                form_.cmdWie->click();
                return Kind::Run;
            case 8:
                form_.cmdZeichnen->trigger();
                return Kind::Run;
            case 9:
                form_.cmdAlles->trigger();
                return Kind::Other;
            case 10:
                (pick(2) == 0 ? form_.cmdCls : form_.cmdLoeschen)->click();
                return Kind::ClearLog;
            case 11:
            case 12:
                if (held_ == Held::None) {
                    button_ = buttons[pick(3)];
                    QTest::mousePress(form_.picGraph, button_, {}, chartPixel());
                    held_ = Held::Chart;
                } else {
                    releaseHeld();
                }
                return Kind::Other;
            case 13:
            case 14:
            case 15:
                if (held_ == Held::Chart) {
                    QPoint p = chartPixel();
                    if (pick(4) == 0) {
                        p = windowPixelFor(form_.picGraph);  // outside, the chart holds the mouse
                    }
                    QTest::mouseMove(form_.picGraph, p);
                } else if (held_ == Held::Stamp) {
                    QWidget* stamp = form_.Picture1[heldStamp_];
                    QTest::mouseMove(stamp, pick(2) == 0
                                                ? windowPixelFor(stamp)
                                                : stamp->mapFrom(form_.picGraph, chartPixel()));
                } else {
                    QTest::mouseMove(form_.picGraph, chartPixel());
                }
                return Kind::Other;
            case 16:
                if (held_ == Held::None) {
                    heldStamp_ = static_cast<std::size_t>(pick(3));
                    button_ = buttons[pick(3)];
                    QWidget* stamp = form_.Picture1[heldStamp_];
                    QTest::mousePress(stamp, button_, {}, stamp->rect().center());
                    held_ = Held::Stamp;
                } else {
                    releaseHeld();
                }
                return Kind::Other;
            case 17:
                if (pick(2) == 0) {
                    form_.hscn->setValue(pick(form_.hscn->maximum() + 1));
                } else {
                    form_.hscn->triggerAction(pick(2) == 0 ? QAbstractSlider::SliderSingleStepAdd
                                                           : QAbstractSlider::SliderPageStepSub);
                }
                return Kind::Other;
            case 18: {
                QLabel* label = form_.Label2[static_cast<std::size_t>(pick(3))];
                if (held_ == Held::None) {
                    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
                }
                return Kind::Other;
            }
            default:
                QTest::keyClick(someBox(), Qt::Key_Return);
                return Kind::Other;
        }
    }

    Form1 form_;
    std::mt19937 rng_;
    QTimer closer_;
    BoundsOracle oracle_;
    int refusals_ = 0;
    int checkedRuns_ = 0;
    int refusedRuns_ = 0;
    Held held_ = Held::None;
    std::size_t heldStamp_ = 0;
    Qt::MouseButton button_ = Qt::LeftButton;
};

class MonkeySeed : public ::testing::TestWithParam<unsigned> {};

TEST_P(MonkeySeed, RandomUserKeepsTheWindowSound) {
    const int actions = envInt("FRANKIERUNG_MONKEY_ACTIONS", 5000);
    Monkey monkey(GetParam());
    int done = 0;
    while (done < actions && monkey.step(done)) {
        ++done;
    }
    monkey.finish();
    EXPECT_EQ(done, actions);
    // The sequence must really have exercised the runs, refused ones included.
    EXPECT_GT(monkey.checkedRuns(), actions / 40);
    EXPECT_GT(monkey.refusedRuns(), 0);
}

INSTANTIATE_TEST_SUITE_P(Window, MonkeySeed, ::testing::Values(20240611u));

}  // namespace
}  // namespace frankierung
