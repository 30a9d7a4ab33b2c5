#include "drivertexts.h"

#include <array>
#include <cstddef>

#include "pattern.h"

namespace frankierung {

namespace {

struct Wording {
    const char* german;
    const char* english;
};

// In the order of DriverText.
constexpr std::array<Wording, 16> kWordings{{
    {"Aufruf: frankierung-survey [--json] [--warum] [--] A B C [N]\n"
     "  A, B, C  die drei Markenwerte (Texte wie in den Eingabefeldern)\n"
     "  N        die darzustellende Zahl (Vorgabe 200)\n"
     "  --json   Ergebnis als JSON\n"
     "  --warum  erklärt die größte Lücke mit den Resten und sagt, ob N darstellbar ist\n"
     "  --help, --version  diese Hilfe, die Version\n",
     "Usage: frankierung-survey [--json] [--warum] [--] A B C [N]\n"
     "  A, B, C  the three stamp values (texts as typed into the boxes)\n"
     "  N        the amount to represent (default 200)\n"
     "  --json   the result as JSON\n"
     "  --warum  explains the largest gap by remainders and says whether N can be paid\n"
     "  --help, --version  this help, the version\n"},
    {"Unbekannte Option: %1\n", "Unknown option: %1\n"},
    {"Markenwert %1 = „%2“ geht nicht: erlaubt sind ganze Zahlen von 1 bis %3.\n",
     "Stamp value %1 = “%2” cannot be used: only whole numbers from 1 to %3 are allowed.\n"},
    {"Markenwerte: A = %1, B = %2, C = %3\n", "Stamp values: A = %1, B = %2, C = %3\n"},
    {"Stabil ab (Paare): A, B:%1   B, C:%2   C, A:%3\n",
     "Stable from (pairs): A, B:%1   B, C:%2   C, A:%3\n"},
    {"Feld „A, B, C“ im Fenster: %1\n", "Box “A, B, C” in the window: %1\n"},
    {"Nicht darstellbar bis 1000: %1\n", "Cannot be paid up to 1000: %1\n"},
    {"keine", "none"},
    {"Jede Zahl ab %1 ist darstellbar", "Every amount from %1 on can be paid"},
    {" (größte Lücke: %1).\n", " (largest gap: %1).\n"},
    {"Unendlich viele Zahlen sind nicht darstellbar: die drei Werte haben einen gemeinsamen "
     "Teiler größer als 1.\n",
     "Infinitely many amounts cannot be paid: the three values have a common divisor greater "
     "than 1.\n"},
    {"Darstellungen von %1, die die Suche des Fensters findet (x ≤ 1000/A, y ≤ A, z ≤ B): %2\n",
     "Representations of %1 that the window's search finds (x ≤ 1000/A, y ≤ A, z ≤ B): %2\n"},
    {"frankierung-survey: Die Ausgabe konnte nicht geschrieben werden%1.\n",
     "frankierung-survey: The output could not be written%1.\n"},
    {" (kein Platz mehr auf dem Datenträger)", " (no space left on the device)"},
    {" (die Standardausgabe ist geschlossen)", " (standard output is closed)"},
    {"Übersicht:\n", "Overview:\n"},
}};

// In the order of WhyPhrase.
constexpr std::array<Wording, static_cast<std::size_t>(WhyPhrase::TooLarge) + 1> kWhyWordings{{
    {"Alle drei Werte sind durch 2 teilbar: nur gerade Beträge lassen sich frankieren, "
     "ungerade nie.",
     "All three values are divisible by 2: only even amounts can be paid, odd ones never."},
    {"Alle drei Werte sind durch %1 teilbar: nur Vielfache von %1 lassen sich frankieren, "
     "andere Beträge nie.",
     "All three values are divisible by %1: only multiples of %1 can be paid, other amounts "
     "never."},
    {"Geteilt durch %1 sind die Werte %2, %3 und %4 mit der größten Lücke %5; mal %1 "
     "genommen ist das %6.",
     "Divided by %1 the values are %2, %3 and %4 with the largest gap %5; times %1 that is "
     "%6."},
    {"Geteilt durch %1 sind die Werte %2, %3 und %4; einer davon ist 1.",
     "Divided by %1 the values are %2, %3 and %4; one of them is 1."},
    {"Ein Wert ist %1: Mit Marken zu %1 lässt sich jeder Betrag frankieren, es gibt keine "
     "Lücke.",
     "One value is %1: with stamps of %1 every amount can be paid, there is no gap."},
    {"Ein Wert ist 2: Mit Marken zu 2 lässt sich jeder gerade Betrag frankieren, unter "
     "ihnen gibt es keine Lücke.",
     "One value is 2: with stamps of 2 every even amount can be paid, there is no gap among "
     "them."},
    {"Ein Wert ist %1: Mit Marken zu %1 lässt sich jedes Vielfache von %1 frankieren, unter "
     "ihnen gibt es keine Lücke.",
     "One value is %1: with stamps of %1 every multiple of %1 can be paid, there is no gap "
     "among them."},
    {"Der kleinste Wert ist %1. Wir ordnen die Beträge nach ihrem Rest beim Teilen durch %1 "
     "in %2 Spalten: Rest %3.",
     "The smallest value is %1. We arrange the amounts by their remainder when divided by "
     "%1 in %2 columns: remainder %3."},
    {"Der kleinste Wert ist %1. Wir ordnen die geraden Beträge nach ihrem Rest beim Teilen "
     "durch %1 in %2 Spalten: Rest %3.",
     "The smallest value is %1. We arrange the even amounts by their remainder when divided "
     "by %1 in %2 columns: remainder %3."},
    {"Der kleinste Wert ist %1. Wir ordnen die Vielfachen von %4 nach ihrem Rest beim "
     "Teilen durch %1 in %2 Spalten: Rest %3.",
     "The smallest value is %1. We arrange the multiples of %4 by their remainder when "
     "divided by %1 in %2 columns: remainder %3."},
    {"Geht ein Betrag, dann auch jeder weitere seiner Spalte: mit je einer Marke zu %1 "
     "mehr.",
     "If an amount can be paid, so can every further amount of its column: with one more "
     "stamp of %1 each time."},
    {"In jeder Spalte entscheidet also ihr kleinster frankierbarer Betrag: Von ihm an geht "
     "jeder Betrag der Spalte, vor ihm keiner.",
     "So in each column its smallest payable amount decides: from it on every amount of the "
     "column can be paid, before it none."},
    {"Die kleinsten frankierbaren Beträge der Spalten sind %1. Der größte von ihnen ist %2.",
     "The smallest payable amounts of the columns are %1. The largest of them is %2."},
    {"%2 bei Rest %1", "%2 for remainder %1"},
    {"Rest %1: %2", "remainder %1: %2"},
    {"Die kleinsten frankierbaren Beträge der %1 Spalten stehen in der Übersicht; der "
     "größte von ihnen ist %2 = %3 mit Rest %4.",
     "The smallest payable amounts of the %1 columns are in the overview; the largest of "
     "them is %2 = %3 with remainder %4."},
    {"Also ist %1 − %2 = %3 der größte Betrag, der sich nicht frankieren lässt. Von %4 bis "
     "%1 gehen %5 Beträge in Folge, einer aus jeder Spalte: Ab %4 geht jeder Betrag.",
     "So %1 − %2 = %3 is the largest amount that cannot be paid. From %4 to %1, %5 amounts "
     "in a row can be paid, one from each column: from %4 on every amount can."},
    {"Also ist %1 − %2 = %3 der größte gerade Betrag, der sich nicht frankieren lässt. Von "
     "%4 bis %1 gehen %5 gerade Beträge in Folge, einer aus jeder Spalte: Ab %4 geht jeder "
     "gerade Betrag.",
     "So %1 − %2 = %3 is the largest even amount that cannot be paid. From %4 to %1, %5 "
     "even amounts in a row can be paid, one from each column: from %4 on every even amount can."},
    {"Also ist %1 − %2 = %3 das größte Vielfache von %6, das sich nicht frankieren lässt. "
     "Von %4 bis %1 gehen %5 Vielfache von %6 in Folge, eines aus jeder Spalte: Ab %4 geht jedes "
     "Vielfache von %6.",
     "So %1 − %2 = %3 is the largest multiple of %6 that cannot be paid. From %4 to %1, %5 "
     "multiples of %6 in a row can be paid, one from each column: from %4 on every multiple of "
     "%6 can."},
    {"Anzahl der Beträge, die sich nicht frankieren lassen: %1.",
     "Number of amounts that cannot be paid: %1."},
    {"Anzahl der geraden Beträge, die sich nicht frankieren lassen: %1 (dazu alle "
     "ungeraden).",
     "Number of even amounts that cannot be paid: %1 (and every odd one)."},
    {"Anzahl der Vielfachen von %2, die sich nicht frankieren lassen: %1 (dazu alle anderen "
     "Beträge).",
     "Number of multiples of %2 that cannot be paid: %1 (and every other amount)."},
    {"%1 ist darstellbar, zum Beispiel %1 = %2.", "%1 can be paid, for example %1 = %2."},
    {"%1 ist nicht darstellbar: %1 hat beim Teilen durch %2 den Rest %3, und der kleinste "
     "Betrag mit Rest %3 ist %4.",
     "%1 cannot be paid: divided by %2, %1 leaves the remainder %3, and the smallest "
     "payable amount with remainder %3 is %4."},
    {"%1 ist nicht darstellbar: %1 ist nicht durch %2 teilbar, alle drei Werte aber schon.",
     "%1 cannot be paid: %1 is not divisible by %2, but all three values are."},
    {"Kein Betrag zum Prüfen: Der Text ist leer.", "No amount to check: the text is empty."},
    {"„%1“ ist keine Zahl.", "“%1” is not a number."},
    {"„%1“ ist keine ganze Zahl; Beträge sind ganze Zahlen.",
     "“%1” is not a whole number; amounts are whole numbers."},
    {"„%1“ ist negativ; Beträge sind nie kleiner als 0.",
     "“%1” is negative; amounts are never below 0."},
    {"„%1“ ist zu groß; geprüft werden Beträge bis %2.",
     "“%1” is too large; amounts up to %2 are checked."},
}};

}  // namespace

std::string driverText(DriverText text, Language language,
                       std::initializer_list<std::string> values) {
    const Wording& w = kWordings.at(static_cast<std::size_t>(text));
    return fillPattern(language == Language::English ? w.english : w.german, values);
}

WhyWording driverWhyWording(Language language) {
    return [language](WhyPhrase phrase) -> std::string {
        const Wording& w = kWhyWordings.at(static_cast<std::size_t>(phrase));
        return language == Language::English ? w.english : w.german;
    };
}

}  // namespace frankierung
