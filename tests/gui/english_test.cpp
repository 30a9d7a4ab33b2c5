// The window in English: run with an environment that asks for it (see CMakeLists.txt); in the
// German runs of the whole suite it is skipped.
#include "window.h"

namespace frankierung {
namespace {

TEST(InEnglish, TheWindowSpeaksEnglishThroughout) {
    if (test::suiteInGerman()) {
        GTEST_SKIP() << "the suite runs in German";
    }
    test::Window w;
    EXPECT_EQ(w.form.windowTitle(), "Postage problem with 3 stamps:     N = xA + yB + zC");

    test::Window::hover(w.get("cmdZeigen"), {3, 3});
    EXPECT_EQ(w.text("txtPos"), "Draw the chart, work out the bounds");
    w.click("cmdZeigen");
    test::Window::hover(w.get("picAB"), {5, 5});
    EXPECT_EQ(w.text("txtPos"), "gcd = 2,  lcm = 30,  S((AB),C) = 30");
    EXPECT_TRUE(w.chart()->accessibleDescription().startsWith("Stamp values 6, 10 and 15."));
    EXPECT_TRUE(w.text("picGraph").contains("all")) << w.text("picGraph").toStdString();
    w.click("cmdWarum");
    EXPECT_EQ(w.get("frmWarum")->windowTitle() + '|' + w.text("lblUrteil"),
              "Why? – 6, 10, 15|200 can be paid, for example 200 = 0·6 + 2·10 + 12·15.");

    test::MessageAnswerer answer;
    w.setText("txtMarke(0)", "2.5");
    w.click("cmdZeigen");
    EXPECT_EQ(answer.seen.join('|'),
              "Stamp value not allowed: Stamp value A = “2.5” cannot be used: only whole numbers "
              "from 1 to 32767 are allowed.");
}

}  // namespace
}  // namespace frankierung
