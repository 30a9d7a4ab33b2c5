#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <cstdio>
#include <optional>

#include "appstart.h"
#include "mainwindow.h"
#include "translations.h"

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Window)
};
}  // namespace

int main(int argc, char* argv[]) {
    const bool display = frankierung::displayNamed(argc, argv);
    if (!display) {
        // Enough to answer --help and --version; the window itself needs a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    std::optional<frankierung::DisplayFailureGuard> guard(std::in_place);
    QApplication app(argc, argv);
    guard.reset();
    frankierung::installTranslations();

    // Qt has taken its own options (-platform, -reverse, -style …) out of the arguments.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Texts::tr("Lehrprogramm zum Frankierungsproblem: Welche Beträge N lassen sich als "
                  "N = xA + yB + zC\nmit ganzen x, y, z ≥ 0 frankieren? Dazu gelten die "
                  "Optionen von Qt, etwa -platform NAME\nund -reverse (siehe --help-all)."));
    auto answer = frankierung::answerCommandLine(parser, QCoreApplication::arguments());
    if (!answer && !parser.positionalArguments().isEmpty()) {
        answer = {
            1,
            {},
            (Texts::tr("Unerwartetes Argument: %1\n").arg(parser.positionalArguments().first()) +
             frankierung::helpPointer(QCoreApplication::arguments()))
                .toStdString()};
    }
    if (!answer && !display) {
        answer = {1, {}, (frankierung::noDisplayMessage() + u'\n').toStdString()};
    }
    if (answer) {
        std::fputs(answer->out.c_str(), stdout);
        std::fputs(answer->err.c_str(), stderr);
        return answer->exitCode;
    }
    frankierung::setUpDesignLook();

    frankierung::MainWindow window;
    frankierung::showCoveringScreen(window);
    return QApplication::exec();
}
