// The export as a careless pupil and a teacher on an old projector would use it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>

#include "appstart.h"
#include "chartexport.h"

namespace frankierung {
namespace {

// Qt's own texts (parser errors, file error reasons) in German, as the tool itself loads them.
class GermanQtTexts : public ::testing::Environment {
    void SetUp() override { ASSERT_TRUE(installQtTranslations()); }
};
const auto* const kGermanQtTexts = ::testing::AddGlobalTestEnvironment(new GermanQtTexts);

// The strip's last amount (1000, or the end of a --to strip) showed as a one-pixel sliver.
TEST(ExportReview, LastAmountOfAStripShowsWhole) {
    const struct {
        std::vector<std::pair<int, int>> strips;
        std::size_t strip;
        double rowY;  // chart units, inside the row's marks
        QColor colour;
    } cases[] = {{defaultStrips(), 9, 6.72, QColor(0, 128, 0)}, {{{0, 60}}, 0, 5.72, Qt::darkBlue}};
    for (const auto& c : cases) {
        ChartSheet sheet({{"6", "10", "15"}, c.strips, kDefaultSheetWidth});
        const QImage image = sheet.image();
        const QRect chart = sheet.pieceRect(2 * c.strip + 1);
        const int y = static_cast<int>(sheet.toSheet(c.strip, {0, c.rowY}).y());
        std::vector<int> runs{0};  // lengths of the runs of the mark colour, left to right
        for (int x = chart.left(); x <= chart.right(); ++x) {
            if (image.pixelColor(x, y) == c.colour) {
                ++runs.back();
            } else if (runs.back() > 0) {
                runs.push_back(0);
            }
        }
        if (runs.back() == 0) {
            runs.pop_back();
        }
        ASSERT_GE(runs.size(), 2U);
        EXPECT_GE(runs.back(), runs.front() - 1) << "first " << runs.front();
    }
}

// At 200 pixels every fifth axis number ran into the next.
TEST(ExportReview, NarrowSheetAxisNumbersStayApart) {
    const ChartSheet sheet({{"6", "10", "15"}, defaultStrips(), kMinSheetWidth});
    const auto [from, to] = defaultStrips().front();
    std::vector<std::pair<double, double>> spans;  // sheet pixels
    for (const Primitive& p : sheet.stripDrawing()) {
        if (p.kind == Primitive::Kind::Text && p.p1.y() < 5 && p.p1.x() >= from && p.p1.x() <= to) {
            const double left = sheet.toSheet(0, p.p1).x();
            spans.emplace_back(left, left + p.textSize.width());
        }
    }
    std::sort(spans.begin(), spans.end());
    ASSERT_GE(spans.size(), 2U);
    for (std::size_t i = 1; i < spans.size(); ++i) {
        EXPECT_LE(spans[i - 1].second, spans[i].first) << i;
    }
}

struct MessageCase {
    const char* name;
    std::vector<std::string> args;  // "OUT" is a file in an empty directory
    int exitCode;
    const char* message;
};

class Messages : public ::testing::TestWithParam<MessageCase> {};

// One line points to --help after a wrong call; the pixel limit holds for PNG only; a name that
// is not UTF-8 keeps its bytes.
TEST_P(Messages, SayWhatIsWrongAndKeepTheName) {
    const MessageCase& c = GetParam();
    QTemporaryDir dir;
    auto args = c.args;
    args[1] = dir.path().toStdString() + "/" + args[1].substr(3);
    const ExportOutcome outcome = runChartExport(args);
    EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.err;
    EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), c.exitCode == 0 ? 0 : 2);
    struct stat info {};
    EXPECT_EQ(::stat(args[1].c_str(), &info) == 0, c.exitCode == 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ExportReview, Messages, ::testing::Values(
    MessageCase{"UnknownOption", {"-o", "OUTa.png", "--height", "5", "6", "10", "15"}, 1, "Hilfe: frankierung-chart --help"},
    MessageCase{"PngTooBig", {"-o", "OUTa.png", "--to", "2", "--width", "20000", "6", "10", "15"}, 1, "groß werden"},
    MessageCase{"SvgHasNoPixelLimit", {"-o", "OUTa.svg", "--to", "2", "--width", "20000", "6", "10", "15"}, 0, ""},
    MessageCase{"NameNotUtf8", {"-o", "OUTa\xff\xfe.png", "6", "10", "15"}, 0, ""}),
    [](const auto& param) { return std::string(param.param.name); });
// clang-format on

}  // namespace
}  // namespace frankierung
