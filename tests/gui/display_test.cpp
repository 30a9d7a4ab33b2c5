// Display faults mended: five-digit values cut off, and a window wider than a scaled screen.

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

// The screen here is smaller than the window's designed least size, as a 1280 x 1024 screen at
// scale factor 1.5 is (853 x 683 logical pixels): the window still fits it, also where no window
// manager maximizes it.
TEST(Display, TheWindowNeverExceedsTheScreen) {
    const QRect screen = availableScreenArea();
    ASSERT_LT(screen.width(), kMinimumWindowWidth) << "the test needs a small screen";
    test::Window w(screen.size());
    EXPECT_EQ(w.form.size(), screen.size());
    w.form.resize(1, 1);  // as small as it goes
    EXPECT_TRUE(w.form.width() <= screen.width() && w.form.height() <= screen.height());
    for (const char* name : {"cmdWie", "cmdLoeschen", "txtLog", "txtPos"}) {
        const QWidget* c = w.get(name);
        EXPECT_TRUE(w.form.rect().contains(QRect(c->mapTo(&w.form, QPoint(0, 0)), c->size())))
            << name;
    }
    w.form.resize(screen.size());
    QCoreApplication::processEvents();
    for (const char* name : {"cmdWie", "cmdLoeschen", "txtN"}) {
        const QWidget* c = w.get(name);
        EXPECT_LE(c->fontMetrics().horizontalAdvance(w.text(name)), c->width() - 4) << name;
        EXPECT_GE(c->font().pointSizeF(), 7.0) << name;
    }
}

// Narrower than designed, the window keeps its right column as wide as in the least designed
// window; from there on up the column is the designed 18 hundredths of the container, and the
// legend holds the input frame and the post horn where they were designed.
TEST(Display, NarrowWindowsKeepTheRightColumn) {
    const auto arranged = [](int pixels) {
        const SizeTwips size{pixels * 15.0, 700 * 15.0};
        return arrange(size, size);
    };
    const auto twips = [](const Arrangement& a) { return a.log.width * a.container.width / 100; };
    for (const int wide : {kMinimumWindowWidth, 1280, 1920}) {
        const Arrangement a = arranged(wide);
        EXPECT_EQ(std::pair(a.log.left, a.listButton.left), std::pair(82.0F, 92.0F)) << wide;
        EXPECT_EQ(std::pair(a.frame.left, a.image.left), std::pair(2.0F, 1.0F)) << wide;
    }
    for (const int narrow : {853, 640, 427}) {
        const Arrangement a = arranged(narrow);
        EXPECT_NEAR(twips(a), twips(arranged(kMinimumWindowWidth)), 0.5) << narrow;
        // The column's parts meet one another and the scroll bar, and end at the right edge.
        EXPECT_FLOAT_EQ(a.amountCaption.left, a.log.left) << narrow;
        EXPECT_FLOAT_EQ(a.amountCaption.left + a.amountCaption.width, a.amount.left) << narrow;
        EXPECT_FLOAT_EQ(a.amount.left + a.amount.width, a.listButton.left) << narrow;
        EXPECT_FLOAT_EQ(a.listButton.left + a.listButton.width, a.clearLogButton.left) << narrow;
        EXPECT_FLOAT_EQ(a.clearLogButton.left + a.clearLogButton.width, 100) << narrow;
        EXPECT_FLOAT_EQ(a.scrollBar.left + a.scrollBar.width, a.log.left) << narrow;
    }
}

}  // namespace
}  // namespace frankierung
