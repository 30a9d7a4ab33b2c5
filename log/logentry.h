// The text of the representation log: one entry per representation a run finds.
#pragma once

#include <string>
#include <string_view>

#include "survey.h"

namespace frankierung {

// "200 = ( 0, 5, 10) * ( 6, 10, 15)" and CR LF CR LF: the amount box's text unchanged, the
// counts and the values as signed number texts. Each entry ends with an empty line.
[[nodiscard]] std::string logEntry(const Representation& r);

// Whatever holds the log's text; the window's log box and the driver's string are two.
class LogText {
public:
    virtual ~LogText() = default;
    virtual void append(std::string_view text) = 0;
};

// Appends an entry to the log for every representation of a run, as soon as it is found.
class LogSink final : public SurveySink {
public:
    explicit LogSink(LogText& log) : log_(log) {}
    void representation(const Representation& r) override { log_.append(logEntry(r)); }

private:
    LogText& log_;
};

}  // namespace frankierung
