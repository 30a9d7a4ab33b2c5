#include <QApplication>
#include <QFont>
#include <cstdio>
#include <string>
#include <vector>

#include "appsetup.h"
#include "chartexport.h"

int main(int argc, char** argv) {
    frankierung::useOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    frankierung::setUpDesignLook();

    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto result = frankierung::runChartExport(args);
    std::fwrite(result.out.data(), 1, result.out.size(), stdout);
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return result.exitCode;
}
