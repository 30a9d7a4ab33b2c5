#include "chartboard.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "appstart.h"
#include "chartlayout.h"
#include "chartrenderer.h"
#include "chartscroller.h"
#include "design.h"
#include "notehistory.h"
#include "numbertext.h"
#include "stampdrag.h"
#include "survey.h"

namespace frankierung {

namespace {

const QColor kNoteColor{0, 0, 128};  // palette blue

// The stamps as designed: their size and their tops below the chart's top in twips, the picture
// in pixels, and where a value label's right edge and top lie in the stamp's twips.
constexpr QSize kStampTwips{1515, 2055};
constexpr std::array<double, 3> kStampTopsTwips{60, 0, 120};
constexpr QSize kStampPicture{100, 132};
// The value labels as designed, in the stamp's twips: left edges, widths, top and height.
constexpr std::array<double, 3> kValueLeftsTwips{840, 900, 840};
constexpr std::array<double, 3> kValueWidthsTwips{435, 375, 435};
constexpr double kValueTopTwips = 180;
constexpr double kValueHeightTwips = 195;
// Pixels of ground between the stamps and the rows, and between the axis's last number and the
// log column; the stamps never shrink below this share of their size.
constexpr double kStampGap = 2;
constexpr double kEndGround = 6;
constexpr double kSmallestStampShare = 0.2;

// Chart units are single precision. Beyond that range the value becomes an infinity, which
// the chart keeps off screen; a plain cast would be undefined there.
double chartUnits(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (std::fabs(value) > kLargest) {
        return std::copysign(std::numeric_limits<double>::infinity(), value);
    }
    return static_cast<double>(static_cast<float>(value));
}

// A value label keeps its designed size in pixels on a stamp of any size. A value too wide for
// it takes smaller type, and past the smallest type a wider label about the same middle: every
// value up to 32767 shows whole (" 32767c"). The label stays on its stamp.
void placeValueLabel(PictureBox& stamp, QLabel& label, std::size_t i) {
    label.resize(twipsToPixels(kValueWidthsTwips.at(i)), twipsToPixels(kValueHeightTwips));
    fitCaption(&label);
    const int needed = label.fontMetrics().horizontalAdvance(label.text()) + 2;
    if (needed > label.width()) {
        label.resize(needed, label.height());
    }
    const double twipsPerPixel =
        kStampTwips.width() / std::max(1.0, static_cast<double>(stamp.width()));
    const double width = label.width() * twipsPerPixel;
    const double middle = kValueLeftsTwips.at(i) + kValueWidthsTwips.at(i) / 2;
    stamp.placeChildAt(&label, std::clamp(middle - width / 2, 0.0, kStampTwips.width() - width),
                       kValueTopTwips);
}

}  // namespace

ChartBoard::ChartBoard(PictureBox* container, QWidget* window, QObject* parent)
    : QObject(parent), container_(container) {
    chart_ = makePictureBox(container, kPanelColor, false);
    describe(chart_, QStringLiteral("picGraph"), tr("Diagramm der darstellbaren Zahlen"));
    chart_->setFont(chartFont());
    chart_->setCursor(iconPointer());
    container->placeChild(chart_, 3360, 120, 8955, 6435);
    connect(chart_, &PictureBox::mousePressed, this, [this](QPointF pos, Qt::MouseButtons) {
        emit pressed(static_cast<float>(pos.x()), static_cast<float>(pos.y()));
    });
    connect(chart_, &PictureBox::mouseMoved, this, [this](QPointF pos, Qt::MouseButtons) {
        emit moved(static_cast<float>(pos.x()), static_cast<float>(pos.y()));
    });
    connect(chart_, &PictureBox::mouseReleased, this, &ChartBoard::released);
    notes_.emplace(chart_->newCanvas());
    notes_->setMark(DrawingItem::Mark::Note);
    notes_->setPenColor(kNoteColor);
    notes_->setPenWidth(2);
    history_ = new NoteHistory(*chart_, this);

    scrollBar_ = new QScrollBar(Qt::Horizontal, container);
    describe(scrollBar_, QStringLiteral("hscn"), tr("Bildlauf des Diagramms"));
    // Its maximum, not 1300, follows the arrangement: far enough to show the chart's right end.
    scrollBar_->setValue(0);
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(10);
    scrollBar_->setFocusPolicy(Qt::StrongFocus);
    container->placeChild(scrollBar_, 45, 8640, 7335, 375);
    // Tracked: whatever reads the value (a screen reader, the hint line) sees where the thumb
    // is while it is dragged, and the chart follows it.
    scrollBar_->setTracking(true);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &ChartBoard::followScrollBar);
    new ChartScroller(chart_, container, scrollBar_, this);

