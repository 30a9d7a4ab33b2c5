#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "appstart.h"
#include "commandline.h"
#include "translations.h"

namespace {

// A command-line tool prints only its own messages: Qt's remarks about the session it runs in
// (no XDG_RUNTIME_DIR under cron or ssh, no fonts cache) are no concern of its caller.
void dropQtMessages(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(qUtf8Printable(message + u'\n'), stderr);
        std::abort();
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit (ulimit -f) the write then fails with a message instead of the
    // signal ending the tool halfway.
    std::signal(SIGXFSZ, SIG_IGN);
    qInstallMessageHandler(dropQtMessages);
    // It shows no window: a display, even a named one that cannot be reached, is not needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    frankierung::installTranslations();
    frankierung::setUpDesignLook();

    // From argv, not QCoreApplication::arguments(): a file name's bytes need not be UTF-8.
    const std::vector<std::string> args(argv + 1, argv + argc);
    return frankierung::finishCommandLine(frankierung::runChartExport(args),
                                          QStringLiteral("frankierung-chart"));
}
