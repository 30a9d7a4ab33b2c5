// Start-up: arrange, draw the chart once, explain it, and put the stamps at their values.
#include <QFontMetricsF>
#include <QScrollBar>
#include <algorithm>

#include "form1.h"
#include "logcolumn.h"
#include "numbertext.h"
#include "stampinputs.h"

namespace frankierung {

namespace {

struct Note {
    double x, y;
    QString text;
};

}  // namespace

void Form1::Form_Load() {
    setMinimumSize(kMinimumWindowWidth, kMinimumWindowHeight);
    arrangeForm();
    picGraph->canvas().setFontSize(10);
    cmdZeigen_Click();

    const Note notes[] = {
        {2, 16, QStringLiteral("Obere 3 Zeilen: Nur einen Markenwert verwenden")},
        {3, 17, QStringLiteral("Mittlere 3 Zeilen: Nur zwei Markenwerte verwenden")},
        {4, 18, QStringLiteral("Untere Zeile: Alle drei Markenwerte verwenden")},
        {2, 19,
         QStringLiteral("Bedienung: Eingabe der Markenwerte unter dem Posthorn, dann auf "
                        "'zeigen' klicken.")},
    };
    // On a small screen the notes take a smaller type, so that they end before the log. Bold
    // stays on as the rendering left it.
    const double logLeft = column_->logLeft() - picGraph->x();
    const auto fit = [&](double points) {
        QFont font = picGraph->font();
        font.setPointSizeF(points);
        font.setBold(picGraph->canvas().fontBold());
        const QFontMetricsF metrics(font, picGraph);
        return std::all_of(std::begin(notes), std::end(notes), [&](const Note& n) {
            return picGraph->scale().toPixels({n.x, 0}).x() + metrics.horizontalAdvance(n.text) <=
                   logLeft;
        });
    };
    double points = 12;
    while (points - 0.25 >= kSmallestCaptionPoints && !fit(points)) {
        points -= 0.25;
    }
    picGraph->canvas().setFontSize(points);
    for (const Note& n : notes) {
        picGraph->canvas().setForeColor(n.y < 19 ? QColor(0, 0, 200) : QColor(0, 0, 0));
        picGraph->canvas().setCurrentX(n.x);
        picGraph->canvas().setCurrentY(n.y);
        picGraph->canvas().print(n.text);
    }
    picGraph->canvas().setFontSize(10);

    picContainer->setChildLeft(picGraph, 16);
    for (std::size_t k = 0; k < Picture1.size(); ++k) {
        picGraph->setChildLeft(Picture1[k],
                               numericValue(stamps_->text(static_cast<int>(k)).toStdString()));
    }
}

}  // namespace frankierung
