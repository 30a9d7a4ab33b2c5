#include "chartboard.h"

#include <QFontMetricsF>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "appstart.h"
#include "chartrenderer.h"
#include "design.h"
#include "numbertext.h"
#include "survey.h"

namespace frankierung {

namespace {

const QColor kNoteColor{0, 0, 128};  // palette blue

// Chart units are single precision. Beyond that range the value becomes an infinity, which
// the chart keeps off screen; a plain cast would be undefined there.
double chartUnits(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (std::fabs(value) > kLargest) {
        return std::copysign(std::numeric_limits<double>::infinity(), value);
    }
    return static_cast<double>(static_cast<float>(value));
}

// The stamps' value labels as designed, in the stamps' twips.
constexpr std::array<double, 3> kValueWidths{435, 375, 435};

// A value too wide for its label takes smaller type, and past the smallest type a wider label
// about the same middle: every value up to 32767 shows whole (" 32767c").
void fitValueLabel(PictureBox& stamp, QLabel& label, double designWidth) {
    const QRectF placed = stamp.childRect(&label);
    const auto placeWidth = [&](double width) {
        stamp.placeChild(&label, placed.center().x() - width / 2, placed.top(), width,
                         placed.height());
    };
    placeWidth(designWidth);
    fitCaption(&label);
    const double needed =
        (label.fontMetrics().horizontalAdvance(label.text()) + 2) / stamp.scale().pixelsPerUnitX();
    if (needed > designWidth) {
        placeWidth(std::min(needed, stamp.scale().user().width()));
    }
}

}  // namespace

ChartBoard::ChartBoard(PictureBox* container, QWidget* window, QObject* parent)
    : QObject(parent), container_(container), window_(window) {
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

    scrollBar_ = new QScrollBar(Qt::Horizontal, container);
    describe(scrollBar_, QStringLiteral("hscn"), tr("Bildlauf des Diagramms"));
    // 1534, not 1300: only then can the chart's right end be scrolled into view.
    scrollBar_->setRange(0, 1534);
    scrollBar_->setValue(0);
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(10);
    scrollBar_->setFocusPolicy(Qt::StrongFocus);
    container->placeChild(scrollBar_, 45, 8640, 7335, 375);
    // Without tracking the value changes when the thumb is released; while it is dragged the
    // chart follows the thumb's position.
    scrollBar_->setTracking(false);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &ChartBoard::followScrollBar);
    connect(scrollBar_, &QScrollBar::sliderMoved, this, &ChartBoard::followScrollBar);

