#include "driver.h"

#include <array>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "drivertexts.h"
#include "gaps.h"
#include "logentry.h"
#include "numbertext.h"
#include "pairs.h"
#include "survey.h"
#include "whydriver.h"

namespace frankierung {
namespace {

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
    void refused(const StampRefusal& r) override { refusal = r; }
    void singleRow(Row row, Amount value, std::span<const Amount> marks) override {
        values.at(static_cast<std::size_t>(row) - 1) = value;
        keep(row, marks);
    }
    void pairRow(Row row, Amount, Amount, const std::string& boundText,
                 std::span<const Amount> marks) override {
        bounds[pairIndex(row)] = boundText;
        keep(row, marks);
    }
    void representation(const Representation& r) override { representations.push_back(r); }
    void tripleRow(std::span<const Amount> reachable) override { keep(Row::ABC, reachable); }
    void tripleBound(const std::string& text) override { bounds[3] = text; }

    std::optional<StampRefusal> refusal;
    std::array<Amount, 3> values{};  // as the run used them
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
                    const std::string& log, Language language) {
    const auto text = [language](DriverText t, std::initializer_list<std::string> values = {}) {
        return driverText(t, language, values);
    };
    std::array<Amount, 3> values{};
    for (std::size_t i = 0; i < 3; ++i) {
        values[i] = static_cast<Amount>(numericValue(boxes.stamps()[i]));
    }
    std::string s =
        text(DriverText::Stamps,
             {plainNumberText(values[0]), plainNumberText(values[1]), plainNumberText(values[2])});
    s += text(DriverText::PairBounds, {c.bounds[0], c.bounds[1], c.bounds[2]});
    // The window's box answers only from what 0..1000 shows; the true bound follows below.
    s += text(DriverText::WindowBox, {c.bounds[3]});
    const std::string gaps = gapRanges(c.rows[6]);
    s += text(DriverText::Unreachable, {gaps.empty() ? text(DriverText::NoneUnreachable) : gaps});
    if (const auto gap = largestGap(values[0], values[1], values[2])) {
        s += text(DriverText::EveryAmount, {plainNumberText(*gap + 1)});
        s += *gap >= 0 ? text(DriverText::LargestGap, {plainNumberText(*gap)}) : ".\n";
    } else {
        s += text(DriverText::InfinitelyMany);
    }
    // Not all representations: the window searches only a box that reaches every amount.
    s += text(DriverText::Representations, {target, std::to_string(c.representations.size())});
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

ProgramOutcome runDriver(std::span<const std::string> args, Language language) {
    bool json = false;
    bool why = false;
    std::vector<std::string> texts;
    bool optionsEnded = false;
    for (const auto& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--json") {
            json = true;
        } else if (!optionsEnded && arg == "--warum") {
            why = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            return {0, driverText(DriverText::Usage, language), {}};
        } else if (!optionsEnded && (arg == "--version" || arg == "-v")) {
            // As the Qt programs answer: the program's name and the project's version.
            return {0, std::string("frankierung-survey ") + FRANKIERUNG_VERSION + "\n", {}};
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return {1,
                    {},
                    driverText(DriverText::UnknownOption, language, {arg}) +
                        driverText(DriverText::Usage, language)};
        } else {
            texts.push_back(arg);
        }
    }
    if (texts.size() < 3 || texts.size() > 4) {
        return {1, {}, driverText(DriverText::Usage, language)};
    }
    const std::string target = texts.size() == 4 ? texts[3] : "200";
    TextBoxes boxes({texts[0], texts[1], texts[2]}, target);
    Collector collector;
    StringLog log;
    LogSink logSink(log);
    SinkList sinks({&collector, &logSink});
    Survey survey;
    survey.run(boxes, sinks);
    if (const auto& r = collector.refusal) {
        return {2,
                {},
                driverText(DriverText::Refusal, language,
                           {kStampNames.at(static_cast<std::size_t>(r->box)), r->text,
                            std::to_string(kLargestStamp)})};
    }
    if (why) {
        const WhyRequest request{boxes.stamps(), collector.values, target};
        return {0, json ? whyJson(request, language) : whyText(request, language), {}};
    }
    if (json) {
        return {0, toJson(boxes, collector, log.text()), {}};
    }
    return {0, summary(boxes, collector, target, log.text(), language), {}};
}

}  // namespace frankierung
