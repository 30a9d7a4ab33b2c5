#include <gtest/gtest.h>

#include <QApplication>

#include "appstart.h"
#include "translations.h"

int main(int argc, char** argv) {
    // Offscreen unless told otherwise: the tests' pixels must not depend on a desktop.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    frankierung::setUpDesignLook();
    frankierung::installTranslations();  // as the programs do
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
