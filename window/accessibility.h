// What screen readers learn beyond each control's name: its tooltip and hint as description,
// and the chart as text.
#pragma once

#include <QCoreApplication>

#include <QString>
#include <array>
#include <string>

#include "survey.h"

class QWidget;

namespace frankierung {

// Gives every control with a tooltip or a hint an accessible description carrying both.
void describeForScreenReaders(QWidget& window);

// Writes a finished run into the chart's accessible description, e.g. "Markenwerte 6, 10 und
// 15. Stabil ab: A, B 16; ..." — what a sighted user reads off the chart and the bound boxes.
class AccessibleSummary final : public SurveySink {
    Q_DECLARE_TR_FUNCTIONS(AccessibleSummary)

public:
    explicit AccessibleSummary(QWidget* chart) : chart_(chart) {}

    void singleRow(Row row, Amount value, std::span<const Amount> marks) override;
    void pairRow(Row row, Amount p, Amount q, const std::string& boundText,
                 std::span<const Amount> marks) override;
    void tripleRow(std::span<const Amount> reachable) override;
    void tripleBound(const std::string& text) override;
    void runEnded() override;

    [[nodiscard]] QString text() const;

private:
    QWidget* chart_;
    std::array<Amount, 3> values_{};
    std::array<std::string, 3> pairBounds_;
    std::string tripleBound_;
    std::string gaps_;
};

}  // namespace frankierung
