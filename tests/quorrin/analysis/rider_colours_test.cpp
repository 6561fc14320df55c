#include "quorrin/analysis/rider_colours.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

TEST(RiderColours, PlainSchemeMarksTheWinnerRedAndTheChosenNumberYellow) {
    RaceRecord race;
    race.startNumber = {7, 12, 12, 5};
    using enum RiderMark;
    const struct {
        std::int32_t winnerSlot;
        std::int32_t answer;
        RiderMark marks[4];
    } cases[] = {
        {0, 12, {Winner, Chosen, Chosen, None}},
        // Red wins over yellow.
        {0, 7, {Winner, None, None, None}},
        {0, 999, {Winner, None, None, None}},
        // Without a winner nobody is red.
        {kNoSlot, 7, {Chosen, None, None, None}},
        {kNoSlot, -1, {None, None, None, None}},
        // The colourful scheme marks nobody, the winner included.
        {0, 0, {None, None, None, None}},
    };
    for (const auto& c : cases) {
        race.winnerSlot = c.winnerSlot;
        const RiderColours colours = computeRiderColours(race, ColourScheme::fromAnswer(c.answer));
        EXPECT_EQ(colours.colourful, c.answer == 0) << c.answer;
        for (std::size_t slot = 0; slot < 4; ++slot) {
            EXPECT_EQ(colours.mark[slot], c.marks[slot])
                << "winner " << c.winnerSlot << ", answer " << c.answer << ", slot " << slot;
        }
    }
}

}  // namespace
}  // namespace league::quorrin
