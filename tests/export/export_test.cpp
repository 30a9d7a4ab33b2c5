#include "chartexport.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <array>
#include <string>
#include <vector>

#include "appsetup.h"
#include "core/fakes.h"
#include "survey.h"

namespace frankierung {
namespace {

using Args = std::vector<std::string>;

const QColor kBlue(0, 0, 128);
const QColor kGreen(0, 128, 0);
const QColor kCyan(0, 128, 128);
const QColor kGround(224, 224, 224);

Args with(Args args, const QString& output) {
    args.insert(args.begin(), {"-o", output.toStdString()});
    return args;
}

QStringList entries(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// --- Size of the sheet ---

struct SizeCase {
    const char* name;
    Args args;
    int width;
    int strips;
};

class SheetSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SheetSize, ImageHasRequestedWidthAndOneStripPerRange) {
    const SizeCase& c = GetParam();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.png"));
    const ExportOutcome outcome = runChartExport(with(c.args, file));
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    const QImage image(file);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), c.width);
    ASSERT_EQ(image.height() % c.strips, 0);
    // Tall enough for the seven rows and the numbers, without being a poster.
    const int stripHeight = image.height() / c.strips;
    EXPECT_GE(stripHeight, 300);
    EXPECT_LE(stripHeight, 2000);
}

INSTANTIATE_TEST_SUITE_P(
    Export, SheetSize,
    ::testing::Values(
        SizeCase{"Default", {"6", "10", "15"}, kDefaultSheetWidth, 10},
        SizeCase{"DefaultWider", {"--width", "3000", "6", "10", "15"}, 3000, 10},
        SizeCase{"OneStrip", {"--from", "0", "--to", "60", "6", "10", "15"}, 1600, 1},
        SizeCase{"OnlyFrom", {"--from", "900", "--width", "800", "6", "10", "15"}, 800, 1},
        SizeCase{"Narrow", {"--to", "40", "--width", "200", "6", "10", "15"}, 200, 1}),
    [](const auto& param) { return std::string(param.param.name); });

// --- Pixels where the chart has known marks ---

struct PixelCase {
    const char* name;
    Args args;
    std::size_t strip;
    double x;  // chart coordinates
    double y;
    QColor expected;
};

class SheetPixels : public ::testing::TestWithParam<PixelCase> {};

// Inside a mark's box and clear of its circle and of the tick lines.
constexpr double kRow1 = 5.72;
constexpr double kRow2 = 6.72;
constexpr double kRow3 = 7.72;
constexpr double kRow7 = 13.0;

SheetOptions optionsFor(const Args& args) {
    SheetOptions o;
    std::vector<std::string> values;
    std::optional<int> from;
    std::optional<int> to;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--from") {
            from = std::stoi(args[++i]);
        } else if (args[i] == "--to") {
            to = std::stoi(args[++i]);
        } else if (args[i] == "--width") {
            o.width = std::stoi(args[++i]);
        } else {
            values.push_back(args[i]);
        }
    }
    std::copy(values.begin(), values.end(), o.stamps.begin());
    o.strips = (from || to)
                   ? std::vector<std::pair<int, int>>{{from.value_or(0), to.value_or(1000)}}
                   : defaultStrips();
    return o;
}

TEST_P(SheetPixels, ShowsTheMarkColour) {
    const PixelCase& c = GetParam();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.png"));
    const ExportOutcome outcome = runChartExport(with(c.args, file));
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    const QImage image(file);
    // The same layout, to find the place; the colours come from the written file.
    const ChartSheet sheet(optionsFor(c.args));
    ASSERT_EQ(sheet.size(), image.size());
    const QPoint at = sheet.toSheet(c.strip, {c.x, c.y}).toPoint();
    EXPECT_EQ(image.pixelColor(at), c.expected) << "at " << at.x() << "," << at.y();
}

const Args kDefault{"6", "10", "15"};
const Args kFirst60{"--from", "0", "--to", "60", "--width", "1600", "6", "10", "15"};
const Args kLate{"--from", "500", "--to", "560", "--width", "800", "6", "10", "15"};