    auto* drag = new StampDrag(window, chart_, this);
    connect(drag, &StampDrag::draggedOver, this, &ChartBoard::stampDraggedOver);
    const char* values[3] = {"6c", "10c", "15c"};
    for (int i = 0; i < 3; ++i) {
        auto* stamp = makePictureBox(chart_, kPanelColor, false);
        describe(stamp, indexed("Picture1", i),
                 tr("Briefmarke für Markenwert %1").arg(stampName(i)));
        useDefaultFont(stamp);
        stamp->setPicture(QStringLiteral(":/pictures/stamp%1.svg").arg(i), kStampPicture);
        stamp->setCursor(Qt::SizeAllCursor);
        stamp->resize(twipsToPixels(kStampTwips.width()), twipsToPixels(kStampTwips.height()));
        // Its children stay where designed at any size of the stamp.
        stamp->setScale(0, 0, kStampTwips.width(), kStampTwips.height());
        // Top in chart units (start-up sets the left to the value); the stamp keeps its size in
        // pixels whatever the scale.
        chart_->placeChildAt(stamp, 0, kStampTopsTwips.at(static_cast<std::size_t>(i)));
        stamps_.at(static_cast<std::size_t>(i)) = stamp;
        drag->follow(i, stamp);

        QLabel* value =
            makeLabel(stamp, QString::fromLatin1(values[i]),
                      designFont(QStringLiteral("MS Sans Serif"), 9.75), kWhite, Qt::AlignCenter);
        describe(value, indexed("Label2", i), tr("Wert der Briefmarke %1").arg(stampName(i)));
        placeValueLabel(*stamp, *value, static_cast<std::size_t>(i));
        // No handlers: a press on it must not reach the stamp beneath.
        value->setAttribute(Qt::WA_NoMousePropagation);
        values_.at(static_cast<std::size_t>(i)) = value;
    }

    patience_ = makeMultiLine(stamps_[2],
                              {tr("Geduld bitte, Rechnu\nng läuft\n"), timesFont(14.25, true),
                               QColor(255, 0, 0), QColor(255, 255, 0), true, true},
                              false);
    describe(patience_, QStringLiteral("txtRechnung"), tr("Rechenhinweis"));
    stamps_[2]->placeChild(patience_, 120, 120, 1275, 1755);
}

Canvas& ChartBoard::canvas() const {
    return chart_->canvas();
}

double ChartBoard::labelRoom() const {
    return (chartlayout::kLabelStripRight - chartlayout::kLabelX) *
           chart_->scale().pixelsPerUnitX();
}

void ChartBoard::arrange(const Arrangement& a, bool first) {
    // The chart's left edge is scroll state: a later arrangement keeps it.
    const double left = first ? a.chart.left : container_->childRect(chart_).x();
    // The first change of the chart's system must not move the stamps on screen: they keep
    // their pixel offsets, read in the new units. Later the chart units are kept instead.
    std::array<QPointF, 3> stampPixels{};
    for (std::size_t i = 0; first && i < stamps_.size(); ++i) {
        stampPixels[i] = chart_->scale().toPixels(chart_->childRect(stamps_[i]).topLeft()) -
                         chart_->innerRect().topLeft();
    }
    // The last amount's column and its number lie right of the arranged edge: the chart goes on
    // that far, in units as arranged, so that the scroll bar's end shows them whole.
    const double unitsPerStep = (a.chartX2 - a.chartX1) / a.chart.width;
    const double pixelsPerUnit = container_->scale().pixelsPerUnitX() / unitsPerStep;
    const double reach =
        std::max(1.0, lastNumberReach(chart_) / pixelsPerUnit) + kEndGround / pixelsPerUnit;
    container_->placeChild(chart_, left, a.chart.top, a.chart.width + reach / unitsPerStep,
                           a.chart.height);
    chart_->setScaleCorners(a.chartX1, a.chartY1, a.chartX2 + reach, a.chartY2);
    if (first) {
        for (std::size_t i = 0; i < stamps_.size(); ++i) {
            const QPointF user =
                chart_->scale().toUser(stampPixels[i] + QPointF(chart_->innerRect().topLeft()));
            chart_->placeChildAt(stamps_[i], user.x(), user.y());
        }
    }
    // On a short screen the stamps take a smaller size, so that they stay above the rows.
    const double aboveRows =
        chart_->scale().toPixels({0, chartlayout::kStripsTop}).y() - chart_->innerRect().top();
    const double lowestTop = *std::max_element(kStampTopsTwips.begin(), kStampTopsTwips.end());
    const double room = aboveRows - lowestTop / kTwipsPerPixel - kStampGap;
    sizeStamps(std::clamp(room * kTwipsPerPixel / kStampTwips.height(), kSmallestStampShare, 1.0));
    const UnitRect& s = a.scrollBar;
    container_->placeChild(scrollBar_, s.left, s.top, s.width, s.height);
    // The chart shows between the legend and the log column.
    const double shown = a.log.left - a.chart.left;
    scrollBar_->setMaximum(
        static_cast<int>(std::ceil(a.chart.width + reach / unitsPerStep - shown)));
}

