#include "notehistory.h"

#include "picturebox.h"

namespace frankierung {

NoteHistory::NoteHistory(PictureBox& chart, QObject* parent) : QObject(parent), chart_(chart) {
    connect(&chart_, &PictureBox::drawingCleared, this, &NoteHistory::forget);
}

void NoteHistory::beginStroke() {
    open_ = chart_.drawing().size();
}

void NoteHistory::strokeGrew() {
    if (open_ && chart_.drawing().size() == *open_ + 1) {
        emit changed();
    }
}

bool NoteHistory::drawing() const {
    return open_ && *open_ < chart_.drawing().size();
}

void NoteHistory::endStroke() {
    // A clear during the stroke (a run lets events through) left no stroke to keep.
    if (drawing()) {
        drawn_.push_back({*open_, chart_.drawing().size()});
        takenBack_.clear();
    }
    open_.reset();
    emit changed();
}

void NoteHistory::takeBack() {
    if (drawn_.empty()) {
        return;
    }
    // Only the drawing's last items can go: a stroke drawn while a run let events through lies
    // under the rows the run drew after it.
    if (drawn_.back().to != chart_.drawing().size()) {
        forget();
        return;
    }
    takenBack_.push_back(chart_.takeItems(drawn_.back().from));
    drawn_.pop_back();
    emit changed();
}

void NoteHistory::bringBack() {
    if (takenBack_.empty()) {
        return;
    }
    const std::size_t from = chart_.drawing().size();
    chart_.putItems(std::move(takenBack_.back()));
    takenBack_.pop_back();
    drawn_.push_back({from, chart_.drawing().size()});
    emit changed();
}

void NoteHistory::forget() {
    open_.reset();
    const bool had = canTakeBack() || canBringBack();
    drawn_.clear();
    takenBack_.clear();
    if (had) {
        emit changed();
    }
}

}  // namespace frankierung
