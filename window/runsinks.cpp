#include "runsinks.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

#include "appstart.h"
#include "picturebox.h"

namespace frankierung {

namespace {
QString fromStd(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
}  // namespace

std::string StampBoxes::stampText(int index) const {
    return stamps_.at(static_cast<std::size_t>(index))->text().toStdString();
}

void StampBoxes::setStampText(int index, const std::string& text) {
    stamps_.at(static_cast<std::size_t>(index))->setText(fromStd(text));
}

std::string StampBoxes::targetText() const {
    return target_->text().toStdString();
}

void LogBox::append(std::string_view text) {
    QString t = fromStd(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor cursor(box_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(t);
    // Keep the newest entries in view.
    box_->verticalScrollBar()->setValue(box_->verticalScrollBar()->maximum());
}

void WindowRunSink::processEvents() {
    if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kEventIntervalMs) {
        return;
    }
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

void WindowRunSink::refused(const StampRefusal& refusal) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Markenwert nicht zulässig"),
                    refusalText(refusal), QMessageBox::Ok, c_.messageParent);
    box.setObjectName(QStringLiteral("domainMessage"));
    box.exec();
}

void WindowRunSink::runStarted() {
    if (c_.patience != nullptr) {
        c_.patience->setVisible(true);
    }
}

void WindowRunSink::pairRowsStarting() {
    // Each panel shows its pair as the boxes hold them, e.g. "6-10".
    for (std::size_t i = 0; i < 3; ++i) {
        PictureBox* panel = c_.pairPanels[i];
        if (panel == nullptr) {
            continue;
        }
        panel->canvas().cls();
        panel->canvas().print(c_.stamps[i]->text() + QLatin1Char('-') +
                              c_.stamps[(i + 1) % 3]->text());
    }
}

void WindowRunSink::pairRow(Row row, Amount, Amount, const std::string& boundText,
                            std::span<const Amount>) {
    c_.bounds.at(pairIndex(row))->setText(fromStd(boundText));
}

void WindowRunSink::tripleBound(const std::string& text) {
    c_.bounds[3]->setText(fromStd(text));
}

void WindowRunSink::runEnded() {
    if (c_.patience != nullptr) {
        c_.patience->setVisible(false);
    }
}

}  // namespace frankierung
