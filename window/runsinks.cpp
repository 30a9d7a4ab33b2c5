#include "runsinks.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "chartboard.h"
#include "logcolumn.h"
#include "stampinputs.h"

namespace frankierung {

namespace {
QString fromStd(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
}  // namespace

std::string StampBoxes::stampText(int index) const {
    return stamps_.text(index).toStdString();
}

void StampBoxes::setStampText(int index, const std::string& text) {
    stamps_.setText(index, fromStd(text));
}

std::string StampBoxes::targetText() const {
    return column_.amount().toStdString();
}

void WindowRunSink::processEvents() {
    if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kEventIntervalMs) {
        return;
    }
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

void WindowRunSink::refused(const std::string& message) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Markenwert nicht zulässig"),
                    fromStd(message), QMessageBox::Ok, c_.messageParent);
    box.setObjectName(QStringLiteral("domainMessage"));
    box.exec();
}

void WindowRunSink::runStarted() {
    c_.board->setPatienceVisible(true);
}

void WindowRunSink::runEnded() {
    c_.board->setPatienceVisible(false);
}

}  // namespace frankierung
