#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    // Test discovery runs the binary without the test's environment; a QApplication without a
    // display would abort there.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
