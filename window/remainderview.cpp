#include "remainderview.h"

#include <QPainter>

#include "palette.h"
#include "remaindertable.h"
#include "whysentences.h"

namespace frankierung {

namespace {

constexpr int kMargin = 8;  // logical pixels of ground around the picture

}  // namespace

RemainderView::RemainderView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 160);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RemainderView::setPicture(std::optional<RemainderPicture> picture) {
    picture_ = std::move(picture);
    update();
}

void RemainderView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette::white);
    if (picture_) {
        picture_->paint(painter, QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin));
    }
}

void RemainderModel::setClasses(const RemainderClasses* classes) {
    beginResetModel();
    classes_ = classes;
    endResetModel();
}

int RemainderModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || classes_ == nullptr ? 0
                                                   : static_cast<int>(classes_->classes().size());
}

int RemainderModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant RemainderModel::data(const QModelIndex& index, int role) const {
    if (classes_ == nullptr || !index.isValid()) {
        return {};
    }
    const RemainderClass& c = classes_->classes().at(static_cast<std::size_t>(index.row()));
    // The class with the largest smallest amount, in the red of the largest gap.
    if (role == Qt::ForegroundRole && &c == &classes_->highest()) {
        return palette::gapRed;
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    switch (index.column()) {
        case 0:
            return QString::number(c.remainder);
        case 1:
            return QString::number(c.smallest);
        default:
            return QString::fromStdString(stampSum(c.counts, classes_->values(), false));
    }
}

QVariant RemainderModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return RemainderTable::headings().at(static_cast<std::size_t>(section));
}

}  // namespace frankierung
