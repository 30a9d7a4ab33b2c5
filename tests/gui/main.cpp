#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include "appsetup.h"

int main(int argc, char** argv) {
    frankierung::useOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    frankierung::setUpDesignLook();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
