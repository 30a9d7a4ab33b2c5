#include <gtest/gtest.h>

#include <QApplication>

#include "appstart.h"

int main(int argc, char** argv) {
    frankierung::useOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    frankierung::setUpDesignLook();
    frankierung::installQtTranslations();  // as the programs do
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