    const double tops[3] = {60, 0, 120};
    const double valueLefts[3] = {840, 900, 840};
    const char* values[3] = {"6c", "10c", "15c"};
    for (int i = 0; i < 3; ++i) {
        auto* stamp = makePictureBox(chart_, kPanelColor, false);
        describe(stamp, indexed("Picture1", i),
                 tr("Briefmarke für Markenwert %1").arg(stampName(i)));
        useDefaultFont(stamp);
        stamp->setPicture(QStringLiteral(":/pictures/stamp%1.svg").arg(i), QSize(100, 132));
        stamp->setCursor(Qt::SizeAllCursor);
        stamp->resize(twipsToPixels(1515), twipsToPixels(2055));
        // Top in chart units (start-up sets the left to the value); the stamp keeps its size in
        // pixels whatever the scale.
        chart_->placeChildAt(stamp, 0, tops[i]);
        stamps_.at(static_cast<std::size_t>(i)) = stamp;
        // The box reports user units; the drag works in the stamp's own pixels.
        connect(stamp, &PictureBox::mousePressed, this,
                [this, i, stamp](QPointF pos, Qt::MouseButtons) {
                    beginStampDrag(i, stamp->scale().toPixels(pos));
                });
        connect(stamp, &PictureBox::mouseMoved, this,
                [this, i, stamp](QPointF pos, Qt::MouseButtons buttons) {
                    stampMoved(i, stamp->scale().toPixels(pos), buttons);
                });
        connect(stamp, &PictureBox::mouseReleased, this,
                [this, i](QPointF, Qt::MouseButtons) { stampReleased(i); });

        QLabel* value =
            makeLabel(stamp, QString::fromLatin1(values[i]),
                      designFont(QStringLiteral("MS Sans Serif"), 9.75), kWhite, Qt::AlignCenter);
        describe(value, indexed("Label2", i), tr("Wert der Briefmarke %1").arg(stampName(i)));
        stamp->placeChild(value, valueLefts[i], 180, kValueWidths.at(static_cast<std::size_t>(i)),
                          195);
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

    dragFeedback_ = new QLabel(window);
    dragFeedback_->setObjectName(QStringLiteral("stampDragFeedback"));
    dragFeedback_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragFeedback_->setFocusPolicy(Qt::NoFocus);
    auto* translucency = new QGraphicsOpacityEffect(dragFeedback_);
    translucency->setOpacity(0.5);
    dragFeedback_->setGraphicsEffect(translucency);
    dragFeedback_->hide();
}

Canvas& ChartBoard::canvas() const {
    return chart_->canvas();
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
    container_->placeChild(chart_, left, a.chart.top, a.chart.width, a.chart.height);
    chart_->setScaleCorners(a.chartX1, a.chartY1, a.chartX2, a.chartY2);
    if (first) {
        for (std::size_t i = 0; i < stamps_.size(); ++i) {
            const QPointF user =
                chart_->scale().toUser(stampPixels[i] + QPointF(chart_->innerRect().topLeft()));
            chart_->placeChildAt(stamps_[i], user.x(), user.y());
        }
    }
    const UnitRect& s = a.scrollBar;
    container_->placeChild(scrollBar_, s.left, s.top, s.width, s.height);
}

void ChartBoard::startNote(float x, float y) {
    noting_ = true;
    lastX_ = x;
    lastY_ = y;
}

void ChartBoard::continueNote(float x, float y) {
    if (noting_) {
        notes_->line(lastX_, lastY_, x, y);
        lastX_ = x;
        lastY_ = y;
    }
}

void ChartBoard::endNote() {
    noting_ = false;
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
    const auto fit = [&](double points) {
        QFont font = chart_->font();
        font.setPointSizeF(points);
        font.setBold(true);
        const QFontMetricsF metrics(font, chart_);
        return std::all_of(std::begin(lines), std::end(lines), [&](const Line& l) {
            return chart_->scale().toPixels({l.x, 0}).x() + metrics.horizontalAdvance(l.text) <=
                   right;
        });
    };
    double points = 12;
    while (points - 0.25 >= kSmallestCaptionPoints && !fit(points)) {
        points -= 0.25;
    }
    Canvas canvas = chart_->newCanvas();
    canvas.setFontSize(points);
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
    fitValueLabel(*stamps_.at(i), *values_.at(i), kValueWidths.at(i));
    chart_->setChildLeft(stamps_.at(i), chartUnits(numericValue(text.toStdString())));
}

void ChartBoard::placeStamp(int index, float x, float y) {
    chart_->placeChildAt(stamps_.at(static_cast<std::size_t>(index)), x, y);
}

void ChartBoard::beginStampDrag(int index, QPointF grip) {
    PictureBox* stamp = stamps_.at(static_cast<std::size_t>(index));
    dragIndex_ = index;
    dragGrip_ = grip;
    dragFeedback_->setPixmap(stamp->grab());
    dragFeedback_->resize(stamp->size());
    dragFeedback_->move(window_->mapFromGlobal(stamp->mapToGlobal(QPoint(0, 0))));
    dragFeedback_->raise();
    dragFeedback_->show();
}

void ChartBoard::setPatienceVisible(bool visible) {
    patience_->setVisible(visible);
}

void ChartBoard::followScrollBar() {
    // 16, not the legend's width: start-up placed the chart there.
    const auto left = static_cast<std::int16_t>(16 - scrollBar_->sliderPosition());
    container_->setChildLeft(chart_, static_cast<float>(left));
}

void ChartBoard::stampMoved(int index, QPointF pixelPos, Qt::MouseButtons buttons) {
    if (index != dragIndex_ || buttons == Qt::NoButton) {
        return;
    }
    const QPointF global = stamps_.at(static_cast<std::size_t>(index))->mapToGlobal(pixelPos);
    dragFeedback_->move((window_->mapFromGlobal(global) - dragGrip_).toPoint());
    // Only free parts of the chart take the drag: not the stamp pictures nor what lies on them,
    // nor the legend or anything else that covers the chart.
    if (window_->childAt(window_->mapFromGlobal(global).toPoint()) != chart_) {
        return;
    }
    const QPointF user = chart_->scale().toUser(chart_->mapFromGlobal(global));
    emit stampDraggedOver(index, static_cast<float>(user.x()), static_cast<float>(user.y()));
}

void ChartBoard::stampReleased(int index) {
    if (index != dragIndex_) {
        return;
    }
    dragIndex_ = -1;
    dragFeedback_->hide();
    dragFeedback_->clear();
}

}  // namespace frankierung
