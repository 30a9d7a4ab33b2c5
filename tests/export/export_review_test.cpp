// The export as a careless pupil and a teacher on an old projector would use it.
#include <gtest/gtest.h>
#include <sys/stat.h>
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
