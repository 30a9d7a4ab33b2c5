#include <gtest/gtest.h>

#include <QApplication>

#include "appstart.h"
#include "translations.h"

int main(int argc, char** argv) {
    frankierung::useOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    frankierung::setUpDesignLook();
    frankierung::installTranslations();  // as the programs do
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
