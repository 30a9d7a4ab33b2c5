#include "worksheet.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "palette.h"
#include "remainderpicture.h"
#include "whywording.h"

namespace frankierung {

namespace {

constexpr double kTitlePoints = 18;
constexpr double kHeadPoints = 11;
constexpr double kTaskPoints = 12;
constexpr double kTextPoints = 11;
constexpr double kGap = 10;  // between the parts of a page, in pixels
// The remainder picture takes at least this share of a page, and its sentences the rest.
constexpr double kLeastPictureShare = 0.4;

}  // namespace

std::vector<std::pair<int, int>> defaultStrips(const RemainderClasses& classes) {
    int end = kSurveyEnd;
    if (classes.ggT() == 1) {
        const std::int64_t run = classes.largestGap().value_or(-1) + classes.smallestValue();
        end = static_cast<int>(std::min<std::int64_t>(run, kSurveyEnd));
    }
    std::vector<std::pair<int, int>> strips;
    for (int from = 0; from == 0 || (from < end && from < kSurveyEnd);
         from += kDefaultStripAmounts) {
        strips.emplace_back(from, std::min(from + kDefaultStripAmounts, kSurveyEnd));
    }
    return strips;
}

Worksheet::Worksheet(WorksheetOptions options)
    : options_(std::move(options)), run_(runForSheet(options_.stamps)) {
    const auto classes = RemainderClasses::of(run_.values);
    if (run_.refusal || !classes) {
        return;  // a run that was not refused used values the classes take
    }
    strips_ = options_.range ? std::vector{*options_.range} : defaultStrips(*classes);
    // The running head is painted by paintPage(), which knows the page.
    SheetPages pages(
        {QFontMetricsF(sheetFont(kHeadPoints, true), &sheetMetrics()).height(), nullptr, 2 * kGap});
    const bool columns = classes->classes().size() <= RemainderPicture::kMostColumns;
    layOutHeader(pages, *classes, columns);
    if (isWhyKind(options_.kind)) {
        layOutWhy(pages, *classes);
    } else {
        layOutChart(pages, *classes);
    }
    pages_ = pages.pages();
}

void Worksheet::layOutHeader(SheetPages& pages, const RemainderClasses& classes,
                             bool columns) const {
    const double width = SheetPages::textArea().width();
    SheetBlock title = textBlock(sheetTitle(run_.values), sheetFont(kTitlePoints, true), width);
    title.spaceAfter = kGap;
    pages.add(title);
    if (options_.nameLine) {
        SheetBlock name = nameLineBlock(width);
        name.spaceAfter = kGap;
        pages.add(name);
    }
    SheetBlock task =
        textBlock(sheetTask(options_.kind, classes, columns), sheetFont(kTaskPoints), width);
    task.spaceAfter = 2 * kGap;
    pages.add(task);
}

void Worksheet::layOutChart(SheetPages& pages, const RemainderClasses& classes) {
    const double width = SheetPages::textArea().width();
    if (options_.kind == SheetKind::Solution) {
        const QStringList lines = solutionLines(classes, run_.reachable);
        for (qsizetype k = 0; k < lines.size(); ++k) {
            SheetBlock line = textBlock(lines[k], sheetFont(kTextPoints), width);
            line.spaceAfter = k + 1 < lines.size() ? kGap / 2 : 2 * kGap;
            pages.add(line);
        }
    }
    // The strips no higher than the room the header leaves, nor than a later page's.
    const double room = std::min(pages.roomLeft(), SheetPages::textArea().height() - 4 * kGap);
    chart_.emplace(run_.chart,
                   StripOptions{.strips = strips_,
                                .width = static_cast<int>(width),
                                .mostHeight = static_cast<int>(room),
                                .pupil = options_.kind == SheetKind::Exercise,
                                .ground = options_.whiteGround ? palette::white : palette::ground});
    for (std::size_t k = 0; k < chart_->stripCount(); ++k) {
        const auto [page, rect] = pages.add({static_cast<double>(chart_->stripHeight()),
                                             [this, k](QPainter& p, const QRectF& r) {
                                                 p.save();
                                                 p.translate(r.topLeft());
                                                 chart_->paintStrip(p, k);
                                                 p.restore();
                                             },
                                             kGap});
        stripPlaces_.emplace_back(page, rect.topLeft());
    }
    if (options_.kind == SheetKind::Exercise) {
        pages.add(answerBlock(answerCaption(), width, 2));
    }
}

void Worksheet::layOutWhy(SheetPages& pages, const RemainderClasses& classes) const {
    const double width = SheetPages::textArea().width();
    const bool teacher = options_.kind == SheetKind::Why;
    std::vector<SheetBlock> after;
    if (teacher) {
        const WhyWording wording = windowWhyWording();
        std::vector<std::string> sentences = whyArgument(classes, wording);
        sentences.push_back(gapCountSentence(classes, wording));
        for (const std::string& sentence : sentences) {
            after.push_back(
                textBlock(QString::fromStdString(sentence), sheetFont(kTextPoints), width));
            after.back().spaceAfter = kGap / 2;
        }
    } else {
        after.push_back(answerBlock(answerCaption(), width, 2));
    }
    double text = 0;
    for (const SheetBlock& block : after) {
        text += block.height + block.spaceAfter;
    }
    const RemainderPicture picture(
        classes, teacher ? RemainderPicture::Variant::Teacher : RemainderPicture::Variant::Pupil);
    // As high as its columns show well, within what the text leaves of the page.
    double height = std::max(pages.roomLeft() - text - 2 * kGap,
                             kLeastPictureShare * SheetPages::textArea().height());
    if (picture.showsColumns()) {
        height = std::min(height, width / picture.aspect());
    }
    pages.add({height, [picture](QPainter& p, const QRectF& r) { picture.paint(p, r); }, 2 * kGap});
    for (SheetBlock& block : after) {
        pages.add(std::move(block));
    }
}

void Worksheet::paintPage(std::size_t page, QPainter& painter) const {
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), SheetPages::pageSize()), palette::white);
    for (const PlacedBlock& block : pages_.at(page)) {
        if (block.paint) {
            block.paint(painter, block.rect);
            continue;
        }
        // The running head: the title, and where the page stands.
        painter.setFont(sheetFont(kHeadPoints, true));
        painter.setPen(palette::black);
        painter.drawText(block.rect, Qt::AlignLeft | Qt::AlignTop, sheetTitle(run_.values));
        painter.setFont(sheetFont(kHeadPoints));
        painter.drawText(block.rect, Qt::AlignRight | Qt::AlignTop,
                         pageOfPages(page + 1, pages_.size()));
    }
    painter.restore();
}

