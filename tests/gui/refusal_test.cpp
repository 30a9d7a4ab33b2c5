// A stamp text with anything but blanks after its number is refused by the window, the survey
// driver and the worksheet export alike, in the same words.
#include <QTemporaryDir>

#include "commandline.h"
#include "window.h"

namespace frankierung {
namespace {

// "2,5" and "7x" ran as 2 and 7; now every tool refuses them in the same words as "2.5".
TEST(Refusal, TextAfterTheNumberIsRefusedAlikeEverywhere) {
    test::Window w;
    test::MessageAnswerer answer;
    const QTemporaryDir dir;
    for (const char* text : {"2.5", "2,5", "7x", "-5x", "1e"}) {
        SCOPED_TRACE(text);
        const QString log = w.text("txtLog");
        const auto drawn = w.drawing().size();
        w.setText("txtMarke(1)", text);
        w.click("cmdZeigen");
        const auto driver = runDriver(std::vector<std::string>{"--json", "--", "6", text, "15"});
        const std::vector<std::string> exportArgs{
            "-o", dir.filePath("x.png").toStdString(), "--", "6", text, "15"};
        const auto exported = runChartExport(exportArgs);
        EXPECT_EQ(std::pair(driver.exitCode, exported.exitCode), std::pair(2, 2));
        EXPECT_EQ(driver.err, exported.err);
        EXPECT_TRUE(driver.err.starts_with(std::string("Markenwert B = „") + text + "“ geht nicht"))
            << driver.err;
        ASSERT_FALSE(answer.seen.isEmpty());
        EXPECT_EQ(answer.seen.takeLast(),
                  QString::fromStdString("Markenwert nicht zulässig: " +
                                         driver.err.substr(0, driver.err.size() - 1)));
        EXPECT_EQ(std::pair(w.text("txtLog"), w.drawing().size()), std::pair(log, drawn));
    }
}

}  // namespace
}  // namespace frankierung
