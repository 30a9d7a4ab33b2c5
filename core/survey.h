// The survey behind "zeigen": which amounts 0..1000 each single value, each pair and all three
// stamp values reach, the four bounds, and the representations of the chosen amount.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace frankierung {

inline constexpr int kSurveyEnd = 1000;  // amounts 0..kSurveyEnd

using Amount = std::int64_t;

// The rows of the survey and the chart, in their fixed order.
enum class Row { A = 1, B, C, AB, BC, CA, ABC };

// The stamp values' names, by index.
inline constexpr std::array<const char*, 3> kStampNames{"A", "B", "C"};

// Rows AB, BC and CA as 0, 1, 2: the pair that starts with stamp value 0, 1, 2.
[[nodiscard]] constexpr std::size_t pairIndex(Row row) {
    return static_cast<std::size_t>(row) - static_cast<std::size_t>(Row::AB);
}

// Where a run reads and writes its texts: the three stamp boxes and the amount box.
class SurveyBoxes {
public:
    virtual ~SurveyBoxes() = default;
    [[nodiscard]] virtual std::string stampText(int index) const = 0;
    virtual void setStampText(int index, const std::string& text) = 0;
    [[nodiscard]] virtual std::string targetText() const = 0;
};

// The boxes as plain texts, for a run without a window.
class TextBoxes final : public SurveyBoxes {
public:
    TextBoxes(std::array<std::string, 3> stamps, std::string target)
        : stamps_(std::move(stamps)), target_(std::move(target)) {}
    [[nodiscard]] std::string stampText(int index) const override {
        return stamps_.at(static_cast<std::size_t>(index));
    }
    void setStampText(int index, const std::string& text) override {
        stamps_.at(static_cast<std::size_t>(index)) = text;
    }
    [[nodiscard]] std::string targetText() const override { return target_; }
    [[nodiscard]] const std::array<std::string, 3>& stamps() const { return stamps_; }

private:
    std::array<std::string, 3> stamps_;
    std::string target_;
};

// Stamp texts a run refuses: the first box whose value, once values below 1 count as 1, is not
// a whole number from 1 to kLargestStamp, or whose number has anything but blanks after it
// ("2,5", "7x", "-5x"), and its text shortened for a message.
struct StampRefusal {
    int box = 0;  // 0, 1, 2 for A, B, C
    std::string text;
};

// One representation N = x*A + y*B + z*C of the chosen amount, with the amount box's text as it
// stood when the representation was found.
struct Representation {
    Amount x = 0;
    Amount y = 0;
    Amount z = 0;
    std::string targetText;
    std::array<Amount, 3> values{};  // A, B, C
};

// What a run hands out, in the order a run produces it. Every method has an empty default so
// that each sink (the chart, the log, the driver) overrides only what it shows.
class SurveySink {
public:
    virtual ~SurveySink() = default;
    // The run lets pending window events through: once before it starts, once per pass of x.
    virtual void processEvents() {}
    // The stamp texts were refused; nothing of the run happened.
    virtual void refused(const StampRefusal& /*refusal*/) {}
    // The run has started: before any stamp text is fixed.
    virtual void runStarted() {}
    // Rows 1..3: the value v and the marks 0, v, 2v, ... up to kSurveyEnd.
    virtual void singleRow(Row /*row*/, Amount /*value*/, std::span<const Amount> /*marks*/) {}
    // Between the single rows and the pair rows.
    virtual void pairRowsStarting() {}
    // Rows 4..6: the values P and Q, the text of the row's bound box, and the sums i*P + j*Q in
    // generation order, repeats and sums beyond kSurveyEnd included.
    virtual void pairRow(Row /*row*/, Amount /*p*/, Amount /*q*/, const std::string& /*boundText*/,
                         std::span<const Amount> /*marks*/) {}
    // After the pair rows, before the triple enumeration.
    virtual void tripleStarting() {}
    virtual void representation(const Representation& /*r*/) {}
    // Row 7: the amounts whose table entry is 1, ascending, and then the text of its bound box.
    virtual void tripleRow(std::span<const Amount> /*reachable*/) {}
    virtual void tripleBound(const std::string& /*text*/) {}
    virtual void runEnded() {}
};

// Hands every call to several sinks in turn.
class SinkList final : public SurveySink {
public:
    explicit SinkList(std::vector<SurveySink*> sinks) : sinks_(std::move(sinks)) {}
    void processEvents() override;
    void refused(const StampRefusal& refusal) override;
    void runStarted() override;
    void singleRow(Row row, Amount value, std::span<const Amount> marks) override;
    void pairRowsStarting() override;
    void pairRow(Row row, Amount p, Amount q, const std::string& boundText,
                 std::span<const Amount> marks) override;
    void tripleStarting() override;
    void representation(const Representation& r) override;
    void tripleRow(std::span<const Amount> reachable) override;
    void tripleBound(const std::string& text) override;
    void runEnded() override;

private:
    std::vector<SurveySink*> sinks_;
};

// What a run would refuse in these boxes, if anything.
[[nodiscard]] std::optional<StampRefusal> stampRefusal(const SurveyBoxes& boxes);

class Survey {
public:
    using Table = std::array<std::int32_t, kSurveyEnd + 1>;

    // One whole run. Refused stamp texts change nothing and only reach sink.refused().
    void run(SurveyBoxes& boxes, SurveySink& sink);

    // Row 7 of the last run: entry n is 1 when the three values reach n.
    [[nodiscard]] const Table& darstellbar() const { return darstellbar_; }
    // The largest amount 0..1000 the last run found unreachable, 0 when there is none.
    [[nodiscard]] int letzteLuecke() const { return letzteLuecke_; }

    // The text of the bound box for all three values: the least amount from which on every
    // amount is reachable when it is below 1000 and no gap lies beyond 1000 either, else "?".
    [[nodiscard]] static std::string startAbcText(int letzteLuecke, Amount a, Amount b, Amount c);

private:
    void fillTable(Amount a, Amount b, Amount c);
    void findRepresentations(SurveyBoxes& boxes, SurveySink& sink, Amount a, Amount b, Amount c);

    Table darstellbar_{};
    int letzteLuecke_ = 0;
    std::vector<Amount> marks_;  // reused between rows and runs
};

}  // namespace frankierung