std::pair<std::size_t, QPointF> Worksheet::locate(std::size_t strip, QPointF chartPoint) const {
    const auto& [page, corner] = stripPlaces_.at(strip);
    return {page, corner + chart_->toStrip(strip, chartPoint)};
}

QSize Worksheet::size() const {
    const QSizeF page = SheetPages::pageSize();
    return {static_cast<int>(std::ceil(page.width())),
            static_cast<int>(std::lround(static_cast<double>(pages_.size()) * page.height()))};
}

std::vector<QRect> Worksheet::pages() const {
    const double height = SheetPages::pageSize().height();
    const auto top = [height](std::size_t k) {
        return static_cast<int>(std::lround(static_cast<double>(k) * height));
    };
    std::vector<QRect> rects;
    for (std::size_t k = 0; k < pages_.size(); ++k) {
        rects.emplace_back(0, top(k), size().width(), top(k + 1) - top(k));
    }
    return rects;
}

void Worksheet::paint(QPainter& painter, const QRect& area, bool /*deviceClips*/) const {
    // Nothing of a page reaches beyond it, also where the device cannot clip. The picture's
    // whole pixels reach a little beyond the last page's edge: white as the paper.
    painter.fillRect(area, palette::white);
    const double height = SheetPages::pageSize().height();
    for (std::size_t k = 0; k < pages_.size(); ++k) {
        const double top = static_cast<double>(k) * height;
        if (top < area.bottom() + 1 && top + height > area.top()) {
            painter.save();
            painter.translate(0, top);
            paintPage(k, painter);
            painter.restore();
        }
    }
}

}  // namespace frankierung