void ChartBoard::sizeStamps(double share) {
    for (std::size_t i = 0; i < stamps_.size(); ++i) {
        PictureBox* stamp = stamps_[i];
        stamp->resize(twipsToPixels(kStampTwips.width() * share),
                      twipsToPixels(kStampTwips.height() * share));
        stamp->setPictureSize((QSizeF(kStampPicture) * share).toSize());
        placeValueLabel(*stamp, *values_[i], i);
    }
}

BoardPicture ChartBoard::picture(bool whole) const {
    const QRectF user = chart_->scale().user();
    if (whole) {
        return {*chart_, user.left(), user.right()};
    }
    // In view between the legend and the log column, where the scroll bar lies.
    const QRect bar = scrollBar_->geometry();
    const auto chartX = [this](QPoint containerPixel) {
        return chart_->scale().toUser(QPointF(chart_->mapFrom(container_, containerPixel))).x();
    };
    return {*chart_, chartX(bar.topLeft()), chartX(bar.topRight() + QPoint(1, 0))};
}

void ChartBoard::startNote(float x, float y) {
    noting_ = true;
    history_->beginStroke();
    lastX_ = x;
    lastY_ = y;
}

void ChartBoard::continueNote(float x, float y) {
    if (noting_) {
        notes_->line(lastX_, lastY_, x, y);
        history_->strokeGrew();
        lastX_ = x;
        lastY_ = y;
    }
}

void ChartBoard::endNote() {
    noting_ = false;
    history_->endStroke();
}

void ChartBoard::takeBackNote() {
    endNote();
    history_->takeBack();
}

void ChartBoard::bringBackNote() {
    endNote();
    history_->bringBack();
}

void ChartBoard::printGuide(int rightEdge) {
    struct Line {
        double x, y;
        QString text;
    };
    const Line lines[] = {
        {2, 16, tr("Obere 3 Zeilen: Nur einen Markenwert verwenden")},
        {3, 17, tr("Mittlere 3 Zeilen: Nur zwei Markenwerte verwenden")},
        {4, 18, tr("Untere Zeile: Alle drei Markenwerte verwenden")},
        {2, 19,
         tr("Bedienung: Eingabe der Markenwerte unter dem Posthorn, dann auf 'zeigen' klicken.")},
    };
    // On a small screen the lines take a smaller type, so that they end before the log.
    const double right = rightEdge - chart_->x();
    QFont designed = chart_->font();
    designed.setPointSizeF(12);
    designed.setBold(true);
    const QFont font = shrunkToFit(designed, [&](const QFont& f) {
        const QFontMetricsF metrics(f, chart_);
        return std::all_of(std::begin(lines), std::end(lines), [&](const Line& l) {
            return chart_->scale().toPixels({l.x, 0}).x() + metrics.horizontalAdvance(l.text) <=
                   right;
        });
    });
    Canvas canvas = chart_->newCanvas();
    canvas.setFontSize(font.pointSizeF());
    canvas.setBold(true);
    for (const Line& l : lines) {
        canvas.setPenColor(l.y < 19 ? QColor(0, 0, 200) : QColor(0, 0, 0));
        canvas.setPrintPosition({l.x, l.y});
        canvas.print(l.text);
    }
}

void ChartBoard::showStampValue(int index, const QString& text) {
    const auto i = static_cast<std::size_t>(index);
    values_.at(i)->setText(text + QStringLiteral("c"));
    placeValueLabel(*stamps_.at(i), *values_.at(i), i);
    chart_->setChildLeft(stamps_.at(i), chartUnits(numericValue(text.toStdString())));
}

void ChartBoard::placeStamp(int index, float x, float y) {
    chart_->placeChildAt(stamps_.at(static_cast<std::size_t>(index)), x, y);
}

void ChartBoard::setPatienceVisible(bool visible) {
    patience_->setVisible(visible);
}

void ChartBoard::followScrollBar() {
    // 16, not the legend's width: start-up placed the chart there.
    const auto left = static_cast<std::int16_t>(16 - scrollBar_->value());
    container_->setChildLeft(chart_, static_cast<float>(left));
}

}  // namespace frankierung
