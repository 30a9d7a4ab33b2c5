// The board saved and printed below the dialogs: what the PNG and PDF files show, how the printer
// gets it fitted to its page, and a file that cannot be written.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>

#include "chartboard.h"
#include "picturecommands.h"
#include "window.h"

namespace frankierung {
namespace {

// A poppler tool's output for the file.
QString poppler(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << tool.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& file) {
    const QString info = poppler("pdfinfo", {file});
    const qsizetype at = info.indexOf("Pages:");
    return at < 0 ? -1 : info.mid(at + 6).section('\n', 0, 0).trimmed().toInt();
}

QStringList pdfWords(const QString& file, int page = 0) {
    QStringList args{"-layout"};
    if (page > 0) {
        args << "-f" << QString::number(page) << "-l" << QString::number(page);
    }
    return poppler("pdftotext", args << file << "-")
        .split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

// The board at 1280 x 1024, scrolled to 500 and written on there.
struct Board : test::Window {
    Board() {
        get<QScrollBar>("hscn")->setValue(500);
        QTest::mousePress(chart(), Qt::LeftButton, {}, pixel({320, 16}));
        QTest::mouseMove(chart(), pixel({330, 19}));
        QTest::mouseRelease(chart(), Qt::LeftButton, {}, pixel({330, 19}));
    }
    const ChartBoard& board() const { return *form.findChild<ChartBoard*>(); }
    // The chart's pixels in view, where no stamp lies: the rows and below.
    QRect shownRows() const {
        const QRect bar = get("hscn")->geometry();
        const QPoint left = chart()->mapFrom(get("picContainer"), bar.topLeft());
        return {QPoint(left.x(), pixel({0, 4}).y()),
                QPoint(left.x() + bar.width() - 1, chart()->height() - 1)};
    }
    QString save(bool whole, PictureFormat format, const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(savePicture(&form, board().picture(whole), {path, format}, Pages::SideBySide));
        return path;
    }
    QTemporaryDir dir;
};

TEST(BoardFiles, PngShowsTheBoardAsItStandsNotesIncluded) {
    Board w;
    const QRect rows = w.shownRows();
    const QImage shown(w.save(false, PictureFormat::Png, "sichtbar.png"));
    ASSERT_EQ(shown.size(), QSize(rows.width(), w.chart()->height()));
    // Pixel for pixel as on screen, the note and the rows at 500 included.
    const QImage screen = w.chart()->grab(rows).toImage().convertToFormat(shown.format());
    EXPECT_TRUE(shown.copy(QRect(QPoint(0, rows.top()), rows.size())) == screen);

    // The whole board from the margin left of 0 to beyond 1000, the note where it was written.
    const QImage whole(w.save(true, PictureFormat::Png, "ganz.png"));
    const double perUnit = w.chart()->scale().pixelsPerUnitX();
    EXPECT_GT(whole.width(), 1003 * perUnit);
    EXPECT_LT(whole.width(), 1010 * perUnit);
    const QPoint note(static_cast<int>(std::lround((325 + 3) * perUnit)), w.pixel({325, 17.5}).y());
    int blue = 0;
    for (int dx = -3; dx <= 3; ++dx) {
        for (int dy = -12; dy <= 12; ++dy) {
            blue += whole.pixelColor(note + QPoint(dx, dy)) == QColor(0, 0, 128);
        }
    }
    EXPECT_GT(blue, 0);
    EXPECT_EQ(shown.copy(QRect(QPoint(0, rows.top()), rows.size())),
              whole.copy(QRect(QPoint(static_cast<int>(std::lround(
                                          (w.point(QPoint(rows.left(), 0)).x() + 3) * perUnit)),
                                      rows.top()),
                               rows.size())));
}

TEST(BoardFiles, PdfOnOnePageOrPagesSideBySide) {
    Board w;
    const QString shown = w.save(false, PictureFormat::Pdf, "sichtbar.pdf");
    EXPECT_EQ(pdfPages(shown), 1);
    // A4, turned as the part in view is.
    const QSize size = w.board().picture(false).size();
    EXPECT_TRUE(
        poppler("pdfinfo", {shown})
            .contains(size.width() > size.height() ? "842 x 595 pts (A4)" : "595 x 842 pts (A4)"));
    const QStringList words = pdfWords(shown);
    for (const char* amount : {"315", "320", "330", "340"}) {
        EXPECT_TRUE(words.contains(amount)) << amount;
    }
    EXPECT_FALSE(words.contains("300") || words.contains("400") || words.contains("alle"));

    // The whole board on pages each as high as the page, in order, from the labels to 1000.
    const QString whole = w.save(true, PictureFormat::Pdf, "ganz.pdf");
    const int pages = pdfPages(whole);
    EXPECT_GT(pages, 5);
    EXPECT_TRUE(pdfWords(whole, 1).contains("alle"));
    EXPECT_TRUE(pdfWords(whole, pages).contains("1000"));
    // The last page ends with the board: paper, not its ground, beyond it.
    poppler("pdftoppm", {"-r", "36", "-png", "-singlefile", "-f", QString::number(pages), "-l",
                         QString::number(pages), whole, w.dir.filePath("last")});
    const QImage last(w.dir.filePath("last.png"));
    ASSERT_FALSE(last.isNull());
    EXPECT_EQ(last.pixelColor(last.width() * 9 / 10, last.height() / 2), QColor(Qt::white));
    EXPECT_EQ(last.pixelColor(last.width() / 20, last.height() / 2 - 30),
              w.chart()->backgroundColor());
    int previous = -1;
    for (int page = 1; page <= pages; ++page) {
        const QStringList on = pdfWords(whole, page);
        const int first =
            on.contains("0") ? 0 : on.filter(QRegularExpression("^\\d+$")).value(0).toInt();
        EXPECT_GT(first, previous) << page;
        previous = first;
    }
}

// Printed as in view, fitted to the printer's page: the rows fill its width or its height.
TEST(BoardFiles, PrintFitsThePage) {
    Board w;
    for (const auto orientation : {QPageLayout::Landscape, QPageLayout::Portrait}) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString file =
            w.dir.filePath(orientation == QPageLayout::Landscape ? "l.pdf" : "p.pdf");
        printer.setOutputFileName(file);
        printer.setPageOrientation(orientation);
        ASSERT_TRUE(printPicture(w.board().picture(false), printer, Pages::SideBySide));
        EXPECT_EQ(pdfPages(file), 1);
        EXPECT_TRUE(pdfWords(file).contains("320"));
        poppler("pdftoppm", {"-r", "36", "-png", "-singlefile", file, w.dir.filePath("page")});
        const QImage page(w.dir.filePath("page.png"));
        ASSERT_FALSE(page.isNull());
        QRect ground;  // the chart's ground colour marks where it lies
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (page.pixelColor(x, y) == w.chart()->backgroundColor()) {
                    ground |= QRect(x, y, 1, 1);
                }
            }
        }
        const QRectF paper = printer.pageLayout().paintRect(QPageLayout::Point);
        const double inch = 36.0 / 72;
        EXPECT_TRUE(std::abs(ground.width() - paper.width() * inch) < 3 ||
                    std::abs(ground.height() - paper.height() * inch) < 3)
            << ground.width() << "x" << ground.height();
    }
}

