// The worksheet export as a teacher gets it: the files it writes and what they show (PNG pixels,
// SVG, PDF pages read back with the poppler tools), the range a sheet shows by default, the
// amounts at a strip's ends drawn whole, and what it refuses.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <map>

#include "commandline.h"
#include "window.h"
#include "worksheet.h"

namespace frankierung {
namespace {

using Args = std::vector<std::string>;
using Mark = DrawingItem::Mark;

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

QString poppler(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A chart point of a strip where it lands in an image of the whole sheet (or of its first page).
QPoint onImage(const Worksheet& sheet, const QImage& image, std::size_t strip, QPointF at) {
    const auto [page, point] = sheet.locate(strip, at);
    const double zoom = image.width() / static_cast<double>(sheet.size().width());
    return ((point + QPointF(0, sheet.pages().at(page).top())) * zoom).toPoint();
}

// The pixels of a strip between two chart points of which `counts` holds.
int pixelsIn(const QImage& image, const Worksheet& sheet, std::size_t strip, QPointF from,
             QPointF to, const std::function<bool(QColor)>& counts) {
    const QRect r = QRect(onImage(sheet, image, strip, from), onImage(sheet, image, strip, to));
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += counts(image.pixelColor(x, y));
        }
    }
    return n;
}

// Where the chart's row "alle" lies, from 0 to 100.
QRectF allRow(const Worksheet& diagram) {
    QRectF row;
    for (const DrawingItem& item : diagram.chart()->stripDrawing(0).items()) {
        if (item.mark == Mark::AllRow && item.kind == DrawingItem::Kind::Box) {
            row |= QRectF(item.p1, item.p2).normalized();
        }
    }
    return row & QRectF(0, row.top(), 100, row.height());
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
              {0, {29.5, 13}, white}}},
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
            EXPECT_GT(pixelsIn(image, sheet, strip, {-2.9, 5.5}, {-0.2, 5.95},
                               [](QColor c) { return c.lightness() < 140; }),
                      0)
                << strip;
        }
    }
}

TEST(Worksheet, PdfPagesReadBack) {
    // The arguments, the pages, and texts the pages show (or, starting with '-', do not show).
    const std::tuple<Args, int, QStringList> cases[] = {
        {{"--art", "uebung", "6", "10", "15"},
         1,
         {"Frankierung mit 6, 10 und 15", "Name:", "Klasse:", "Datum:",
          "Male in der untersten Zeile jeden Betrag an", "Antwort:", "-Der größte Betrag"}},
        {{"--art", "loesung", "--ohne-namenszeile", "6", "10", "15"},
         1,
         {"Frankierung mit 6, 10 und 15",
          "-Name:", "Der größte Betrag, den man nicht bezahlen kann, ist 29.",
          "Diese 15 Beträge kann man nicht bezahlen: 1–5, 7–9, 11, 13, 14, 17, 19, 23, 29."}},
        {{"--art", "warum", "6", "10", "15"},
         1,
         {"Warum kann man 29 nicht bezahlen", "Rest 5", "2·10", "größte Lücke: 29",
          "Der kleinste Wert ist 6."}},
        {{"--art", "warum-leer", "6", "10", "15"}, 1, {"Rest 5", "Antwort:", "-Der kleinste Wert"}},
        {{"2", "4", "6"}, 5, {"Frankierung mit 2, 4 und 6", "Seite 5 von 5", "1000"}}};
    for (const auto& [args, pages, texts] : cases) {
        SCOPED_TRACE(args.front() + " " + args.at(1));
        const Exported e("BLATT.PDF", args);
        ASSERT_EQ(e.outcome.exitCode, 0);
        const QString info = poppler("pdfinfo", {e.file});
        EXPECT_TRUE(info.contains(QRegularExpression(QString("Pages: +%1\n").arg(pages))));
        EXPECT_TRUE(info.contains(
            QRegularExpression("Page size: +595[.0-9]* x 84[12][.0-9]* pts \\(A4\\)")))
            << info.toStdString();
        const QString words = poppler("pdftotext", {e.file, "-"}).simplified();
        for (const QString& text : texts) {
            EXPECT_NE(words.contains(text.mid(text.startsWith('-'))), text.startsWith('-'))
                << text.toStdString() << "\n"
                << words.toStdString();
        }
    }
}

// The measure: the one-strip exercise leaves the row "alle" empty, which the diagram
// fills, on a PDF page as pixels.
TEST(Worksheet, TheExerciseLeavesTheRowAllEmpty) {
    const std::array<std::string, 3> stamps{"6", "10", "15"};
    const Worksheet diagram({.stamps = stamps, .kind = SheetKind::Diagram, .range = {}});
    const Worksheet exercise({.stamps = stamps, .kind = SheetKind::Exercise, .range = {}});
    for (const auto* sheet : {&diagram, &exercise}) {
        const Exported e("blatt.pdf",
                         {"--art", sheet == &diagram ? "diagramm" : "uebung", "6", "10", "15"});
        poppler("pdftoppm", {"-r", "72", "-png", "-singlefile", e.file, e.file});
        const QImage page(e.file + ".png");
        ASSERT_EQ(page.size(), QSize(595, 842));
        const QRectF row = allRow(diagram);  // marks of a row, not the black, grey or white grid
        const int coloured = pixelsIn(page, *sheet, 0, row.topLeft(), row.bottomRight(),
                                      [](QColor c) { return c.hsvSaturation() > 100; });
        EXPECT_EQ(coloured > 1000, sheet == &diagram) << coloured;
    }
    // The single values' rows stay for the pupils; nothing of the pairs' rows.
    std::map<Mark, int> marks;
    for (const DrawingItem& item : exercise.chart()->stripDrawing(0).items()) {
        ++marks[item.mark];
    }
    EXPECT_GT(marks[Mark::Row], 20);
    EXPECT_EQ(marks[Mark::PairRow] + marks[Mark::AllRow], 0);
}