INSTANTIATE_TEST_SUITE_P(
    Export, SheetPixels,
    ::testing::Values(PixelCase{"Row1At6", kDefault, 0, 6.5, kRow1, kBlue},
                      PixelCase{"Row1GapAt7", kDefault, 0, 7.5, kRow1, kGround},
                      PixelCase{"Row2At10", kDefault, 0, 10.5, kRow2, kGreen},
                      PixelCase{"Row3At15", kDefault, 0, 15.5, kRow3, kCyan},
                      PixelCase{"Row7At6", kDefault, 0, 6.25, kRow7, kBlue},
                      PixelCase{"Row7GapAt29", kDefault, 0, 29.5, kRow7, kGround},
                      PixelCase{"Row7At731", kDefault, 7, 731.25, kRow7, kBlue},
                      PixelCase{"Row1At996", kDefault, 9, 996.5, kRow1, kBlue},
                      PixelCase{"StripRow7At30", kFirst60, 0, 30.25, kRow7, kBlue},
                      PixelCase{"LateRow1At504", kLate, 0, 504.5, kRow1, kBlue},
                      PixelCase{"LateRow1GapAt505", kLate, 0, 505.5, kRow1, kGround},
                      PixelCase{"LateRow7At537", kLate, 0, 537.25, kRow7, kBlue}),
    [](const auto& param) { return std::string(param.param.name); });

// Dark pixels (text) in a rectangle of chart coordinates.
int darkPixels(const QImage& image, const ChartSheet& sheet, std::size_t strip, QPointF a,
               QPointF b, int below = 140) {
    const QRect r = QRectF(sheet.toSheet(strip, a), sheet.toSheet(strip, b)).toAlignedRect();
    int dark = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            dark += image.pixelColor(x, y).lightness() < below ? 1 : 0;
        }
    }
    return dark;
}

TEST(ExportLabels, EveryStripShowsTheRowLabels) {
    ChartSheet sheet(optionsFor(kDefault));
    const QImage image = sheet.image();
    for (std::size_t strip = 0; strip < 10; ++strip) {
        EXPECT_GT(darkPixels(image, sheet, strip, {-2.9, 5.5}, {-0.2, 5.95}), 10) << strip;
        EXPECT_GT(darkPixels(image, sheet, strip, {-2.9, 12.4}, {-0.2, 12.85}), 10) << strip;
    }
}

TEST(ExportLabels, WideLabelsStayInTheirColumn) {
    // The widest label there is, on a strip with fewer pixels per amount than the window.
    ChartSheet sheet(optionsFor({"--from", "0", "--to", "100", "32767", "32766", "7"}));
    const QImage image = sheet.image();
    EXPECT_GT(darkPixels(image, sheet, 0, {-2.9, 9.3}, {-0.2, 9.75}), 10);
    // Between the white label strip and the chart lies only ground.
    EXPECT_EQ(darkPixels(image, sheet, 0, {-0.09, 4.5}, {-0.01, 15.4}), 0);
    // Right of the circle at 0 the row has no marks; the tick lines there are grey.
    EXPECT_EQ(darkPixels(image, sheet, 0, {1.2, 9.3}, {4.8, 9.75}, 100), 0);
}

// --- Vector formats ---

struct FormatCase {
    const char* name;
    const char* file;
};

class VectorFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(VectorFormat, IsAWellFormedDocument) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QString::fromLatin1(GetParam().file));
    const ExportOutcome outcome = runChartExport(with(kDefault, file));
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    if (file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        EXPECT_TRUE(bytes.startsWith("%PDF-"));
        EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
        return;
    }
    QXmlStreamReader xml(bytes);
    int depth = 0;
    int viewports = 0;
    QString root;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (depth == 0) {
                root = xml.name().toString();
            } else if (depth == 1 && xml.name() == QLatin1String("svg")) {
                ++viewports;  // one clipping viewport per label column and per strip
            }
            ++depth;
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(root, QStringLiteral("svg"));
    EXPECT_EQ(viewports, 20);
}

