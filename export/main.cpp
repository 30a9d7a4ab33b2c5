#include <QApplication>
#include <QFont>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "appstart.h"
#include "commandline.h"
#include "translations.h"

int main(int argc, char** argv) {
    // Past a file-size limit (ulimit -f) the write then fails with a message instead of the
    // signal ending the tool halfway.
    std::signal(SIGXFSZ, SIG_IGN);
    frankierung::useOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    frankierung::installTranslations();
    frankierung::setUpDesignLook();

    // From argv, not QCoreApplication::arguments(): a file name's bytes need not be UTF-8.
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto result = frankierung::runChartExport(args);
    std::fwrite(result.out.data(), 1, result.out.size(), stdout);
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return result.exitCode;
}
