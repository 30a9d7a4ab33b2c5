// The window's commands: what a button, a menu item, a stamp value, a pair panel or the mouse on
// the chart means for the parts; and the start-up.
#include <QCoreApplication>
#include <QMessageBox>
#include <QScreen>
#include <cmath>
#include <cstdint>

#include "chartboard.h"
#include "hintline.h"
#include "logcolumn.h"
#include "mainwindow.h"
#include "numbertext.h"
#include "pairpanels.h"
#include "picturecommands.h"
#include "runcontroller.h"
#include "stampinputs.h"
#include "whywindow.h"
#include "worksheetdialog.h"

namespace frankierung {

namespace {

// The amount n owns the stripe n <= x < n + 1, also left of 0.
double amountUnder(float x) {
    return std::floor(static_cast<double>(x));
}

}  // namespace

void MainWindow::startUp() {
    // Never beyond the screen: scaled by 1.5, a 1280 x 1024 screen has 853 x 683 logical pixels,
    // and the content then fits itself to the smaller window.
    setMinimumSize(
        QSize(kMinimumWindowWidth, kMinimumWindowHeight).boundedTo(screen()->availableSize()));
    arrangeContent();
    showChart();
    board_->printGuide(column_->logLeft());
    board_->followScrollBar();
    for (int k = 0; k < 3; ++k) {
        board_->showStampValue(k, stamps_->text(k));
    }
}

// --- Commands and menus ---

void MainWindow::showChart() {
    run_->run();
}

void MainWindow::clearChartAndLog() {
    board_->canvas().clear();
    column_->clearLog();
}

void MainWindow::clearLog() {
    column_->clearLog();
}

void MainWindow::listRepresentations() {
    showChart();
}

void MainWindow::wipeBoard() {
    board_->canvas().clear();
}

void MainWindow::redrawWithoutNotes() {
    // The run clears the chart before it draws; stamp values it refuses leave chart and notes.
    showChart();
}

void MainWindow::showAuthors() {
    QMessageBox box(QMessageBox::Information, tr("Programmiert von"),
                    QStringLiteral("Orvandel\nKestrelhaus"), QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::explainWhy() {
    if (why_ == nullptr) {
        why_ = new WhyWindow(this);
        connect(run_, &RunController::ran, why_,
                [this] { why_->follow(run_->lastRun()->values, run_->lastRun()->amountText); });
        if (const auto& last = run_->lastRun()) {
            why_->follow(last->values, last->amountText);
        }
    }
    why_->bringToFront();
}

void MainWindow::openWorksheet() {
    if (worksheet_ == nullptr) {
        worksheet_ = new WorksheetDialog(*stamps_, this);
    }
    worksheet_->bringToFront();
}

void MainWindow::quit() {
    // A run in progress finishes inside its event processing; a run it had deferred must not
    // follow.
    run_->dropPending();
    close();
    QCoreApplication::quit();
}

void MainWindow::takeBackNote() {
    board_->takeBackNote();
}

void MainWindow::bringBackNote() {
    board_->bringBackNote();
}

void MainWindow::saveBoard() {
    enum Extent { Shown, Whole };
    const auto answer = askSaveFile(
        this, tr("Tafel speichern"), tr("Tafel"),
        {{tr("PNG-Bild, sichtbarer Teil (*.png)"), PictureFormat::Png, Shown},
         {tr("PNG-Bild, ganze Tafel von 0 bis 1000 (*.png)"), PictureFormat::Png, Whole},
         {tr("PDF-Dokument, sichtbarer Teil (*.pdf)"), PictureFormat::Pdf, Shown},
         {tr("PDF-Dokument, ganze Tafel von 0 bis 1000 (*.pdf)"), PictureFormat::Pdf, Whole}});
    if (answer) {
        savePicture(this, board_->picture(answer->variant == Whole), *answer, Pages::SideBySide);
    }
}

void MainWindow::printBoard() {
    printWithDialog(this, board_->picture(false), Pages::SideBySide);
}

// --- Stamp values and pair panels ---

void MainWindow::stepStampValue(int stamp, int by) {
    if (const QString refusal = stamps_->step(stamp, by); !refusal.isEmpty()) {
        hint_->show(refusal);
    }
}

void MainWindow::followStampValue(int stamp) {
    pairs_->clear();
    board_->showStampValue(stamp, stamps_->text(stamp));
}

void MainWindow::showPairLine(int pair) {
    hint_->show(pairs_->line(pair));
}

// --- The mouse on the chart ---

void MainWindow::pickAmountAndStartNote(float x, float y) {
    board_->startNote(x, y);
    column_->setAmount(QString::fromStdString(signedNumberText(amountUnder(x))));
}

void MainWindow::showAmountAndContinueNote(float x, float y) {
    hint_->show(QStringLiteral("N = ") + QString::fromStdString(signedNumberText(amountUnder(x))) +
                tr("  (Auswahl zur Darstellung durch Anklicken)"));
    board_->continueNote(x, y);
}

void MainWindow::endNote() {
    board_->endNote();
}

void MainWindow::setStampValueByDrag(int stamp, float x, float y) {
    // The new text puts the picture at the whole amount (followStampValue) ...
    stamps_->setText(
        stamp, QString::fromStdString(plainNumberText(static_cast<std::int64_t>(amountUnder(x)))));
    // ... before it follows the pointer exactly.
    board_->placeStamp(stamp, x, y);
}

}  // namespace frankierung
