#include <QApplication>
#include <QFont>
#include <cstdio>
#include <string>
#include <vector>

#include "chartexport.h"

int main(int argc, char** argv) {
    // A command-line tool must also work without a desktop, e.g. on a print server.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));

    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto result = frankierung::runChartExport(args);
    std::fwrite(result.out.data(), 1, result.out.size(), stdout);
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return result.exitCode;
}
