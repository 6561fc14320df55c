#include "quorrin/quorrin_dialogue.hpp"

#include "quorrin/race_page_fragments.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace league::quorrin {
namespace {

TEST(ColourPrompt, ShowsFourLinesAndReadsOneNumber) {
    const struct {
        const char* input;
        bool colourful;
        std::int32_t yellow;
    } cases[] = {{"12\n", false, 12}, {"0\n", true, 0}, {"  -4 7\n", false, -4}, {"abc\n", true, 0}, {"", true, 0}};
    for (const auto& c : cases) {
        std::istringstream in(c.input);
        std::ostringstream out;
        Console console(in, out, testing::testPause);
        const ColourScheme scheme = askColourScheme(console);
        EXPECT_EQ(scheme.colourful, c.colourful) << c.input;
        EXPECT_EQ(scheme.yellowStartNumber, c.yellow) << c.input;
        EXPECT_EQ(out.str(), expected::kColourPrompt);
    }
}

}  // namespace
}  // namespace league::quorrin
