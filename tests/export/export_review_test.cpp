// The export as a careless pupil and a teacher on an old projector would use it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "appstart.h"
#include "chartexport.h"

namespace frankierung {
namespace {

// Qt's own texts (parser errors, file error reasons) in German, as the tool itself loads them.
class GermanQtTexts : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(installQtTranslations()); }
};
const auto* const kGermanQtTexts = ::testing::AddGlobalTestEnvironment(new GermanQtTexts);

using Args = std::vector<std::string>;

struct LastAmountCase {
    const char* name;
    std::vector<std::pair<int, int>> strips;  // none: the default strips
    std::size_t strip;
    double rowY;  // chart units, inside the row's marks
    QColor colour;
};

class LastAmount : public ::testing::TestWithParam<LastAmountCase> {};

// The strip's last amount once showed as a one-pixel sliver at its right edge.
TEST_P(LastAmount, ShowsAsWideAsTheOthers) {
    const LastAmountCase& c = GetParam();
    SheetOptions options;
    options.stamps = {"6", "10", "15"};
    options.strips = c.strips.empty() ? defaultStrips() : c.strips;
    ChartSheet sheet(options);
    const QImage image = sheet.image();
    const QRect chart = sheet.pieceRect(2 * c.strip + 1);
    const int y = static_cast<int>(sheet.toSheet(c.strip, {0, c.rowY}).y());
    std::vector<int> runs;
    for (int x = chart.left(), run = 0; x <= chart.right() + 1; ++x) {
        if (x <= chart.right() && image.pixelColor(x, y) == c.colour) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    ASSERT_GE(runs.size(), 2U);
    EXPECT_GE(runs.back(), runs.front() - 1) << "first " << runs.front();
}

INSTANTIATE_TEST_SUITE_P(
    Export, LastAmount,
    ::testing::Values(LastAmountCase{"Thousand", {}, 9, 6.72, QColor(0, 128, 0)},
                      LastAmountCase{"StripTo60", {{0, 60}}, 0, 5.72, QColor(0, 0, 128)},
                      LastAmountCase{"StripTo45", {{30, 45}}, 0, 7.72, QColor(0, 128, 128)}),
    [](const auto& param) { return std::string(param.param.name); });

class AxisNumbers : public ::testing::TestWithParam<int> {};

// At 200 pixels every fifth number ran into the next.
TEST_P(AxisNumbers, DoNotRunIntoEachOther) {
    SheetOptions options;
    options.stamps = {"6", "10", "15"};
    options.strips = defaultStrips();
    options.width = GetParam();
    const ChartSheet sheet(options);
    for (std::size_t strip = 0; strip < options.strips.size(); ++strip) {
        const auto [from, to] = options.strips[strip];
        std::vector<std::pair<double, double>> spans;  // sheet pixels, left to right
        for (const Primitive& p : sheet.stripDrawing()) {
            if (p.kind == Primitive::Kind::Text && p.p1.y() < 5 && p.p1.x() >= from &&
                p.p1.x() <= to) {
                const double left = sheet.toSheet(strip, p.p1).x();
                spans.emplace_back(left, left + p.textSize.width());
            }
        }
        std::sort(spans.begin(), spans.end());
        ASSERT_GE(spans.size(), 2U) << strip;
        for (std::size_t i = 1; i < spans.size(); ++i) {
            EXPECT_LE(spans[i - 1].second, spans[i].first) << "strip " << strip;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Export, AxisNumbers, ::testing::Values(200, 400, 1600));

struct MessageCase {
    const char* name;
    Args args;  // "OUT" is a file in an empty directory
    int exitCode;
    const char* message;
    bool written;
};

class Messages : public ::testing::TestWithParam<MessageCase> {};

// One line points to --help after a wrong call; the pixel limit holds for PNG only; a name that
// is not UTF-8 keeps its bytes.
TEST_P(Messages, SayWhatIsWrongAndKeepTheName) {
    const MessageCase& c = GetParam();
    QTemporaryDir dir;
    const std::string out = dir.path().toStdString() + "/";
    Args args = c.args;
    for (auto& a : args) {
        a = a.starts_with("OUT") ? out + a.substr(3) : a;
    }
    const ExportOutcome outcome = runChartExport(args);
    EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.err;
    EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.err.find("Aufruf"), std::string::npos) << outcome.err;
    const auto lines = std::count(outcome.err.begin(), outcome.err.end(), '\n');
    EXPECT_EQ(lines, c.exitCode == 0 ? 0 : 2) << outcome.err;
    struct stat info {};
    EXPECT_EQ(::stat((out + c.args[1].substr(3)).c_str(), &info) == 0, c.written);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Export, Messages, ::testing::Values(
    MessageCase{"UnknownOption", {"-o", "OUTa.png", "--height", "5", "6", "10", "15"}, 1, "Hilfe: frankierung-chart --help", false},
    MessageCase{"MissingValue", {"-o", "OUTa.png", "6", "10", "15", "--width"}, 1, "fehlt der Wert", false},
    MessageCase{"PngTooBig", {"-o", "OUTa.png", "--to", "2", "--width", "20000", "6", "10", "15"}, 1, "groß werden", false},
    MessageCase{"SvgHasNoPixelLimit", {"-o", "OUTa.svg", "--to", "2", "--width", "20000", "6", "10", "15"}, 0, "", true},
    MessageCase{"NameNotUtf8", {"-o", "OUTa\xff\xfe.png", "6", "10", "15"}, 0, "", true}),
    [](const auto& param) { return std::string(param.param.name); });
// clang-format on

}  // namespace
}  // namespace frankierung
