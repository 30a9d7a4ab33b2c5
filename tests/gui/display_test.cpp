// Five-digit stamp values on screen: nothing cut off.

#include "window.h"

namespace frankierung {
namespace {

// The box around the pixels of area that differ clearly from ground: its text as a user sees it.
QRect ink(QWidget* w, const QRect& area, const QColor& ground) {
    const QImage shot = w->grab().toImage();
    QRect found;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green()) +
                    std::abs(c.blue() - ground.blue()) >
                120) {
                found |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

int inkWidth(const QFont& font, const QString& text) {
    return QFontMetrics(font).tightBoundingRect(text.trimmed()).width();
}

// Every value a stamp box allows, as typed or as "+" writes it, shows whole in its box, on its
// stamp, in the pair panels and in the chart's row labels, in type of 7 points or more.
TEST(Display, FiveDigitValuesShowWhole) {
    test::Window w;
    for (const char* value : {" 32767", "1000"}) {
        w.setValues({value, value, value});
        w.click("cmdZeigen");
        SCOPED_TRACE(value);
        auto* box = w.get("txtMarke(1)");
        auto* label = w.get("Label2(1)");
        EXPECT_GE(ink(box, box->rect().adjusted(3, 3, -3, -3), Qt::white).width() + 2,
                  inkWidth(box->font(), value));
        EXPECT_GE(ink(label, label->rect(), Qt::white).width() + 2,
                  inkWidth(label->font(), value + QString("c")));
        EXPECT_GE(std::min(box->font().pointSizeF(), label->font().pointSizeF()), 7.0);
        auto* panel = w.get<PictureBox>("picBC");
        int widest = 0, lines = 0, lineHeight = 0;
        for (const DrawingItem& item : w.drawing("picBC")) {
            EXPECT_GE(item.font.pointSizeF(), 7.0);
            widest = std::max(widest, inkWidth(item.font, item.text));
            lineHeight = QFontMetrics(item.font).tightBoundingRect("0").height();
            ++lines;
        }
        const QRect seen = ink(panel, panel->innerRect(), panel->backgroundColor());
        EXPECT_GE(seen.width() + 2, widest);
        EXPECT_GE(seen.height() + 2, lines * lineHeight + (lines - 1));  // lines apart
        // The chart's row labels end in their column, before the circles at 0 cover them.
        for (const DrawingItem& item : w.drawing()) {
            if (item.mark == DrawingItem::Mark::RowLabel) {
                EXPECT_LE(w.chart()->scale().toPixels(item.p1).x() + item.textSize.width(),
                          w.chart()->scale().toPixels({0, 0}).x())
                    << item.text.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace frankierung
