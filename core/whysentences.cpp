#include "whysentences.h"

#include <limits>

#include "amounttext.h"
#include "numbertext.h"
#include "pattern.h"

namespace frankierung {

namespace {

std::string number(std::int64_t n) {
    return plainNumberText(n);
}

// The three ways to speak of the payable amounts: all, the even ones, the multiples of g.
WhyPhrase byDivisor(const RemainderClasses& classes, WhyPhrase all, WhyPhrase even,
                    WhyPhrase multiple) {
    if (classes.ggT() == 1) {
        return all;
    }
    return classes.ggT() == 2 ? even : multiple;
}

// "0, 1, 2, 3, 4, 5", or "0, 1, 2, …, 99" when there are too many to list.
std::string remainderList(const RemainderClasses& classes) {
    const auto& all = classes.classes();
    std::string text;
    for (std::size_t k = 0; k < all.size(); ++k) {
        if (all.size() > kListedClasses && k == 3) {
            text += ", …, " + number(all.back().remainder);
            break;
        }
        text += (k == 0 ? "" : ", ") + number(all[k].remainder);
    }
    return text;
}

std::string divisorSentence(const RemainderClasses& classes, const WhyWording& wording) {
    const std::string g = number(classes.ggT());
    const auto d = classes.divided();
    std::string s = classes.ggT() == 2 ? wording(WhyPhrase::DivisorTwo)
                                       : fillPattern(wording(WhyPhrase::Divisor), {g});
    s += ' ';
    if (const auto gap = classes.largestGap()) {
        s += fillPattern(wording(WhyPhrase::DividedWithGap),
                         {g, number(d[0]), number(d[1]), number(d[2]), number(*gap / classes.ggT()),
                          number(*gap)});
    } else {
        s += fillPattern(wording(WhyPhrase::DividedWithoutGap),
                         {g, number(d[0]), number(d[1]), number(d[2])});
    }
    return s;
}

std::string smallestSentence(const RemainderClasses& classes, const WhyWording& wording) {
    const RemainderClass& top = classes.highest();
    if (classes.classes().size() > kListedClasses) {
        return fillPattern(
            wording(WhyPhrase::SmallestInOverview),
            {number(static_cast<std::int64_t>(classes.classes().size())), number(top.smallest),
             stampSum(top.counts, classes.values(), false), number(top.remainder)});
    }
    std::string list;
    for (const RemainderClass& c : classes.classes()) {
        list += (list.empty() ? "" : ", ") +
                fillPattern(wording(WhyPhrase::ClassInSentence),
                            {number(c.remainder), classSum(c, classes.values())});
    }
    return fillPattern(wording(WhyPhrase::Smallest), {list, number(top.smallest)});
}

}  // namespace

std::vector<std::string> whyArgument(const RemainderClasses& classes, const WhyWording& wording) {
    std::vector<std::string> sentences;
    const std::string g = number(classes.ggT());
    if (classes.ggT() > 1) {
        sentences.push_back(divisorSentence(classes, wording));
    }
    const std::string step = number(classes.smallestValue());
    const auto gap = classes.largestGap();
    if (!gap) {
        // Without a gap the smallest value is the divisor itself.
        sentences.push_back(
            fillPattern(wording(byDivisor(classes, WhyPhrase::EveryAmount, WhyPhrase::EveryEven,
                                          WhyPhrase::EveryMultiple)),
                        {g}));
        return sentences;
    }
    const std::string columns = number(static_cast<std::int64_t>(classes.classes().size()));
    sentences.push_back(
        fillPattern(wording(byDivisor(classes, WhyPhrase::Columns, WhyPhrase::ColumnsEven,
                                      WhyPhrase::ColumnsMultiple)),
                    {step, columns, remainderList(classes), g}));
    sentences.push_back(fillPattern(wording(WhyPhrase::OneMore), {step}));
    sentences.push_back(wording(WhyPhrase::Decides));
    sentences.push_back(smallestSentence(classes, wording));
    sentences.push_back(
        fillPattern(wording(byDivisor(classes, WhyPhrase::Largest, WhyPhrase::LargestEven,
                                      WhyPhrase::LargestMultiple)),
                    {number(classes.highest().smallest), step, number(*gap),
                     number(classes.runStart()), columns, g}));
    return sentences;
}

std::string gapCountSentence(const RemainderClasses& classes, const WhyWording& wording) {
    return fillPattern(wording(byDivisor(classes, WhyPhrase::Count, WhyPhrase::CountEven,
                                         WhyPhrase::CountMultiple)),
                       {number(classes.gapCount()), number(classes.ggT())});
}

std::string verdictSentence(const RemainderClasses& classes, std::string_view amountText,
                            const WhyWording& wording) {
    using Fault = AmountReading::Fault;
    const AmountReading reading = readAmount(amountText);
    const std::string shown = shortenedForMessage(trimBlanks(amountText));
    switch (reading.fault) {
        case Fault::None:
            break;
        case Fault::Empty:
            return wording(WhyPhrase::NoAmount);
        case Fault::NotANumber:
            return fillPattern(wording(WhyPhrase::NotANumber), {shown});
        case Fault::NotWhole:
            return fillPattern(wording(WhyPhrase::NotWhole), {shown});
        case Fault::Negative:
            return fillPattern(wording(WhyPhrase::Negative), {shown});
        case Fault::TooLarge:
            return fillPattern(wording(WhyPhrase::TooLarge),
                               {shown, number(std::numeric_limits<std::int64_t>::max())});
    }
    const Verdict v = classes.verdict(reading.value);
    const std::string n = number(v.amount);
    switch (v.kind) {
        case Verdict::Kind::Payable:
            return fillPattern(wording(WhyPhrase::Payable),
                               {n, stampSum(v.counts, classes.values(), true)});
        case Verdict::Kind::NotPayable:
            return fillPattern(
                wording(WhyPhrase::NotPayable),
                {n, number(classes.smallestValue()), number(v.remainder), number(v.smallest)});
        case Verdict::Kind::NotMultiple:
            break;
    }
    return fillPattern(wording(WhyPhrase::NotMultiple), {n, number(classes.ggT())});
}

std::string stampSum(const StampCounts& counts, const std::array<std::int64_t, 3>& values,
                     bool everyValue) {
    std::string sum;
    for (std::size_t k = 0; k < counts.size(); ++k) {
        if (everyValue || counts[k] != 0) {
            sum += (sum.empty() ? "" : " + ") + number(counts[k]) + "·" + number(values[k]);
        }
    }
    return sum.empty() ? "0" : sum;
}

std::string classSum(const RemainderClass& c, const std::array<std::int64_t, 3>& values) {
    return c.smallest == 0 ? "0" : number(c.smallest) + " = " + stampSum(c.counts, values, false);
}

std::string classLine(const RemainderClass& c, const std::array<std::int64_t, 3>& values,
                      const WhyWording& wording) {
    return fillPattern(wording(WhyPhrase::ClassLine), {number(c.remainder), classSum(c, values)});
}

}  // namespace frankierung
