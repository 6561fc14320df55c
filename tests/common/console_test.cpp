#include "common/console.hpp"

#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace league {
namespace {

TEST(Console, WordsAreWhitespaceDelimitedAndEndAtAZeroByte) {
    std::istringstream in(std::string("  first second\n\tthird R1\0zz 0\0x\n", 33));
    std::ostringstream out;
    Console console(in, out, testing::testPause);
    EXPECT_EQ(readAnswerWord(console), "first");
    EXPECT_EQ(readAnswerWord(console), "second");
    EXPECT_EQ(readAnswerWord(console), "third");
    EXPECT_EQ(readAnswerWord(console), "R1");
    EXPECT_EQ(readAnswerWord(console), "0");
    EXPECT_EQ(readAnswerWord(console), "");
}

TEST(Console, CharAnswersSkipWhiteSpaceAndKeepThePresetAtEndOfInput) {
    std::istringstream in(" yes\nY");
    std::ostringstream out;
    Console console(in, out, testing::testPause);
    EXPECT_EQ(readAnswerChar(console, 'n'), 'y');
    EXPECT_EQ(readAnswerChar(console, 'n'), 'e');
    EXPECT_EQ(readAnswerChar(console, 'n'), 's');
    EXPECT_EQ(readAnswerChar(console, 'n'), 'Y');
    EXPECT_EQ(readAnswerChar(console, 'n'), 'n');
}

TEST(Console, NumberAnswersFollowTheStandardExtraction) {
    {
        std::istringstream in(" -12 7x");
        std::ostringstream out;
        Console console(in, out, testing::testPause);
        EXPECT_EQ(readAnswerNumber(console, 0), -12);
        EXPECT_EQ(readAnswerNumber(console, 0), 7);
        EXPECT_EQ(readAnswerWord(console), "x");
    }
    {
        // Nothing left to read: the preset stays.
        std::istringstream in("   ");
        std::ostringstream out;
        Console console(in, out, testing::testPause);
        EXPECT_EQ(readAnswerNumber(console, 5), 5);
    }
    {
        // No number: 0, and the input stays failed, so later answers read nothing.
        std::istringstream in("abc y word");
        std::ostringstream out;
        Console console(in, out, testing::testPause);
        EXPECT_EQ(readAnswerNumber(console, 5), 0);
        EXPECT_EQ(readAnswerChar(console, 'n'), 'n');
        EXPECT_EQ(readAnswerWord(console), "");
    }
}

TEST(Console, PauseFlushesAndWaitsForOneKey) {
    std::istringstream in("ab");
    std::ostringstream out;
    int pauses = 0;
    Console console(in, out, [&](std::istream& keys, std::ostream& text) {
        ++pauses;
        text << "[pause]";
        keys.get();
    });
    out << "message\n";
    console.pause();
    EXPECT_EQ(pauses, 1);
    EXPECT_EQ(out.str(), "message\n[pause]");
    EXPECT_EQ(readAnswerChar(console, 'n'), 'b');
}

}  // namespace
}  // namespace league
