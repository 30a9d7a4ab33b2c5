// The worksheet export: the files it writes, what they show, and what it refuses.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <filesystem>

#include "chartsheet.h"
#include "commandline.h"
#include "window.h"

namespace frankierung {
namespace {

using Args = std::vector<std::string>;

struct Exported {
    QTemporaryDir dir;
    QString file;
    ProgramOutcome outcome;
    Exported(const QString& name, Args args) : file(dir.filePath(name)) {
        args.insert(args.begin(), {"-o", file.toStdString()});
        outcome = runChartExport(args);
    }
    QByteArray bytes() const {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// Pixels of the sheet's strip between two chart points darker than `below`.
int darkPixels(const QImage& image, const ChartSheet& sheet, std::size_t strip, QPointF from,
               QPointF to, int below = 140) {
    const QRect r = QRectF(sheet.toSheet(strip, from), sheet.toSheet(strip, to)).toAlignedRect();
    int dark = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            dark += image.pixelColor(x, y).lightness() < below;
        }
    }
    return dark;
}

TEST(Export, SheetsShowTheChartInStrips) {
    const QColor ground(224, 224, 224), blue(0, 0, 128), green(0, 128, 0), cyan(0, 128, 128);
    // The arguments, the sheet they ask for, and colours at chart points of a strip.
    const std::tuple<Args, SheetOptions, std::vector<std::tuple<std::size_t, QPointF, QColor>>>
        cases[] = {
            {{"6", "10", "15"},
             {{"6", "10", "15"}, defaultStrips(), 1600},
             {{0, {6.5, 5.72}, blue},
              {0, {7.5, 5.72}, ground},
              {0, {10.5, 6.72}, green},
              {0, {15.5, 7.72}, cyan},
              {0, {29.5, 13}, ground},
              {7, {731.25, 13}, blue},
              {9, {996.5, 5.72}, blue},
              {9, {1000.5, 6.72}, green}}},  // the last amount shows whole
            {{"--from", "500", "--to", "560", "--width", "800", "6", "10", "15"},
             {{"6", "10", "15"}, {{500, 560}}, 800},
             {{0, {504.5, 5.72}, blue}, {0, {505.5, 5.72}, ground}, {0, {560.5, 6.72}, green}}},
            {{"--to", "40", "--width", "200", "--", "0", "-3", "7"},
             {{"0", "-3", "7"}, {{0, 40}}, 200},
             {{0, {7.5, 7.72}, cyan}}}};
    for (const auto& [args, options, probes] : cases) {
        Exported e("blatt.png", args);
        ASSERT_EQ(e.outcome.exitCode, 0) << e.outcome.err;
        const QImage image(e.file);
        ChartSheet sheet(options);
        ASSERT_EQ(image.size(), sheet.size());
        EXPECT_EQ(image.width(), options.width);
        EXPECT_GE(sheet.stripHeight(), 300);
        for (const auto& [strip, at, colour] : probes) {
            EXPECT_EQ(image.pixelColor(sheet.toSheet(strip, at).toPoint()), colour) << at.x();
        }
        for (std::size_t strip = 0; strip < options.strips.size(); ++strip) {  // each labelled
            EXPECT_GT(darkPixels(image, sheet, strip, {-2.9, 5.5}, {-0.2, 5.95}), 5) << strip;
        }
    }
}

// The widest label, on a strip with fewer pixels per amount than the window: it shows in its
// column, and neither the ground beside it nor the row right of the circle at 0 is darkened.
TEST(Export, WideLabelsStayInTheirColumn) {
    ChartSheet sheet({{"32767", "32766", "7"}, {{0, 100}}, 1600});
    const QImage image = sheet.image();
    EXPECT_GT(darkPixels(image, sheet, 0, {-2.9, 9.3}, {-0.2, 9.75}), 10);
    EXPECT_EQ(darkPixels(image, sheet, 0, {-0.09, 4.5}, {-0.01, 15.4}), 0);
    EXPECT_EQ(darkPixels(image, sheet, 0, {1.2, 9.3}, {4.8, 9.75}, 100), 0);
}

TEST(Export, VectorFormatsAreWellFormed) {
    Exported svg("blatt.svg", {"6", "10", "15"});
    QXmlStreamReader xml(svg.bytes());
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QString("svg"));
    // SVG cannot clip: no circle may stand over the label column or beyond the sheet.
    const ChartSheet sheet({{"6", "10", "15"}, defaultStrips(), kDefaultSheetWidth});
    int circles = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QString("circle")) {
            const double cx = xml.attributes().value("cx").toDouble();
            EXPECT_TRUE(cx > sheet.toSheet(0, {0, 0}).x() && cx < sheet.size().width()) << cx;
            ++circles;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(circles, 1000);
    Exported pdf("BLATT.PDF", {"6", "10", "15"});
    EXPECT_TRUE(pdf.bytes().startsWith("%PDF-") && pdf.bytes().trimmed().endsWith("%%EOF"));
}

TEST(Export, RefusesAndWritesNothing) {
    const std::tuple<Args, const char*, int, const char*> cases[] = {
        {{"--height", "5", "6", "10", "15"}, "x.png", 1, "Unbekannte Option: --height"},
        {{"--from", "1.5", "6", "10", "15"}, "x.png", 1, "--from erwartet eine ganze Zahl"},
        {{"--from", "1000", "6", "10", "15"}, "x.png", 1, "--from muss zwischen 0 und 999"},
        {{"--to", "1001", "6", "10", "15"}, "x.png", 1, "--to muss zwischen 1 und 1000"},
        {{"--from", "60", "--to", "60", "6", "10", "15"},
         "x.png",
         1,
         "--from muss kleiner als --to"},
        {{"--width", "199", "6", "10", "15"}, "x.png", 1, "--width muss zwischen 200 und 20000"},
        {{"--width", "20001", "6", "10", "15"}, "x.png", 1, "--width muss zwischen 200 und 20000"},
        {{"6", "10", "15", "20"}, "x.png", 1, "Genau drei Markenwerte erwartet, 4 angegeben."},
        {{"6", "10", "15"}, "x.jpg", 1, "Unbekanntes Dateiformat"},
        {{"--to", "2", "--width", "20000", "6", "10", "15"}, "x.png", 1, "groß werden"},
        {{"--to", "100", "--width", "20000", "6", "10", "15"}, "x.png", 1, "groß werden"},
        {{"6.0", "10", "32768"}, "x.svg", 2, "Markenwert C = „32768“ geht nicht"},
        {{"6", "7x", "15"}, "x.png", 2, "Markenwert B = „7x“ geht nicht"}};
    for (const auto& [args, name, code, message] : cases) {
        Exported e(name, args);
        EXPECT_EQ(e.outcome.exitCode, code) << message;
        EXPECT_NE(e.outcome.err.find(message), std::string::npos) << e.outcome.err;
        EXPECT_TRUE(QDir(e.dir.path()).isEmpty()) << message;
        // The reason in one line and, after a wrong call, one line that points to the help.
        EXPECT_EQ(e.outcome.err.ends_with("\nHilfe: frankierung-chart --help\n"), code == 1);
        EXPECT_EQ(std::count(e.outcome.err.begin(), e.outcome.err.end(), '\n'), code == 1 ? 2 : 1);
    }
    EXPECT_NE(runChartExport(Args{"6", "10", "15"}).err.find("Keine Ausgabedatei"),
              std::string::npos);
    Exported missing("../nonexistent/x.png", {"6", "10", "15"});
    EXPECT_NE(missing.outcome.err.find("gibt es nicht"), std::string::npos) << missing.outcome.err;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("sub.svg");
    const Args onADirectory{"-o", dir.filePath("sub.svg").toStdString(), "6", "10", "15"};
    EXPECT_NE(runChartExport(onADirectory).err.find("kann nicht geschrieben werden"),
              std::string::npos);
    QFile file(dir.filePath("datei"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const Args underAFile{"-o", dir.filePath("datei/x.png").toStdString(), "6", "10", "15"};
    EXPECT_NE(runChartExport(underAFile).err.find("gibt es nicht"), std::string::npos);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({"datei", "sub.svg"}));
}

// A name that is not UTF-8 keeps its bytes; vector formats have no pixel limit; on the narrowest
// sheet the labels stay whole in at most half the width and the axis numbers stay apart.
TEST(Export, OddNamesHugeVectorsAndNarrowSheets) {
    QTemporaryDir dir;
    const std::string name = dir.path().toStdString() + "/blatt\xff\xfe.png";
    EXPECT_EQ(runChartExport(Args{"-o", name, "6", "10", "15"}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(name));
    Exported huge("huge.svg", {"--to", "2", "--width", "20000", "6", "10", "15"});
    EXPECT_EQ(huge.outcome.exitCode, 0) << huge.outcome.err;
    const ChartSheet narrow({{"32767", "32766", "7"}, {{0, 100}}, kMinSheetWidth});
    const ChartSheet broad({{"32767", "32766", "7"}, {{0, 100}}, kDefaultSheetWidth});
    const auto label = [](const ChartSheet& s) {  // the widest, whole as on a broad sheet
        return darkPixels(s.image(), s, 0, {-3, 9.2}, {0, 9.8});
    };
    EXPECT_EQ(label(narrow), label(broad));
    EXPECT_LE(narrow.toSheet(0, {0, 0}).x(), kMinSheetWidth / 2);
    EXPECT_EQ(std::pair(defaultStrips().front(), defaultStrips().back()),
              std::pair(std::pair(0, 100), std::pair(900, 1000)));
    const ChartSheet sheet({{"6", "10", "15"}, defaultStrips(), kMinSheetWidth});
    double end = -1;  // where the last upper number ends, in sheet pixels
    for (const DrawingItem& p : sheet.stripDrawing().items()) {
        if (p.kind == DrawingItem::Kind::Text && p.p1.y() < 5 && p.p1.x() <= 100) {
            EXPECT_GE(sheet.toSheet(0, p.p1).x(), end) << p.text.toStdString();
            end = sheet.toSheet(0, p.p1).x() + p.textSize.width();
        }
    }
    QStringList numbers;  // on a sheet this narrow every 200th
    const ChartSheet whole({{"6", "10", "15"}, {{0, 1000}}, 300});
    for (const DrawingItem& p : whole.stripDrawing().items()) {
        numbers << (p.kind == DrawingItem::Kind::Text && p.p1.y() < 5 ? p.text.trimmed() : "");
    }
    numbers.removeAll("");
    EXPECT_EQ(numbers.join(' '), "0 200 400 600 800 1000");
}

// In English where the environment asks for it: messages and the label of the last row.
TEST(InEnglish, TheExportSpeaksEnglish) {
    if (test::suiteInGerman()) {
        GTEST_SKIP() << "the suite runs in German";
    }
    EXPECT_EQ(Exported("x.png", {"--width", "199", "6", "10", "15"}).outcome.err,
              "--width must lie between 200 and 20000, not 199.\nHelp: frankierung-chart --help\n");
    EXPECT_EQ(Exported("x.png", {"6", "2.5", "15"}).outcome.err,
              "Stamp value B = “2.5” cannot be used: only whole numbers from 1 to 32767 are "
              "allowed.\n");
    EXPECT_TRUE(
        Exported("x.svg", {"--to", "100", "6", "10", "15"}).bytes().contains("> all</text>"));
}

}  // namespace
}  // namespace frankierung
