// Worksheets as a teacher gets them: PDF pages read back with the poppler tools, the range a
// sheet shows by default, and the amounts at a strip's ends drawn whole.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>

#include "commandline.h"
#include "picturewriter.h"
#include "window.h"
#include "worksheet.h"

namespace frankierung {
namespace {

using Args = std::vector<std::string>;
using Mark = DrawingItem::Mark;

QString poppler(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Pixels in a rectangle of chart points of the first strip that are coloured (not black, grey
// or white): the marks of a row, not the grid.
int colouredPixels(const QImage& page, const Worksheet& sheet, QRectF chartArea, double zoom) {
    const QRect r((sheet.locate(0, chartArea.topLeft()).second * zoom).toPoint(),
                  (sheet.locate(0, chartArea.bottomRight()).second * zoom).toPoint());
    int coloured = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            coloured += page.pixelColor(x, y).hsvSaturation() > 100;
        }
    }
    return coloured;
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

TEST(Worksheet, PdfPagesReadBack) {
    const QString task =
        "Male in der untersten Zeile jeden Betrag an, den man mit allen drei Marken bezahlen "
        "kann. Welches ist der größte Betrag, den man nicht bezahlen kann?";
    // The arguments, the pages, and texts the pages show (or, starting with '-', do not show).
    const std::tuple<Args, int, QStringList> cases[] = {
        {{"--art", "uebung", "6", "10", "15"},
         1,
         {"Frankierung mit 6, 10 und 15", "Name:", "Klasse:", "Datum:", task,
          "Antwort:", "-Der größte Betrag"}},
        {{"--art", "loesung", "--ohne-namenszeile", "6", "10", "15"},
         1,
         {"Frankierung mit 6, 10 und 15",
          "-Name:", "Der größte Betrag, den man nicht bezahlen kann, ist 29.",
          "Diese 15 Beträge kann man nicht bezahlen: 1–5, 7–9, 11, 13, 14, 17, 19, 23, 29."}},
        {{"--art", "warum", "6", "10", "15"},
         1,
         {"Warum kann man 29 nicht bezahlen", "Rest 5", "Der kleinste Wert ist 6."}},
        {{"--art", "warum-leer", "6", "10", "15"}, 1, {"Rest 5", "Antwort:", "-Der kleinste Wert"}},
        {{"2", "4", "6"}, 5, {"Frankierung mit 2, 4 und 6", "Seite 5 von 5", "1000"}}};
    QTemporaryDir dir;
    const QString file = dir.filePath("blatt.pdf");
    for (const auto& [args, pages, texts] : cases) {
        SCOPED_TRACE(args.front() + " " + args.at(1));
        Args call{"-o", file.toStdString()};
        call.insert(call.end(), args.begin(), args.end());
        ASSERT_EQ(runChartExport(call).exitCode, 0);
        const QString info = poppler("pdfinfo", {file});
        EXPECT_TRUE(info.contains(QRegularExpression(QString("Pages: +%1\n").arg(pages))));
        EXPECT_TRUE(info.contains(
            QRegularExpression("Page size: +595[.0-9]* x 84[12][.0-9]* pts \\(A4\\)")))
            << info.toStdString();
        const QString words = poppler("pdftotext", {file, "-"}).simplified();
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
    QTemporaryDir dir;
    const std::array<std::string, 3> stamps{"6", "10", "15"};
    const Worksheet diagram({.stamps = stamps, .kind = SheetKind::Diagram, .range = {}});
    const Worksheet exercise({.stamps = stamps, .kind = SheetKind::Exercise, .range = {}});
    for (const Worksheet* sheet : {&diagram, &exercise}) {
        const QString file = dir.filePath("blatt.pdf");
        ASSERT_FALSE(writePicture(*sheet, QFile::encodeName(file), PictureFormat::Pdf));
        poppler("pdftoppm", {"-r", "72", "-png", "-singlefile", file, dir.filePath("seite")});
        const QImage page(dir.filePath("seite.png"));
        ASSERT_EQ(page.size(), QSize(595, 842));
        const int coloured = colouredPixels(page, *sheet, allRow(diagram), 72.0 / kSheetDpi);
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

}  // namespace
}  // namespace frankierung
