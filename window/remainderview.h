// The remainder picture on screen: a widget that paints it into its whole area, and the classes
// as a table model for more classes than the picture has columns for.
#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <optional>

#include "remainderpicture.h"

namespace frankierung {

class RemainderView final : public QWidget {
    Q_OBJECT
public:
    explicit RemainderView(QWidget* parent = nullptr);
    void setPicture(std::optional<RemainderPicture> picture);
    [[nodiscard]] const std::optional<RemainderPicture>& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<RemainderPicture> picture_;
};

// One row per class: the remainder, its smallest payable amount, the stamps that pay it.
class RemainderModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    // The classes must outlive the model's use of them, until the next call.
    void setClasses(const RemainderClasses* classes);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    const RemainderClasses* classes_ = nullptr;
};

}  // namespace frankierung
