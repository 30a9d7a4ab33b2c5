#include "chartrenderer.h"

#include <array>
#include <bitset>

#include "palette.h"
#include "picturebox.h"

namespace frankierung {

namespace {

constexpr double kLabelX = -2.9;

double amountX(Amount n) {
    return static_cast<double>(n);
}

}  // namespace

void ChartRenderer::runStarted() {
    PictureBox& c = chart_;
    c.cls();
    c.setDrawWidth(1);
    c.setForeColor(palette::grey);

    c.box(0, 4.5, 1000, 4.9, palette::white);
    c.box(0, 15.05, 1000, 15.45, palette::white);
    c.box(-4, 4.5, -0.1, 15.45, palette::white);

    for (int i = 0; i <= kSurveyEnd; ++i) {
        const double x = i;
        c.setForeColor(palette::grey);
        c.line(x, 5, x, 15);
        if (i % 5 != 0) {
            continue;
        }
        const bool tens = i % 10 == 0;
        c.setForeColor(tens ? palette::black : palette::grey);
        c.setFontBold(tens);
        c.line(x, 4.5, x, 15.5);
        // The line left the print position's x at i.
        c.setCurrentY(4.5);
        c.print({PrintItem::number(x)});
        c.setCurrentX(x);
        c.setCurrentY(15);
        c.print({PrintItem::number(x)});
    }
}

void ChartRenderer::singleRow(Row row, Amount value, std::span<const Amount> marks) {
    static constexpr std::array<QColor, 3> kColors{palette::blue, palette::green, palette::cyan};
    const int r = static_cast<int>(row);
    if (r < 1 || r > 3) {
        return;
    }
    const double top = r + 4.5;
    chart_.setCurrentX(kLabelX);
    chart_.setCurrentY(top);
    chart_.print({PrintItem::number(static_cast<double>(value))});
    const QColor& color = kColors[static_cast<std::size_t>(r - 1)];
    for (const Amount k : marks) {  // 0, v, 2v, ... up to kSurveyEnd
        chart_.box(amountX(k), top, amountX(k) + 1, r + 4.95, color);
    }
}

void ChartRenderer::pairRowsStarting() {
    chart_.setDrawWidth(2);
    chart_.setForeColor(palette::black);
}

void ChartRenderer::pairRow(Row row, Amount p, Amount q, const std::string& /*boundText*/,
                            std::span<const Amount> marks) {
    double labelY = 0;
    double centreY = 0;
    switch (row) {
        case Row::AB:
            labelY = 9.3;
            centreY = 9.5;
            break;
        case Row::BC:
            chart_.setForeColor(palette::blue);
            labelY = 10.1;
            centreY = 10.3;
            break;
        case Row::CA:
            chart_.setForeColor(palette::green);
            labelY = 10.9;
            centreY = 11.1;
            break;
        default:
            return;
    }
    chart_.setCurrentX(kLabelX);
    chart_.setCurrentY(labelY);
    chart_.print({PrintItem::number(static_cast<double>(p)), PrintItem::text(QStringLiteral(",")),
                  PrintItem::number(static_cast<double>(q))});

    // A repeated sum would paint the same circle over itself, and sums beyond the right edge
    // never show: each visible sum is drawn once, where it first occurs.
    std::bitset<kSurveyEnd + 1> drawn;
    for (const Amount s : marks) {
        if (s < 0 || s > kSurveyEnd || drawn.test(static_cast<std::size_t>(s))) {
            continue;
        }
        drawn.set(static_cast<std::size_t>(s));
        chart_.circle(amountX(s) + 0.55, centreY, 0.4);
    }
}

void ChartRenderer::tripleStarting() {
    chart_.setCurrentX(kLabelX);
    chart_.setCurrentY(12.4);
    chart_.print(QStringLiteral(" alle"));
    chart_.setForeColor(palette::yellow);
}

void ChartRenderer::tripleRow(std::span<const Amount> reachable) {
    chart_.setDrawWidth(2);
    for (const Amount n : reachable) {
        if (n < 0 || n > kSurveyEnd) {
            continue;
        }
        chart_.box(amountX(n), 13.1, amountX(n) + 1, 12.4, palette::blue);
        chart_.circle(amountX(n) + 0.52, 12.7, 0.3);
    }
}

}  // namespace frankierung
