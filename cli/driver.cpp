#include "driver.h"

#include <array>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "gaps.h"
#include "logentry.h"
#include "numbertext.h"
#include "pairs.h"
#include "survey.h"

namespace frankierung {
namespace {

constexpr const char* kUsage =
    "Aufruf: frankierung-survey [--json] [--] A B C [N]\n"
    "  A, B, C  die drei Markenwerte (Texte wie in den Eingabefeldern)\n"
    "  N        die darzustellende Zahl (Vorgabe 200)\n"
    "  --json   Ergebnis als JSON\n";

class StringLog final : public LogText {
public:
    void append(std::string_view text) override { text_ += text; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Everything a run hands out, kept for printing.
class Collector final : public SurveySink {
public:
    void refused(const std::string& message) override { refusal = message; }
    void singleRow(Row row, Amount, std::span<const Amount> marks) override { keep(row, marks); }
    void pairRow(Row row, Amount, Amount, const std::string& boundText,
                 std::span<const Amount> marks) override {
        bounds[pairIndex(row)] = boundText;
        keep(row, marks);
    }
    void representation(const Representation& r) override { representations.push_back(r); }
    void tripleRow(std::span<const Amount> reachable) override { keep(Row::ABC, reachable); }
    void tripleBound(const std::string& text) override { bounds[3] = text; }

    std::optional<std::string> refusal;
    std::array<std::vector<Amount>, 7> rows;
    std::array<std::string, 4> bounds;  // StartAB, StartBC, StartCA, StartABC
    std::vector<Representation> representations;

private:
    void keep(Row row, std::span<const Amount> marks) {
        rows[static_cast<std::size_t>(row) - 1].assign(marks.begin(), marks.end());
    }
};

std::string toJson(const TextBoxes& boxes, const Collector& c, const std::string& log) {
    nlohmann::ordered_json j;
    j["stamps"] = boxes.stamps();
    j["rows"] = c.rows;
    j["StartAB"] = c.bounds[0];
    j["StartBC"] = c.bounds[1];
    j["StartCA"] = c.bounds[2];
    j["StartABC"] = c.bounds[3];
    auto reps = nlohmann::ordered_json::array();
    for (const auto& r : c.representations) {
        reps.push_back({r.x, r.y, r.z});
    }
    j["representations"] = reps;
    j["log"] = log;
    // Texts from the command line need not be valid UTF-8; never throw on them.
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::string summary(const TextBoxes& boxes, const Collector& c, const std::string& target,
                    const std::string& log) {
    const auto& rows = c.rows;
    auto valueOf = [](const std::string& t) {
        return plainNumberText(static_cast<Amount>(numericValue(t)));
    };
    std::string s;
    s += "Markenwerte: A = " + valueOf(boxes.stamps()[0]) + ", B = " + valueOf(boxes.stamps()[1]) +
         ", C = " + valueOf(boxes.stamps()[2]) + "\n";
    s += "Stabil ab (Paare): A, B:" + c.bounds[0] + "   B, C:" + c.bounds[1] +
         "   C, A:" + c.bounds[2] + "\n";
    // The window's box answers only from what 0..1000 shows; the true bound follows below.
    s += "Feld „A, B, C“ im Fenster: " + c.bounds[3] + "\n";
    s += "Nicht darstellbar bis 1000: " + gapRanges(rows[6]) + "\n";
    const auto gap = largestGap(static_cast<Amount>(numericValue(boxes.stamps()[0])),
                                static_cast<Amount>(numericValue(boxes.stamps()[1])),
                                static_cast<Amount>(numericValue(boxes.stamps()[2])));
    if (!gap) {
        s += "Unendlich viele Zahlen sind nicht darstellbar: die drei Werte haben einen "
             "gemeinsamen Teiler größer als 1.\n";
    } else {
        s += "Jede Zahl ab " + plainNumberText(*gap + 1) + " ist darstellbar";
        s += *gap >= 0 ? " (größte Lücke: " + plainNumberText(*gap) + ").\n" : ".\n";
    }
    // Not all representations: the window searches only a box that reaches every amount.
    s += "Darstellungen von " + target + ", die die Suche des Fensters findet (x ≤ 1000/A, " +
         "y ≤ A, z ≤ B): " + std::to_string(c.representations.size()) + "\n";
    // The log's own lines, without the empty line after each entry.
    std::size_t pos = 0;
    while (pos < log.size()) {
        const std::size_t end = log.find("\r\n\r\n", pos);
        s += log.substr(pos, end - pos) + "\n";
        if (end == std::string::npos) {
            break;
        }
        pos = end + 4;
    }
    return s;
}

}  // namespace

ProgramOutcome runDriver(std::span<const std::string> args) {
    bool json = false;
    std::vector<std::string> texts;
    bool optionsEnded = false;
    for (const auto& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--json") {
            json = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            return {0, kUsage, {}};
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return {1, {}, "Unbekannte Option: " + arg + "\n" + kUsage};
        } else {
            texts.push_back(arg);
        }
    }
    if (texts.size() < 3 || texts.size() > 4) {
        return {1, {}, kUsage};
    }
    const std::string target = texts.size() == 4 ? texts[3] : "200";
    TextBoxes boxes({texts[0], texts[1], texts[2]}, target);
    Collector collector;
    StringLog log;
    LogSink logSink(log);
    SinkList sinks({&collector, &logSink});
    Survey survey;
    survey.run(boxes, sinks);
    if (collector.refusal) {
        return {2, {}, *collector.refusal + "\n"};
    }
    if (json) {
        return {0, toJson(boxes, collector, log.text()), {}};
    }
    return {0, summary(boxes, collector, target, log.text()), {}};
}

}  // namespace frankierung
