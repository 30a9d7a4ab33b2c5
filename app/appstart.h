// Start-up every Qt program of the project shares.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "outcome.h"
#include "survey.h"

class QCommandLineParser;

namespace frankierung {

// Without a display (tests, a print server) draw offscreen, where Qt would abort. Call before the
// application object exists.
void useOffscreenWithoutDisplay();

// The design's look: the Fusion style, whose buttons show their colour, and a metric twin for
// "MS Sans Serif", which fontconfig would otherwise replace by some other sans serif.
void setUpDesignLook();

// "A", "B", "C": the name of stamp value 0, 1, 2.
[[nodiscard]] QString stampName(int index);

// The sentence for stamp values a run refuses.
[[nodiscard]] QString refusalText(const StampRefusal& refusal);

// The project's version, as CMake's project() states it.
[[nodiscard]] QString projectVersion();

// Parses args (the program's name first) with the help and version options added. Help, version
// and parse errors get their whole answer; nothing when the program should go on.
[[nodiscard]] std::optional<ProgramOutcome> answerCommandLine(QCommandLineParser& parser,
                                                              const QStringList& args);
// Writes the answer and returns the exit code: 1, with the reason, when standard output does not
// take it (a full disk, a closed descriptor), as the driver does.
[[nodiscard]] int finishCommandLine(const ProgramOutcome& outcome, const QString& program);
// The one line after an error that points to the help.
[[nodiscard]] QString helpPointer(const QStringList& args);

// True when a display is named (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM or -platform); without
// one Qt cannot open a window. Call before the application object exists.
[[nodiscard]] bool displayNamed(int argc, char** argv);

// While alive, a display that is named but cannot be reached ends the program with a German
// message and exit code 1, where Qt would abort with an English one.
class DisplayFailureGuard {
public:
    DisplayFailureGuard();
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;
};

// "Keine Anzeige gefunden …", with the program's name.
[[nodiscard]] QString noDisplayMessage();

}  // namespace frankierung
