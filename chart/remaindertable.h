// The remainder classes as a table, for more classes than a picture has columns for: the
// remainder, its smallest payable amount and the stamps, in as many blocks side by side as read
// best. Painted into any rectangle of any paint device.
#pragma once

#include <QCoreApplication>
#include <QRectF>
#include <QString>
#include <array>

#include "remainders.h"

class QPainter;

namespace frankierung {

class RemainderTable {
    Q_DECLARE_TR_FUNCTIONS(RemainderTable)

public:
    // At most this many rows in one block; what does not fit is counted in a last row, after
    // which the class with the largest smallest amount follows.
    static constexpr std::int64_t kMostRowsPerBlock = 50;
    static constexpr std::int64_t kMostBlocks = 4;

    // Without filled, the amounts and stamps are left blank for pupils to fill in. The classes
    // must outlive the table.
    RemainderTable(const RemainderClasses& classes, bool filled);

    void paint(QPainter& painter, const QRectF& area) const;

    // The columns' headings: remainder, smallest amount, stamps.
    [[nodiscard]] static std::array<QString, 3> headings();

private:
    const RemainderClasses& classes_;
    bool filled_;
};

}  // namespace frankierung
