// Display faults mended: five-digit values cut off.

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
// stamp and in the pair panels, in type of 7 points or more.
TEST(Display, FiveDigitValuesShowWhole) {
    test::Window w;
    for (const char* value : {"32767", " 32767", "1000", "6"}) {
        for (int i = 0; i < 3; ++i) {
            w.setText(QString("txtMarke(%1)").arg(i), value);
        }
        w.click("cmdZeigen");
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(QString("„%1“ in %2").arg(value).arg(i).toStdString());
            const QString text = w.text(QString("txtMarke(%1)").arg(i));
            auto* box = w.get(QString("txtMarke(%1)").arg(i));
            EXPECT_GE(ink(box, box->rect().adjusted(3, 3, -3, -3), Qt::white).width() + 2,
                      inkWidth(box->font(), text));
            auto* label = w.get(QString("Label2(%1)").arg(i));
            EXPECT_GE(ink(label, label->rect(), Qt::white).width() + 2,
                      inkWidth(label->font(), text + "c"));
            for (const QWidget* c : {box, label}) {
                EXPECT_GE(c->font().pointSizeF(), 7.0) << c->objectName().toStdString();
            }

            const QString name = QString("pic%1").arg(QStringList{"AB", "BC", "CA"}[i]);
            auto* panel = w.get<PictureBox>(name);
            EXPECT_EQ(w.text(name), text + "-" + text);
            int widest = 0, lines = 0, lineHeight = 0;
            for (const DrawingItem& item : w.drawing(name)) {
                EXPECT_GE(item.font.pointSizeF(), 7.0);
                widest = std::max(widest, inkWidth(item.font, item.text));
                lineHeight = QFontMetrics(item.font).tightBoundingRect("0").height();
                ++lines;
            }
            const QRect seen = ink(panel, panel->innerRect(), panel->backgroundColor());
            EXPECT_GE(seen.width() + 2, widest);
            EXPECT_GE(seen.height() + 2, lines * lineHeight + (lines - 1));  // lines apart
        }
    }
}

}  // namespace
}  // namespace frankierung