INSTANTIATE_TEST_SUITE_P(Export, VectorFormat,
                         ::testing::Values(FormatCase{"Svg", "chart.svg"},
                                           FormatCase{"Pdf", "chart.pdf"},
                                           FormatCase{"UpperCasePdf", "CHART.PDF"}),
                         [](const auto& param) { return std::string(param.param.name); });

// --- Refusals ---

struct RefusalCase {
    const char* name;
    Args args;  // the output "OUT" stands for a file in an empty directory
    int exitCode;
    const char* message;
    bool usage;
};

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

Args resolved(Args args, const QTemporaryDir& dir) {
    for (auto& a : args) {
        if (a.starts_with("OUT")) {
            a = dir.filePath(QString::fromStdString("chart" + a.substr(3))).toStdString();
        }
    }
    return args;
}

TEST_P(Refusal, ExplainsAndWritesNothing) {
    const RefusalCase& c = GetParam();
    QTemporaryDir dir;
    const ExportOutcome outcome = runChartExport(resolved(c.args, dir));
    EXPECT_EQ(outcome.exitCode, c.exitCode);
    EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.err.find("Hilfe: frankierung-chart --help") != std::string::npos, c.usage);
    EXPECT_TRUE(outcome.out.empty());
    EXPECT_TRUE(entries(dir).isEmpty()) << entries(dir).join(u' ').toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Export, Refusal, ::testing::Values(
    RefusalCase{"UnknownOption", {"--height", "5", "-o", "OUT.png", "6", "10", "15"}, 1, "Unbekannte Option: --height", true},
    RefusalCase{"MissingOutput", {"6", "10", "15"}, 1, "Keine Ausgabedatei", true},
    RefusalCase{"OptionWithoutValue", {"6", "10", "15", "-o"}, 1, "fehlt der Wert", true},
    RefusalCase{"FromNotANumber", {"--from", "abc", "-o", "OUT.png", "6", "10", "15"}, 1, "--from erwartet eine ganze Zahl", true},
    RefusalCase{"FromFraction", {"--from", "1.5", "-o", "OUT.png", "6", "10", "15"}, 1, "--from erwartet eine ganze Zahl", true},
    RefusalCase{"FromNegative", {"--from", "-1", "-o", "OUT.png", "6", "10", "15"}, 1, "--from muss zwischen 0 und 999", true},
    RefusalCase{"FromTooLarge", {"--from", "1000", "-o", "OUT.png", "6", "10", "15"}, 1, "--from muss zwischen 0 und 999", true},
    RefusalCase{"ToTooLarge", {"--to", "1001", "-o", "OUT.png", "6", "10", "15"}, 1, "--to muss zwischen 1 und 1000", true},
    RefusalCase{"FromNotBelowTo", {"--from", "60", "--to", "60", "-o", "OUT.png", "6", "10", "15"}, 1, "--from muss kleiner als --to", true},
    RefusalCase{"WidthTooSmall", {"--width", "199", "-o", "OUT.png", "6", "10", "15"}, 1, "--width muss zwischen 200 und 20000", true},
    RefusalCase{"WidthTooLarge", {"--width", "20001", "-o", "OUT.png", "6", "10", "15"}, 1, "--width muss zwischen 200 und 20000", true},
    RefusalCase{"TooBigImage", {"--from", "0", "--to", "2", "--width", "20000", "-o", "OUT.png", "6", "10", "15"}, 1, "Das Bild würde", true},
    RefusalCase{"TwoValues", {"-o", "OUT.png", "6", "10"}, 1, "Genau drei Markenwerte", true},
    RefusalCase{"FourValues", {"-o", "OUT.png", "6", "10", "15", "20"}, 1, "Genau drei Markenwerte", true},
    RefusalCase{"UnknownFormat", {"-o", "OUT.jpg", "6", "10", "15"}, 1, "Unbekanntes Dateiformat", true},
    RefusalCase{"NoExtension", {"-o", "OUT", "6", "10", "15"}, 1, "Unbekanntes Dateiformat", true},
    RefusalCase{"ValueTooLarge", {"-o", "OUT.png", "6", "10", "32768"}, 2, "32768", false},
    RefusalCase{"ValueNotWhole", {"-o", "OUT.svg", "6.5", "10", "15"}, 2, "6.5", false}),
    [](const auto& param) { return std::string(param.param.name); });
