// Start-up: arrange, draw the chart once, explain it, and put the stamps at their values.
#include <QScrollBar>

#include "form1.h"
#include "numbertext.h"

namespace frankierung {

void Form1::Form_Load() {
    arrangeForm();
    picGraph->setFontSize(10);
    cmdZeigen_Click();

    // Bold stays on as the rendering left it.
    picGraph->setFontSize(12);
    picGraph->setForeColor(QColor(0, 0, 200));
    const auto printAt = [this](double x, double y, const QString& text) {
        picGraph->setCurrentX(x);
        picGraph->setCurrentY(y);
        picGraph->print(text);
    };
    printAt(2, 16, QStringLiteral("Obere 3 Zeilen: Nur einen Markenwert verwenden"));
    printAt(3, 17, QStringLiteral("Mittlere 3 Zeilen: Nur zwei Markenwerte verwenden"));
    printAt(4, 18, QStringLiteral("Untere Zeile: Alle drei Markenwerte verwenden"));
    picGraph->setForeColor(QColor(0, 0, 0));
    printAt(2, 19,
            QStringLiteral("Bedienung: Eingabe der Markenwerte unter dem Posthorn, dann auf "
                           "'zeigen' klicken."));
    picGraph->setFontSize(10);

    picContainer->setChildLeft(picGraph, 16);
    for (std::size_t k = 0; k < Picture1.size(); ++k) {
        picGraph->setChildLeft(Picture1[k], numericValue(txtMarke[k]->text().toStdString()));
    }
    const QColor light(240, 240, 240);
    setBackground(txtLog, light);
    setBackground(cmdWie, light);
    setBackground(cmdLoeschen, light);
}

}  // namespace frankierung
