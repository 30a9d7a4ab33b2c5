// The board saved and printed below the dialogs: what the PNG and PDF files show, the printer's
// page, and files that cannot be written.
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>

#include "chartboard.h"
#include "picturecommands.h"
#include "window.h"

namespace frankierung {
namespace {

// What a poppler tool says of a PDF's page (0: of the whole file), writing to `out` if given.
QString poppler(const QString& tool, const QString& pdf, int page = 0, QStringList args = {},
                const QString& out = {}) {
    if (page > 0) {
        args << "-f" << QString::number(page) << "-l" << QString::number(page);
    }
    QProcess p;
    p.start(tool, args << pdf << (out.isEmpty() ? QStringList() : QStringList(out)));
    EXPECT_TRUE(p.waitForFinished(60000)) << tool.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pages(const QString& pdf) {
    return poppler("pdfinfo", pdf).section("Pages:", 1).section('\n', 0, 0).toInt();
}

QStringList words(const QString& pdf, int page) {
    return poppler("pdftotext", pdf, page, {}, "-").split(QRegularExpression("\\s+"));
}

QImage pageImage(const QString& pdf, int page) {  // at 36 dpi
    poppler("pdftoppm", pdf, page, {"-r", "36", "-png", "-singlefile"}, pdf);
    return QImage(pdf + ".png");
}

// The board at 1280 x 1024, scrolled to 500 and written on there.
struct Board : test::Window {
    Board() {
        get<QScrollBar>("hscn")->setValue(500);
        QTest::mousePress(chart(), Qt::LeftButton, {}, pixel({320, 16}));
        QTest::mouseMove(chart(), pixel({330, 19}));
        QTest::mouseRelease(chart(), Qt::LeftButton, {}, pixel({330, 19}));
    }
    BoardPicture picture(bool whole) const { return form.findChild<ChartBoard*>()->picture(whole); }
    QString save(bool whole, PictureFormat format, const QString& name) {
        EXPECT_TRUE(
            savePicture(&form, picture(whole), {dir.filePath(name), format}, Pages::SideBySide));
        return dir.filePath(name);
    }
    QTemporaryDir dir;
};

TEST(BoardFiles, PngAndPdfShowTheBoardAsItStandsNotesIncluded) {
    Board w;
    // In view pixel for pixel as on screen, where no stamp lies: the rows, and the note at 325.
    const QRect bar = w.get("hscn")->geometry();
    const int top = w.pixel({0, 4}).y();
    const QRect rows(w.chart()->mapFrom(w.get("picContainer"), bar.topLeft()).x(), top, bar.width(),
                     w.chart()->height() - top);
    const QImage shown(w.save(false, PictureFormat::Png, "sichtbar.png"));
    ASSERT_EQ(shown.size(), QSize(rows.width(), w.chart()->height()));
    const QImage inView = shown.copy(QRect(QPoint(0, rows.top()), rows.size()));
    EXPECT_TRUE(inView == w.chart()->grab(rows).toImage().convertToFormat(shown.format()));
    // The whole board from the labels left of 0 to beyond 1000, the same part where it was.
    const QImage whole(w.save(true, PictureFormat::Png, "ganz.png"));
    const int from =
        qRound((w.point(rows.topLeft()).x() + 3) * w.chart()->scale().pixelsPerUnitX());
    EXPECT_TRUE(whole.copy(QRect(QPoint(from, rows.top()), rows.size())) == inView);

    const QString part = w.save(false, PictureFormat::Pdf, "sichtbar.pdf");
    EXPECT_EQ(pages(part), 1);
    const QStringList onPart = words(part, 1);
    EXPECT_TRUE(onPart.contains("315") && onPart.contains("340") && !onPart.contains("300"));
    // The whole board on pages side by side, as high as the page; the last ends with it.
    const QString all = w.save(true, PictureFormat::Pdf, "ganz.pdf");
    const int count = pages(all);
    EXPECT_GT(count, 5);
    EXPECT_TRUE(words(all, 1).contains("alle") && words(all, count).contains("1000"));
    const QImage last = pageImage(all, count);
    EXPECT_EQ(std::pair(last.pixelColor(20, last.height() / 2),
                        last.pixelColor(last.width() - 40, last.height() / 2)),
              std::pair(w.chart()->backgroundColor(), QColor(Qt::white)));
}

// Printed as in view on a page across, fitted: as high as the page, as wide as its shape says.
TEST(BoardFiles, PrintFitsThePage) {
    Board w;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(w.dir.filePath("druck.pdf"));
    printer.setPageOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(printPicture(w.picture(false), printer, Pages::SideBySide));
    EXPECT_EQ(pages(printer.outputFileName()), 1);
    const QImage page = pageImage(printer.outputFileName(), 1);
    const QRectF paper = printer.pageLayout().paintRect(QPageLayout::Point);  // 72 dpi, page 36
    const double wide =
        paper.height() * w.picture(false).size().width() / w.picture(false).size().height();
    const auto ground = [&](double x, double y) {
        return page.pixelColor(QPointF((paper.left() + x) / 2, (paper.top() + y) / 2).toPoint()) ==
               w.chart()->backgroundColor();
    };
    EXPECT_TRUE(ground(4, 4) && ground(4, paper.height() - 4) && ground(wide - 4, 4));
    EXPECT_FALSE(ground(wide + 4, 4));
}

struct Blank final : Picture {  // nothing a PNG can be made of
    [[nodiscard]] QSize size() const override { return {}; }
    [[nodiscard]] int dpi() const override { return 96; }
    void paint(QPainter& /*p*/, const QRect& /*area*/, bool /*clips*/) const override {}
};

// A file that cannot be made or written is said so, and an old file stays as it was.
TEST(BoardFiles, RefusalsLeaveOldFilesAlone) {
    Board w;
    test::MessageAnswerer answer;
    QFile old(w.dir.filePath("alt.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("alt") == 3);
    old.close();
    const SaveAnswer nowhere{w.dir.filePath("fehlt/x.png"), PictureFormat::Png};
    EXPECT_FALSE(savePicture(&w.form, w.picture(false), nowhere, Pages::One));
    EXPECT_FALSE(savePicture(&w.form, Blank(), {old.fileName(), PictureFormat::Png}, Pages::One));
    EXPECT_EQ(answer.seen.join('|').count(QRegularExpression(
                  "Nicht gespeichert: [^|]*(fehlt“ gibt es nicht|konnte nicht erzeugt)")),
              2)
        << answer.seen.join('|').toStdString();
    EXPECT_EQ(QDir(w.dir.path()).entryList(QDir::Files), QStringList("alt.png"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "alt");
}

}  // namespace
}  // namespace frankierung
