// The stamp values: typed, stepped with "+" and "-", or set by code; every change of a text
// moves its stamp picture and clears the pair panels.
#include <QPushButton>
#include <cmath>
#include <limits>

#include "form1.h"
#include "numbertext.h"

namespace frankierung {

namespace {

constexpr const char* kBoxNames[3] = {"A", "B", "C"};
constexpr int kMaxNumberTextLength = 64;

// A step that is lost (the value too large for a whole step) or leads out of the finite
// numbers would write a text that says nothing new, or "inf".
bool stepTakes(double from, double to) {
    return std::isfinite(to) && to != from;
}

QString tooLargeMessage(int index, const QString& text, const char* step) {
    return QStringLiteral("%1: „%2“ ist zu groß zum %3.")
        .arg(QString::fromLatin1(kBoxNames[index]),
             QString::fromStdString(shortenedForMessage(text.trimmed().toStdString())),
             QString::fromUtf8(step));
}

// Chart units are single precision. Beyond that range the value becomes an infinity, which
// the chart keeps off screen; a plain cast would be undefined there.
double chartUnits(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (std::fabs(value) > kLargest) {
        return std::copysign(std::numeric_limits<double>::infinity(), value);
    }
    return static_cast<double>(static_cast<float>(value));
}

}  // namespace

void Form1::connectStampInput() {
    // No number needs more; 10,000 characters froze the window inside the toolkit for seconds.
    for (TextBox* box : {txtMarke[0], txtMarke[1], txtMarke[2], txtPruef}) {
        box->setMaxLength(kMaxNumberTextLength);
    }
    for (int i = 0; i < 3; ++i) {
        connect(cmdMarkeplus[i], &QPushButton::clicked, this, [this, i] { cmdMarkeplus_Click(i); });
        connect(cmdMarkeMinus[i], &QPushButton::clicked, this,
                [this, i] { cmdMarkeMinus_Click(i); });
        // Emitted inside setText and for each keystroke that changes the text, never when the
        // text stays the same: the change handler runs inside every assignment.
        connect(txtMarke[i], &QLineEdit::textChanged, this, [this, i] { txtMarke_Change(i); });
    }
}

void Form1::cmdMarkeplus_Click(int Index) {
    const QString text = txtMarke[Index]->text();
    const double value = numericValue(text.toStdString());
    const double next = value + 1;
    if (!stepTakes(value, next)) {
        hint_->show(tooLargeMessage(Index, text, "Erhöhen"));
        return;
    }
    txtMarke[Index]->setText(QString::fromStdString(signedNumberText(next)));
}

void Form1::cmdMarkeMinus_Click(int Index) {
    const QString text = txtMarke[Index]->text();
    const double value = numericValue(text.toStdString());
    if (!(value > 1)) {
        return;
    }
    const double next = value - 1;
    if (!stepTakes(value, next)) {
        hint_->show(tooLargeMessage(Index, text, "Verringern"));
        return;
    }
    txtMarke[Index]->setText(QString::fromStdString(signedNumberText(next)));
}

void Form1::txtMarke_Change(int Index) {
    picAB->canvas().cls();
    picBC->canvas().cls();
    picCA->canvas().cls();
    const QString text = txtMarke[Index]->text();
    Label2[Index]->setText(text + QStringLiteral("c"));
    picGraph->setChildLeft(Picture1[Index], chartUnits(numericValue(text.toStdString())));
}

}  // namespace frankierung
