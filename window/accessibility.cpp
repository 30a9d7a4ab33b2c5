#include "accessibility.h"

#include <QHash>
#include <QWidget>

#include "gaps.h"
#include "hintline.h"
#include "numbertext.h"

namespace frankierung {

namespace {

// A text ending in its own full stop gets no second one.
QString joinSentences(const QString& first, const QString& second) {
    if (first.isEmpty()) {
        return second;
    }
    if (second.isEmpty()) {
        return first;
    }
    return first + (first.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ")) +
           second;
}

// The bound boxes right-align their numbers with a leading space; spoken, it is noise.
QString spoken(const std::string& text) {
    const std::string_view kept = trimBlanks(text);
    return QString::fromUtf8(kept.data(), static_cast<qsizetype>(kept.size()));
}

}  // namespace

void describeForScreenReaders(QWidget& window) {
    QHash<QWidget*, QString> hints;
    for (const ControlHint& h : controlHints(window)) {
        // The log's hint sits on its viewport, which screen readers never see on its own.
        QWidget* control = controlOf(h.control);
        hints[control] = joinSentences(hints.value(control), h.text);
    }
    for (auto it = hints.cbegin(); it != hints.cend(); ++it) {
        QWidget* control = it.key();
        const QString description = joinSentences(control->toolTip(), it.value());
        if (!description.isEmpty()) {
            control->setAccessibleDescription(description);
        }
    }
}

void AccessibleSummary::singleRow(Row row, Amount value, std::span<const Amount> /*marks*/) {
    values_.at(static_cast<std::size_t>(row) - 1) = value;
}

void AccessibleSummary::pairRow(Row row, Amount /*p*/, Amount /*q*/, const std::string& boundText,
                                std::span<const Amount> /*marks*/) {
    pairBounds_.at(pairIndex(row)) = boundText;
}

void AccessibleSummary::tripleRow(std::span<const Amount> reachable) {
    gaps_ = gapRanges(reachable);
}

void AccessibleSummary::tripleBound(const std::string& text) {
    tripleBound_ = text;
}

QString AccessibleSummary::text() const {
    QString s = tr("Markenwerte %1, %2 und %3. ").arg(values_[0]).arg(values_[1]).arg(values_[2]);
    s += tr("Stabil ab: A, B %1; B, C %2; C, A %3. ")
             .arg(spoken(pairBounds_[0]), spoken(pairBounds_[1]), spoken(pairBounds_[2]));
    const QString bound = spoken(tripleBound_);
    if (bound == QLatin1String("?")) {
        s +=
            tr("Keine Grenze bis 1000 sicher, ab der jede Zahl mit allen drei Werten "
               "darstellbar ist. ");
    } else {
        s += tr("Jede Zahl ab %1 ist mit allen drei Werten darstellbar. ").arg(bound);
    }
    s += tr("Nicht darstellbar bis %1: %2.")
             .arg(kSurveyEnd)
             .arg(gaps_.empty() ? tr("keine") : QString::fromStdString(gaps_));
    return s;
}

void AccessibleSummary::runEnded() {
    chart_->setAccessibleDescription(text());
}

}  // namespace frankierung
