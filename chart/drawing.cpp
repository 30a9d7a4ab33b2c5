#include "drawing.h"

#include <algorithm>
#include <cmath>

namespace frankierung {

namespace {

// Eight amounts of the chart: a screen's visible part meets a handful of buckets.
constexpr double kBucket = 8.0;
constexpr long kMostBuckets = 16;
// Items further out than this go to the wide list rather than stretch the bucket array.
constexpr long kFarthestBucket = 1L << 20;

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
    // Capacity stays: the next run records as many items into the same buckets again.
    items_.clear();
    for (auto& indices : buckets_) {
        indices.clear();
    }
    wide_.clear();
    widestText_ = 0;
    widestPen_ = 1;
}

std::vector<std::uint32_t>& Drawing::bucket(long b) {
    if (buckets_.empty()) {
        firstBucket_ = b;
    }
    if (b < firstBucket_) {
        buckets_.insert(buckets_.begin(), static_cast<std::size_t>(firstBucket_ - b), {});
        firstBucket_ = b;
    }
    const auto index = static_cast<std::size_t>(b - firstBucket_);
    if (index >= buckets_.size()) {
        buckets_.resize(index + 1);
    }
    return buckets_[index];
}

std::optional<std::pair<long, long>> Drawing::bucketsOf(const DrawingItem& item) {
    const auto [left, right] = extentOf(item);
    const long first = bucketOf(left);
    const long last = bucketOf(right);
    if (last - first >= kMostBuckets || first < -kFarthestBucket || last > kFarthestBucket) {
        return std::nullopt;
    }
    return std::pair(first, last);
}

void Drawing::append(DrawingItem item) {
    const auto index = static_cast<std::uint32_t>(items_.size());
    if (const auto buckets = bucketsOf(item)) {
        for (long b = buckets->first; b <= buckets->second; ++b) {
            bucket(b).push_back(index);
        }
    } else {
        wide_.push_back(index);
    }
    widestText_ = std::max(widestText_, item.textSize.width());
    widestPen_ = std::max(widestPen_, item.penWidth);
    items_.push_back(std::move(item));
}

void Drawing::truncate(std::size_t size) {
    // Indices were listed in ascending order: the latest item ends each of its lists.
    while (items_.size() > size) {
        if (const auto buckets = bucketsOf(items_.back())) {
            for (long b = buckets->first; b <= buckets->second; ++b) {
                buckets_[static_cast<std::size_t>(b - firstBucket_)].pop_back();
            }
        } else {
            wide_.pop_back();
        }
        items_.pop_back();
    }
}

std::vector<std::uint32_t> Drawing::near(double from, double to) const {
    // Marked, then read in order: drawing order without sorting, each item once.
    std::vector<bool> hit(items_.size());
    for (const std::uint32_t i : wide_) {
        hit[i] = true;
    }
    const long last = std::min(bucketOf(to), firstBucket_ + std::ssize(buckets_) - 1);
    for (long b = std::max(bucketOf(from), firstBucket_); b <= last; ++b) {
        for (const std::uint32_t i : buckets_[static_cast<std::size_t>(b - firstBucket_)]) {
            hit[i] = true;
        }
    }
    std::vector<std::uint32_t> found;
    for (std::uint32_t i = 0; i < hit.size(); ++i) {
        if (hit[i]) {
            found.push_back(i);
        }
    }
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
