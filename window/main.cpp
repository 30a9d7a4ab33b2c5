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

// Qt paints widgets only in part at a scale factor below 1 (QT_SCALE_FACTOR=0.75 leaves most of
// the window black): such a factor is set aside before the application exists. Returns it.
std::optional<QString> setAsideScaleBelowOne() {
    const QString factor = qEnvironmentVariable("QT_SCALE_FACTOR");
    bool ok = false;
    if (const double value = factor.toDouble(&ok); !ok || value >= 1) {
        return std::nullopt;
    }
    qunsetenv("QT_SCALE_FACTOR");
    return factor;
}
}  // namespace

int main(int argc, char* argv[]) {
    const bool display = frankierung::displayNamed(argc, argv);
    if (!display) {
        // Enough to answer --help and --version; the window itself needs a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::optional<QString> scaleSetAside = setAsideScaleBelowOne();
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
        return frankierung::finishCommandLine(*answer, QStringLiteral("frankierung"));
    }
    if (scaleSetAside) {
        std::fputs(qUtf8Printable(Texts::tr("QT_SCALE_FACTOR=%1: Faktoren unter 1 zeichnet Qt nur "
                                            "zum Teil, das Fenster nimmt den Faktor 1.\n")
                                      .arg(*scaleSetAside)),
                   stderr);
    }
    frankierung::setUpDesignLook();

    frankierung::MainWindow window;
    frankierung::showCoveringScreen(window);
    return QApplication::exec();
}
