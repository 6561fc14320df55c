#include "quorrin/colour_scheme.hpp"

#include "expected_page.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace league::quorrin {
namespace {

using expected::kPlain;
using expected::kRed;
using expected::kYellow;

std::string driverCellOf(const RaceRecord& race, std::int32_t colourChoice, std::int32_t slot) {
    return expected::pageBytes([&](ReportWriter& page) { driverCellOpen(page, race, colourChoice, slot); });
}

TEST(ColourScheme, ColourfulCellsShowThePaletteEntryOfTheStartNumber) {
    const struct {
        std::int32_t startNumber;
        const char* hex;
    } cases[] = {
        {0, "ffffff"},  {1, "ff47ff"},  {2, "ff4760"},  {3, "5a4760"},  {4, "5a8f60"},  {5, "5a8fc1"},
        {6, "b58fc1"},  {9, "10d722"},  {10, "101f22"}, {23, "7c3f07"}, {33, "e8172a"}, {99, "ba4780"},
        // Numbers above 99 wrap around; negative numbers are white.
        {100, "ffffff"}, {105, "5a8fc1"}, {199, "ba4780"}, {-3, "ffffff"},
    };
    RaceRecord race;
    // The winner is coloured like everybody else in this scheme.
    race.winnerSlot = 4;
    for (const auto& c : cases) {
        race.startNumber[4] = c.startNumber;
        EXPECT_EQ(driverCellOf(race, 0, 4), "<td align=\"center\" bgcolor=\"#" + std::string(c.hex) + "\"> ")
            << c.startNumber;
    }
}

TEST(ColourScheme, PlainCellsShowTheWinnerRedAndTheChosenNumberYellow) {
    RaceRecord race;
    race.startNumber[0] = 7;
    race.startNumber[1] = 12;
    race.startNumber[2] = 12;
    race.startNumber[3] = 5;
    const struct {
        std::int32_t winnerSlot;
        std::int32_t colourChoice;
        std::string cells[4];
    } cases[] = {
        {0, 12, {kRed, kYellow, kYellow, kPlain}},
        // Red wins over yellow.
        {0, 7, {kRed, kPlain, kPlain, kPlain}},
        {0, 999, {kRed, kPlain, kPlain, kPlain}},
        // Without a winner nobody is red.
        {kNoSlot, 7, {kYellow, kPlain, kPlain, kPlain}},
        {kNoSlot, -1, {kPlain, kPlain, kPlain, kPlain}},
    };
    for (const auto& c : cases) {
        race.winnerSlot = c.winnerSlot;
        for (std::int32_t slot = 0; slot < 4; ++slot) {
            EXPECT_EQ(driverCellOf(race, c.colourChoice, slot), c.cells[slot])
                << "winner " << c.winnerSlot << ", choice " << c.colourChoice << ", slot " << slot;
        }
    }
}

TEST(ColourScheme, EmptyCellsAreWhiteOnlyInTheColourfulScheme) {
    EXPECT_EQ(expected::pageBytes([](ReportWriter& page) { emptyCellOpen(page, 0); }), expected::kWhite);
    EXPECT_EQ(expected::pageBytes([](ReportWriter& page) { emptyCellOpen(page, 12); }), kPlain);
}

TEST(ColourScheme, PromptShowsFourLinesAndReadsOneNumber) {
    const std::string prompt =
        "If you like very colourful tables put in number 0!\n"
        "Otherwise only the winner of the race will be assigned in red.\n"
        "Put in the starting number of the driver that you would assign in yellow!\n"
        "If you want only assigned the winner put in a non existing starting number!\n";
    const struct {
        const char* input;
        std::int32_t choice;
    } cases[] = {{"12\n", 12}, {"0\n", 0}, {"  -4 7\n", -4}, {"abc\n", 0}, {"", 0}};
    for (const auto& c : cases) {
        std::istringstream in(c.input);
        std::ostringstream out;
        Console console(in, out, testing::testPause);
        EXPECT_EQ(askColourChoice(console), c.choice) << c.input;
        EXPECT_EQ(out.str(), prompt);
    }
}

}  // namespace
}  // namespace league::quorrin
