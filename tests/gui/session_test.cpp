// A seeded random pupil: typed texts, button clicks, chart presses and drags, stamp drags,
// scrolling and menu commands, with "Warum?" open beside the window, the window's promises
// checked after every action and the survey driver as the oracle for every run.
#include <QScrollBar>
#include <map>
#include <random>

#include "window.h"

namespace frankierung {
namespace {

class Session : public test::Window {
public:
    int pick(int below) { return std::uniform_int_distribution(0, below - 1)(rng_); }

    // What the chart holds: the number of primitives and a sum over them; row 7's amounts.
    std::pair<std::size_t, double> fingerprint() const {
        double sum = 0;
        for (const DrawingItem& p : drawing()) {
            sum += p.p1.x() + 3 * p.p1.y() + 5 * p.p2.x() + 7 * p.p2.y() + p.color.rgb() % 97;
        }
        return {drawing().size(), sum};
    }
    std::vector<double> row7() const {
        std::vector<double> xs;
        for (const DrawingItem& p : drawing()) {
            if (p.kind == DrawingItem::Kind::Box && p.p1.y() == 13.1) {
                xs.push_back(p.p1.x());
            }
        }
        return xs;
    }
    // The driver's JSON for the texts, or the message it refuses them with.
    const nlohmann::json& oracle(const QStringList& t) {
        std::vector<std::string> args{"--json", "--"};
        for (const QString& s : t) {
            args.push_back(s.toStdString());
        }
        auto [it, fresh] = cache_.try_emplace(args);
        if (fresh) {
            const ProgramOutcome out = runDriver(args);
            it->second =
                out.exitCode == 0 ? nlohmann::json::parse(out.out) : nlohmann::json(out.err);
        }
        return it->second;
    }

    QString someText() {
        static const char* const hostile[] = {
            "",      "0",    "1",     "-5",   "2.5",      "1e999", "-1e999", "1e3", "32767",
            "32768", " 12 ", "12abc", "äöüß", "\x01\x7f", "\t8\n", "6",      "10",  "15"};
        if (pick(40) == 0) {
            return QString(400, '9');
        }
        return pick(3) == 0 ? QString::number(1 + pick(40)) : hostile[pick(std::size(hostile))];
    }
    QString someBox() { return pick(4) < 3 ? QString("txtMarke(%1)").arg(pick(3)) : "txtPrüf"; }
    QPoint someChartPixel() {
        const QRect r = chart()->visibleRegion().boundingRect();
        return {r.left() + pick(std::max(1, r.width())), r.top() + pick(std::max(1, r.height()))};
    }

