#include "drawing.h"

#include <algorithm>
#include <cmath>

namespace frankierung {

namespace {

// Eight amounts of the chart: a screen's visible part meets a handful of buckets.
constexpr double kBucket = 8.0;
constexpr long kMostBuckets = 16;

long bucketOf(double x) {
    // Clamped, so that items far out or at infinity still have a bucket.
    const double b = std::floor(x / kBucket);
    return std::isnan(b) ? 0 : static_cast<long>(std::clamp(b, -1e15, 1e15));
}

// The user x range an item covers, texts by where they start.
std::pair<double, double> extentOf(const DrawingItem& item) {
    switch (item.kind) {
        case DrawingItem::Kind::Line:
        case DrawingItem::Kind::Box:
            return std::minmax(item.p1.x(), item.p2.x());
        case DrawingItem::Kind::Circle:
            return {item.p1.x() - std::abs(item.radius), item.p1.x() + std::abs(item.radius)};
        case DrawingItem::Kind::Text:
            break;
    }
    return {item.p1.x(), item.p1.x()};
}

}  // namespace

void Drawing::clear() {
    *this = Drawing();
}

void Drawing::append(DrawingItem item) {
    const auto index = static_cast<std::uint32_t>(items_.size());
    const auto [left, right] = extentOf(item);
    const long first = bucketOf(left);
    const long last = bucketOf(right);
    if (last - first >= kMostBuckets) {
        wide_.push_back(index);
    } else {
        for (long b = first; b <= last; ++b) {
            buckets_[b].push_back(index);
        }
    }
    widestText_ = std::max(widestText_, item.textSize.width());
    widestPen_ = std::max(widestPen_, item.penWidth);
    items_.push_back(std::move(item));
}

std::vector<std::uint32_t> Drawing::near(double from, double to) const {
    std::vector<std::uint32_t> found = wide_;
    for (auto it = buckets_.lower_bound(bucketOf(from));
         it != buckets_.end() && it->first <= bucketOf(to); ++it) {
        found.insert(found.end(), it->second.begin(), it->second.end());
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

Drawing Drawing::filtered(const std::function<bool(const DrawingItem&)>& keep) const {
    Drawing copy;
    for (const DrawingItem& item : items_) {
        if (keep(item)) {
            copy.append(item);
        }
    }
    return copy;
}

}  // namespace frankierung
