#include "sheettexts.h"

#include <QCoreApplication>
#include <algorithm>

#include "gaps.h"
#include "pairs.h"

namespace frankierung {

namespace {

// The texts in the user's language; German is the source.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

QString number(std::int64_t n) {
    return QString::number(n);
}

// "6 und 10 ab 16 jedes Vielfache von 2".
QString pairBound(std::int64_t p, std::int64_t q) {
    const auto divisor = ggT(static_cast<double>(p), static_cast<double>(q)).value_or(1);
    const auto bound = stabilAb(static_cast<double>(p), static_cast<double>(q)).value_or(0);
    return divisor == 1
               ? Texts::tr("%1 und %2 ab %3 jeder Betrag").arg(number(p), number(q), number(bound))
               : Texts::tr("%1 und %2 ab %3 jedes Vielfache von %4")
                     .arg(number(p), number(q), number(bound), number(divisor));
}

}  // namespace

QString sheetKindName(SheetKind kind) {
    switch (kind) {
        case SheetKind::Diagram:
            return QStringLiteral("diagramm");
        case SheetKind::Exercise:
            return QStringLiteral("uebung");
        case SheetKind::Solution:
            return QStringLiteral("loesung");
        case SheetKind::Why:
            return QStringLiteral("warum");
        case SheetKind::WhyBlank:
            break;
    }
    return QStringLiteral("warum-leer");
}

std::optional<SheetKind> sheetKindNamed(const QString& name) {
    QString plain = name.toLower();
    plain.replace(QStringLiteral("ü"), QStringLiteral("ue"))
        .replace(QStringLiteral("ö"), QStringLiteral("oe"));
    const auto* kind = std::find_if(kSheetKinds.begin(), kSheetKinds.end(),
                                    [&](SheetKind k) { return sheetKindName(k) == plain; });
    return kind != kSheetKinds.end() ? std::optional(*kind) : std::nullopt;
}

QString sheetKindCaption(SheetKind kind) {
    switch (kind) {
        case SheetKind::Diagram:
            return Texts::tr("Diagramm");
        case SheetKind::Exercise:
            return Texts::tr("Übung");
        case SheetKind::Solution:
            return Texts::tr("Lösung");
        case SheetKind::Why:
            return Texts::tr("Warum?");
        case SheetKind::WhyBlank:
            break;
    }
    return Texts::tr("Warum? zum Ausfüllen");
}

QString sheetTitle(const std::array<Amount, 3>& values) {
    return Texts::tr("Frankierung mit %1, %2 und %3")
        .arg(number(values[0]), number(values[1]), number(values[2]));
}

QString pageOfPages(std::size_t page, std::size_t pages) {
    return Texts::tr("Seite %1 von %2").arg(page).arg(pages);
}

QString answerCaption() {
    return Texts::tr("Antwort:");
}

QString sheetTask(SheetKind kind, const RemainderClasses& classes, bool columns) {
    const auto& v = classes.values();
    const QString ordered = Texts::tr(
                                "Die Beträge stehen nach ihrem Rest beim Teilen durch %1 "
                                "in Spalten.")
                                .arg(classes.smallestValue());
    const std::optional<std::int64_t> gap = classes.largestGap();
    switch (kind) {
        case SheetKind::Diagram:
            return Texts::tr(
                       "Lies im Diagramm ab, welche Beträge man mit Marken zu %1, %2 und %3 "
                       "bezahlen kann: in den oberen Zeilen mit einer Sorte, darunter mit "
                       "zwei Sorten, in der untersten Zeile mit allen drei.")
                .arg(number(v[0]), number(v[1]), number(v[2]));
        case SheetKind::Exercise:
        case SheetKind::Solution:
            return Texts::tr(
                "Male in der untersten Zeile jeden Betrag an, den man mit allen drei "
                "Marken bezahlen kann. Welches ist der größte Betrag, den man nicht "
                "bezahlen kann?");
        case SheetKind::Why:
            if (classes.ggT() == 1 && gap) {
                return ordered + u' ' +
                       Texts::tr(
                           "Warum kann man %1 nicht bezahlen, jeden größeren Betrag aber "
                           "schon?")
                           .arg(*gap);
            }
            return ordered + u' ' + Texts::tr("Welche Beträge kann man bezahlen, und warum?");
        case SheetKind::WhyBlank:
            break;
    }
    const QString fill =
        columns ? Texts::tr(
                      "Male jeden Betrag an, den man bezahlen kann, und schreibe unter "
                      "jede Spalte die Marken für ihren kleinsten Betrag.")
                : Texts::tr(
                      "Trage zu jedem Rest den kleinsten Betrag ein, den man bezahlen "
                      "kann, und die Marken dazu.");
    const QString question =
        classes.ggT() == 1
            ? Texts::tr("Welches ist der größte Betrag, den man nicht bezahlen kann?")
            : Texts::tr("Welches ist das größte Vielfache von %1, das man nicht bezahlen kann?")
                  .arg(classes.ggT());
    return ordered + u' ' + fill + u' ' + question;
}

QStringList solutionLines(const RemainderClasses& classes, std::span<const Amount> reachable) {
    const std::int64_t g = classes.ggT();
    const std::optional<std::int64_t> gap = classes.largestGap();
    QStringList lines;
    if (g == 1) {
        lines << (gap ? Texts::tr("Der größte Betrag, den man nicht bezahlen kann, ist %1. Ab %2 "
                                  "kann man jeden Betrag bezahlen.")
                            .arg(*gap)
                            .arg(classes.runStart())
                      : Texts::tr("Man kann jeden Betrag bezahlen."));
    } else {
        lines << Texts::tr(
                     "Alle drei Werte sind durch %1 teilbar: Man kann nur Vielfache von %1 "
                     "bezahlen.")
                         .arg(g) +
                     u' ' +
                     (gap ? Texts::tr("Das größte Vielfache von %1, das man nicht bezahlen kann, "
                                      "ist %2; ab %3 geht jedes.")
                                .arg(g)
                                .arg(*gap)
                                .arg(classes.runStart())
                          : Texts::tr("Jedes Vielfache von %1 kann man bezahlen.").arg(g));
    }
    // Among multiples of the divisor only: the other amounts count as paid for the listing.
    std::vector<Amount> listed(reachable.begin(), reachable.end());
    for (Amount n = 1; g > 1 && n <= kSurveyEnd; ++n) {
        if (n % g != 0) {
            listed.push_back(n);
        }
    }
    if (const std::string gaps = gapRanges(listed); !gaps.empty()) {
        const QString list = QString::fromStdString(gaps);
        const bool whole = gap && *gap <= kSurveyEnd;
        if (g == 1) {
            lines << (whole ? Texts::tr("Diese %1 Beträge kann man nicht bezahlen: %2.")
                                  .arg(classes.gapCount())
                                  .arg(list)
                            : Texts::tr("Bis %1 kann man diese Beträge nicht bezahlen: %2.")
                                  .arg(kSurveyEnd)
                                  .arg(list));
        } else {
            lines << (whole ? Texts::tr("Diese %1 Vielfachen von %2 kann man nicht bezahlen: %3.")
                                  .arg(classes.gapCount())
                                  .arg(g)
                                  .arg(list)
                            : Texts::tr("Bis %1 kann man diese Vielfachen von %2 nicht "
                                        "bezahlen: %3.")
                                  .arg(kSurveyEnd)
                                  .arg(g)
                                  .arg(list));
        }
    }
    const auto& v = classes.values();
    lines << Texts::tr("Mit zwei Sorten: %1; %2; %3.")
                 .arg(pairBound(v[0], v[1]), pairBound(v[1], v[2]), pairBound(v[2], v[0]));
    return lines;
}

}  // namespace frankierung