    // One random action; says what kind it was.
    QString act() {
        QWidget* stamp = get(QString("Picture1(%1)").arg(pick(3)));
        switch (pick(14)) {
            case 0:
            case 1:
                setText(someBox(), someText());
                return "text";
            case 2:
                click(QString("cmdMarke%1(%2)").arg(pick(2) == 0 ? "plus" : "Minus").arg(pick(3)));
                return "step";
            case 3:
            case 4:
                click(QStringList{"cmdZeigen", "cmdWie", "cmdZeichnen"}[pick(3)]);
                return "run";
            case 5:
                click("cmdAlles");
                return "wipe";
            case 6: {
                QString clearing = QStringList{"cmdCls", "cmdLoeschen"}[pick(2)];
                click(clearing);
                return clearing;
            }
            case 7:
            case 8:
                held_ = !held_;
                held_ ? QTest::mousePress(chart(), Qt::LeftButton, {}, someChartPixel())
                      : QTest::mouseRelease(chart(), Qt::LeftButton, {}, someChartPixel());
                return "chart press or release";
            case 9:
            case 10:
                QTest::mouseMove(chart(), someChartPixel());
                return "chart move";
            case 11:
                QTest::mousePress(stamp, Qt::LeftButton, {}, stamp->rect().center());
                QTest::mouseMove(stamp, stamp->mapFrom(chart(), someChartPixel()));
                QTest::mouseRelease(stamp, Qt::LeftButton, {},
                                    stamp->mapFrom(chart(), someChartPixel()));
                return "drag";
            case 12:
                get<QScrollBar>("hscn")->setValue(pick(1535));
                return "scroll";
            default: {
                const bool enter = pick(2) == 1;
                QTest::keyClick(get(someBox()), enter ? Qt::Key_Return : Qt::Key_Backspace);
                return enter ? "run" : "key";  // Enter runs "zeigen" or "Darstellung"
            }
        }
    }

private:
    std::mt19937 rng_{20240611};
    std::map<std::vector<std::string>, nlohmann::json> cache_;
    bool held_ = false;
};

TEST(Session, ARandomPupilKeepsTheWindowSound) {
    Session s;
    s.click("cmdWarum");  // open, it follows every run and must change nothing else
    test::MessageAnswerer answer;
    const QStringList inputs{"txtMarke(0)", "txtMarke(1)", "txtMarke(2)", "txtPrüf"};
    const QStringList bounds{"StartAB", "StartBC", "StartCA", "StartABC"};
    int runs = 0, refusals = 0;
    for (int n = 0; n < 3000 && !::testing::Test::HasFailure(); ++n) {
        const QStringList in = s.texts(inputs), boundsBefore = s.texts(bounds);
        const QString log = s.text("txtLog");
        const auto drawn = s.fingerprint();
        const auto messages = answer.seen.size();
        const QString kind = s.act();
        QCoreApplication::processEvents();
        SCOPED_TRACE(QString("action %1: %2").arg(n).arg(kind).toStdString());
        EXPECT_FALSE(s.get("txtRechnung")->isVisibleTo(&s.form));
        for (int i = 0; i < 3; ++i) {
            const QString value = s.text(QString("txtMarke(%1)").arg(i));
            EXPECT_EQ(s.text(QString("Label2(%1)").arg(i)), value + "c");
            const QString panel = s.text(QString("pic%1").arg(QStringList{"AB", "BC", "CA"}[i]));
            EXPECT_TRUE(panel.isEmpty() ||
                        panel == value + "-" + s.text(QString("txtMarke(%1)").arg((i + 1) % 3)));
        }
        const QString logNow = s.text("txtLog");
        if (kind.startsWith("cmd")) {  // "löschen" clears chart and log, "X" only the log
            EXPECT_EQ(std::pair(logNow, s.drawing().size()),
                      std::pair(QString("\n"), kind == "cmdCls" ? 0 : drawn.first));
        } else if (kind != "run") {
            EXPECT_TRUE(logNow.startsWith(log)) << "the log lost text";
            EXPECT_TRUE(kind != "wipe" || s.drawing().empty());
        } else if (const nlohmann::json& j = s.oracle(in); j.is_string()) {
            const QString refusal = QString::fromStdString(j.get<std::string>()).trimmed();
            EXPECT_EQ(answer.seen.mid(messages),
                      QStringList("Markenwert nicht zulässig: " + refusal));
            EXPECT_EQ(std::tuple(s.texts(bounds), logNow, s.fingerprint()),
                      std::tuple(boundsBefore, log, drawn));
            ++refusals;
        } else {
            QStringList want;
            for (const QString& key : bounds) {
                want << QString::fromStdString(j.at(key.toStdString()).get<std::string>());
            }
            EXPECT_EQ(s.texts(bounds), want);
            EXPECT_EQ(
                logNow,
                log + QString::fromStdString(j.at("log").get<std::string>()).replace("\r\n", "\n"));
            EXPECT_EQ(s.row7(), j.at("rows").at(6).get<std::vector<double>>());  // and no notes
            EXPECT_TRUE(std::none_of(s.drawing().begin(), s.drawing().end(), [](const auto& p) {
                return p.mark == DrawingItem::Mark::Note;
            }));
            ++runs;
        }
    }
    EXPECT_GT(runs, 100);
    EXPECT_GT(refusals, 5);
}

}  // namespace
}  // namespace frankierung
