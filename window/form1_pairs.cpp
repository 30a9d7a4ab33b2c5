// The pair panels: moving over one shows its pair's divisor, multiple and three-value bound.
#include "form1.h"
#include "pairinfo.h"
#include "stampinputs.h"

namespace frankierung {

namespace {

std::string textOf(const TextBox* box) {
    return box->text().toStdString();
}

}  // namespace

void Form1::connectPairPanels() {
    connect(picAB, &PictureBox::mouseMoved, this, [this] { picAB_MouseMove(); });
    connect(picBC, &PictureBox::mouseMoved, this, [this] { picBC_MouseMove(); });
    connect(picCA, &PictureBox::mouseMoved, this, [this] { picCA_MouseMove(); });
}

void Form1::showPairLine(int first, int second, int third, const TextBox* bound,
                         const char* boundName, const char* boundLabel) {
    static constexpr std::string_view kNames[3] = {"A", "B", "C"};
    const std::string a = stamps_->text(first).toStdString();
    const std::string b = stamps_->text(second).toStdString();
    const std::string c = stamps_->text(third).toStdString();
    const std::string s = textOf(bound);
    const PairLine line = pairInfoLine(
        {a, b, c, s}, {kNames[first], kNames[second], kNames[third], boundName, boundLabel});
    hint_->show(QString::fromStdString(line.text));
}

void Form1::picAB_MouseMove() {
    showPairLine(0, 1, 2, StartAB, "Grenze A, B", "S((AB),C)");
}

void Form1::picBC_MouseMove() {
    showPairLine(1, 2, 0, StartBC, "Grenze B, C", "S((BC),A)");
}

void Form1::picCA_MouseMove() {
    showPairLine(2, 0, 1, StartCA, "Grenze C, A", "S((CA),B)");
}

}  // namespace frankierung
