// "Arbeitsblatt …" in the window: the menu entry and Ctrl+B, a preview that follows every choice
// and the stamp boxes, refused values, several pages shown and written below the file dialog,
// and the hints.
#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>

#include "picturecommands.h"
#include "sheetpreview.h"
#include "window.h"
#include "worksheetdialog.h"

namespace frankierung {
namespace {

// The window with its worksheet dialog opened by Ctrl+B, as a teacher opens it.
struct Dialog : test::Window {
    Dialog() {
        form.activateWindow();
        QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier);
        dialog = form.findChild<WorksheetDialog*>();
    }
    template <class T = QWidget>
    T* control(const char* name) const {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    SheetPreview* preview() const { return control<SheetPreview>("picVorschau"); }
    // The preview as the teacher sees it once the events at hand are handled.
    QImage seen() const {
        QApplication::processEvents();
        return preview()->column()->grab().toImage();
    }
    void typeNumber(const char* box, const char* number) const {
        auto* spin = control<QSpinBox>(box);
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, number);
    }
    void setStamp(int k, const QString& text) const {
        setText(QStringLiteral("txtMarke(%1)").arg(k), text);
        QApplication::processEvents();
    }
    bool buttonsEnabled() const {
        return control("cmdSpeichern")->isEnabled() && control("cmdDrucken")->isEnabled();
    }
    WorksheetDialog* dialog = nullptr;
};

TEST(WorksheetDialog, CtrlBOpensOneDialogBesideAUsableWindow) {
    Dialog d;
    ASSERT_NE(d.dialog, nullptr);
    EXPECT_FALSE(d.dialog->isModal()) << "the board stays usable beside it";
    // The start-up values have a bound: one strip, one page, ready to save and print.
    EXPECT_EQ(d.preview()->pageCount(), 1U);
    EXPECT_TRUE(d.buttonsEnabled());

    d.dialog->close();
    d.click("cmdArbeitsblatt");
    EXPECT_EQ(d.form.findChildren<WorksheetDialog*>().size(), 1);
    EXPECT_TRUE(d.dialog->isVisible());
}

// Each choice changes the page the preview shows; the unchanged page is painted alike.
TEST(WorksheetDialog, PreviewFollowsEveryChoice) {
    // name, the control a key goes to or a number is typed into after ticking "own range"
    const std::tuple<const char*, const char*, Qt::Key, const char*> rows[] = {
        {"next kind", "cboArt", Qt::Key_Down, nullptr},
        {"last kind", "cboArt", Qt::Key_End, nullptr},
        {"without the name line", "chkNamenszeile", Qt::Key_Space, nullptr},
        {"own range, to 300", "txtBis", {}, "300"},
        {"own range, from 40", "txtVon", {}, "40"}};
    for (const auto& [name, control, key, typed] : rows) {
        SCOPED_TRACE(name);
        const Dialog d;
        const QImage before = d.seen();
        EXPECT_EQ(d.seen(), before) << "painted alike";
        if (typed != nullptr) {
            QTest::mouseClick(d.control("chkBereich"), Qt::LeftButton);
            d.typeNumber(control, typed);
        } else {
            QTest::keyClick(d.control(control), key);
        }
        const QImage after = d.seen();
        EXPECT_EQ(after.size(), before.size());
        EXPECT_NE(after, before);
        EXPECT_TRUE(d.buttonsEnabled());
    }
}

// Values the run refuses, or a range that is none: the message, no sheet, no buttons; and
// nothing in the window changes.
TEST(WorksheetDialog, RefusedValuesShowTheMessageAndNoSheet) {
    Dialog d;
    const std::size_t chartItems = d.drawing().size();
    // What the window's run says to the same values.
    d.setStamp(1, "10.5");
    QString runSays;
    {
        const test::MessageAnswerer answerer;
        d.click("cmdZeigen");
        ASSERT_EQ(answerer.seen.size(), 1);
        runSays = answerer.seen.front().section(": ", 1, -1);
    }
    EXPECT_EQ(d.drawing().size(), chartItems) << "a refused run keeps the chart";
    EXPECT_EQ(d.control<QLabel>("lblMeldung")->text(), runSays);
    EXPECT_TRUE(d.control("lblMeldung")->isVisible());
    EXPECT_FALSE(d.buttonsEnabled());
    EXPECT_EQ(d.preview()->pageCount(), 0U);
    EXPECT_EQ(d.dialog->sheet(), nullptr);

    d.setStamp(1, "10");
    EXPECT_TRUE(d.buttonsEnabled());
    EXPECT_FALSE(d.control("lblMeldung")->isVisible());

    QTest::mouseClick(d.control("chkBereich"), Qt::LeftButton);
    d.typeNumber("txtVon", "500");
    d.typeNumber("txtBis", "400");
    EXPECT_FALSE(d.buttonsEnabled());
    EXPECT_FALSE(d.control<QLabel>("lblMeldung")->text().isEmpty());
    EXPECT_EQ(d.preview()->pageCount(), 0U);
    EXPECT_EQ(d.text("txtMarke(1)"), "10") << "the dialog never writes the stamp boxes";
    EXPECT_EQ(d.drawing().size(), chartItems);
}

// Values without a bound: the strips run to the survey's end on several pages, which the preview
// shows one below the other, a PDF on A4 pages and a PNG in one picture.
TEST(WorksheetDialog, SeveralPagesShownAndSavedWhole) {
    Dialog d;
    const int onePage = d.preview()->column()->height();
    d.setStamp(2, "16");
    const std::size_t pages = d.preview()->pageCount();
    ASSERT_GT(pages, 1U);
    EXPECT_TRUE(d.control<QLabel>("lblSeiten")->text().contains(QString::number(pages)));
    EXPECT_GT(d.preview()->column()->height(), onePage);
    EXPECT_TRUE(d.preview()->column()->rect().contains(d.preview()->pageRect(pages - 1)));
    // The default range stands in the boxes, to start a range of one's own from.
    EXPECT_EQ(d.control<QSpinBox>("txtBis")->value(), d.dialog->sheet()->strips().back().second);

    const QTemporaryDir dir;
    ASSERT_TRUE(d.dialog->save({dir.filePath("blatt.pdf"), PictureFormat::Pdf}));
    QProcess info;
    info.start("pdfinfo", {dir.filePath("blatt.pdf")});
    ASSERT_TRUE(info.waitForFinished(60000));
    const QString said = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_EQ(said.section("Pages:", 1).section('\n', 0, 0).trimmed().toULongLong(), pages);
    EXPECT_TRUE(said.contains("(A4)")) << said.toStdString();
    ASSERT_TRUE(d.dialog->save({dir.filePath("blatt.png"), PictureFormat::Png}));
    const QImage image(dir.filePath("blatt.png"));
    EXPECT_GT(image.height(), static_cast<int>(pages) * image.width()) << "all pages in one";
    // A choice that keeps the pages keeps the last page in view.
    QScrollBar* bar = d.preview()->verticalScrollBar();
    bar->setValue(bar->maximum());
    QTest::mouseClick(d.control("chkNamenszeile"), Qt::LeftButton);
    ASSERT_EQ(d.preview()->pageCount(), pages);
    EXPECT_EQ(bar->value(), bar->maximum());
    d.setStamp(2, "15");
    EXPECT_EQ(d.preview()->pageCount(), 1U);
    EXPECT_EQ(bar->value(), 0);
}

// Every named control of the dialog explains itself under the mouse, each in its own words.
TEST(WorksheetDialog, EveryNamedControlHasItsHint) {
    const Dialog d;
    auto* line = d.control<QLabel>("txtHinweis");
    QStringList said{QString()};
    for (QWidget* w : d.dialog->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        static const QRegularExpression named("^(cbo|chk|txt|pic|cmd)");
        if (!named.match(name).hasMatch() || w == line) {
            continue;
        }
        auto* area = qobject_cast<QAbstractScrollArea*>(w);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(area != nullptr ? area->viewport() : w, &enter);
        EXPECT_FALSE(said.contains(line->text())) << name.toStdString();  // nor empty
        said << line->text();
    }
    EXPECT_GT(said.size(), 5) << "the controls were found";
}

}  // namespace
}  // namespace frankierung
