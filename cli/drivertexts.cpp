#include "drivertexts.h"

#include <array>
#include <cstddef>

namespace frankierung {

namespace {

struct Wording {
    const char* german;
    const char* english;
};

// In the order of DriverText.
constexpr std::array<Wording, 15> kWordings{{
    {"Aufruf: frankierung-survey [--json] [--] A B C [N]\n"
     "  A, B, C  die drei Markenwerte (Texte wie in den Eingabefeldern)\n"
     "  N        die darzustellende Zahl (Vorgabe 200)\n"
     "  --json   Ergebnis als JSON\n",
     "Usage: frankierung-survey [--json] [--] A B C [N]\n"
     "  A, B, C  the three stamp values (texts as typed into the boxes)\n"
     "  N        the amount to represent (default 200)\n"
     "  --json   the result as JSON\n"},
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
}};

}  // namespace

std::string driverText(DriverText text, Language language,
                       std::initializer_list<std::string> values) {
    const Wording& w = kWordings.at(static_cast<std::size_t>(text));
    const std::string pattern = language == Language::English ? w.english : w.german;
    std::string filled;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && index < values.size()) {
            filled += values.begin()[index];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

}  // namespace frankierung