// Nothing to paint into a file.
struct Blank final : Picture {
    [[nodiscard]] QSize size() const override { return {}; }
    [[nodiscard]] int dpi() const override { return 96; }
    void paint(QPainter& /*painter*/, const QRect& /*area*/, bool /*clips*/) const override {}
};

// A file that cannot be made or written is said so, and an old file stays as it was.
TEST(BoardFiles, RefusalsLeaveOldFilesAlone) {
    Board w;
    test::MessageAnswerer answer;
    QDir(w.dir.path()).mkdir("Ordner.png");
    QFile old(w.dir.filePath("alt.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("alt") == 3);
    old.close();
    const BoardPicture board = w.board().picture(false);
    const Blank blank;
    const std::pair<const Picture*, const char*> cases[] = {
        {&board, "fehlt/tafel.png"}, {&board, "Ordner.png"}, {&blank, "alt.png"}};
    for (const auto& [picture, name] : cases) {
        EXPECT_FALSE(
            savePicture(&w.form, *picture, {w.dir.filePath(name), PictureFormat::Png}, Pages::One));
    }
    ASSERT_EQ(answer.seen.size(), 3);
    EXPECT_TRUE(answer.seen[0].startsWith("Nicht gespeichert: ") &&
                answer.seen[0].contains("fehlt"))
        << answer.seen[0].toStdString();
    EXPECT_TRUE(answer.seen[1].contains("kann nicht geschrieben werden"));
    EXPECT_TRUE(answer.seen[2].contains("konnte nicht erzeugt werden"));
    EXPECT_EQ(QDir(w.dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({"alt.png", "Ordner.png"}));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "alt");
}

// In "Datei", with their keys shown.
TEST(BoardFiles, CommandsInTheMenu) {
    test::Window w;
    QStringList items;
    for (const QAction* a : w.get<QMenu>("mnuDatei")->actions()) {
        items << a->objectName() + ": " + a->text() + " " + a->shortcut().toString();
    }
    EXPECT_EQ(items, QStringList({"cmdTafelSpeichern: Tafel speichern … Ctrl+S",
                                  "cmdTafelDrucken: Tafel drucken … Ctrl+P"}));
}

}  // namespace
}  // namespace frankierung
