#include "whydriver.h"

#include <nlohmann/json.hpp>

#include "amounttext.h"
#include "drivertexts.h"
#include "numbertext.h"
#include "remainders.h"
#include "whysentences.h"

namespace frankierung {

namespace {

// The run has checked the values, so there are always classes.
RemainderClasses classesOf(const WhyRequest& request) {
    return *RemainderClasses::of(request.values);
}

nlohmann::ordered_json verdictJson(const RemainderClasses& classes, const std::string& text,
                                   const WhyWording& wording) {
    using Fault = AmountReading::Fault;
    nlohmann::ordered_json j;
    const AmountReading reading = readAmount(text);
    static constexpr std::array<const char*, 6> kFaults{"",         "empty",    "notANumber",
                                                        "notWhole", "negative", "tooLarge"};
    if (reading.fault != Fault::None) {
        j["kind"] = kFaults.at(static_cast<std::size_t>(reading.fault));
    } else {
        const Verdict v = classes.verdict(reading.value);
        static constexpr std::array<const char*, 3> kKinds{"payable", "notPayable", "notMultiple"};
        j["kind"] = kKinds.at(static_cast<std::size_t>(v.kind));
        j["amount"] = v.amount;
        if (v.kind == Verdict::Kind::Payable) {
            j["representation"] = v.counts;
        } else if (v.kind == Verdict::Kind::NotPayable) {
            j["remainder"] = v.remainder;
            j["smallest"] = v.smallest;
        }
    }
    j["text"] = verdictSentence(classes, text, wording);
    return j;
}

}  // namespace

std::string whyText(const WhyRequest& request, Language language) {
    const RemainderClasses classes = classesOf(request);
    const WhyWording wording = driverWhyWording(language);
    const auto& v = classes.values();
    std::string s =
        driverText(DriverText::Stamps, language,
                   {plainNumberText(v[0]), plainNumberText(v[1]), plainNumberText(v[2])});
    for (const std::string& sentence : whyArgument(classes, wording)) {
        s += sentence + "\n";
    }
    if (classes.classes().size() > kListedClasses) {
        s += driverText(DriverText::Overview, language);
        for (const RemainderClass& c : classes.classes()) {
            s += classLine(c, v, wording) + "\n";
        }
    }
    s += gapCountSentence(classes, wording) + "\n";
    return s + verdictSentence(classes, request.amountText, wording) + "\n";
}

std::string whyJson(const WhyRequest& request, Language language) {
    const RemainderClasses classes = classesOf(request);
    const WhyWording wording = driverWhyWording(language);
    nlohmann::ordered_json j;
    j["stamps"] = request.stamps;
    j["values"] = classes.values();
    j["ggT"] = classes.ggT();
    j["smallestValue"] = classes.smallestValue();
    auto list = nlohmann::ordered_json::array();
    for (const RemainderClass& c : classes.classes()) {
        list.push_back(
            {{"remainder", c.remainder}, {"smallest", c.smallest}, {"representation", c.counts}});
    }
    j["classes"] = list;
    const auto gap = classes.largestGap();
    j["largestGap"] = gap ? nlohmann::ordered_json(*gap) : nlohmann::ordered_json(nullptr);
    j["gapCount"] = classes.gapCount();
    j["runStart"] = classes.runStart();
    j["amount"] = request.amountText;
    j["verdict"] = verdictJson(classes, request.amountText, wording);
    auto sentences = whyArgument(classes, wording);
    sentences.push_back(gapCountSentence(classes, wording));
    j["explanation"] = sentences;
    // Texts from the command line need not be valid UTF-8; never throw on them.
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace frankierung
