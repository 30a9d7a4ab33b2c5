#include "chartrenderer.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <array>
#include <bitset>

#include "canvas.h"
#include "chartlayout.h"
#include "fonts.h"
#include "numbertext.h"
#include "palette.h"

namespace frankierung {

namespace {

using Mark = DrawingItem::Mark;

// The texts in the user's language; German is the source.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Chart)
};
namespace layout = chartlayout;

const layout::Row& geometryOf(Row row) {
    return layout::kRows.at(static_cast<std::size_t>(row) - 1);
}

}  // namespace

void ChartRenderer::printLabel(Row row, const QColor& color,
                               std::initializer_list<PrintItem> items) {
    Canvas& c = chart_;
    c.setMark(Mark::RowLabel);
    c.setBold(true);
    c.setPenColor(color);
    if (labelRoom_) {
        c.setFontSizeToFit(kRunPoints, items, *labelRoom_);
    } else {
        c.setFontSize(kRunPoints);
    }
    c.setPrintPosition({layout::kLabelX, geometryOf(row).labelY});
    c.print(items);
    c.setMark(Mark::Row);
}

QFont chartFont() {
    return timesFont(15.75);
}

double lastNumberReach(const QPaintDevice* device) {
    // Bold, as every tenth number is printed; the blank after it shows nothing.
    QFont font = chartFont();
    font.setPointSizeF(kRunPoints);
    font.setBold(true);
    return QFontMetricsF(font, device)
        .horizontalAdvance(QString::fromStdString(signedNumberText(kSurveyEnd)));
}

void ChartRenderer::runStarted() {
    Canvas& c = chart_;
    c.clear();
    c.setMark(Mark::Scale);
    c.setFontSize(kRunPoints);
    c.setBold(false);
    c.setPenWidth(1);
    c.box(0, layout::kStripsTop, layout::kRight, layout::kUpperStripBottom, palette::white);
    c.box(0, layout::kLowerStripTop, layout::kRight, layout::kStripsBottom, palette::white);
    c.box(layout::kLabelStripLeft, layout::kStripsTop, layout::kLabelStripRight,
          layout::kStripsBottom, palette::white);

    for (int i = 0; i <= kSurveyEnd; ++i) {
        const double x = i;
        c.setPenColor(palette::grey);
        c.line(x, layout::kTickTop, x, layout::kTickBottom);
        if (i % 5 != 0) {
            continue;
        }
        const bool tens = i % 10 == 0;
        c.setPenColor(tens ? palette::black : palette::grey);
        c.setBold(tens);
        c.line(x, layout::kLongTickTop, x, layout::kLongTickBottom);
        c.setPrintPosition({x, layout::kLongTickTop});
        c.print({PrintItem::number(x)});
        c.setPrintPosition({x, layout::kTickBottom});
        c.print({PrintItem::number(x)});
    }
    c.setMark(Mark::Row);
}

void ChartRenderer::singleRow(Row row, Amount value, std::span<const Amount> marks) {
    static constexpr std::array<QColor, 3> kColors{palette::blue, palette::green, palette::cyan};
    const auto r = static_cast<std::size_t>(row) - 1;
    if (r >= kColors.size()) {
        return;
    }
    printLabel(row, palette::black, {PrintItem::number(static_cast<double>(value))});
    const double top = geometryOf(row).markY;
    for (const Amount k : marks) {  // 0, v, 2v, ... up to kSurveyEnd
        const auto x = static_cast<double>(k);
        chart_.box(x, top, x + 1, top + layout::kValueBoxHeight, kColors[r]);
    }
}

void ChartRenderer::pairRow(Row row, Amount p, Amount q, const std::string& /*boundText*/,
                            std::span<const Amount> marks) {
    static constexpr std::array<QColor, 3> kColors{palette::black, palette::blue, palette::green};
    const std::size_t pair = pairIndex(row);
    if (pair >= kColors.size()) {
        return;
    }
    chart_.setPenWidth(2);
    printLabel(row, kColors.at(pair),
               {PrintItem::number(static_cast<double>(p)), PrintItem::text(QStringLiteral(",")),
                PrintItem::number(static_cast<double>(q))});
    chart_.setMark(Mark::PairRow);
    // A repeated sum would paint the same circle over itself, and sums beyond the right edge
    // never show: each visible sum is drawn once, where it first occurs.
    std::bitset<kSurveyEnd + 1> drawn;
    for (const Amount s : marks) {
        if (s < 0 || s > kSurveyEnd || drawn.test(static_cast<std::size_t>(s))) {
            continue;
        }
        drawn.set(static_cast<std::size_t>(s));
        chart_.circle(static_cast<double>(s) + 0.55, geometryOf(row).markY, layout::kPairRadius);
    }
}

void ChartRenderer::tripleStarting() {
    // In the last pair's colour.
    printLabel(Row::ABC, palette::green, {PrintItem::text(QLatin1Char(' ') + Texts::tr("alle"))});
}

void ChartRenderer::tripleRow(std::span<const Amount> reachable) {
    chart_.setMark(Mark::AllRow);
    chart_.setPenWidth(2);
    chart_.setPenColor(palette::yellow);
    for (const Amount n : reachable) {
        const auto x = static_cast<double>(n);
        chart_.box(x, layout::kAllBoxBottom, x + 1, layout::kAllBoxTop, palette::blue);
        chart_.circle(x + 0.52, geometryOf(Row::ABC).markY, layout::kAllRadius);
    }
}

}  // namespace frankierung
