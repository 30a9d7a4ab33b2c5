#include "sheetlayout.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "fonts.h"
#include "sheetrun.h"

namespace frankierung {

namespace {

// The texts in the user's language; German is the source.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

constexpr double kMillimetre = kSheetDpi / 25.4;
constexpr double kMargin = 12 * kMillimetre;
constexpr double kLabelPoints = 12;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
// Measured a little narrower than painted: a device whose type runs a little wider (PDF against
// the screen's hinting) then still needs no line more than was measured.
constexpr double kMeasuredShare = 0.97;

void paintRule(QPainter& p, QPointF from, double to) {
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(from, QPointF(to, from.y()));
}

}  // namespace

QSizeF SheetPages::pageSize() {
    return {210 * kMillimetre, 297 * kMillimetre};
}

QRectF SheetPages::textArea() {
    return QRectF(QPointF(0, 0), pageSize()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

void SheetPages::newPage() {
    pages_.emplace_back();
    top_ = textArea().top();
    if (pages_.size() > 1) {
        add(head_);
    }
}

double SheetPages::roomLeft() const {
    return pages_.empty() ? textArea().height() : textArea().bottom() - top_;
}

std::pair<std::size_t, QRectF> SheetPages::add(SheetBlock block) {
    const bool onlyHead = pages_.size() > 1 && pages_.back().size() == 1;
    if (pages_.empty() || (block.height > roomLeft() && !pages_.back().empty() && !onlyHead)) {
        newPage();
    }
    const QRectF rect(textArea().left(), top_, textArea().width(), block.height);
    pages_.back().push_back({rect, std::move(block.paint)});
    top_ += block.height + block.spaceAfter;
    return {pages_.size() - 1, rect};
}

QFont sheetFont(double points, bool bold) {
    return timesFont(points, bold);
}

SheetBlock textBlock(const QString& text, const QFont& font, double width, const QColor& color) {
    const QFontMetricsF metrics(font, &sheetMetrics());
    const double height =
        metrics.boundingRect(QRectF(0, 0, kMeasuredShare * width, 1e6), kTextFlags, text).height();
    return {height, [text, font, color](QPainter& p, const QRectF& rect) {
                p.setFont(font);
                p.setPen(color);
                p.drawText(rect, kTextFlags, text);
            }};
}

SheetBlock nameLineBlock(double width) {
    const QFont font = sheetFont(kLabelPoints);
    const QFontMetricsF metrics(font, &sheetMetrics());
    // Each caption followed by its line: the name gets the most room, the date the least.
    const std::array<std::pair<QString, double>, 3> fields{
        {{Texts::tr("Name:"), 0.5}, {Texts::tr("Klasse:"), 0.22}, {Texts::tr("Datum:"), 0.28}}};
    return {2 * metrics.height(), [fields, font, width](QPainter& p, const QRectF& rect) {
                const QFontMetricsF m(font, p.device());
                p.setFont(font);
                double x = rect.left();
                const double baseline = rect.top() + 1.4 * m.ascent();
                for (const auto& [caption, share] : fields) {
                    const double end = x + share * width;
                    p.setPen(Qt::black);
                    p.drawText(QPointF(x, baseline), caption);
                    const double lineStart = x + m.horizontalAdvance(caption) + 4;
                    paintRule(p, QPointF(lineStart, baseline + 2), end - 12);
                    x = end;
                }
            }};
}

SheetBlock answerBlock(const QString& caption, double width, int lines) {
    const QFont font = sheetFont(kLabelPoints);
    const QFontMetricsF metrics(font, &sheetMetrics());
    const double pitch = 2.2 * metrics.height();
    return {pitch * lines, [caption, font, width, lines, pitch](QPainter& p, const QRectF& rect) {
                const QFontMetricsF m(font, p.device());
                p.setFont(font);
                p.setPen(Qt::black);
                const double baseline = rect.top() + pitch - 0.6 * m.height();
                p.drawText(QPointF(rect.left(), baseline), caption);
                const double start = rect.left() + m.horizontalAdvance(caption) + 4;
                for (int k = 0; k < lines; ++k) {
                    paintRule(p, QPointF(k == 0 ? start : rect.left(), baseline + 2 + k * pitch),
                              rect.left() + width);
                }
            }};
}

}  // namespace frankierung
