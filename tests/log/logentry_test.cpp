#include "logentry.h"

#include <gtest/gtest.h>

namespace frankierung {
namespace {

struct EntryCase {
    Representation r;
    std::string text;
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << c.text.substr(0, c.text.size() - 4);
}

class Entry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(Entry, ExactText) {
    EXPECT_EQ(logEntry(GetParam().r), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Representations, Entry,
    ::testing::Values(
        EntryCase{{0, 5, 10, "200", {6, 10, 15}}, "200 = ( 0, 5, 10) * ( 6, 10, 15)\r\n\r\n"},
        EntryCase{{1, 1, 0, " 16", {6, 10, 15}}, " 16 = ( 1, 1, 0) * ( 6, 10, 15)\r\n\r\n"},
        EntryCase{{0, 0, 0, "", {6, 10, 15}}, " = ( 0, 0, 0) * ( 6, 10, 15)\r\n\r\n"},
        EntryCase{{0, 0, 0, "abc", {1, 1, 1}}, "abc = ( 0, 0, 0) * ( 1, 1, 1)\r\n\r\n"},
        EntryCase{{150, 5, 10, "1100", {6, 10, 15}}, "1100 = ( 150, 5, 10) * ( 6, 10, 15)\r\n\r\n"},
        EntryCase{{0, 1, 1, "65534", {32767, 32767, 32767}},
                  "65534 = ( 0, 1, 1) * ( 32767, 32767, 32767)\r\n\r\n"}));

TEST(LogSink, AppendsOneEntryPerRepresentationInOrder) {
    struct Text : LogText {
        void append(std::string_view t) override {
            all += t;
            ++appends;
        }
        std::string all;
        int appends = 0;
    } text;
    LogSink sink(text);
    sink.representation({0, 5, 10, "200", {6, 10, 15}});
    sink.representation({5, 2, 10, "200", {6, 10, 15}});
    EXPECT_EQ(text.appends, 2);
    EXPECT_EQ(text.all,
              "200 = ( 0, 5, 10) * ( 6, 10, 15)\r\n\r\n200 = ( 5, 2, 10) * ( 6, 10, 15)\r\n\r\n");
}

}  // namespace
}  // namespace frankierung
