// The pairs of stamp values: a caption, a coloured panel and a bound box for each pair, and the
// bound box for all three. A run labels the panels and fills the boxes; the mouse over a panel,
// or the keyboard focus moving onto it, asks for its pair's line.
#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "survey.h"

class QWidget;

namespace frankierung {

class PictureBox;
class StampInputs;
class TextBox;

// Pair 0 is A, B; 1 is B, C; 2 is C, A.
class PairPanels final : public QObject, public SurveySink {
    Q_OBJECT
public:
    // Builds the controls in the input frame; the pairs' values are read from stamps.
    PairPanels(QWidget* frame, const StampInputs& stamps, QObject* parent);

    // Erases the panels' labels, which name the values of the last run.
    void clear();
    // Divisor, multiple and the bound for all three values, from the boxes as they stand; or
    // what is wrong with them.
    [[nodiscard]] QString line(int pair) const;

    // Each panel shows its pair as the boxes hold them ("6-10"); the bound boxes the bounds.
    void pairRowsStarting() override;
    void pairRow(Row row, Amount p, Amount q, const std::string& boundText,
                 std::span<const Amount> marks) override;
    void tripleBound(const std::string& text) override;

signals:
    void lineAsked(int pair);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const StampInputs& stamps_;
    std::array<PictureBox*, 3> panels_{};
    std::array<TextBox*, 4> bounds_{};  // the three pairs, then all three
};

}  // namespace frankierung
