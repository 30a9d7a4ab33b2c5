#include "pairpanels.h"

#include <QLabel>

#include "design.h"
#include "pairinfo.h"
#include "stampinputs.h"

namespace frankierung {

namespace {

// The stamp values of a pair, first and second, and the remaining one.
std::array<std::size_t, 3> valuesOf(int pair) {
    const auto k = static_cast<std::size_t>(pair);
    return {k, (k + 1) % 3, (k + 2) % 3};
}

std::string nameOf(std::size_t value) {
    return kStampNames.at(value);
}

}  // namespace

PairPanels::PairPanels(QWidget* frame, const StampInputs& stamps, QObject* parent)
    : QObject(parent), stamps_(stamps) {
    struct Design {
        int label;
        double top;
        double labelWidth, labelHeight;
        QColor color;
    };
    const Design rows[3] = {{0, 3660, 375, 255, QColor(0, 0, 0)},
                            {4, 4080, 435, 375, QColor(0, 0, 192)},
                            {5, 4500, 435, 375, QColor(255, 0, 0)}};
    for (int k = 0; k < 3; ++k) {
        const Design& row = rows[k];
        const QString first = QString::fromStdString(nameOf(valuesOf(k)[0]));
        const QString second = QString::fromStdString(nameOf(valuesOf(k)[1]));
        const QString letters = first + second;
        const QString caption = QStringLiteral("%1, %2").arg(first, second);
        QLabel* label = makeLabel(frame, caption, timesFont(9.75), kLegendColor, Qt::AlignLeft);
        describe(label, indexed("Label1", row.label), QStringLiteral("Beschriftung ") + caption);
        label->setGeometry(twipsRect(120, row.top, row.labelWidth, row.labelHeight));

        PictureBox* panel = makePictureBox(frame, row.color, true);
        describe(panel, QStringLiteral("pic") + letters, QStringLiteral("Paarfeld ") + caption);
        panel->canvas().setForeColor(kWhite);
        panel->setCursor(Qt::ArrowCursor);
        panel->setGeometry(twipsRect(540, row.top, 555, 315));
        connect(panel, &PictureBox::mouseMoved, this, [this, k] { emit hovered(k); });
        panels_.at(static_cast<std::size_t>(k)) = panel;

        TextBox* bound = makeTextBox(frame, {{}, std::nullopt, kPanelColor, {}});
        describe(bound, QStringLiteral("Start") + letters,
                 QStringLiteral("Grenze für das Paar ") + caption, QStringLiteral("stabil ab"));
        bound->setCursor(Qt::ArrowCursor);
        bound->setGeometry(twipsRect(1140, row.top, 495, 315));
        bounds_.at(static_cast<std::size_t>(k)) = bound;
    }

    QLabel* all =
        makeLabel(frame, QStringLiteral("A, B, C"), timesFont(12), kLegendColor, Qt::AlignLeft);
    describe(all, QStringLiteral("Label1(6)"), QStringLiteral("Beschriftung A, B, C"));
    all->setGeometry(twipsRect(120, 5100, 915, 375));

    bounds_[3] = makeTextBox(frame, {{}, std::nullopt, kPanelColor, {}});
    describe(bounds_[3], QStringLiteral("StartABC"),
             QStringLiteral("Grenze für alle drei Markenwerte"), QStringLiteral("jede Zahl ab"));
    bounds_[3]->setGeometry(twipsRect(1140, 5100, 495, 315));
}

void PairPanels::clear() {
    for (PictureBox* panel : panels_) {
        panel->canvas().cls();
    }
}

QString PairPanels::line(int pair) const {
    const auto [first, second, third] = valuesOf(pair);
    const auto text = [this](std::size_t value) {
        return stamps_.text(static_cast<int>(value)).toStdString();
    };
    const std::string a = text(first), b = text(second), c = text(third);
    const std::string bound = bounds_.at(first)->text().toStdString();
    const std::string boundName = "Grenze " + nameOf(first) + ", " + nameOf(second);
    const std::string boundLabel =
        "S((" + nameOf(first) + nameOf(second) + ")," + nameOf(third) + ")";
    const PairLine line = pairInfoLine(
        {a, b, c, bound},
        {kStampNames[first], kStampNames[second], kStampNames[third], boundName, boundLabel});
    return QString::fromStdString(line.text);
}

void PairPanels::pairRowsStarting() {
    for (int k = 0; k < 3; ++k) {
        PictureBox* panel = panels_.at(static_cast<std::size_t>(k));
        panel->canvas().cls();
        panel->canvas().print(stamps_.text(k) + QLatin1Char('-') + stamps_.text((k + 1) % 3));
    }
}

void PairPanels::pairRow(Row row, Amount, Amount, const std::string& boundText,
                         std::span<const Amount>) {
    bounds_.at(pairIndex(row))->setText(QString::fromStdString(boundText));
}

void PairPanels::tripleBound(const std::string& text) {
    bounds_[3]->setText(QString::fromStdString(text));
}

}  // namespace frankierung
