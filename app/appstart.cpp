#include "appstart.h"

#include "pairs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <cerrno>
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

// The texts in the user's language; German is the source.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Start)
};

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

QString stampName(int index) {
    return QString::fromLatin1(kStampNames.at(static_cast<std::size_t>(index)));
}

QString refusalText(const StampRefusal& refusal) {
    return Texts::tr("Markenwert %1 = „%2“ geht nicht: erlaubt sind ganze Zahlen von 1 bis %3.")
        .arg(stampName(refusal.box), QString::fromStdString(refusal.text))
        .arg(kLargestStamp);
}

QString projectVersion() {
    return QStringLiteral(FRANKIERUNG_VERSION);
}

QString helpPointer(const QStringList& args) {
    const QString program = args.isEmpty() ? QString() : QFileInfo(args.first()).fileName();
    return Texts::tr("Hilfe: %1 --help\n").arg(program);
}

std::optional<ProgramOutcome> answerCommandLine(QCommandLineParser& parser,
                                                const QStringList& args) {
    parser.addHelpOption();
    parser.addVersionOption();
    if (!parser.parse(args)) {
        const QStringList unknown = parser.unknownOptionNames();
        QString message = parser.errorText();
        if (!unknown.isEmpty()) {
            const QString& name = unknown.first();
            message = Texts::tr("Unbekannte Option: %1%2")
                          .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
        }
        return ProgramOutcome{1, {}, (message + u'\n' + helpPointer(args)).toStdString()};
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        parser.process(args);  // prints the help with Qt's own options and ends the program
    }
    if (parser.isSet(QStringLiteral("help"))) {
        return ProgramOutcome{0, parser.helpText().toStdString(), {}};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        const QString program = QFileInfo(args.value(0)).fileName();
        return ProgramOutcome{0, (program + u' ' + projectVersion() + u'\n').toStdString(), {}};
    }
    return std::nullopt;
}

int finishCommandLine(const ProgramOutcome& outcome, const QString& program) {
    return finishProgram(outcome, [&program](int error) {
        QString why;
        if (error == ENOSPC) {
            why = Texts::tr(" (kein Platz mehr auf dem Datenträger)");
        } else if (error == EBADF) {
            why = Texts::tr(" (die Standardausgabe ist geschlossen)");
        }
        return Texts::tr("%1: Die Ausgabe konnte nicht geschrieben werden%2.\n")
            .arg(program, why)
            .toStdString();
    });
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
    return Texts::tr(
        "Keine Anzeige gefunden: Das Fenster braucht eine grafische Sitzung (DISPLAY oder "
        "WAYLAND_DISPLAY).");
}

}  // namespace frankierung
