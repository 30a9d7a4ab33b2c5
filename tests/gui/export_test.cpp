// The worksheet export: the files it writes, what they show, and what it refuses.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <filesystem>

#include "commandline.h"
#include "window.h"
#include "worksheet.h"

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

// A chart point of a strip where it lands in an image of the whole sheet.
QPoint onImage(const Worksheet& sheet, const QImage& image, std::size_t strip, QPointF at) {
    const auto [page, point] = sheet.locate(strip, at);
    const double zoom = image.width() / static_cast<double>(sheet.size().width());
    return ((point + QPointF(0, sheet.pages().at(page).top())) * zoom).toPoint();
}

// Pixels of a strip between two chart points darker than `below`.
int darkPixels(const QImage& image, const Worksheet& sheet, std::size_t strip, QPointF from,
               QPointF to, int below = 140) {
    const QRect r = QRect(onImage(sheet, image, strip, from), onImage(sheet, image, strip, to));
    int dark = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            dark += image.pixelColor(x, y).lightness() < below;
        }
    }
    return dark;
}

TEST(Export, SheetsShowTheChartInStrips) {
    const QColor white(255, 255, 255), grey(224, 224, 224), blue(0, 0, 128), green(0, 128, 0),
        cyan(0, 128, 128);
    // The arguments, the sheet they ask for, and colours at chart points of a strip.
    const std::tuple<Args, WorksheetOptions, std::vector<std::tuple<std::size_t, QPointF, QColor>>>
        cases[] = {
            {{"6", "10", "15"},
             {.stamps = {"6", "10", "15"}, .range = {}},
             {{0, {6.5, 5.72}, blue},
              {0, {7.5, 5.72}, white},
              {0, {10.5, 6.72}, green},
              {0, {15.5, 7.72}, cyan},
              {0, {29.5, 13}, white},
              {0, {100.5, 6.72}, green}}},  // the last amount shows whole
            {{"--from", "500", "--to", "560", "--grau", "--width", "800", "6", "10", "15"},
             {.stamps = {"6", "10", "15"}, .range = std::pair(500, 560), .whiteGround = false},
             {{0, {504.5, 5.72}, blue}, {0, {505.5, 5.72}, grey}, {0, {560.5, 6.72}, green}}},
            {{"--to", "40", "--", "0", "-3", "7"},
             {.stamps = {"0", "-3", "7"}, .range = std::pair(0, 40)},
             {{0, {7.5, 7.72}, cyan}}}};
    for (const auto& [args, options, probes] : cases) {
        Exported e("blatt.png", args);
        ASSERT_EQ(e.outcome.exitCode, 0) << e.outcome.err;
        const QImage image(e.file);
        const Worksheet sheet(options);
        for (const auto& [strip, at, colour] : probes) {
            EXPECT_EQ(image.pixelColor(onImage(sheet, image, strip, at)), colour) << at.x();
        }
        // The paper is white up to the image's last pixels.
        EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), white);
        for (std::size_t strip = 0; strip < sheet.strips().size(); ++strip) {  // each labelled
            EXPECT_GT(darkPixels(image, sheet, strip, {-2.9, 5.5}, {-0.2, 5.95}), 0) << strip;
        }
    }
}

TEST(Export, VectorFormatsAreWellFormed) {
    Exported svg("blatt.svg", {"6", "10", "15"});
    QXmlStreamReader xml(svg.bytes());
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QString("svg"));
    int circles = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QString("circle")) {
            ++circles;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(circles, 100);
    Exported pdf("BLATT.PDF", {"6", "10", "15"});
    EXPECT_TRUE(pdf.bytes().startsWith("%PDF-") && pdf.bytes().trimmed().endsWith("%%EOF"));
}

TEST(Export, RefusesAndWritesNothing) {
    const std::tuple<Args, const char*, int, const char*> cases[] = {
        {{"--height", "5", "6", "10", "15"}, "x.png", 1, "Unbekannte Option: --height"},
        {{"--from", "1.5", "6", "10", "15"}, "x.png", 1, "--from erwartet eine ganze Zahl"},
        {{"--from", "1000", "6", "10", "15"}, "x.png", 1, "--from muss zwischen 0 und 999"},
        {{"--to", "1001", "6", "10", "15"}, "x.png", 1, "--to muss zwischen 1 und 1000"},
        {{"--to", "99999999999999999999", "6", "10", "15"},
         "x.png",
         1,
         "--to muss zwischen 1 und 1000 liegen, nicht 99999999999999999999."},
        {{"--from", "5", "--from", "700", "6", "10", "15"}, "x.png", 1, "--from ist mehrmals"},
        {{"-o", "b.png", "6", "10", "15"}, "x.png", 1, "-o ist mehrmals"},
        {{"--art", "uebung", "--art", "loesung", "6", "10", "15"},
         "x.png",
         1,
         "--art ist mehrmals"},
        {{"--art", "tafel", "6", "10", "15"}, "x.png", 1, "Unbekannte Art: „tafel“"},
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

// A name that is not UTF-8 keeps its bytes; vector formats have no pixel limit.
TEST(Export, OddNamesAndHugeVectors) {
    QTemporaryDir dir;
    const std::string name = dir.path().toStdString() + "/blatt\xff\xfe.png";
    EXPECT_EQ(runChartExport(Args{"-o", name, "6", "10", "15"}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(name));
    // QTemporaryDir cannot remove a name that is not UTF-8.
    std::filesystem::remove(name);
    Exported huge("huge.svg", {"--to", "2", "--width", "20000", "6", "10", "15"});
    EXPECT_EQ(huge.outcome.exitCode, 0) << huge.outcome.err;
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
    const QByteArray exercise = Exported("x.svg", {"--art", "uebung", "6", "10", "15"}).bytes();
    EXPECT_TRUE(exercise.contains("Postage with 6, 10 and 15") && exercise.contains("Answer:"));
}

}  // namespace
}  // namespace frankierung
