#include "whywording.h"

#include <QCoreApplication>
#include <array>

namespace frankierung {

namespace {

// In the order of WhyPhrase; German is the source, as in the driver's table.
constexpr std::array<const char*, static_cast<std::size_t>(WhyPhrase::TooLarge) + 1> kPhrases{
    QT_TRANSLATE_NOOP("WhyWording",
                      "Alle drei Werte sind durch 2 teilbar: nur gerade Beträge "
                      "lassen sich frankieren, ungerade nie."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Alle drei Werte sind durch %1 teilbar: nur Vielfache von %1 "
                      "lassen sich frankieren, andere Beträge nie."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Geteilt durch %1 sind die Werte %2, %3 und %4 mit der "
                      "größten Lücke %5; mal %1 genommen ist das %6."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Geteilt durch %1 sind die Werte %2, %3 und %4; einer davon "
                      "ist 1."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Ein Wert ist %1: Mit Marken zu %1 lässt sich jeder Betrag "
                      "frankieren, es gibt keine Lücke."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Ein Wert ist 2: Mit Marken zu 2 lässt sich jeder gerade "
                      "Betrag frankieren, unter ihnen gibt es keine Lücke."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Ein Wert ist %1: Mit Marken zu %1 lässt sich jedes Vielfache "
                      "von %1 frankieren, unter ihnen gibt es keine Lücke."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Der kleinste Wert ist %1. Wir ordnen die Beträge nach ihrem "
                      "Rest beim Teilen durch %1 in %2 Spalten: Rest %3."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Der kleinste Wert ist %1. Wir ordnen die geraden Beträge "
                      "nach ihrem Rest beim Teilen durch %1 in %2 Spalten: Rest %3."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Der kleinste Wert ist %1. Wir ordnen die Vielfachen von %4 "
                      "nach ihrem Rest beim Teilen durch %1 in %2 Spalten: Rest %3."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Geht ein Betrag, dann auch jeder weitere seiner Spalte: mit "
                      "je einer Marke zu %1 mehr."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "In jeder Spalte entscheidet also ihr kleinster frankierbarer "
                      "Betrag: Von ihm an geht jeder Betrag der Spalte, vor ihm keiner."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Die kleinsten frankierbaren Beträge der Spalten sind %1. Der "
                      "größte von ihnen ist %2."),
    QT_TRANSLATE_NOOP("WhyWording", "%2 bei Rest %1"),
    QT_TRANSLATE_NOOP("WhyWording", "Rest %1: %2"),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Die kleinsten frankierbaren Beträge der %1 Spalten stehen in "
                      "der Übersicht; der größte von ihnen ist %2 = %3 mit Rest %4."),
    QT_TRANSLATE_NOOP(
        "WhyWording",
        "Also ist %1 − %2 = %3 der größte Betrag, der sich nicht "
        "frankieren lässt. Von %4 bis %1 gehen %5 Beträge in Folge, einer aus jeder Spalte: Ab %4 "
        "geht jeder Betrag."),
    QT_TRANSLATE_NOOP(
        "WhyWording",
        "Also ist %1 − %2 = %3 der größte gerade Betrag, der sich "
        "nicht frankieren lässt. Von %4 bis %1 gehen %5 gerade Beträge in Folge, einer aus jeder "
        "Spalte: Ab %4 geht jeder gerade Betrag."),
    QT_TRANSLATE_NOOP(
        "WhyWording",
        "Also ist %1 − %2 = %3 das größte Vielfache von %6, das sich "
        "nicht frankieren lässt. Von %4 bis %1 gehen %5 Vielfache von %6 in Folge, eines aus jeder "
        "Spalte: Ab %4 geht jedes Vielfache von %6."),
    QT_TRANSLATE_NOOP("WhyWording", "Anzahl der Beträge, die sich nicht frankieren lassen: %1."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Anzahl der geraden Beträge, die sich nicht frankieren "
                      "lassen: %1 (dazu alle ungeraden)."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "Anzahl der Vielfachen von %2, die sich nicht frankieren "
                      "lassen: %1 (dazu alle anderen Beträge)."),
    QT_TRANSLATE_NOOP("WhyWording", "%1 ist darstellbar, zum Beispiel %1 = %2."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "%1 ist nicht darstellbar: %1 hat beim Teilen durch %2 den "
                      "Rest %3, und der kleinste Betrag mit Rest %3 ist %4."),
    QT_TRANSLATE_NOOP("WhyWording",
                      "%1 ist nicht darstellbar: %1 ist nicht durch %2 teilbar, "
                      "alle drei Werte aber schon."),
    QT_TRANSLATE_NOOP("WhyWording", "Kein Betrag zum Prüfen: Der Text ist leer."),
    QT_TRANSLATE_NOOP("WhyWording", "„%1“ ist keine Zahl."),
    QT_TRANSLATE_NOOP("WhyWording", "„%1“ ist keine ganze Zahl; Beträge sind ganze Zahlen."),
    QT_TRANSLATE_NOOP("WhyWording", "„%1“ ist negativ; Beträge sind nie kleiner als 0."),
    QT_TRANSLATE_NOOP("WhyWording", "„%1“ ist zu groß; geprüft werden Beträge bis %2."),
};

}  // namespace

WhyWording windowWhyWording() {
    return [](WhyPhrase phrase) {
        return QCoreApplication::translate("WhyWording",
                                           kPhrases.at(static_cast<std::size_t>(phrase)))
            .toStdString();
    };
}

}  // namespace frankierung
