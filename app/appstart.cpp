#include "appstart.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace frankierung {

void useOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

void setUpDesignLook() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

namespace {

// The one place that decides the language of Qt's own texts.
QLocale uiLocale() {
    return QLocale(QLocale::German, QLocale::Germany);
}

QtMessageHandler previousHandler = nullptr;

void endOnDisplayFailure(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(qUtf8Printable(noDisplayMessage() + u'\n'), stderr);
        std::_Exit(1);
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    } else {
        std::fputs(qUtf8Printable(qFormatLogMessage(type, context, message) + u'\n'), stderr);
    }
}

}  // namespace

bool installQtTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(uiLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

QString projectVersion() {
    return QStringLiteral(FRANKIERUNG_VERSION);
}

QString helpPointer(const QStringList& args) {
    const QString program = args.isEmpty() ? QString() : QFileInfo(args.first()).fileName();
    return QStringLiteral("Hilfe: %1 --help\n").arg(program);
}

std::optional<CommandLineAnswer> answerCommandLine(QCommandLineParser& parser,
                                                   const QStringList& args) {
    parser.addHelpOption();
    parser.addVersionOption();
    if (!parser.parse(args)) {
        const QStringList unknown = parser.unknownOptionNames();
        QString message = parser.errorText();
        if (!unknown.isEmpty()) {
            const QString& name = unknown.first();
            message = QStringLiteral("Unbekannte Option: %1%2")
                          .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
        }
        return CommandLineAnswer{1, {}, message + u'\n' + helpPointer(args)};
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        parser.process(args);  // prints the help with Qt's own options and ends the program
    }
    if (parser.isSet(QStringLiteral("help"))) {
        return CommandLineAnswer{0, parser.helpText(), {}};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        const QString program = QFileInfo(args.value(0)).fileName();
        return CommandLineAnswer{0, program + u' ' + projectVersion() + u'\n', {}};
    }
    return std::nullopt;
}

bool displayNamed(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

DisplayFailureGuard::DisplayFailureGuard() {
    previousHandler = qInstallMessageHandler(endOnDisplayFailure);
}

DisplayFailureGuard::~DisplayFailureGuard() {
    qInstallMessageHandler(previousHandler);
}

QString noDisplayMessage() {
    return QStringLiteral(
        "Keine Anzeige gefunden: Das Fenster braucht eine grafische Sitzung (DISPLAY oder "
        "WAYLAND_DISPLAY).");
}

}  // namespace frankierung