// clang-format on

TEST(ExportRefusal, DomainMessageIsTheCoresOwn) {
    QTemporaryDir dir;
    const ExportOutcome outcome =
        runChartExport(resolved({"-o", "OUT.png", "--", "-5", "40000", "7"}, dir));
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.err, stampDomainMessage(test::FakeBoxes({"-5", "40000", "7"}, "0")) + "\n");
}

TEST(ExportRefusal, ValuesBelowOneCountAsOne) {
    QTemporaryDir dir;
    const ExportOutcome outcome =
        runChartExport(resolved({"-o", "OUT.png", "--", "0", "-3", "7"}, dir));
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
}

struct UnwritableCase {
    const char* name;
    const char* path;  // "DIR" stands for a fresh directory
    const char* message;
};

class Unwritable : public ::testing::TestWithParam<UnwritableCase> {};

TEST_P(Unwritable, FailsWithoutPartialFile) {
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub.svg")));
    const QString path =
        QString::fromLatin1(GetParam().path).replace(QStringLiteral("DIR"), dir.path());
    const ExportOutcome outcome = runChartExport(with(kDefault, path));
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.err.find(GetParam().message), std::string::npos) << outcome.err;
    EXPECT_EQ(entries(dir), QStringList{QStringLiteral("plain")});
}

INSTANTIATE_TEST_SUITE_P(
    Export, Unwritable,
    ::testing::Values(UnwritableCase{"NoSuchDirectory", "/nonexistent/dir/x.png", "gibt es nicht"},
                      UnwritableCase{"ParentIsAFile", "DIR/plain/x.pdf", "gibt es nicht"},
                      UnwritableCase{"TargetIsADirectory", "DIR/sub.svg",
                                     "kann nicht geschrieben werden"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ExportUnwritable, ReadOnlyDirectoryStaysEmpty) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only directories";
    }
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const ExportOutcome outcome =
        runChartExport(with(kDefault, dir.filePath(QStringLiteral("x.png"))));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.err.find("kann nicht geschrieben werden"), std::string::npos);
    EXPECT_TRUE(entries(dir).isEmpty());
}

// --- The tool as a process, without any display ---

struct ProcessCase {
    const char* name;
    Args args;
    int exitCode;
    const char* stderrPart;
    bool writes;
};

class Tool : public ::testing::TestWithParam<ProcessCase> {};

TEST_P(Tool, ExitCodeAndOutput) {
    const ProcessCase& c = GetParam();
    QTemporaryDir dir;
    QStringList args;
    for (const auto& a : resolved(c.args, dir)) {
        args << QString::fromStdString(a);
    }
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The tool has to find the offscreen platform on its own.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(FRANKIERUNG_CHART_TOOL), args);
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tool.exitCode(), c.exitCode);
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    EXPECT_TRUE(err.contains(QString::fromUtf8(c.stderrPart))) << err.toStdString();
    EXPECT_EQ(entries(dir).size(), c.writes ? 1 : 0);
}

// A file written, a usage refusal and a domain refusal: the three ways out of the tool.
INSTANTIATE_TEST_SUITE_P(
    Export, Tool,
    ::testing::Values(
        ProcessCase{"Pdf", {"-o", "OUT.pdf", "6", "10", "15"}, 0, "", true},
        ProcessCase{
            "BadOption", {"-x", "-o", "OUT.png", "6", "10", "15"}, 1, "Unbekannte Option", false},
        ProcessCase{"Domain", {"-o", "OUT.png", "6", "10", "99999"}, 2, "99999", false}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace frankierung

int main(int argc, char** argv) {
    frankierung::useOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