TEST(Worksheet, DefaultRangeEndsAfterTheLastGap) {
    using Strips = std::vector<std::pair<int, int>>;
    const std::tuple<const char*, std::array<std::string, 3>, std::optional<std::pair<int, int>>,
                     Strips>
        cases[] = {{"bound 30: one strip", {"6", "10", "15"}, {}, {{0, 100}}},
                   {"bound 294, run up to 324",
                    {"31", "37", "41"},
                    {},
                    {{0, 100}, {100, 200}, {200, 300}, {300, 400}}},
                   {"a common divisor: no bound", {"2", "4", "6"}, {}, {{0, 100}, {900, 1000}}},
                   {"every amount from 0", {"1", "2", "3"}, {}, {{0, 100}}},
                   {"as asked", {"2", "4", "6"}, std::pair(990, 1000), {{990, 1000}}}};
    for (const auto& [name, stamps, range, strips] : cases) {
        SCOPED_TRACE(name);
        const auto got = Worksheet({.stamps = stamps, .range = range}).strips();
        const Strips ends = got.size() == 10 ? Strips{got.front(), got.back()} : got;
        EXPECT_EQ(ends, strips);
    }
}

// The last number of a strip and the marks of its last amount lie within the strip.
TEST(Worksheet, AmountsAtAStripsEndsShowWhole) {
    const std::tuple<std::array<std::string, 3>, std::pair<int, int>, SheetKind> cases[] = {
        {{"6", "10", "15"}, {0, 100}, SheetKind::Diagram},
        {{"6", "10", "15"}, {0, 1000}, SheetKind::Solution},
        {{"1000", "1000", "1000"}, {990, 1000}, SheetKind::Diagram},
        {{"7", "999", "1000"}, {937, 1000}, SheetKind::Exercise}};
    for (const auto& [stamps, range, kind] : cases) {
        SCOPED_TRACE(range.second - range.first);
        const Worksheet sheet({.stamps = stamps, .kind = kind, .range = range});
        const ChartSheet& chart = *sheet.chart();
        const auto right = [&](QPointF p, double width) { return chart.toStrip(0, p).x() + width; };
        bool lastNumber = false;
        int rowsAtTheEnd = 0;
        for (const DrawingItem& item : chart.stripDrawing(0).items()) {
            if (item.kind == DrawingItem::Kind::Text) {
                EXPECT_LE(right(item.p1, item.textSize.width()), chart.width())
                    << item.text.toStdString();
                lastNumber |= item.text.trimmed() == QString::number(range.second);
            } else if (item.kind == DrawingItem::Kind::Box && item.mark != Mark::Scale) {
                const QPointF end(std::max(item.p1.x(), item.p2.x()), 0);
                EXPECT_LE(right(end, 0), chart.width() + 0.5);
                rowsAtTheEnd += end.x() > range.second;
            }
        }
        EXPECT_TRUE(lastNumber);
        EXPECT_GT(rowsAtTheEnd, 0);
    }
}

TEST(Export, RefusesAndWritesNothing) {
    const std::tuple<Args, const char*, int, const char*> cases[] = {
        {{"--height", "5", "6", "10", "15"}, "x.png", 1, "Unbekannte Option: --height"},
        {{"--from", "1.5", "6", "10", "15"}, "x.png", 1, "--from erwartet eine ganze Zahl"},
        {{"--to", "1001", "6", "10", "15"}, "x.png", 1, "--to muss zwischen 1 und 1000"},
        {{"--to", "99999999999999999999", "6", "10", "15"},
         "x.png",
         1,
         "--to muss zwischen 1 und 1000 liegen, nicht 99999999999999999999."},
        {{"--from", "5", "--from", "700", "6", "10", "15"}, "x.png", 1, "--from ist mehrmals"},
        {{"--art", "tafel", "6", "10", "15"}, "x.png", 1, "Unbekannte Art: „tafel“"},
        {{"--from", "60", "--to", "60", "6", "10", "15"},
         "x.png",
         1,
         "--from muss kleiner als --to"},
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
    EXPECT_TRUE(
        Exported("x.svg", {"--to", "100", "6", "10", "15"}).bytes().contains("> all</text>"));
    const QByteArray exercise = Exported("x.svg", {"--art", "uebung", "6", "10", "15"}).bytes();
    EXPECT_TRUE(exercise.contains("Postage with 6, 10 and 15") && exercise.contains("Answer:"));
}

}  // namespace
}  // namespace frankierung
