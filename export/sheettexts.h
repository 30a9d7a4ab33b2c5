// What a worksheet says: the kinds of sheet and their names, the title, each kind's task, and
// the solution of the exercise, in the user's language.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>

#include "remainders.h"
#include "survey.h"

namespace frankierung {

// The chart with a header; the pupil's chart without the pairs' rows and the row "alle"; the
// full chart with the answers; the remainder picture with its sentences; its pupil's version.
enum class SheetKind { Diagram, Exercise, Solution, Why, WhyBlank };
inline constexpr std::array<SheetKind, 5> kSheetKinds{SheetKind::Diagram, SheetKind::Exercise,
                                                      SheetKind::Solution, SheetKind::Why,
                                                      SheetKind::WhyBlank};

// The remainder picture rather than the chart: no range of amounts.
[[nodiscard]] constexpr bool isWhyKind(SheetKind kind) {
    return kind == SheetKind::Why || kind == SheetKind::WhyBlank;
}

// On the command line: "diagramm", "uebung", "loesung", "warum", "warum-leer".
[[nodiscard]] QString sheetKindName(SheetKind kind);
// By that name in any letter case, "übung" and "lösung" also with their umlauts.
[[nodiscard]] std::optional<SheetKind> sheetKindNamed(const QString& name);
// For a choice in the window: "Diagramm", "Übung", ...
[[nodiscard]] QString sheetKindCaption(SheetKind kind);

// "Frankierung mit 6, 10 und 15".
[[nodiscard]] QString sheetTitle(const std::array<Amount, 3>& values);
// "Seite 2 von 3".
[[nodiscard]] QString pageOfPages(std::size_t page, std::size_t pages);
[[nodiscard]] QString answerCaption();
// The kind's task in plain words. The Why kinds ask about columns unless the classes are too
// many for columns and stand in a table.
[[nodiscard]] QString sheetTask(SheetKind kind, const RemainderClasses& classes, bool columns);
// The answers of the exercise: the largest gap and from where on every amount can be paid, the
// gaps up to 1000 and the pairs' bounds.
[[nodiscard]] QStringList solutionLines(const RemainderClasses& classes,
                                        std::span<const Amount> reachable);

}  // namespace frankierung
