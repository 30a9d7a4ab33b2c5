// The note strokes on the chart, to take back and bring back one at a time, the latest first. A
// stroke is what one press draws until its release. Whatever clears the chart (a run, "Alles",
// "löschen") clears the history with it: the strokes it knew are gone.
#pragma once

#include <QObject>
#include <optional>
#include <vector>

#include "drawing.h"

namespace frankierung {

class PictureBox;

class NoteHistory final : public QObject {
    Q_OBJECT
public:
    NoteHistory(PictureBox& chart, QObject* parent);

    // Around the segments of one stroke, told of each; a stroke without a segment is none.
    void beginStroke();
    void strokeGrew();
    void endStroke();

    // A stroke being drawn counts as drawn: taking back ends it first, and once ended it leaves
    // nothing to bring back.
    [[nodiscard]] bool canTakeBack() const { return !drawn_.empty() || drawing(); }
    [[nodiscard]] bool canBringBack() const { return !takenBack_.empty() && !drawing(); }
    void takeBack();
    void bringBack();

signals:
    // What can be taken back or brought back may have changed.
    void changed();

private:
    void forget();
    // A stroke with segments is being drawn.
    [[nodiscard]] bool drawing() const;

    PictureBox& chart_;
    // A stroke's items in the chart's drawing: from its first segment to the end of its last.
    struct Stroke {
        std::size_t from = 0;
        std::size_t to = 0;
    };
    std::vector<Stroke> drawn_;
    std::vector<std::vector<DrawingItem>> takenBack_;
    std::optional<std::size_t> open_;  // where the stroke being drawn begins
};

}  // namespace frankierung
