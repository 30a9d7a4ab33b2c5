#include "logentry.h"

#include "numbertext.h"

namespace frankierung {

std::string logEntry(const Representation& r) {
    auto n = [](Amount v) { return signedNumberText(static_cast<double>(v)); };
    std::string entry = r.targetText;
    entry += " = (" + n(r.x) + "," + n(r.y) + "," + n(r.z) + ") * (";
    entry += n(r.values[0]) + "," + n(r.values[1]) + "," + n(r.values[2]) + ")\r\n\r\n";
    return entry;
}

}  // namespace frankierung
