// A whole run on arbitrary texts: it ends, refuses or fills the boxes, and never crashes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "logentry.h"
#include "survey.h"

namespace {

using namespace frankierung;

class Boxes final : public SurveyBoxes {
public:
    std::array<std::string, 4> texts;
    std::string stampText(int i) const override { return texts[static_cast<std::size_t>(i)]; }
    void setStampText(int i, const std::string& t) override {
        texts[static_cast<std::size_t>(i)] = t;
    }
    std::string targetText() const override { return texts[3]; }
};

class Check final : public SurveySink, public LogText {
public:
    void append(std::string_view t) override { logged += t.size(); }
    void tripleBound(const std::string& t) override { bound = t; }
    void refused(const std::string&) override { wasRefused = true; }
    std::size_t logged = 0;
    std::string bound;
    bool wasRefused = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Four texts separated by NUL bytes; short texts keep each run fast.
    Boxes boxes;
    std::size_t field = 0;
    for (std::size_t i = 0; i < size && field < 4; ++i) {
        if (data[i] == 0) {
            ++field;
        } else if (boxes.texts[field].size() < 64) {
            boxes.texts[field] += static_cast<char>(data[i]);
        }
    }
    Check check;
    LogSink log(check);
    SinkList sinks({&check, &log});
    Survey survey;
    survey.run(boxes, sinks);
    if (!check.wasRefused && check.bound.empty()) {
        std::abort();  // a run that was not refused always fills the bound
    }
    return 0;
}
