#include "survey.h"

#include <algorithm>
#include <cmath>

#include "numbertext.h"
#include "pairs.h"

namespace frankierung {

void SinkList::processEvents() {
    for (auto* s : sinks_)
        s->processEvents();
}
void SinkList::refused(const StampRefusal& refusal) {
    for (auto* s : sinks_)
        s->refused(refusal);
}
void SinkList::runStarted() {
    for (auto* s : sinks_)
        s->runStarted();
}
void SinkList::singleRow(Row row, Amount value, std::span<const Amount> marks) {
    for (auto* s : sinks_)
        s->singleRow(row, value, marks);
}
void SinkList::pairRowsStarting() {
    for (auto* s : sinks_)
        s->pairRowsStarting();
}
void SinkList::pairRow(Row row, Amount p, Amount q, const std::string& boundText,
                       std::span<const Amount> marks) {
    for (auto* s : sinks_)
        s->pairRow(row, p, q, boundText, marks);
}
void SinkList::tripleStarting() {
    for (auto* s : sinks_)
        s->tripleStarting();
}
void SinkList::representation(const Representation& r) {
    for (auto* s : sinks_)
        s->representation(r);
}
void SinkList::tripleRow(std::span<const Amount> reachable) {
    for (auto* s : sinks_)
        s->tripleRow(reachable);
}
void SinkList::tripleBound(const std::string& text) {
    for (auto* s : sinks_)
        s->tripleBound(text);
}
void SinkList::runEnded() {
    for (auto* s : sinks_)
        s->runEnded();
}

namespace {

// A stamp value as the run uses it once values below 1 have been fixed to 1. Reading through
// the clamp keeps every loop bounded even should a box change behind the run's back.
Amount stampValue(const SurveyBoxes& boxes, int index) {
    return static_cast<Amount>(
        std::clamp(std::round(numericValue(boxes.stampText(index))), 1.0, double{kLargestStamp}));
}

// The fewest steps of d that reach n, none when n is not above zero.
Amount stepsToReach(Amount n, Amount d) {
    return n <= 0 ? 0 : (n + d - 1) / d;
}

}  // namespace

std::optional<StampRefusal> stampRefusal(const SurveyBoxes& boxes) {
    for (int i = 0; i < 3; ++i) {
        const std::string text = boxes.stampText(i);
        const double v = numericValue(text);
        // "2,5" and "7x" would run as 2 and 7, values nobody typed; a text without any number
        // is no value at all and becomes 1 below.
        const std::size_t read = numberLength(text);
        const bool textAfterNumber = read > 0 && read < text.size();
        if (textAfterNumber || !(v < 1 || inPairDomain(v))) {
            return StampRefusal{i, shortenedForMessage(text)};
        }
    }
    return std::nullopt;
}

void Survey::run(SurveyBoxes& boxes, SurveySink& sink) {
    sink.processEvents();
    if (const auto refusal = stampRefusal(boxes)) {
        sink.refused(*refusal);
        return;
    }
    sink.runStarted();

    // Values below 1 (also empty and non-numeric texts) become "1".
    for (int i = 0; i < 3; ++i) {
        if (numericValue(boxes.stampText(i)) < 1) {
            boxes.setStampText(i, "1");
        }
    }

    // No events are processed from here to the triple enumeration, so the texts cannot change.
    const std::array<Amount, 3> v{stampValue(boxes, 0), stampValue(boxes, 1), stampValue(boxes, 2)};

    for (int i = 0; i < 3; ++i) {
        marks_.clear();
        for (Amount k = 0; k <= kSurveyEnd; k += v[static_cast<std::size_t>(i)]) {
            marks_.push_back(k);
        }
        sink.singleRow(static_cast<Row>(i + 1), v[static_cast<std::size_t>(i)], marks_);
    }

    sink.pairRowsStarting();
    for (int i = 0; i < 3; ++i) {
        const Amount p = v[static_cast<std::size_t>(i)];
        const Amount q = v[static_cast<std::size_t>((i + 1) % 3)];
        const std::string bound = signedNumberText(
            static_cast<double>(*stabilAb(static_cast<double>(p), static_cast<double>(q))));
        marks_.clear();
        // The inner bound is P, not Q: that is enough to reach every sum below 1000.
        for (Amount s = 0; s <= kSurveyEnd / p; ++s) {
            for (Amount j = 0; j <= p; ++j) {
                marks_.push_back(s * p + j * q);
            }
        }
        sink.pairRow(static_cast<Row>(i + 4), p, q, bound, marks_);
    }

    sink.tripleStarting();
    fillTable(v[0], v[1], v[2]);
    findRepresentations(boxes, sink, v[0], v[1], v[2]);

    letzteLuecke_ = 0;
    marks_.clear();
    for (int n = 0; n <= kSurveyEnd; ++n) {
        if (darstellbar_[static_cast<std::size_t>(n)] == 1) {
            marks_.push_back(n);
        } else {
            letzteLuecke_ = n;
        }
    }
    sink.tripleRow(marks_);
    sink.tripleBound(startAbcText(letzteLuecke_, v[0], v[1], v[2]));
    sink.runEnded();
}

// Every representation can be traded into one with z < B and y < A (B stamps of C for C of B,
// then A stamps of B for B of A), which the enumeration box x <= 1000/A, y <= A, z <= B holds;
// so the box reaches exactly the amounts reachable at all, which this table marks directly.
void Survey::fillTable(Amount a, Amount b, Amount c) {
    darstellbar_.fill(0);
    darstellbar_[0] = 1;
    for (Amount n = 1; n <= kSurveyEnd; ++n) {
        for (const Amount step : {a, b, c}) {
            if (n >= step && darstellbar_[static_cast<std::size_t>(n - step)] == 1) {
                darstellbar_[static_cast<std::size_t>(n)] = 1;
                break;
            }
        }
    }
}

// The triples x <= 1000/A, y <= A, z <= B in ascending order whose sum equals the amount in
// the amount box. That text can only change where events are processed, at the start of each
// pass of x, so it is read once per pass; for each y at most one z fits.
void Survey::findRepresentations(SurveyBoxes& boxes, SurveySink& sink, Amount a, Amount b,
                                 Amount c) {
    const Amount largestRest = a * b + b * c;  // y*B + z*C at most
    for (Amount x = 0; x <= kSurveyEnd / a; ++x) {
        sink.processEvents();
        std::string text = boxes.targetText();
        const double target = numericValue(text);
        // Sums are whole, so only a whole target in reach can equal one exactly.
        const double restValue = target - static_cast<double>(x * a);
        if (!(restValue >= 0 && restValue <= static_cast<double>(largestRest)) ||
            std::trunc(restValue) != restValue) {
            continue;
        }
        const auto rest = static_cast<Amount>(restValue);
        const Amount yFirst = stepsToReach(rest - b * c, b);
        const Amount yLast = std::min<Amount>(a, rest / b);
        for (Amount y = yFirst; y <= yLast; ++y) {
            const Amount r = rest - y * b;
            if (r % c == 0) {
                sink.representation(Representation{x, y, r / c, text, {a, b, c}});
            }
        }
    }
}

std::string Survey::startAbcText(int letzteLuecke, Amount a, Amount b, Amount c) {
    const int start = letzteLuecke + 1;
    if (start >= kSurveyEnd) {
        return "?";
    }
    // A run of m reachable amounts (m the smallest value) ending at 1000 carries on for ever.
    if (kSurveyEnd - letzteLuecke >= std::min({a, b, c})) {
        return plainNumberText(start);
    }
    const auto gap = largestGap(a, b, c);
    if (!gap || *gap > kSurveyEnd) {
        return "?";
    }
    return plainNumberText(start);
}

}  // namespace frankierung
